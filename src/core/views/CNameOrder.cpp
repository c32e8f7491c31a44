#include "core/views/CNameOrder.h"

#include "core/model/CGroup.h"
#include "core/model/CGroupList.h"
#include "core/model/CPersonList.h"
#include "core/model/CPersonalData.h"
#include "core/text/CTextOrder.h"

#include <cstdint>
#include <string_view>

namespace {
std::string_view NameOf(const CPersonalData* person) {
    return person->GetText(EPersonText::Name);
}

std::string_view NameOf(const CGroup* group) {
    return group->m_strGroupName.View();
}

template <typename TRecord, typename TList>
std::vector<TRecord*> ByName(const TList& records, std::vector<std::uint64_t>* firstFour) {
    // One walk: a record's name is read while the record is at hand.
    std::vector<TRecord*> listed;
    std::vector<std::string_view> names;
    listed.reserve(records.size());
    names.reserve(records.size());
    for (TRecord* record : records) {
        listed.push_back(record);
        names.push_back(NameOf(record));
    }
    std::vector<TRecord*> ordered;
    ordered.reserve(listed.size());
    for (const std::uint32_t index : CTextOrder::Of(names, firstFour))
        ordered.push_back(listed[index]);
    return ordered;
}
} // namespace

std::vector<CPersonalData*> CNameOrder::Of(const CPersonList& persons,
                                           std::vector<std::uint64_t>* firstFour) {
    return ByName<CPersonalData>(persons, firstFour);
}

std::vector<CGroup*> CNameOrder::Of(const CGroupList& groups) {
    return ByName<CGroup>(groups, nullptr);
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
