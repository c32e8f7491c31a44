#include "core/find/CFindMatcher.h"

#include "core/find/CFindProgress.h"
#include "core/model/CFieldTable.h"
#include "core/model/CPersonalData.h"
#include "core/text/CTextCodec.h"
#include "core/text/CWidthFolding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {
std::string Cp932(std::string_view utf8) {
    return CTextCodec().FromUtf8(utf8).text;
}

struct CMatchCase {
    const char* name;
    std::string needle; // UTF-8 unless raw
    std::string text;
    bool ignoreCaseWidth;
    bool matches;
    bool raw = false; // needle and text are CP932 bytes already
};

class CFindMatcherTest : public ::testing::TestWithParam<CMatchCase> {};

TEST_P(CFindMatcherTest, FindsTheStringOnlyAsWholeCharacters) {
    const CMatchCase& c = GetParam();
    const std::string needle = c.raw ? c.needle : Cp932(c.needle);
    const std::string text = c.raw ? c.text : Cp932(c.text);
    const CFindMatcher matcher(needle, {CFieldTable::FIELD_ADDRESS}, c.ignoreCaseWidth);
    EXPECT_EQ(matcher.Contains(text), c.matches);
}

// 検 is 8C 9F; レ is 83 8C and 檮 is 9F 40, so レ檮 holds the bytes of 検 across a boundary.
const CMatchCase MATCH_CASES[] = {
    {"Substring", "abc", "xxabcxx", false, true},
    {"CaseDiffers", "abc", "ABC", false, false},
    {"WidthDiffers", "abc", "ａｂｃ", false, false},
    {"HalfKanaDiffers", "ｶﾀｶﾅ", "カタカナ", false, false},
    {"DoubleByteAcrossBoundary", "\x8c\x9f", "\x83\x8c\x9f\x40", false, false, true},
    {"DoubleByteOnBoundary", "\x8c\x9f", "\x83\x8c\x8c\x9f", false, true, true},
    {"BlanksAreLiteral", "  ", "a b", false, false},
    {"FoldedCase", "abc", "xABCx", true, true},
    {"FoldedWidth", "abc", "ａｂｃ", true, true},
    {"FoldedWideNeedle", "ＡＢＣ", "abc", true, true},
    {"FoldedHalfKana", "ｶﾀｶﾅ", "カタカナ", true, true},
    {"FoldedVoicedKana", "ｶﾞｯｺｳ", "ガッコウ", true, true},
    {"FoldedSemiVoicedKana", "ﾊﾟﾝ", "パン", true, true},
    {"FoldedWideDigitsAndSpace", "1 2", "１　２", true, true},
    {"FoldedKeepsOtherCharacters", "が", "ガ", true, false},
    {"FoldedPlainKanaInVoicedHalfKana", "ｶ", "ｶﾞｽ", true, true},
    {"FoldedPlainKanaInVoicedKana", "ハ", "パン", true, true},
    {"FoldedMarkAlone", "ﾞ", "ｶﾞ", true, true},
    {"FoldedVu", "ｳﾞｨ", "ヴィ", true, true},
    {"FoldedStillOnBoundary", "\x8c\x9f", "\x83\x8c\x9f\x40", true, false, true},
};

INSTANTIATE_TEST_SUITE_P(Cases, CFindMatcherTest, ::testing::ValuesIn(MATCH_CASES),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CFindMatcherFieldsTest, LooksOnlyInTheChosenFieldsAndInTheWholeMemo) {
    CPersonalData person;
    person.ReplaceField(CFieldTable::FIELD_TEL1, "03-1234");
    person.ReplaceField(CFieldTable::FIELD_MEMO, "first\r\nsecond 1234");
    person.ReplaceField(CFieldTable::FIELD_HOME_PAGE, "http://x/1234");
    EXPECT_TRUE(CFindMatcher("1234", {CFieldTable::FIELD_TEL1}, false).Matches(person));
    EXPECT_FALSE(CFindMatcher("1234", {CFieldTable::FIELD_NAME}, false).Matches(person));
    EXPECT_TRUE(CFindMatcher("second", {CFieldTable::FIELD_MEMO}, false).Matches(person));
    EXPECT_FALSE(CFindMatcher("http", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, false).Matches(person));
}

TEST(CWidthFoldingTest, KeepsCharactersItDoesNotFoldAndALoneLeadByte) {
    const CWidthFolding folding;
    const std::string kanji = Cp932("漢字");
    EXPECT_EQ(folding.Fold(kanji + "\x83"), kanji + "\x83");
    // The trail byte of ア (83 41) is an ASCII capital but not a character of its own.
    EXPECT_EQ(folding.Fold(Cp932("アA")), Cp932("アa"));
}

