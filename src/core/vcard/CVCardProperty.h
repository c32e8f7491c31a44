#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One content line of a vCard as the reader leaves it: group, name and parameter names in
// uppercase, the value in UTF-8 with its transfer encoding and charset undone but its
// backslash escapes kept, since only the property knows which separators it has.
struct CVCardProperty {
    std::string group; // "ITEM1" of "item1.TEL", empty for none
    std::string name;
    std::vector<std::pair<std::string, std::string>> params; // a bare 2.1 parameter is a TYPE
    std::string value;
    bool binary = false; // inline data (BASE64, a data: URI): never decoded
    std::size_t line = 0;

    // The first value of the parameter, as written.
    std::optional<std::string_view> Param(std::string_view name) const;
    // Whether any value of the parameter, commas splitting values, is `value` in any case.
    bool HasParam(std::string_view name, std::string_view value) const;
    // TYPE=pref (3.0) or PREF=n (4.0).
    bool IsPreferred() const;
};

// One card: its properties in order and where it began.
struct CVCard {
    std::vector<CVCardProperty> properties;
    std::size_t line = 0;

    const CVCardProperty* Find(std::string_view name) const;
};
