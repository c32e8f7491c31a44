#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Sorts many texts as CCp932::Compare orders them, equal texts keeping their order: the
// person list's rows and the tree's names, 100,000 at a time. Each text's first characters are
// packed once and the sort moves small entries that rarely need the text again.
class CTextOrder {
public:
    // The positions of `texts` in that order. With `firstFour`, also each text's first four
    // characters packed as CSortPrefix::PackFour packs them, in the same order: what a caller
    // that keeps texts by their prefixes would otherwise read every text again for.
    static std::vector<std::uint32_t> Of(const std::vector<std::string_view>& texts,
                                         std::vector<std::uint64_t>* firstFour = nullptr);
};
