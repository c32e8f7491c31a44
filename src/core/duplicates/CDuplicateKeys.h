#pragma once

#include "core/text/CWidthFolding.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The forms in which two persons' texts are compared when looking for the same person twice:
// texts that differ only in ways a typist does not mean (blanks, width, letter case, hiragana
// or katakana, the way a phone number is written) give the same key. An empty key never
// matches anything. Each key lies in this object until the next call, so that keying a whole
// book allocates hardly ever.
class CDuplicateKeys {
public:
    // Phone numbers shorter than this are extensions or typing mistakes, shared by chance.
    static constexpr std::size_t MIN_PHONE_DIGITS = 6;

    CDuplicateKeys();

    // Without blanks of any width, folded as the search's "ignore width" does, hiragana read
    // as katakana.
    std::string_view NameKey(std::string_view name);
    // Trimmed and folded, so that letter case does not count.
    std::string_view EmailKey(std::string_view email);
    // The digits only, an international +81 written as the leading 0 a domestic call dials.
    std::string_view PhoneKey(std::string_view phone);

private:
    // What a full-width hiragana becomes: its katakana as the folding leaves it, a voiced one
    // taken apart as a voiced katakana is.
    struct CKana {
        std::array<char, 4> bytes{};
        std::uint8_t size = 0;
    };

    CWidthFolding m_folding;
    std::array<CKana, 256> m_katakana{}; // by the hiragana's trail byte
    std::string m_folded;
    std::string m_key;
};
