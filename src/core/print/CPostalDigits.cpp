#include "core/print/CPostalDigits.h"

#include <algorithm>
#include <array>

namespace {
constexpr char32_t POSTAL_MARK = 0x3012;
constexpr char32_t IDEOGRAPHIC_SPACE = 0x3000;
constexpr char32_t FULLWIDTH_ZERO = 0xFF10;

// Hyphen-minus, hyphen, non-breaking hyphen, figure dash, en dash, em dash, horizontal bar,
// minus sign, the long vowel mark, full-width hyphen-minus and the half-width long vowel mark.
constexpr std::array<char32_t, 11> HYPHENS = {0x2D,   0x2010, 0x2011, 0x2012, 0x2013, 0x2014,
                                              0x2015, 0x2212, 0x30FC, 0xFF0D, 0xFF70};
} // namespace

int CPostalDigits::DigitValue(char32_t c) {
    if (c >= U'0' && c <= U'9')
        return static_cast<int>(c - U'0');
    if (c >= FULLWIDTH_ZERO && c <= FULLWIDTH_ZERO + 9)
        return static_cast<int>(c - FULLWIDTH_ZERO);
    return -1;
}

bool CPostalDigits::IsHyphen(char32_t c) {
    return std::find(HYPHENS.begin(), HYPHENS.end(), c) != HYPHENS.end();
}

std::optional<std::string> CPostalDigits::Extract(std::u32string_view code) {
    std::string digits;
    for (const char32_t c : code) {
        const int value = DigitValue(c);
        if (value >= 0)
            digits.push_back(static_cast<char>('0' + value));
        else if (c != POSTAL_MARK && c != U' ' && c != IDEOGRAPHIC_SPACE && !IsHyphen(c))
            return std::nullopt;
    }
    if (digits.size() != DIGIT_COUNT)
        return std::nullopt;
    return digits;
}
