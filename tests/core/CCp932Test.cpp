#include "core/text/CCp932.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
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
