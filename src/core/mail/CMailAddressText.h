#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CPersonalData;

// What writing mail hands on: the addresses joined by the separator, and a label naming each
// person with the address used, for the recent-address list. Texts are CP932.
class CMailAddressText {
public:
    // Persons without the address are left out; nothing when nobody has one.
    static std::optional<CMailAddressText> Build(const std::vector<CPersonalData*>& persons,
                                                 int field, std::string_view separator);

    std::string m_strAddress;
    std::string m_strLabel;
};
