#include "core/text/CTextOrder.h"

#include "core/text/CCp932.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace {
// Pieces that make texts tie, share eight characters and more, end early at a NUL or at a lead
// byte without its trail byte, and mix single and double bytes whose packed forms interleave.
const std::vector<std::string> PIECES = {"a",        "b",        "\x82\xa0", "\x82\xa2", "\xb1",
                                         "\x81\x40", "abcdefgh", "\0x"s,     "\x82",     ""};

std::string RandomText(std::mt19937& random) {
    std::string text;
    const int pieces = std::uniform_int_distribution<int>(0, 6)(random);
    for (int i = 0; i < pieces; ++i)
        text += PIECES[std::uniform_int_distribution<std::size_t>(0, PIECES.size() - 1)(random)];
    return text;
}

TEST(CTextOrderTest, AgreesWithAStableSortByTheCodePageOrder) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        std::vector<std::string> owned(500);
        std::generate(owned.begin(), owned.end(), [&] { return RandomText(random); });
        const std::vector<std::string_view> texts(owned.begin(), owned.end());
        std::vector<std::uint32_t> expected(texts.size());
        std::iota(expected.begin(), expected.end(), 0u);
        std::stable_sort(expected.begin(), expected.end(), [&](std::uint32_t a, std::uint32_t b) {
            return CCp932::Compare(texts[a], texts[b]) < 0;
        });
        EXPECT_EQ(CTextOrder::Of(texts), expected) << "seed " << seed;
    }
}
} // namespace
