#include "core/vcard/CVCardWriter.h"

#include "core/model/CPersonalData.h"
#include "core/text/CTextCodec.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;
using ::testing::Not;

namespace {
class CVCardWriterTest : public ::testing::Test {
protected:
    std::string Write(const CPersonalData& person, EVCardVersion version = EVCardVersion::V30) {
        CVCardWriter writer(version, m_codec, 86400);
        writer.WritePerson(person);
        return writer.GetText();
    }

    void Set(CPersonalData& person, EPersonText which, const std::string& utf8) {
        person.SetText(which, m_codec.FromUtf8(utf8).text);
    }

    CTextCodec m_codec;
};

TEST_F(CVCardWriterTest, AnEmptyPersonWritesNameLinesAndNoEmptyProperty) {
    CPersonalData person;
    EXPECT_EQ(Write(person),
              "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:\r\nN:;;;;\r\nUID:" + person.GetUid().ToString() +
                  "\r\nREV:1970-01-02T00:00:00Z\r\nEND:VCARD\r\n");
}

TEST_F(CVCardWriterTest, LinesFoldAt75OctetsBetweenWholeCharacters) {
    CPersonalData person;
    std::string memo = "x";
    for (int i = 0; i < 60; ++i)
        memo += "漢";
    Set(person, EPersonText::Memo, memo);
    const std::string text = Write(person);
    const std::size_t note = text.find("NOTE:");
    std::string unfolded;
    std::size_t pos = note;
    while (true) {
        const std::size_t end = text.find("\r\n", pos);
        const std::string line = text.substr(pos, end - pos);
        EXPECT_LE(line.size(), 75u);
        // Each physical line is whole UTF-8: it starts with no continuation byte.
        const std::string content = pos == note ? line : line.substr(1);
        EXPECT_NE(static_cast<unsigned char>(content[0]) & 0xC0, 0x80u);
        unfolded += content;
        pos = end + 2;
        if (text[pos] != ' ')
            break;
    }
    EXPECT_EQ(unfolded, "NOTE:x" + m_codec.ToUtf8(person.GetText(EPersonText::Memo)).substr(1));
}

TEST_F(CVCardWriterTest, ValuesAreEscapedAndTheNameSplitsAtItsFirstBlank) {
    CPersonalData person;
    Set(person, EPersonText::Name, "山田　太郎 Jr.");
    Set(person, EPersonText::Memo, "a,b;c\\d\r\ne");
    const std::string text = Write(person);
    EXPECT_THAT(text, HasSubstr("\r\nN:山田;太郎 Jr.;;;\r\n"));
    EXPECT_THAT(text, HasSubstr("\r\nNOTE:a\\,b\\;c\\\\d\\ne\r\n"));
}

TEST_F(CVCardWriterTest, VersionFourWritesGenderSortAsAndAUrn) {
    CPersonalData person;
    person.m_nSex = CPersonalData::SEX_FEMALE;
    Set(person, EPersonText::Initial, "やまだ \"はな\"");
    const std::string four = Write(person, EVCardVersion::V40);
    EXPECT_THAT(four, HasSubstr("\r\nGENDER:F\r\n"));
    EXPECT_THAT(four, HasSubstr("\r\nN;SORT-AS=\"やまだ ^'はな^'\":;;;;\r\n"));
    EXPECT_THAT(four, HasSubstr("\r\nUID:urn:uuid:"));
    EXPECT_THAT(four, HasSubstr("\r\nREV:19700102T000000Z\r\n"));
    const std::string three = Write(person);
    EXPECT_THAT(three, HasSubstr("\r\nX-GENDER:Female\r\n"));
    EXPECT_THAT(three, HasSubstr("\r\nSORT-STRING:やまだ \"はな\"\r\n"));
    EXPECT_THAT(three, Not(HasSubstr("SORT-AS")));
}
} // namespace
