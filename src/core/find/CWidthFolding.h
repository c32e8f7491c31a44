#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Reads letter case and character width out of a CP932 text, so that ＡＢＣ, abc and ABC read
// alike and half-width katakana read as their full-width forms (ｶﾞ as ガ). Every folded
// character begins where a character of the original began, so a search in folded texts still
// finds whole characters only.
class CWidthFolding {
public:
    // Builds the tables through the CP932 converter; throws as CTextCodec does without one.
    CWidthFolding();

    // The folded text, written into `buffer`, which only grows, so that folding many texts
    // allocates hardly ever.
    std::string_view Fold(std::string_view text, std::string& buffer) const;
    std::string Fold(std::string_view text) const;

private:
    // What one character becomes: up to two bytes.
    struct CUnit {
        std::array<char, 2> bytes{};
        std::uint8_t size = 0;
    };

    static constexpr int WIDE_LEADS = 2; // full-width ASCII lies under lead bytes 0x81 and 0x82

    static char* Append(const CUnit& unit, char* out);

    std::array<CUnit, 256> m_single{};
    std::array<CUnit, 256> m_voiced{};           // a half-width kana followed by ﾞ
    std::array<CUnit, 256> m_semiVoiced{};       // a half-width kana followed by ﾟ
    std::array<char, WIDE_LEADS * 256> m_wide{}; // full-width ASCII by lead and trail; 0: none
};
