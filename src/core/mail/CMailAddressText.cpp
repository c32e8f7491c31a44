#include "core/mail/CMailAddressText.h"

#include "core/model/CFieldTable.h"
#include "core/model/CPersonalData.h"

std::optional<CMailAddressText> CMailAddressText::Build(const std::vector<CPersonalData*>& persons,
                                                        int field, std::string_view separator) {
    CMailAddressText text;
    for (const CPersonalData* person : persons) {
        const std::string address = person->GetFieldText(field);
        if (address.empty())
            continue;
        text.m_strAddress.append(address).append(separator);
        text.m_strLabel.append(person->GetFieldText(CFieldTable::FIELD_NAME))
            .append("[")
            .append(address)
            .append("]")
            .append(separator)
            .append(" ");
    }
    if (text.m_strAddress.empty())
        return std::nullopt;
    // Each entry ended with the separator (and the label's blank); the last one drops it.
    text.m_strAddress.resize(text.m_strAddress.size() - separator.size());
    text.m_strLabel.resize(text.m_strLabel.size() - separator.size() - 1);
    return text;
}
