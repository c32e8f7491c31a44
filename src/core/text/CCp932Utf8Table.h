#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

class CTextCodec;

// CP932 to UTF-8 by table lookup, for converting whole files of short texts without a call
// into iconv per text. The table is filled from the codec, character by character, so the two
// always agree, replacement characters included.
class CCp932Utf8Table {
public:
    // No CP932 character, and no replacement character, takes more.
    static constexpr std::size_t MAX_UTF8_PER_BYTE = 3;

    explicit CCp932Utf8Table(const CTextCodec& codec);

    // Writes the UTF-8 of `cp932` at `out`, which has room for MAX_UTF8_PER_BYTE bytes per
    // input byte, and returns the end of what it wrote.
    char* Convert(std::string_view cp932, char* out) const;

private:
    struct CUtf8 {
        std::array<char, MAX_UTF8_PER_BYTE> bytes{};
        std::uint8_t length = 0;
    };

    static constexpr std::size_t LEAD_COUNT = 60; // 0x81-0x9F and 0xE0-0xFC

    static CUtf8 Encode(const CTextCodec& codec, std::string_view cp932);
    static std::size_t LeadRow(unsigned char lead);

    std::array<CUtf8, 256> m_single;
    std::array<std::array<CUtf8, 256>, LEAD_COUNT> m_double;
};
