#include "core/csv/CCSVReader.h"

#include "CTempFolder.h"
#include "core/csv/CCSVWriter.h"
#include "core/csv/CCsvRecordCursor.h"
#include "core/model/CFieldTable.h"
#include "core/model/CPersonalData.h"
#include "core/text/CTextCodec.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using CRecords = std::vector<std::vector<std::string>>;

struct CDialectCase {
    const char* name;
    std::string text;
    ECsvQuoting quoting;
    CRecords records;
};

CRecords ReadAll(std::string_view text, ECsvQuoting quoting) {
    CCsvRecordCursor cursor(text, quoting);
    std::vector<std::string_view> fields;
    CRecords records;
    while (cursor.Next(fields))
        records.emplace_back(fields.begin(), fields.end());
    return records;
}

class CCsvDialectTest : public ::testing::TestWithParam<CDialectCase> {};

TEST_P(CCsvDialectTest, SplitsRecordsAsTheDialectSays) {
    EXPECT_EQ(ReadAll(GetParam().text, GetParam().quoting), GetParam().records);
}

const ECsvQuoting PLAIN = ECsvQuoting::Plain;
const ECsvQuoting RFC = ECsvQuoting::Rfc4180;

INSTANTIATE_TEST_SUITE_P(
    Lines, CCsvDialectTest,
    ::testing::Values(
        CDialectCase{"EmptyFieldsCount", "a,,b", PLAIN, {{"a", "", "b"}}},
        CDialectCase{"NoCommaIsOneColumn", "abc", PLAIN, {{"abc"}}},
        CDialectCase{"OuterQuotesGo", "\"x\"", PLAIN, {{"x"}}},
        CDialectCase{"DoubledQuotesStay", "\"x\"\"\"", PLAIN, {{"x\"\""}}},
        CDialectCase{"LoneQuoteStays", "\"", PLAIN, {{"\""}}},
        CDialectCase{"QuotedCommaStillSplits", "\"a,b\"", PLAIN, {{"\"a", "b\""}}},
        CDialectCase{"CrLfAndLfEndLines", "a\r\nb\nc", PLAIN, {{"a"}, {"b"}, {"c"}}},
        CDialectCase{"FinalBreakAddsNothing", "a\nb\n", PLAIN, {{"a"}, {"b"}}},
        CDialectCase{"TwoFinalBreaksAddAnEmptyRecord", "a\nb\n\n", PLAIN, {{"a"}, {"b"}, {""}}},
        CDialectCase{"LoneCrEndsALine", "a\rb\r\rc\r", PLAIN, {{"a"}, {"b"}, {""}, {"c"}}},
        CDialectCase{"RfcLoneCrEndsALine", "\"a\rb\"\rc", RFC, {{"a\r\nb"}, {"c"}}},
        CDialectCase{
            "TrailBytesAreNotCommas", "\x95\x5C,\x83\x5C", PLAIN, {{"\x95\x5C", "\x83\x5C"}}},
        CDialectCase{"RfcQuotedComma", "\"a,b\",c", RFC, {{"a,b", "c"}}},
        CDialectCase{"RfcDoubledQuote", "\"say \"\"hi\"\"\"", RFC, {{"say \"hi\""}}},
        CDialectCase{"RfcLineBreakBecomesCrLf", "\"1\n2\",x\r\ny", RFC, {{"1\r\n2", "x"}, {"y"}}},
        CDialectCase{"RfcUnquotedAsPlain", "a,,b\n", RFC, {{"a", "", "b"}}},
        CDialectCase{"RfcTrailingComma", "a,", RFC, {{"a", ""}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CCsvRecordCursorTest, AQuoteThatNeverClosesStopsAtItsLine) {
    CCsvRecordCursor cursor("a\nb\n\"open,\nmore", ECsvQuoting::Rfc4180);
    std::vector<std::string_view> fields;
    EXPECT_TRUE(cursor.Next(fields));
    EXPECT_TRUE(cursor.Next(fields));
    EXPECT_FALSE(cursor.Next(fields));
    EXPECT_TRUE(cursor.HasUnclosedQuote());
    EXPECT_EQ(cursor.GetLine(), 3U);
}

class CCsvReaderTest : public ::testing::Test {
protected:
    // Reads the text with the map and gives every record.
    CRecords Import(const std::string& bytes, const std::vector<int>& map,
                    const CCsvOptions& options = {}, bool replace = false) {
        const auto path = m_folder / "in.csv";
        CTempFolder::WriteFile(path, bytes);
        CCSVReader reader({"f0", "f1", "f2"});
        EXPECT_TRUE(reader.Load(path).ok);
        m_prepared = reader.Prepare(options, map, replace);
        m_decoded = reader.GetDecoded();
        CRecords records;
        while (const auto* record = reader.ReadRecord())
            records.emplace_back(record->begin(), record->end());
        return records;
    }

    CTempFolder m_folder;
    CFileResult m_prepared;
    CCsvDecoded m_decoded;
};

TEST_F(CCsvReaderTest, MapPicksColumnsAndShortLinesGiveEmptyTexts) {
    EXPECT_EQ(Import("a,,b\r\nc\r\n", {2, -1, 0}), (CRecords{{"b", "", "a"}, {"", "", "c"}}));
}

TEST_F(CCsvReaderTest, HeaderLineIsSkipped) {
    EXPECT_EQ(Import("name,zip\nx,1\n", {0, 1}, {ECsvEncoding::Cp932, true, PLAIN}),
              (CRecords{{"x", "1", ""}}));
}

TEST_F(CCsvReaderTest, Utf8WithByteOrderMarkIsConverted) {
    EXPECT_EQ(Import("\xEF\xBB\xBF\xE5\xB1\xB1\xE7\x94\xB0", {0}),
              (CRecords{{"\x8E\x52\x93\x63", "", ""}}));
    EXPECT_EQ(m_decoded.encoding, ECsvEncoding::Utf8);
}

TEST_F(CCsvReaderTest, UnencodableCharactersAreCountedThenReplacedOnRequest) {
    // U+20BB7 and U+1F600 have no place in code page 932.
    const std::string text = "ok,\xF0\xA0\xAE\xB7\n\xF0\x9F\x98\x80x\n";
    EXPECT_TRUE(Import(text, {0, 1}).empty());
    EXPECT_FALSE(m_prepared.ok);
    EXPECT_EQ(m_decoded.unencodableValues, 2U);
    ASSERT_EQ(m_decoded.examples.size(), 2U);
    EXPECT_EQ(m_decoded.examples[1].line, 2U);
    EXPECT_EQ(m_decoded.examples[1].characters, "\xF0\x9F\x98\x80");
    EXPECT_THAT(m_prepared.message, ::testing::HasSubstr("2 個の値"));

    EXPECT_EQ(Import(text, {0, 1}, {}, true),
              (CRecords{{"ok", "\x81\xAC", ""}, {"\x81\xACx", "", ""}}));
}

TEST_F(CCsvReaderTest, InvalidUtf8CountsAsUnencodable) {
    const CCsvOptions utf8{ECsvEncoding::Utf8, false, PLAIN};
    EXPECT_EQ(Import("a\xE3,b", {0, 1}, utf8, true), (CRecords{{"a\x81\xAC", "b", ""}}));
    EXPECT_EQ(m_decoded.unencodableValues, 1U);
}

TEST_F(CCsvReaderTest, Cp932BytesPassUnchangedEvenWhenInvalid) {
    EXPECT_EQ(Import("\x82\xA0,\xFF\x81", {0, 1}), (CRecords{{"\x82\xA0", "\xFF\x81", ""}}));
    EXPECT_EQ(m_decoded.encoding, ECsvEncoding::Cp932);
}

TEST_F(CCsvReaderTest, UnclosedQuoteImportsNothing) {
    EXPECT_TRUE(Import("a\n\"b\n", {0}, {ECsvEncoding::Auto, false, RFC}).empty());
    EXPECT_FALSE(m_prepared.ok);
    EXPECT_THAT(m_prepared.message, ::testing::HasSubstr("2 行目"));
}

TEST_F(CCsvReaderTest, BadFilesAreRefusedWithAReason) {
    CCSVReader reader({"f0"});
    EXPECT_FALSE(reader.Load(m_folder.Path()).ok); // a folder
    EXPECT_FALSE(reader.Load(m_folder / "missing.csv").ok);
    CTempFolder::WriteFile(m_folder / "nul.csv", std::string("a\nb\0c", 5));
    const CFileResult nul = reader.Load(m_folder / "nul.csv");
    EXPECT_FALSE(nul.ok);
    EXPECT_THAT(nul.message, ::testing::HasSubstr("2 行目"));
}

TEST_F(CCsvReaderTest, HugeLinesAndColumnsImport) {
    const std::string longValue(10'000'000, 'x');
    std::string manyColumns(1'000'000, ',');
    EXPECT_EQ(Import(longValue + "\n" + manyColumns + "z", {0}),
              (CRecords{{longValue, "", ""}, {"", "", ""}}));
}

TEST_F(CCsvReaderTest, FinalCtrlZIsNoRecordAndCrOnlyLinesAreRecords) {
    EXPECT_EQ(Import("a,1\rb,2\r\x1A", {0, 1}), (CRecords{{"a", "1", ""}, {"b", "2", ""}}));
}

TEST_F(CCsvReaderTest, DamagedUtf8IsRefusedUnlessTheEncodingIsChosen) {
    const std::string text = "x\n\xE5\xB1\xB1\xE7\x94\xB0\xFF\n"; // 山田 and a stray byte
    EXPECT_TRUE(Import(text, {0}).empty());
    EXPECT_FALSE(m_prepared.ok);
    EXPECT_THAT(m_prepared.message, ::testing::HasSubstr("2 行目"));
    const CCsvOptions utf8{ECsvEncoding::Utf8, false, PLAIN};
    EXPECT_EQ(Import(text, {0}, utf8, true),
              (CRecords{{"x", "", ""}, {"\x8E\x52\x93\x63\x81\xAC", "", ""}}));
}

// Line breaks from RFC 4180 quotes stay in the memo only; joined columns skip empty parts.
TEST(CCsvReaderJoinTest, LineBreaksOutsideTheMemoBecomeBlanksAndAreCounted) {
    CCSVReader reader(std::vector<std::string>(CFieldTable::WORKING_FIELDS, "f"));
    ASSERT_TRUE(reader.LoadBytes("\"Ya\r\nmada\",\"1\n2\",\"m1\nm2\",Tokyo,,Chiyoda\n", "in").ok);
    CCsvColumnMap map(CFieldTable::WORKING_FIELDS);
    map[CFieldTable::FIELD_NAME] = {0};
    map[CFieldTable::FIELD_ZIP] = {1};
    map[CFieldTable::FIELD_ADDRESS] = {3, 4, 5, 1};
    map[CFieldTable::FIELD_MEMO] = {2};
    ASSERT_TRUE(reader.Prepare({ECsvEncoding::Auto, false, RFC}, map, false).ok);
    const auto* record = reader.ReadRecord();
    ASSERT_NE(record, nullptr);
    EXPECT_EQ((*record)[CFieldTable::FIELD_NAME], "Ya mada");
    EXPECT_EQ((*record)[CFieldTable::FIELD_ZIP], "1 2");
    EXPECT_EQ((*record)[CFieldTable::FIELD_ADDRESS], "Tokyo Chiyoda 1 2");
    EXPECT_EQ((*record)[CFieldTable::FIELD_MEMO], "m1\r\nm2");
    EXPECT_EQ(reader.ReadRecord(), nullptr);
    EXPECT_EQ(reader.GetJoinedValues(), 3U);
    EXPECT_THAT(*CCSVReader::JoinedMessage(3), ::testing::HasSubstr("3 個"));
    EXPECT_FALSE(CCSVReader::JoinedMessage(0));
}

TEST(CCsvWriterTest, WritesEachValueVerbatimBetweenQuotes) {
    CCSVWriter writer({});
    writer.SetColumnOrder({0, 2, 0});
    CPersonalData person;
    person.ReplaceField(0, "\x8E\x52\x93\x63 \"A\"");
    writer.WritePerson(person);
    person.ReplaceField(10, "first\r\nsecond");
    writer.SetColumnOrder({10});
    writer.WritePerson(person);
    EXPECT_EQ(writer.GetText(), "\"\x8E\x52\x93\x63 \"A\"\",\"\",\"\x8E\x52\x93\x63 \"A\"\"\r\n"
                                "\"first\"\r\n");
}

struct CWriterCase {
    const char* name;
    bool rfc4180;
    std::string text;
    std::size_t unsafe;
};

class CCsvWriterFormatTest : public ::testing::TestWithParam<CWriterCase> {};

TEST_P(CCsvWriterFormatTest, WritesTheHeaderAndCountsWhatTheOwnFormatLoses) {
    CCSVWriter writer({});
    writer.SetColumnOrder({0, 10});
    writer.SetRfc4180(GetParam().rfc4180);
    writer.WriteHeader(CTextCodec());
    CPersonalData person;
    person.ReplaceField(0, "a,\"b\"");
    person.ReplaceField(10, "m1\r\nm2");
    writer.WritePerson(person);
    person.ReplaceField(0, "plain");
    person.ReplaceField(10, "");
    writer.WritePerson(person);
    EXPECT_EQ(writer.GetText(), GetParam().text);
    EXPECT_EQ(writer.GetUnsafeValues(), GetParam().unsafe);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, CCsvWriterFormatTest,
    ::testing::Values(CWriterCase{"Own", false,
                                  "\"\x8E\x81\x96\xBC\",\"\x83\x81\x83\x82\"\r\n"
                                  "\"a,\"b\"\",\"m1\"\r\n\"plain\",\"\"\r\n",
                                  2},
                      CWriterCase{"Rfc4180", true,
                                  "\"\x8E\x81\x96\xBC\",\"\x83\x81\x83\x82\"\r\n"
                                  "\"a,\"\"b\"\"\",\"m1\r\nm2\"\r\n\"plain\",\"\"\r\n",
                                  0}),
    [](const auto& info) { return std::string(info.param.name); });
} // namespace
