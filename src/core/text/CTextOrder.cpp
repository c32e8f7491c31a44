#include "core/text/CTextOrder.h"

#include "core/text/CSortPrefix.h"

#include <algorithm>
#include <array>

namespace {
struct CEntry {
    CSortPrefix prefix;
    std::uint32_t index;
};

constexpr int DIGIT_BITS = 16;
constexpr std::size_t DIGITS = std::size_t{1} << DIGIT_BITS;

// One stable pass of a radix sort by the character at `unit` of the prefix (0 the first, 7
// the eighth); a pass where every entry has the same character is left out.
void SortByUnit(std::vector<CEntry>& entries, std::vector<CEntry>& spare, int unit) {
    std::vector<std::uint32_t> counts(DIGITS + 1, 0);
    const int shift = (3 - unit % 4) * DIGIT_BITS;
    const bool high = unit < 4;
    const auto digitOf = [shift, high](const CEntry& entry) {
        const std::uint64_t part = high ? entry.prefix.High() : entry.prefix.Low();
        return static_cast<std::size_t>((part >> shift) & (DIGITS - 1));
    };
    for (const CEntry& entry : entries)
        ++counts[digitOf(entry) + 1];
    if (std::find(counts.begin(), counts.end(), entries.size()) != counts.end())
        return;
    for (std::size_t digit = 1; digit <= DIGITS; ++digit)
        counts[digit] += counts[digit - 1];
    spare.resize(entries.size());
    for (const CEntry& entry : entries)
        spare[counts[digitOf(entry)]++] = entry;
    entries.swap(spare);
}
} // namespace

std::vector<std::uint32_t> CTextOrder::Of(const std::vector<std::string_view>& texts,
                                          std::vector<std::uint64_t>* firstFour) {
    std::vector<CEntry> entries;
    entries.reserve(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        entries.push_back({CSortPrefix(texts[i]), static_cast<std::uint32_t>(i)});
    // The first eight characters by a radix sort, which never compares and reads no text; the
    // few entries that share them are then compared, their positions breaking ties so that
    // the sort stays stable.
    std::vector<CEntry> spare;
    for (int unit = 7; unit >= 0; --unit)
        SortByUnit(entries, spare, unit);
    const auto before = [&texts](const CEntry& a, const CEntry& b) {
        if (const int order = CSortPrefix::ComparePrefixes(a.prefix, b.prefix); order != 0)
            return order < 0;
        if (!a.prefix.HoldsWholeText()) {
            const int order = CSortPrefix::CompareRest(texts[a.index], texts[b.index]);
            if (order != 0)
                return order < 0;
        }
        return a.index < b.index;
    };
    for (auto run = entries.begin(); run != entries.end();) {
        const auto end = std::find_if(run, entries.end(), [run](const CEntry& entry) {
            return CSortPrefix::ComparePrefixes(entry.prefix, run->prefix) != 0;
        });
        std::sort(run, end, before);
        run = end;
    }
    std::vector<std::uint32_t> order;
    order.reserve(entries.size());
    for (const CEntry& entry : entries)
        order.push_back(entry.index);
    if (firstFour != nullptr) {
        firstFour->clear();
        firstFour->reserve(entries.size());
        for (const CEntry& entry : entries)
            firstFour->push_back(entry.prefix.High());
    }
    return order;
}
