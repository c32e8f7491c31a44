#include "core/print/CVerticalForms.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {
constexpr char32_t FIRST_ASCII_SIGN = 0x21;
constexpr char32_t LAST_ASCII_SIGN = 0x7E;
constexpr char32_t FULLWIDTH_OFFSET = 0xFF01 - FIRST_ASCII_SIGN;
constexpr char32_t IDEOGRAPHIC_SPACE = 0x3000;

// Brackets and their vertical presentation forms.
constexpr std::array<std::pair<char32_t, char32_t>, 18> BRACKETS = {{
    {0x300C, 0xFE41}, // 「
    {0x300D, 0xFE42}, // 」
    {0x300E, 0xFE43}, // 『
    {0x300F, 0xFE44}, // 』
    {0xFF08, 0xFE35}, // （
    {0xFF09, 0xFE36}, // ）
    {0xFF5B, 0xFE37}, // ｛
    {0xFF5D, 0xFE38}, // ｝
    {0x3014, 0xFE39}, // 〔
    {0x3015, 0xFE3A}, // 〕
    {0x3010, 0xFE3B}, // 【
    {0x3011, 0xFE3C}, // 】
    {0x300A, 0xFE3D}, // 《
    {0x300B, 0xFE3E}, // 》
    {0x3008, 0xFE3F}, // 〈
    {0x3009, 0xFE40}, // 〉
    {0xFF3B, 0xFE47}, // ［
    {0xFF3D, 0xFE48}, // ］
}};

// Long vowel mark, wave dashes, dashes, ellipses, equals and colon: drawn turned.
constexpr std::array<char32_t, 12> TURNED = {0x30FC, 0xFF5E, 0x301C, 0xFF0D, 0x2015, 0x2014,
                                             0x2010, 0x2026, 0x2025, 0xFF1D, 0xFF1A, 0xFF70};

// 、。，．
constexpr std::array<char32_t, 4> PUNCTUATION = {0x3001, 0x3002, 0xFF0C, 0xFF0E};

// ぁぃぅぇぉっゃゅょゎゕゖ and ァィゥェォッャュョヮヵヶ.
constexpr std::array<char32_t, 24> SMALL_KANA = {
    0x3041, 0x3043, 0x3045, 0x3047, 0x3049, 0x3063, 0x3083, 0x3085, 0x3087, 0x308E, 0x3095, 0x3096,
    0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9, 0x30C3, 0x30E3, 0x30E5, 0x30E7, 0x30EE, 0x30F5, 0x30F6};

template <typename TList> bool Contains(const TList& list, char32_t c) {
    return std::find(list.begin(), list.end(), c) != list.end();
}
} // namespace

char32_t CVerticalForms::FullWidth(char32_t c) {
    if (c == U' ')
        return IDEOGRAPHIC_SPACE;
    if (c >= FIRST_ASCII_SIGN && c <= LAST_ASCII_SIGN)
        return c + FULLWIDTH_OFFSET;
    return c;
}

CVerticalGlyph CVerticalForms::Of(char32_t c) {
    const char32_t wide = FullWidth(c);
    const auto bracket = std::find_if(BRACKETS.begin(), BRACKETS.end(),
                                      [wide](const auto& pair) { return pair.first == wide; });
    if (bracket != BRACKETS.end())
        return {bracket->second, 0, EGlyphShift::None};
    if (Contains(TURNED, wide))
        return {wide, QUARTER_TURN, EGlyphShift::None};
    if (Contains(PUNCTUATION, wide))
        return {wide, 0, EGlyphShift::Punctuation};
    if (Contains(SMALL_KANA, wide))
        return {wide, 0, EGlyphShift::SmallKana};
    return {wide, 0, EGlyphShift::None};
}
