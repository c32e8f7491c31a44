#include "core/text/CCp932.h"

#include "core/text/CCp932Pattern.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Kana spelled in CP932 bytes.
const std::string HIRAGANA_A = "\x82\xA0";    // あ
const std::string HALF_WIDTH_KANA_A = "\xB1"; // ｱ
const std::string KATAKANA_SO = "\x83\x5C";   // ソ, whose trail byte is the backslash
const std::string IDEOGRAPHIC_SPACE = "\x81\x40";

int Sign(int value) {
    return (value > 0) - (value < 0);
}

} // namespace

TEST(CCp932Test, LeadBytesAreTheTwoCp932Ranges) {
    EXPECT_FALSE(CCp932::IsLeadByte(0x80));
    EXPECT_TRUE(CCp932::IsLeadByte(0x81));
    EXPECT_TRUE(CCp932::IsLeadByte(0x9F));
    EXPECT_FALSE(CCp932::IsLeadByte(0xA0));
    EXPECT_FALSE(CCp932::IsLeadByte(0xDF));
    EXPECT_TRUE(CCp932::IsLeadByte(0xE0));
    EXPECT_TRUE(CCp932::IsLeadByte(0xFC));
    EXPECT_FALSE(CCp932::IsLeadByte(0xFD));
    EXPECT_FALSE(CCp932::IsLeadByte('\\'));
}

TEST(CCp932Test, HalfWidthKanaSortsBeforeEveryDoubleByteCharacter) {
    // Byte by byte 0x81 would come first; as units 0x8140 is larger than 0xB1.
    EXPECT_LT(CCp932::Compare(HALF_WIDTH_KANA_A, IDEOGRAPHIC_SPACE), 0);
    EXPECT_LT(CCp932::Compare("\xDF", IDEOGRAPHIC_SPACE), 0);
    EXPECT_GT(CCp932::Compare(HIRAGANA_A, HALF_WIDTH_KANA_A), 0);
    EXPECT_LT(CCp932::Compare("z", HALF_WIDTH_KANA_A), 0);
    EXPECT_LT(CCp932::Compare("x" + HALF_WIDTH_KANA_A + "z", "x" + HIRAGANA_A), 0);
}

TEST(CCp932Test, KanaInitialsSortInSyllabaryOrder) {
    const std::string aida = "\x82\xA0\x82\xA2\x82\xBE";  // あいだ
    const std::string katou = "\x82\xA9\x82\xC6\x82\xA4"; // かとう
    const std::string sato = "\x82\xB3\x82\xC6\x82\xA4";  // さとう
    EXPECT_LT(CCp932::Compare(aida, katou), 0);
    EXPECT_LT(CCp932::Compare(katou, sato), 0);

    std::vector<std::string> names = {sato, "Smith", aida, HALF_WIDTH_KANA_A, katou};
    std::sort(names.begin(), names.end(), CCp932::Less);
    const std::vector<std::string> expected = {"Smith", HALF_WIDTH_KANA_A, aida, katou, sato};
    EXPECT_EQ(names, expected);
}

TEST(CCp932Test, TrailBytesCompareAsPartOfTheirCharacter) {
    EXPECT_LT(CCp932::Compare("\x83\x40", KATAKANA_SO), 0);
    EXPECT_EQ(CCp932::Compare(KATAKANA_SO, KATAKANA_SO), 0);
    // A trail byte that is also a lead byte value is still a trail byte.
    EXPECT_LT(CCp932::Compare("\x81\x81\x40", "\x81\x81\x41"), 0);
}

TEST(CCp932Test, ShorterPrefixSortsFirstAndSignsAreSymmetric) {
    EXPECT_EQ(CCp932::Compare("", ""), 0);
    EXPECT_LT(CCp932::Compare("", "a"), 0);
    EXPECT_LT(CCp932::Compare("abc", "abcd"), 0);
    EXPECT_GT(CCp932::Compare(HIRAGANA_A + HIRAGANA_A, HIRAGANA_A), 0);
    const std::vector<std::string> samples = {
        "", "a", "ab", HIRAGANA_A, KATAKANA_SO, HALF_WIDTH_KANA_A, "\\"};
    for (const std::string& a : samples) {
        for (const std::string& b : samples) {
            EXPECT_EQ(Sign(CCp932::Compare(a, b)), -Sign(CCp932::Compare(b, a))) << a << " " << b;
        }
    }
}

