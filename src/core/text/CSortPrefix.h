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
    // The order of the prefixes alone; when they agree and HoldsWholeText is false, CompareRest
    // of the texts decides.
    static int ComparePrefixes(const CSortPrefix& a, const CSortPrefix& b) {
        if (a.m_high != b.m_high)
            return a.m_high < b.m_high ? -1 : 1;
        if (a.m_low != b.m_low)
            return a.m_low < b.m_low ? -1 : 1;
        return 0;
    }
    // The first four characters' part, which orders before the next four's.
    std::uint64_t High() const { return m_high; }
    std::uint64_t Low() const { return m_low; }
    // A prefix that ends in 0 holds the whole text.
    bool HoldsWholeText() const { return (m_low & 0xFFFFu) == 0; }
    static int CompareRest(std::string_view a, std::string_view b);

private:
    std::uint64_t m_high = 0;
    std::uint64_t m_low = 0;
};
