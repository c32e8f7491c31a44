#include "core/text/CSortPrefix.h"

#include "core/text/CCp932.h"

CSortPrefix::CSortPrefix(std::string_view text) {
    std::size_t pos = 0;
    m_high = PackFour(text, pos);
    m_low = PackFour(text, pos);
}

std::uint64_t CSortPrefix::PackFour(std::string_view text, std::size_t& pos) {
    constexpr int UNITS = 4;
    std::uint64_t packed = 0;
    for (int i = 0; i < UNITS; ++i) {
        unsigned int unit = 0;
        if (pos < text.size()) {
            const auto first = static_cast<unsigned char>(text[pos++]);
            unit = first;
            if (CCp932::IsLeadByte(first)) {
                const auto trail = pos < text.size() ? static_cast<unsigned char>(text[pos++]) : 0u;
                unit = trail == 0 ? 0u : (static_cast<unsigned int>(first) << 8) | trail;
            }
            if (unit == 0)
                pos = text.size();
        }
        packed = (packed << 16) | unit;
    }
    return packed;
}

int CSortPrefix::Compare(const CSortPrefix& a, std::string_view textA, const CSortPrefix& b,
                         std::string_view textB) {
    if (const int order = ComparePrefixes(a, b); order != 0)
        return order;
    return a.HoldsWholeText() ? 0 : CompareRest(textA, textB);
}

int CSortPrefix::CompareRest(std::string_view a, std::string_view b) {
    // Texts whose prefixes agree are mostly the same name again.
    return a == b ? 0 : CCp932::Compare(a, b);
}
