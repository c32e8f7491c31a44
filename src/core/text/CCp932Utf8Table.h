#pragma once

#include "core/text/CCp932.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
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
    // The same, but every ASCII byte goes to `ascii(rest, out)`, where `rest` begins with it;
    // it writes what the byte stands for, at most MAX_UTF8_PER_BYTE bytes for each byte it
    // takes, and returns how many bytes of `rest` it took (at least one). Escaping while
    // converting reads each text once: in UTF-8 only ASCII characters have ASCII bytes.
    template <typename AsciiWriter>
    char* ConvertWith(std::string_view cp932, char* out, AsciiWriter&& ascii) const {
        const auto* bytes = reinterpret_cast<const unsigned char*>(cp932.data());
        const std::size_t size = cp932.size();
        for (std::size_t i = 0; i < size;) {
            const unsigned char c = bytes[i];
            if (c < 0x80) {
                i += ascii(cp932.substr(i), out);
            } else if (CCp932::IsLeadByte(c) && i + 1 < size && IsTrailByte(bytes[i + 1])) {
                out = Put(out, m_double[LeadRow(c)][bytes[i + 1]]);
                i += 2;
            } else {
                out = Put(out, m_single[c]);
                ++i;
            }
        }
        return out;
    }

private:
    struct CUtf8 {
        std::array<char, MAX_UTF8_PER_BYTE> bytes{};
        std::uint8_t length = 0;
    };

    static constexpr std::size_t LEAD_COUNT = 60; // 0x81-0x9F and 0xE0-0xFC

    static CUtf8 Encode(const CTextCodec& codec, std::string_view cp932);
    static std::size_t LeadRow(unsigned char lead) {
        return lead <= 0x9F ? lead - 0x81u : lead - 0xE0u + (0x9Fu - 0x81u + 1);
    }
    static bool IsTrailByte(unsigned char c) {
        return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
    }
    static char* Put(char* out, const CUtf8& utf8) {
        std::memcpy(out, utf8.bytes.data(), utf8.bytes.size());
        return out + utf8.length;
    }

    std::array<CUtf8, 256> m_single;
    std::array<std::array<CUtf8, 256>, LEAD_COUNT> m_double;
};
