#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The first eight characters of a CP932 text as CCp932::Compare orders them, packed into two
// numbers. Names rarely run longer, so most comparisons of a sort never read the texts again.
class CSortPrefix {
public:
    CSortPrefix() = default;
    explicit CSortPrefix(std::string_view text);

    // The next four characters from `pos` as one number, each in 16 bits: a lead byte and its
    // trail byte together, a single byte alone, 0 after the end (or a NUL, or a lead byte
    // without its trail byte, which end the text as CCp932::Compare reads it). `pos` moves on.
    static std::uint64_t PackFour(std::string_view text, std::size_t& pos);

    // CCp932::Compare of the two texts, deciding by their prefixes where they differ.
    static int Compare(const CSortPrefix& a, std::string_view textA, const CSortPrefix& b,
                       std::string_view textB);

private:
    std::uint64_t m_high = 0;
    std::uint64_t m_low = 0;
};
