#pragma once

#include "core/text/CCp932Pattern.h"
#include "core/text/CWidthFolding.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CPersonalData;

// What a search looks for: a CP932 string in chosen person fields. A hit begins on a character
// boundary and matches byte for byte; with case and width ignored both sides are folded first.
class CFindMatcher {
public:
    // `fields` are field numbers 0-10.
    CFindMatcher(std::string_view text, std::vector<int> fields, bool ignoreCaseWidth);

    bool Matches(const CPersonalData& person) const;
    bool Contains(std::string_view text) const;

private:
    bool MatchesFieldByField(const CPersonalData& person) const;

    std::optional<CWidthFolding> m_folding;
    CCp932Pattern m_pattern;
    std::vector<int> m_fields;
    // Bit n for the person text EPersonText(n) that holds a chosen field.
    std::uint32_t m_chosenTexts = 0;
    mutable std::string m_folded; // reused, so that a search allocates once
};
