#pragma once

#include <cstdint>

// How a character sits in its cell when it is set vertically.
enum class EGlyphShift : std::uint8_t { None, Punctuation, SmallKana };

// One character as vertical writing sets it: the character to draw, its turn clockwise in
// degrees, and where in its cell it moves.
struct CVerticalGlyph {
    char32_t m_glyph = 0;
    int m_nRotation = 0;
    EGlyphShift m_shift = EGlyphShift::None;
};

// The rules of vertical writing for one character: Latin letters and signs become full-width and
// stand upright, brackets take their vertical forms, the long vowel mark and dashes turn a
// quarter, and 、。 and the small kana move to the upper right of their cell.
class CVerticalForms {
public:
    static constexpr int QUARTER_TURN = 90;

    CVerticalForms() = delete;

    static CVerticalGlyph Of(char32_t c);
    // ASCII letters, digits and signs as their full-width forms, the space as the ideographic
    // space; anything else as it is.
    static char32_t FullWidth(char32_t c);
};
