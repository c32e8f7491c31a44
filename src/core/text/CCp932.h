#pragma once

#include <cstddef>
#include <string_view>

// Character-aware operations on code page 932 byte strings, behaving like the C runtime's
// multibyte functions so that sorting and searching give the same results as on Windows.
class CCp932 {
public:
    CCp932() = delete;

    static bool IsLeadByte(unsigned char c) {
        return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    }

    // Like _mbscmp: <0, 0 or >0. As there, a NUL or a lead byte without its trail byte ends
    // the text.
    static int Compare(std::string_view a, std::string_view b);
    static bool Less(std::string_view a, std::string_view b) { return Compare(a, b) < 0; }

    // Like _mbsstr: a hit can only begin where a character begins; the walk over characters
    // starts at `from`. Both texts end at a NUL. Returns std::string_view::npos when there is no
    // hit.
    static std::size_t Find(std::string_view haystack, std::string_view needle,
                            std::size_t from = 0);
};
