#pragma once

#include "core/find/CWidthFolding.h"

#include <array>
#include <string>
#include <string_view>

// The forms in which two persons' texts are compared when looking for the same person twice:
// texts that differ only in ways a typist does not mean (blanks, width, letter case, hiragana
// or katakana, the way a phone number is written) give the same key. An empty key never
// matches anything.
class CDuplicateKeys {
public:
    // Phone numbers shorter than this are extensions or typing mistakes, shared by chance.
    static constexpr std::size_t MIN_PHONE_DIGITS = 6;

    CDuplicateKeys();

    // Without blanks of any width, folded as the search's "ignore width" does, hiragana read
    // as katakana.
    std::string NameKey(std::string_view name) const;
    // Trimmed and folded, so that letter case does not count.
    std::string EmailKey(std::string_view email) const;
    // The digits only, an international +81 written as the leading 0 a domestic call dials.
    std::string PhoneKey(std::string_view phone) const;

private:
    // Full-width hiragana, which all lie under one lead byte, put as the katakana of the same
    // sound.
    std::string ToKatakana(std::string_view text) const;

    CWidthFolding m_folding;
    std::array<unsigned char, 256> m_katakanaTrail{}; // by the hiragana's trail byte; 0: none
};