TEST(CCp932Test, LeadByteWithoutTrailEndsTheStringLikeTheRuntime) {
    EXPECT_EQ(CCp932::Compare("a\x81", "a"), 0);
    EXPECT_LT(CCp932::Compare("a\x81", "ab"), 0);
    EXPECT_EQ(CCp932::Compare("\x82", ""), 0);
}

TEST(CCp932Test, NulEndsTheComparedText) {
    EXPECT_EQ(CCp932::Compare(std::string("a\0z", 3), std::string("a\0b", 3)), 0);
    EXPECT_EQ(CCp932::Compare("a", std::string("a\0b", 3)), 0);
}

TEST(CCp932Test, FindsAsciiLikeAnOrdinarySearch) {
    EXPECT_EQ(CCp932::Find("hello world", "world"), 6U);
    EXPECT_EQ(CCp932::Find("hello world", "o", 5), 7U);
    EXPECT_EQ(CCp932::Find("hello world", "xyz"), std::string_view::npos);
    EXPECT_EQ(CCp932::Find("abc", "abcd"), std::string_view::npos);
}

TEST(CCp932Test, EmptyNeedleMatchesAtTheStart) {
    EXPECT_EQ(CCp932::Find("abc", ""), 0U);
    EXPECT_EQ(CCp932::Find("abc", "", 2), 2U);
    EXPECT_EQ(CCp932::Find("abc", "", 3), 3U);
    EXPECT_EQ(CCp932::Find("abc", "", 4), std::string_view::npos);
    EXPECT_EQ(CCp932::Find("", ""), 0U);
}

TEST(CCp932Test, BackslashDoesNotMatchInsideKatakanaSo) {
    EXPECT_EQ(CCp932::Find(KATAKANA_SO, "\\"), std::string_view::npos);
    EXPECT_EQ(CCp932::Find(KATAKANA_SO + "\\", "\\"), 2U);
    EXPECT_EQ(CCp932::Find("C:\\" + KATAKANA_SO, "\\"), 2U);
}

TEST(CCp932Test, TrailByteAndNextLeadByteNeverFormAHit) {
    const std::string ai = "\x82\xA0\x82\xA2"; // あい
    EXPECT_EQ(CCp932::Find(ai, "\xA0\x82"), std::string_view::npos);
    // The same bytes later on a character boundary do match.
    EXPECT_EQ(CCp932::Find(ai + "\xA0\x82\xA2", "\xA0\x82"), 4U);
    EXPECT_EQ(CCp932::Find("\x81\x81\x40", "\x81\x40"), std::string_view::npos);
}

TEST(CCp932Test, FindsDoubleByteCharactersAtTheirStart) {
    const std::string test = "\x83\x65\x83\x58\x83\x67"; // テスト
    EXPECT_EQ(CCp932::Find(test, "\x83\x58"), 2U);
    EXPECT_EQ(CCp932::Find(test, "\x83\x67"), 4U);
    EXPECT_EQ(CCp932::Find("a" + test, "\x83"), 1U);
}

TEST(CCp932Test, RepeatedSearchFromEachHitFindsEveryOccurrence) {
    const std::string so = KATAKANA_SO;
    const std::string text = so + "\\" + so + so + "\\x\\" + so;
    std::vector<std::size_t> hits;
    for (std::size_t at = CCp932::Find(text, "\\"); at != std::string_view::npos;
         at = CCp932::Find(text, "\\", at + 1)) {
        hits.push_back(at);
    }
    const std::vector<std::size_t> expected = {2, 7, 9};
    EXPECT_EQ(hits, expected);
}

TEST(CCp932Test, ManyFalseCandidatesBeforeTheRealHit) {
    std::string text;
    for (int i = 0; i < 100000; ++i) {
        text += KATAKANA_SO;
    }
    EXPECT_EQ(CCp932::Find(text, "\\"), std::string_view::npos);
    text += "\\";
    EXPECT_EQ(CCp932::Find(text, "\\"), 200000U);
    // Like the runtime's search, the walk over characters begins at `from`.
    EXPECT_EQ(CCp932::Find(text, "\\", 1), 1U);
}

TEST(CCp932Test, SearchStopsAtNul) {
    EXPECT_EQ(CCp932::Find(std::string("ab\0cd", 5), "cd"), std::string_view::npos);
    EXPECT_EQ(CCp932::Find("abcd", std::string("cd\0x", 4)), 2U);
}

