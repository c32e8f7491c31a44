#include "core/views/CNameOrder.h"

#include "core/model/CGroup.h"
#include "core/model/CPersonList.h"
#include "core/model/CPersonalData.h"
#include "core/text/CSortPrefix.h"

#include <algorithm>
#include <string_view>

namespace {
std::string_view NameOf(const CPersonalData* person) {
    return person->GetText(EPersonText::Name);
}

std::string_view NameOf(const CGroup* group) {
    return group->m_strGroupName.Str();
}

template <typename TRecord, typename TList> std::vector<TRecord*> ByName(const TList& records) {
    struct CNamed {
        CSortPrefix prefix;
        std::string_view name;
        TRecord* record;
    };
    std::vector<CNamed> named;
    named.reserve(records.size());
    for (TRecord* record : records) {
        const std::string_view name = NameOf(record);
        named.push_back({CSortPrefix(name), name, record});
    }
    std::stable_sort(named.begin(), named.end(), [](const CNamed& a, const CNamed& b) {
        return CSortPrefix::Compare(a.prefix, a.name, b.prefix, b.name) < 0;
    });
    std::vector<TRecord*> ordered;
    ordered.reserve(named.size());
    for (const CNamed& entry : named)
        ordered.push_back(entry.record);
    return ordered;
}
} // namespace

std::vector<CPersonalData*> CNameOrder::Of(const CPersonList& persons) {
    return ByName<CPersonalData>(persons);
}

std::vector<CGroup*> CNameOrder::Of(const std::list<CGroup*>& groups) {
    return ByName<CGroup>(groups);
}

void CNameOrder::FetchAhead(const std::vector<CPersonalData*>& persons, std::size_t at) {
    constexpr std::size_t RECORD_AHEAD = 16;
    constexpr std::size_t CONTENTS_AHEAD = 8;
    if (at + RECORD_AHEAD < persons.size())
        __builtin_prefetch(persons[at + RECORD_AHEAD]);
    if (at + CONTENTS_AHEAD < persons.size()) {
        const CPersonalData* ahead = persons[at + CONTENTS_AHEAD];
        __builtin_prefetch(ahead->m_groupList.data());
        __builtin_prefetch(ahead->GetText(EPersonText::Name).data());
    }
}