// Ticking the box only ever widens a search: over random texts of the characters folding
// touches, whatever the plain search finds, the folded one finds too. Texts may hold stray lead
// bytes, as files do; a typed string never does.
TEST(CFindMatcherPropertyTest, IgnoringCaseAndWidthFindsEverythingThePlainSearchFinds) {
    const std::vector<std::string> alphabet = {
        "A",         "a",         "z",         " ",         "\\",        Cp932("ａ"),
        Cp932("Ａ"), Cp932("　"), Cp932("ｶ"),  Cp932("ﾊ"),  Cp932("ﾞ"),  Cp932("ﾟ"),
        Cp932("ｳ"),  Cp932("ガ"), Cp932("カ"), Cp932("パ"), Cp932("ヴ"), Cp932("゛"),
        Cp932("が"), Cp932("ソ"), Cp932("表"), "\x83",      "\x8c"};
    const std::size_t typable = alphabet.size() - 2;
    std::mt19937 random(16);
    const auto randomText = [&](std::size_t maxChars, std::size_t letters) {
        std::string text;
        for (std::size_t n = random() % (maxChars + 1); n > 0; --n)
            text += alphabet[random() % letters];
        return text;
    };
    int plainHits = 0;
    for (int round = 0; round < 20000; ++round) {
        const std::string text = randomText(8, alphabet.size());
        const std::string pattern = randomText(3, typable);
        if (pattern.empty() || !CFindMatcher(pattern, {0}, false).Contains(text))
            continue;
        ++plainHits;
        EXPECT_TRUE(CFindMatcher(pattern, {0}, true).Contains(text))
            << ::testing::PrintToString(pattern) << " in " << ::testing::PrintToString(text);
    }
    EXPECT_GT(plainHits, 500);
}

// Looking over all of a person's texts at once finds what searching each chosen field finds: a
// string that runs from one text into the next, or stands in a text not chosen, is no hit. 表
// (95 5C) and ソ (83 5C) end in the byte of a backslash.
TEST(CFindMatcherPropertyTest, LookingOverAllTextsFindsWhatEachChosenFieldFinds) {
    const std::vector<std::string> alphabet = {"a", "b", "\\", Cp932("表"), Cp932("ソ"), "\x83"};
    std::mt19937 random(17);
    const auto randomText = [&](std::size_t maxChars) {
        std::string text;
        for (std::size_t n = random() % (maxChars + 1); n > 0; --n)
            text += alphabet[random() % alphabet.size()];
        return text;
    };
    int hits = 0;
    for (int round = 0; round < 5000; ++round) {
        CPersonalData person;
        for (int text = 0; text < CPersonalData::TEXT_COUNT; ++text)
            person.SetText(static_cast<EPersonText>(text), randomText(2));
        std::vector<int> fields;
        for (int field = 0; field < CFieldTable::FIELD_COUNT; ++field) {
            if (random() % 3 == 0)
                fields.push_back(field);
        }
        const std::string pattern = randomText(3);
        if (pattern.empty())
            continue;
        const CFindMatcher matcher(pattern, fields, false);
        const bool expected = std::any_of(fields.begin(), fields.end(), [&](int field) {
            return matcher.Contains(person.GetFieldView(field));
        });
        hits += expected ? 1 : 0;
        EXPECT_EQ(matcher.Matches(person), expected) << ::testing::PrintToString(pattern);
    }
    EXPECT_GT(hits, 500);
}

struct CProgressCase {
    std::size_t persons;
    int rangeMax;
    std::size_t interval;
    int increment;
};

TEST(CFindProgressTest, RangeAndStepsFollowTheNumberOfPersons) {
    const CProgressCase cases[] = {
        {0, 0, 1, 1}, {80, 80, 1, 1}, {100, 100, 1, 1}, {101, 100, 10, 10}, {250, 100, 25, 10}};
    for (const CProgressCase& c : cases) {
        const CFindProgress progress(c.persons);
        EXPECT_EQ(progress.GetRangeMax(), c.rangeMax) << c.persons;
        EXPECT_EQ(progress.GetStepInterval(), c.interval) << c.persons;
        EXPECT_EQ(progress.GetStepIncrement(), c.increment) << c.persons;
        EXPECT_EQ(progress.GetPositionAfter(c.persons), c.rangeMax) << c.persons;
    }
    const CFindProgress big(250);
    EXPECT_EQ(big.GetPositionAfter(24), 0);
    EXPECT_EQ(big.GetPositionAfter(25), 10);
    EXPECT_EQ(big.GetPositionAfter(400), 100);
}
} // namespace
