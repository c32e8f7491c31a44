#include "core/vcard/CVCardReader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {
struct CReadCase {
    const char* name;
    std::string text;
    std::string property; // GROUP.NAME of the first card's property looked at
    std::string value;    // as the reader leaves it
};

std::string Card(const std::string& version, const std::string& lines) {
    return "BEGIN:VCARD\r\nVERSION:" + version + "\r\n" + lines + "END:VCARD\r\n";
}

std::string Find(const CVCard& card, const std::string& key) {
    for (const CVCardProperty& p : card.properties) {
        if ((p.group.empty() ? p.name : p.group + "." + p.name) == key)
            return p.binary ? "<binary>" : p.value;
    }
    return "<none>";
}

class CVCardReadTest : public ::testing::TestWithParam<CReadCase> {};

// Cards in the styles phones, web address books and desktop programs write.
INSTANTIATE_TEST_SUITE_P(
    Styles, CVCardReadTest,
    ::testing::Values(
        CReadCase{"FoldedThreeDropsTheBlank", Card("3.0", "NOTE:abc\r\n  def\r\n\tghi\r\n"), "NOTE",
                  "abc defghi"},
        CReadCase{"FoldedTwoOneKeepsTheBlank", Card("2.1", "NOTE:abc\r\n def\r\n"), "NOTE",
                  "abc def"},
        CReadCase{"QuotedPrintableWithSoftBreak",
                  Card("2.1", "NOTE;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=E5=B1=B1=\r\n"
                              "=E7=94=B0=0D=0Ax\r\n"),
                  "NOTE", "山田\r\nx"},
        CReadCase{
            "PhoneShiftJisQuotedPrintable",
            Card("2.1", "N;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:=8E=52=93=63;=91=BE\r\n"),
            "N", "山田;太"},
        CReadCase{"BareParametersOfTwoOne", Card("2.1", "TEL;HOME;VOICE:03-1\r\n"), "TEL", "03-1"},
        CReadCase{"BareQuotedPrintable",
                  Card("2.1", "NOTE;QUOTED-PRINTABLE;CHARSET=SHIFT_JIS:=8E=52=93=63\r\n"), "NOTE",
                  "山田"},
        CReadCase{"BareBase64IsBinary", Card("2.1", "PHOTO;JPEG;BASE64:/9j/4AAQ\r\n"), "PHOTO",
                  "<binary>"},
        CReadCase{"Latin1", Card("3.0", "FN;CHARSET=ISO-8859-1:Caf\xE9\r\n"), "FN", "Café"},
        CReadCase{"ShiftJisWithoutCharset", Card("2.1", "FN:\x8e\x52\x93\x63\r\n"), "FN", "山田"},
        CReadCase{"BadQuotedPrintableEscapeStays",
                  Card("2.1", "NOTE;ENCODING=QUOTED-PRINTABLE:a=ZZb=4\r\n"), "NOTE", "a=ZZb=4"},
        CReadCase{"BomLfAndLowercase",
                  "\xEF\xBB\xBF"
                  "begin:vcard\nversion:3.0\nfn:A\nend:vcard\n",
                  "FN", "A"},
        CReadCase{"CarriageReturnsOnly", "BEGIN:VCARD\rVERSION:4.0\rFN:B\rEND:VCARD\r", "FN", "B"},
        CReadCase{"GroupedLabel", Card("3.0", "item1.TEL:1\r\nitem1.X-ABLabel:実家\r\n"),
                  "ITEM1.X-ABLABEL", "実家"},
        CReadCase{"QuotedParameterWithColon", Card("4.0", "ADR;LABEL=\"a:b;c\":;;x;;;;\r\n"), "ADR",
                  ";;x;;;;"},
        CReadCase{"Base64IsNeverDecoded",
                  Card("3.0", "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQ\r\n  SkZJRg==\r\n"), "PHOTO",
                  "<binary>"},
        CReadCase{"DataUriIsBinary", Card("4.0", "PHOTO:data:image/png;base64,iVBOR\r\n"), "PHOTO",
                  "<binary>"},
        CReadCase{"EscapesAreKept", Card("3.0", "NOTE:a\\,b\\;c\\nd\r\n"), "NOTE",
                  "a\\,b\\;c\\nd"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(CVCardReadTest, GivesTheValue) {
    const CVCardReadResult result = CVCardReader::Read(GetParam().text);
    ASSERT_EQ(result.error, "");
    ASSERT_EQ(result.cards.size(), 1u);
    EXPECT_EQ(Find(result.cards[0], GetParam().property), GetParam().value);
}

TEST(CVCardReaderTest, ReadsSeveralCardsAndSkipsTextBetweenThem) {
    const CVCardReadResult result =
        CVCardReader::Read("junk\r\n" + Card("3.0", "FN:a\r\n") + "\r\n" + Card("4.0", "FN:b\r\n"));
    ASSERT_EQ(result.cards.size(), 2u);
    EXPECT_EQ(result.cards[1].line, 7u);
    EXPECT_EQ(Find(result.cards[1], "FN"), "b");
}

struct CBrokenCase {
    const char* name;
    std::string text;
    std::size_t line;
    const char* says;
};

class CVCardBrokenTest : public ::testing::TestWithParam<CBrokenCase> {};

INSTANTIATE_TEST_SUITE_P(
    Files, CVCardBrokenTest,
    ::testing::Values(
        CBrokenCase{"NeverEnds", Card("3.0", "FN:a\r\n") + "BEGIN:VCARD\r\nFN:b\r\n", 5,
                    "END:VCARD"},
        CBrokenCase{"NestedBegin", "BEGIN:VCARD\r\nFN:a\r\n" + Card("3.0", ""), 1, "END:VCARD"},
        CBrokenCase{"NulByte", Card("3.0", std::string("FN:a\0b\r\n", 8)), 3, "NUL"},
        CBrokenCase{"BadUtf8InThree", Card("3.0", "FN:over\xC0\xAFlong\r\n"), 3,
                    "UTF-8 の文字として読めない"},
        CBrokenCase{"BadUtf8SaidByTwoOne", Card("2.1", "FN;CHARSET=UTF-8:over\xC0\xAFlong\r\n"), 3,
                    "UTF-8 の文字として読めない"},
        CBrokenCase{"UnknownCharset", Card("3.0", "FN;CHARSET=X-NONE:a\r\n"), 3,
                    "「X-NONE」は、知らない文字コード"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(CVCardBrokenTest, GivesNoCardsAndTheLine) {
    const CVCardReadResult result = CVCardReader::Read(GetParam().text);
    EXPECT_TRUE(result.cards.empty());
    EXPECT_EQ(result.errorLine, GetParam().line);
    EXPECT_THAT(result.error, HasSubstr(GetParam().says));
    EXPECT_THAT(result.error, HasSubstr(std::to_string(GetParam().line) + " 行目"));
}

TEST(CVCardReaderTest, AHugeValueIsReadAndBadBytesAreReplacedOnlyWhenAsked) {
    const std::string huge(10 * 1024 * 1024, 'x');
    const std::string text = Card("3.0", "NOTE:" + huge + "\r\nFN:\xFF\xFE\r\njunk\r\n");
    const CVCardReadResult refused = CVCardReader::Read(text);
    EXPECT_TRUE(refused.badBytes);
    EXPECT_EQ(refused.errorLine, 4u);
    const CVCardReadResult result = CVCardReader::Read(text, true);
    ASSERT_EQ(result.cards.size(), 1u);
    EXPECT_EQ(Find(result.cards[0], "NOTE"), huge);
    EXPECT_EQ(Find(result.cards[0], "FN"), "〓〓");
    EXPECT_EQ(result.replacedBytes, 2u);
    EXPECT_EQ(result.malformedLines, 1u);
    EXPECT_EQ(result.firstMalformedLine, 5u);
}

TEST(CVCardReaderTest, SplitAndUnescapeHonourBackslashes) {
    EXPECT_THAT(CVCardReader::Split("a\\;b;c\\,d;;e\\\\", ';'),
                ElementsAre("a;b", "c,d", "", "e\\"));
    EXPECT_THAT(CVCardReader::Split("x,y\\,z", ','), ElementsAre("x", "y,z"));
    EXPECT_EQ(CVCardReader::Unescape("1\\n2\\N3\\:"), "1\n2\n3:");
    EXPECT_THAT(CVCardReader::Split("M\\", ';'), ElementsAre("M\\"));
    EXPECT_THAT(CVCardReader::Split("a;\\", ';'), ElementsAre("a", "\\"));
}
} // namespace
