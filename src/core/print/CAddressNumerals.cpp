#include "core/print/CAddressNumerals.h"

#include "core/print/CPostalDigits.h"

#include <array>

namespace {
// 〇一二三四五六七八九
constexpr std::array<char32_t, 10> KANJI_DIGITS = {0x3007, 0x4E00, 0x4E8C, 0x4E09, 0x56DB,
                                                   0x4E94, 0x516D, 0x4E03, 0x516B, 0x4E5D};
constexpr char32_t FULLWIDTH_ZERO = 0xFF10;
// Two digits share a cell; longer numbers take a cell each.
constexpr std::size_t SIDE_BY_SIDE_DIGITS = 2;

bool IsDigitAt(std::u32string_view text, std::size_t at) {
    return at < text.size() && CPostalDigits::DigitValue(text[at]) >= 0;
}

std::size_t DigitRunEnd(std::u32string_view text, std::size_t at) {
    while (IsDigitAt(text, at))
        ++at;
    return at;
}

void AppendNumber(std::vector<CColumnToken>& cells, std::u32string_view text, std::size_t begin,
                  std::size_t end, ENumeralStyle style) {
    if (style == ENumeralStyle::Arabic && end - begin == SIDE_BY_SIDE_DIGITS) {
        std::u32string pair;
        for (std::size_t at = begin; at < end; ++at)
            pair.push_back(U'0' + static_cast<char32_t>(CPostalDigits::DigitValue(text[at])));
        cells.push_back({pair, 1.0, true});
        return;
    }
    for (std::size_t at = begin; at < end; ++at) {
        const int value = CPostalDigits::DigitValue(text[at]);
        const char32_t digit = style == ENumeralStyle::Kanji
                                   ? CAddressNumerals::KanjiDigit(value)
                                   : FULLWIDTH_ZERO + static_cast<char32_t>(value);
        cells.push_back({std::u32string(1, digit), 1.0, true});
    }
}
} // namespace

char32_t CAddressNumerals::KanjiDigit(int value) {
    return KANJI_DIGITS.at(static_cast<std::size_t>(value));
}

std::vector<CColumnToken> CAddressNumerals::Cells(std::u32string_view address,
                                                  ENumeralStyle style) {
    std::vector<CColumnToken> cells;
    cells.reserve(address.size());
    std::size_t at = 0;
    while (at < address.size()) {
        if (IsDigitAt(address, at)) {
            const std::size_t end = DigitRunEnd(address, at);
            AppendNumber(cells, address, at, end, style);
            at = end;
            continue;
        }
        const bool betweenNumbers = at > 0 && IsDigitAt(address, at - 1) &&
                                    IsDigitAt(address, at + 1) &&
                                    CPostalDigits::IsHyphen(address[at]);
        cells.push_back(
            {std::u32string(1, betweenNumbers ? NUMBER_DASH : address[at]), 1.0, betweenNumbers});
        ++at;
    }
    return cells;
}
