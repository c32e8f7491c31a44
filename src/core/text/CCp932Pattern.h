#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// A search string prepared once for searching many texts, as a search over every field of
// every person does. It finds what CCp932::Find finds: hits begin where a character begins,
// and both texts end at a NUL.
class CCp932Pattern {
public:
    explicit CCp932Pattern(std::string_view needle);

    // The first hit at or after `from`, where the walk over characters starts; npos for none.
    std::size_t FindIn(std::string_view haystack, std::size_t from = 0) const;

private:
    // The next place the bytes occur, wherever characters begin.
    std::size_t FindBytes(std::string_view haystack, std::size_t from) const;

    std::string m_strNeedle;
    // How far the search may move on after a mismatch, by the text's byte under the needle's
    // last byte.
    std::array<std::uint32_t, 256> m_skip{};
};
