#pragma once

#include "core/print/CPostcardOptions.h"
#include "core/print/CVerticalColumns.h"

#include <string>
#include <string_view>
#include <vector>

// Splits an address into its cells, with its numbers set in the chosen style. A hyphen between
// two numbers becomes a dash that vertical writing turns upright; the cells of a number and its
// dashes are marked, so that a column breaks before a block number rather than inside it.
class CAddressNumerals {
public:
    // U+2015, the horizontal bar.
    static constexpr char32_t NUMBER_DASH = 0x2015;

    CAddressNumerals() = delete;

    // One token per cell: a single character, or two ASCII digits set side by side.
    static std::vector<CColumnToken> Cells(std::u32string_view address, ENumeralStyle style);
    static char32_t KanjiDigit(int value);
};
