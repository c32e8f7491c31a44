#include "core/print/CPostcardSender.h"

#include "core/model/CPersonalData.h"

#include <algorithm>

namespace {
// Hexadecimal, so that any bytes fit on one line of the settings file.
std::string Hex(std::string_view bytes) {
    static constexpr char DIGITS[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        hex.push_back(DIGITS[value >> 4]);
        hex.push_back(DIGITS[value & 0x0F]);
    }
    return hex;
}
} // namespace

std::string CPostcardSender::KeyOf(const CPersonalData& person) {
    // Until persons carry an identifier, the name and postal code together stand for one.
    std::string key(person.GetText(EPersonText::Name));
    key += '\n';
    key += person.GetText(EPersonText::Zip);
    return Hex(key);
}

const CPersonalData* CPostcardSender::Find(const std::list<CPersonalData*>& persons,
                                           std::string_view key) {
    if (key.empty())
        return nullptr;
    const auto found =
        std::find_if(persons.begin(), persons.end(),
                     [key](const CPersonalData* person) { return KeyOf(*person) == key; });
    return found != persons.end() ? *found : nullptr;
}
