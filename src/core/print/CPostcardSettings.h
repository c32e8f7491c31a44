#pragma once

#include "core/print/CPostcardOptions.h"

#include <array>
#include <string>

class CProfile;

// The postcard choices the settings file remembers between runs: the honorific, the numerals,
// the printer offset, the font and the sender.
class CPostcardSettings {
public:
    static constexpr std::size_t HONORIFIC_COUNT = 5;
    // The index of "no honorific" among the choices.
    static constexpr int HONORIFIC_NONE = 4;
    // The offset is kept in tenths of a millimetre and refused beyond a card's width.
    static constexpr int MAX_OFFSET_TENTHS = 1000;

    // 様, 殿, 御中, 先生, none: the texts the choice shows.
    static const std::array<const char*, HONORIFIC_COUNT>& HonorificChoices();

    void Load(const CProfile& profile);
    void Save(CProfile& profile) const;

    // The options these settings make, the honorific's text filled in.
    CPostcardOptions ToOptions() const;

    int m_nHonorific = 0;
    ENumeralStyle m_numerals = ENumeralStyle::Kanji;
    int m_nOffsetXTenths = 0;
    int m_nOffsetYTenths = 0;
    std::string m_strFont;
    std::string m_strSenderKey; // empty: no sender
};
