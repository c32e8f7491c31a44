#include "core/vcard/CVCardProperty.h"

#include <algorithm>

namespace {
bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return (x >= 'a' && x <= 'z' ? x - 32 : x) == (y >= 'a' && y <= 'z' ? y - 32 : y);
           });
}
} // namespace

std::optional<std::string_view> CVCardProperty::Param(std::string_view wanted) const {
    for (const auto& [key, value] : params) {
        if (key == wanted)
            return value;
    }
    return std::nullopt;
}

bool CVCardProperty::HasParam(std::string_view wanted, std::string_view value) const {
    for (const auto& [key, values] : params) {
        if (key != wanted)
            continue;
        std::string_view rest = values;
        while (true) {
            const std::size_t comma = rest.find(',');
            if (EqualsNoCase(rest.substr(0, comma), value))
                return true;
            if (comma == std::string_view::npos)
                break;
            rest.remove_prefix(comma + 1);
        }
    }
    return false;
}

bool CVCardProperty::IsPreferred() const {
    return HasParam("TYPE", "pref") || Param("PREF").has_value();
}

const CVCardProperty* CVCard::Find(std::string_view name) const {
    const auto found = std::find_if(properties.begin(), properties.end(),
                                    [name](const CVCardProperty& p) { return p.name == name; });
    return found == properties.end() ? nullptr : &*found;
}