namespace {

// The rule in its plainest form: walk the characters from `from`, compare at each.
std::size_t PlainFind(std::string_view haystack, std::string_view needle, std::size_t from) {
    haystack = haystack.substr(0, haystack.find('\0'));
    needle = needle.substr(0, needle.find('\0'));
    for (std::size_t at = from; at <= haystack.size();
         at += CCp932::IsLeadByte(static_cast<unsigned char>(haystack[at])) ? 2 : 1) {
        if (haystack.substr(at).starts_with(needle))
            return at;
        if (at == haystack.size())
            break;
    }
    return std::string_view::npos;
}

std::vector<std::size_t> AllHits(std::string_view haystack, std::size_t from, auto find) {
    std::vector<std::size_t> hits;
    for (std::size_t at = find(haystack, from); at != std::string_view::npos;
         at = find(haystack, at + 1))
        hits.push_back(at);
    return hits;
}

struct CSearchShape {
    const char* name;
    int rounds;
    std::size_t textUnits; // at most, before the pattern's copies go in
    std::size_t repeats;   // the pattern is a run of text repeated this often
    std::size_t textsPerPattern;
};

class CCp932PatternPropertyTest : public ::testing::TestWithParam<CSearchShape> {};

// Over random CP932 texts, a prepared pattern finds exactly the hits of the plain rule. The
// units are chosen so that byte matches across characters abound: trail bytes that are ASCII
// letters, backslashes and lead byte values, lead bytes standing alone at the end, NULs. Long
// repetitive patterns make the quick search compare far and often, so that it hands over.
TEST_P(CCp932PatternPropertyTest, FindsWhatThePlainCharacterWalkFinds) {
    const CSearchShape shape = GetParam();
    const std::vector<std::string> units = {"a",        "A",        "\\",       "@",
                                            "\x83\x5C", "\x83\x41", "\x81\x40", "\x81\x81",
                                            "\x83\x83", "\x82\xA0", "\xB1",     "\x83"};
    std::mt19937 random(18);
    const auto pick = [&random](std::size_t count) {
        return random() % count;
    };
    const auto randomText = [&](std::size_t maxUnits) {
        std::string text;
        for (std::size_t n = pick(maxUnits + 1); n > 0; --n)
            text += units[pick(units.size())];
        return text;
    };
    int hits = 0;
    int acrossOnly = 0;
    for (int round = 0; round < shape.rounds; ++round) {
        // Any run of bytes, so that a pattern may begin on a trail byte or end on a lead byte.
        const std::string source = randomText(6);
        const std::size_t start = source.empty() ? 0 : pick(source.size());
        const std::string run = source.substr(start, 1 + pick(source.size() - start + 1));
        std::string needle;
        for (std::size_t i = 0; i < shape.repeats; ++i)
            needle += run;
        const CCp932Pattern pattern(needle);
        for (std::size_t t = 0; t < shape.textsPerPattern; ++t) {
            std::string text = randomText(shape.textUnits);
            for (std::size_t copies = pick(4); copies > 0; --copies)
                text.insert(pick(text.size() + 1), needle.substr(0, needle.size() - pick(2)));
            if (pick(3) == 0)
                text += "\x83";
            if (pick(20) == 0)
                text.insert(pick(text.size() + 1), 1, '\0');
            const std::size_t from = pick(3) == 0 ? pick(text.size() + 2) : 0;
            const auto expected = AllHits(text, from, [&](std::string_view h, std::size_t f) {
                return PlainFind(h, needle, f);
            });
            const auto actual = AllHits(text, from, [&](std::string_view h, std::size_t f) {
                return pattern.FindIn(h, f);
            });
            ASSERT_EQ(actual, expected) << ::testing::PrintToString(needle) << " in "
                                        << ::testing::PrintToString(text) << " from " << from;
            hits += static_cast<int>(expected.size());
            acrossOnly += expected.empty() && !needle.empty() &&
                          text.substr(0, text.find('\0')).find(needle) != std::string::npos;
        }
    }
    // The texts held hits, and bytes that matched only across characters.
    EXPECT_GT(hits, shape.rounds);
    EXPECT_GT(acrossOnly, shape.rounds / 50);
}

const CSearchShape SHAPES[] = {
    {"ShortPatterns", 20000, 12, 1, 1},
    {"LongRepetitivePatterns", 60, 3000, 200, 10},
};
INSTANTIATE_TEST_SUITE_P(Shapes, CCp932PatternPropertyTest, ::testing::ValuesIn(SHAPES),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
