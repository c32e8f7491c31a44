#include "core/csv/CCSVReader.h"
#include "core/csv/CCsvDecoder.h"
#include "core/csv/CCsvHeaderMap.h"
#include "core/model/CFieldTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// Encoding detection: code page 932 half-width katakana that happen to be valid UTF-8, real
// UTF-8 Japanese, and UTF-8 damaged by a stray byte.
TEST(CCsvDetectionTest, EveryHalfWidthKatakanaPairIsCodePage932) {
    std::vector<std::string> misread;
    for (int first = 0xA1; first <= 0xDF; ++first) {
        for (int second = 0xA1; second <= 0xDF; ++second) {
            const std::string pair{static_cast<char>(first), static_cast<char>(second)};
            const CCsvDetection detected = CCsvDecoder::Detect("x," + pair + "\r\n");
            if (detected.encoding != ECsvEncoding::Cp932 || detected.strayByteLine != 0)
                misread.push_back(pair);
        }
    }
    EXPECT_TRUE(misread.empty()) << misread.size() << " pairs misread, first "
                                 << (misread.empty() ? "" : misread.front());
}

struct CDetectCase {
    const char* name;
    std::string bytes;
    ECsvEncoding encoding;
    std::size_t strayByteLine;
};

class CCsvDetectTest : public ::testing::TestWithParam<CDetectCase> {};

TEST_P(CCsvDetectTest, TakesTheReadingThatGivesJapanese) {
    const CCsvDetection detected = CCsvDecoder::Detect(GetParam().bytes);
    EXPECT_EQ(detected.encoding, GetParam().encoding);
    EXPECT_EQ(detected.strayByteLine, GetParam().strayByteLine);
}

const ECsvEncoding CP932 = ECsvEncoding::Cp932;
const ECsvEncoding UTF8 = ECsvEncoding::Utf8;

