#pragma once

#include <cstdint>
#include <string>

// How the numbers of an address are set: in kanji, one kanji per digit (10 as 一〇, 1-2-3 as
// 一―二―三), or as upright Arabic digits with a two-digit number side by side in one cell.
enum class ENumeralStyle : std::uint8_t { Kanji, Arabic };

// What the user chooses for a run of postcards.
struct CPostcardOptions {
    std::string m_strHonorific; // UTF-8, may be empty
    ENumeralStyle m_numerals = ENumeralStyle::Kanji;
    // Moves everything printed, for printers that feed postcards off-centre; millimetres,
    // right and down.
    double m_dOffsetX = 0.0;
    double m_dOffsetY = 0.0;
    std::string m_strFont; // a font family's name
};
