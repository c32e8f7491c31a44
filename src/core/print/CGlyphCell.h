#pragma once

#include <cstdint>
#include <string>

// What a cell of the card holds, so that a painter or a test can tell the parts apart.
enum class EGlyphRole : std::uint8_t {
    ZipDigit,
    ZipText, // a postal code that is not seven digits, as it was written
    Address,
    Name,
    Honorific,
    SenderAddress,
    SenderName,
    SenderZipDigit,
    SenderZipText,
};

// One character (or two digits side by side) placed on the card, in millimetres from the card's
// top-left corner. The painter turns the text by `m_nRotation` degrees clockwise about the
// centre, draws it with its baseline `m_dBaseline` below the centre (a turned glyph is centred
// by its ink instead) and squeezes it sideways when it is wider than `m_dWidth`.
struct CGlyphCell {
    std::string m_strText; // UTF-8
    double m_dX = 0.0;     // centre
    double m_dY = 0.0;
    double m_dEm = 0.0; // the font's size
    double m_dWidth = 0.0;
    double m_dBaseline = 0.0;
    int m_nRotation = 0;
    EGlyphRole m_role = EGlyphRole::Address;
};