INSTANTIATE_TEST_SUITE_P(
    Files, CCsvDetectTest,
    ::testing::Values(
        CDetectCase{"Ascii", "a,b\r\n", CP932, 0},
        CDetectCase{"KatakanaLikeSectionSign", "\xC2\xA7\xC2\xB0,\xC2\xA7", CP932, 0},
        CDetectCase{"KatakanaLikeAccentedLetter", "x,\xC3\xBC\r\n", CP932, 0}, // ﾃｼ, ü
        CDetectCase{"Utf8EuropeanNames", "M\xC3\xBCller,Jos\xC3\xA9\r\n", UTF8, 0},
        CDetectCase{"Utf8Kanji", "\xE5\xB1\xB1\xE7\x94\xB0,1", UTF8, 0},   // 山田
        CDetectCase{"Utf8Kana", "\xE3\x82\xA2\xE3\x81\x82", UTF8, 0},      // アあ
        CDetectCase{"Utf8FullWidth", "\xEF\xBC\xA1\xEF\xBD\xB1", UTF8, 0}, // Ａｱ
        CDetectCase{"Utf8JapaneseBesideLatin", "\xC2\xA7\xE5\xB1\xB1", UTF8, 0},
        CDetectCase{"ByteOrderMark", "\xEF\xBB\xBF\xC2\xA7", UTF8, 0},
        CDetectCase{"Cp932Kanji", "\x8E\x52\x93\x63,\x83\x41", CP932, 0}, // 山田,ア
        CDetectCase{"StrayByteInUtf8", "a\n\xE5\xB1\xB1\xE7\x94\xB0\n\xE5\xB1\xB1\xFF", UTF8, 3},
        CDetectCase{"StrayByteAfterCrOnlyLines", "\xE5\xB1\xB1\r\xE7\x94\xB0\r\x82", UTF8, 3},
        CDetectCase{"StrayBytesOutnumberJapanese", "\xE5\xB1\xB1\x82\x82", CP932, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Header lines of the common exports, and the columns each field gets from them.
struct CHeaderCase {
    const char* name;
    std::vector<std::string> header;
    CCsvColumnMap map; // fields 0 to 10
};

class CCsvHeaderMapTest : public ::testing::TestWithParam<CHeaderCase> {};

TEST_P(CCsvHeaderMapTest, KnownColumnsLandInTheirFields) {
    EXPECT_TRUE(CCsvHeaderMap::LooksLikeHeader(GetParam().header));
    EXPECT_EQ(CCsvHeaderMap::Map(GetParam().header), GetParam().map);
}

INSTANTIATE_TEST_SUITE_P(
    Exports, CCsvHeaderMapTest,
    ::testing::Values(
        CHeaderCase{"GoogleContacts",
                    {"Name", "Given Name", "Family Name", "Notes", "E-mail 1 - Type",
                     "E-mail 1 - Value", "E-mail 2 - Value", "Phone 1 - Value", "Phone 2 - Value",
                     "Address 1 - Formatted", "Address 1 - Street", "Address 1 - City",
                     "Address 1 - Postal Code"},
                    {{0}, {12}, {11, 10}, {7}, {8}, {5}, {6}, {}, {}, {}, {3}}},
        CHeaderCase{"GoogleFormattedAddressAlone",
                    {"Name", "Address 1 - Formatted", "Address 1 - Postal Code"},
                    {{0}, {2}, {1}, {}, {}, {}, {}, {}, {}, {}, {}}},
        CHeaderCase{"GoogleContactsNewer",
                    {"First Name", "Middle Name", "Last Name", "E-mail 1 - Value",
                     "Phone 1 - Value", "Address 1 - Region", "Address 1 - City",
                     "Address 1 - Street", "Address 1 - Extended Address", "Notes"},
                    {{2, 0, 1}, {}, {5, 6, 7, 8}, {4}, {}, {3}, {}, {}, {}, {}, {9}}},
        CHeaderCase{"Outlook",
                    {"First Name", "Last Name", "E-mail Address", "E-mail 2 Address",
                     "Business Phone", "Home Phone", "Mobile Phone", "Home Street", "Home Street 2",
                     "Home City", "Home State", "Home Postal Code", "Notes"},
                    {{1, 0}, {11}, {10, 9, 7, 8}, {5}, {6}, {2}, {3}, {}, {}, {}, {12}}},
        CHeaderCase{"Thunderbird",
                    {"First Name", "Last Name", "Display Name", "Primary Email", "Secondary Email",
                     "Work Phone", "Home Phone", "Mobile Number", "Home Address", "Home Address 2",
                     "Home City", "Home State", "Home ZipCode", "Notes"},
                    {{2}, {12}, {11, 10, 8, 9}, {6}, {7}, {3}, {4}, {}, {}, {}, {13}}},
        CHeaderCase{"Japanese",
                    {"氏名", "郵便番号", "住所", "電話番号", "携帯電話", "メールアドレス", "備考"},
                    {{0}, {1}, {2}, {3}, {4}, {5}, {}, {}, {}, {}, {6}}},
        CHeaderCase{"OutlookInJapanese",
                    {"姓", "名", "電子メール アドレス", "電子メール 2 アドレス", "自宅電話",
                     "携帯電話", "自宅の郵便番号", "自宅の都道府県", "自宅の市区町村", "自宅の番地",
                     "メモ"},
                    {{0, 1}, {6}, {7, 8, 9}, {4}, {5}, {2}, {3}, {}, {}, {}, {10}}},
        CHeaderCase{"JapaneseParts",
                    {" 名 ", "姓", "都道府県", "市区町村", "番地", "建物名", "実家住所"},
                    {{1, 0}, {}, {2, 3, 4, 5}, {}, {}, {}, {}, {}, {6}, {}, {}}},
        CHeaderCase{"OwnLabels",
                    {"メモ", "帰省先〒", "e-mail(2)", "氏名"},
                    {{3}, {}, {}, {}, {}, {}, {2}, {1}, {}, {}, {0}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CCsvHeaderMapTest, DataLinesAndUnknownNamesAreNoHeader) {
    EXPECT_FALSE(CCsvHeaderMap::LooksLikeHeader({"Name", "12345"}));
    EXPECT_FALSE(CCsvHeaderMap::LooksLikeHeader({"山田", "東京都"}));
    EXPECT_FALSE(CCsvHeaderMap::LooksLikeHeader({}));
    EXPECT_FALSE(CCsvHeaderMap::HasAnyColumn(CCsvHeaderMap::Map({"Birthday", "Title"})));
}

// The choices the import dialog opens with, from the file and what was remembered.
struct CSuggestCase {
    const char* name;
    std::string bytes;
    CCsvOptions remembered;
    CCsvOptions suggested;
};

class CCsvSuggestTest : public ::testing::TestWithParam<CSuggestCase> {};

TEST_P(CCsvSuggestTest, FileEvidenceOverridesRememberedChoices) {
    CCSVReader reader(std::vector<std::string>(CFieldTable::WORKING_FIELDS, "f"));
    ASSERT_TRUE(reader.LoadBytes(GetParam().bytes, "in.csv").ok);
    EXPECT_EQ(reader.SuggestOptions(GetParam().remembered), GetParam().suggested);
}

const CCsvOptions OWN{ECsvEncoding::Auto, false, ECsvQuoting::Plain};
const CCsvOptions RFC_ONLY{ECsvEncoding::Auto, false, ECsvQuoting::Rfc4180};
const CCsvOptions HEADER_RFC{ECsvEncoding::Auto, true, ECsvQuoting::Rfc4180};
const CCsvOptions UTF8_HEADER{ECsvEncoding::Utf8, true, ECsvQuoting::Plain};

INSTANTIATE_TEST_SUITE_P(
    Files, CCsvSuggestTest,
    ::testing::Values(
        CSuggestCase{"GoogleHeader", "Name,E-mail 1 - Value\nTaro,t@x\n", OWN, HEADER_RFC},
        CSuggestCase{"JapaneseHeader", "\xE6\xB0\x8F\xE5\x90\x8D,x\n", OWN, HEADER_RFC}, // 氏名
        CSuggestCase{"QuotedComma", "\"Yamada, Taro\",1\n", OWN, RFC_ONLY},
        CSuggestCase{"DoubledQuote", "\"say \"\"hi\"\"\"\n", OWN, RFC_ONLY},
        CSuggestCase{"QuotedLineBreak", "\"a\nb\",1\n", OWN, RFC_ONLY},
        CSuggestCase{"OwnFormatKeepsRemembered", "\"a\",\"\",\"1\"\r\n", UTF8_HEADER, UTF8_HEADER},
        CSuggestCase{"OwnFormatStaysOwn", "\"a\",\"\",\"1\"\r\n", OWN, OWN}),
    [](const auto& info) { return std::string(info.param.name); });
} // namespace
