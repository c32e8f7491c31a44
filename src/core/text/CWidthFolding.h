#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Reads letter case and character width out of a CP932 text, so that ＡＢＣ, abc and ABC read
// alike and half-width katakana read as their full-width forms (ｶﾞ and ガ both as カ゛). Each
// character folds on its own, whatever follows it, into whole characters: so whatever a search
// finds in the texts as they stand it also finds in the folded texts, and only whole
// characters. That is why a voiced kana is taken apart rather than ｶﾞ put together.
class CWidthFolding {
public:
    // Builds the tables through the CP932 converter; throws as CTextCodec does without one.
    CWidthFolding();

    // The folded text, written into `buffer`, which only grows, so that folding many texts
    // allocates hardly ever.
    std::string_view Fold(std::string_view text, std::string& buffer) const;
    std::string Fold(std::string_view text) const;

private:
    // What one character becomes: up to four bytes, at most twice its own size.
    struct CUnit {
        std::array<char, 4> bytes{};
        std::uint8_t size = 0;
    };

    static constexpr int WIDE_LEADS = 2; // full-width ASCII lies under lead bytes 0x81 and 0x82

    static char* Append(const CUnit& unit, char* out);

    std::array<CUnit, 256> m_single{};
    std::array<CUnit, 256> m_marked{};           // a full-width kana with a mark, by its trail
    std::array<char, WIDE_LEADS * 256> m_wide{}; // full-width ASCII by lead and trail; 0: none
};
