#pragma once

#include "core/print/CPostcardOptions.h"

#include <string>
#include <string_view>
#include <vector>

// Splits an address into the texts of its cells, with its numbers set in the chosen style.
// A hyphen between two numbers becomes a dash that vertical writing turns upright.
class CAddressNumerals {
public:
    // U+2015, the horizontal bar.
    static constexpr char32_t NUMBER_DASH = 0x2015;

    CAddressNumerals() = delete;

    // One text per cell: a single character, or two ASCII digits set side by side.
    static std::vector<std::u32string> Cells(std::u32string_view address, ENumeralStyle style);
    static char32_t KanjiDigit(int value);
};
