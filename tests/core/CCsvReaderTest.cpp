#include "core/csv/CCSVReader.h"
#include "CTempFolder.h"
#include "core/csv/CCSVWriter.h"
#include "core/csv/CCsvRecordCursor.h"
#include "core/model/CPersonalData.h"

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
        CDialectCase{"BareCrIsText", "a\rb", PLAIN, {{"a\rb"}}},
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
} // namespace
