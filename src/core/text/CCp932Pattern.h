#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

// A search string prepared once for searching many texts, as a search over every field of
// every person does. It finds what CCp932::Find finds: hits begin where a character begins,
// and both texts end at a NUL. Its time grows with the lengths of the text and the string,
// never with their product.
class CCp932Pattern {
public:
    explicit CCp932Pattern(std::string_view needle);

    // The first hit at or after `from`, where the walk over characters starts; npos for none.
    std::size_t FindIn(std::string_view haystack, std::size_t from = 0) const;
    // Where the string's rarest byte next stands in `text` at or after `from`, npos for none:
    // a stretch of text without it holds no hit. Needs a string that is not empty.
    std::size_t FindRareByte(std::string_view text, std::size_t from) const {
        const std::string_view rest = text.substr(from);
        const void* seen = std::memchr(rest.data(), m_strNeedle[m_nRare], rest.size());
        return seen ? from + static_cast<std::size_t>(static_cast<const char*>(seen) - rest.data())
                    : std::string_view::npos;
    }
    bool IsEmpty() const { return m_strNeedle.empty(); }

private:
    // Where the search stands in one text: the bytes before `checked` hold no NUL, and
    // `boundary` is the first character start not yet passed. Both only move forward.
    struct CProgress {
        std::size_t checked;
        std::size_t boundary;
    };

    // What the bytes found at one place make of it.
    enum class EVerdict {
        Hit,
        Miss, // they begin inside a character
        End,  // a NUL ends the text before them, and before every later place
    };

    // The needle's byte least likely to occur in CP932 texts, looked for first.
    static std::size_t RareByteOffset(std::string_view needle);
    EVerdict Judge(std::string_view haystack, std::size_t at, CProgress& progress) const;
    // The quick search: memchr for the rare byte, then a comparison. When comparing has cost
    // too much for how far it got, it gives up and leaves in `pos` where the other must go on;
    // otherwise `pos` comes back as npos.
    std::size_t FindByRareByte(std::string_view haystack, std::size_t& pos,
                               CProgress& progress) const;
    // Knuth, Morris and Pratt's search, which reads each text byte once whatever the needle.
    std::size_t FindByBorders(std::string_view haystack, std::size_t pos,
                              CProgress& progress) const;

    std::string m_strNeedle;
    std::size_t m_nRare;
    // For each prefix length, the longest proper prefix that is also its suffix.
    std::vector<std::uint32_t> m_borders;
};
