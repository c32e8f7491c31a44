#include "core/print/CPostcardSender.h"

#include "core/model/CPersonList.h"
#include "core/model/CPersonalData.h"

#include <algorithm>

std::string CPostcardSender::KeyOf(const CPersonalData& person) {
    return person.GetUid().Key();
}

const CPersonalData* CPostcardSender::Find(const CPersonList& persons, std::string_view key) {
    if (key.empty())
        return nullptr;
    const auto found =
        std::find_if(persons.begin(), persons.end(),
                     [key](const CPersonalData* person) { return KeyOf(*person) == key; });
    return found != persons.end() ? *found : nullptr;
}
