#include "core/storage/CJsonDump.h"

#include "CHexBytes.h"
#include "CTempFolder.h"
#include "core/document/CAddressDoc.h"
#include "core/storage/CDataFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <nlohmann/json.hpp>

using ::testing::HasSubstr;

namespace {
const std::string EMPTY_TEXTS = "\"zip\": \"\", \"address\": \"\", \"tel1\": \"\", \"tel2\": \"\", "
                                "\"email1\": \"\", \"email2\": \"\", \"homeZip\": \"\", "
                                "\"homeAddress\": \"\", \"homeTel\": \"\", \"memo\": \"\", "
                                "\"initial\": \"\", \"homePage\": \"\"";

class CJsonDumpTest : public ::testing::Test {
protected:
    CGroup* AddGroup(const std::string& name) {
        CGroup* group = m_doc.NewGroup(name);
        m_doc.AddGroup(group);
        return group;
    }

    CPersonalData* AddPerson(const std::string& name, std::vector<CGroup*> groups = {}) {
        CPersonalData* person = m_doc.NewPerson();
        person->SetText(EPersonText::Name, name);
        person->m_groupList = std::move(groups);
        m_doc.AddPerson(person);
        return person;
    }

    nlohmann::json Parsed() const { return nlohmann::json::parse(CJsonDump::Dump(m_doc)); }

    // The name the dump gives a person, as a JSON reader reads it (UTF-8).
    std::string DumpedName(const std::string& cp932) {
        AddPerson(cp932);
        return Parsed()["persons"][0]["name"].get<std::string>();
    }

    CAddressDoc m_doc;
};

TEST_F(CJsonDumpTest, EmptyBookHasTwoEmptyArrays) {
    EXPECT_EQ(CJsonDump::Dump(m_doc), "{\n  \"groups\": [],\n  \"persons\": []\n}\n");
}

TEST_F(CJsonDumpTest, OneGroupAndOnePerson) {
    CGroup* a = AddGroup("A");
    const CPersonalData* b = AddPerson("B", {a});
    EXPECT_EQ(CJsonDump::Dump(m_doc), "{\n"
                                      "  \"groups\": [\n"
                                      "    {\"name\": \"A\"}\n"
                                      "  ],\n"
                                      "  \"persons\": [\n"
                                      "    {\"name\": \"B\", " +
                                          EMPTY_TEXTS +
                                          ", \"sex\": 2, \"groups\": [0], \"uid\": \"" +
                                          b->GetUid().ToString() +
                                          "\"}\n"
                                          "  ]\n"
                                          "}\n");
}

TEST_F(CJsonDumpTest, EveryTextGoesUnderItsOwnKey) {
    std::array<std::string_view, CPersonalData::TEXT_COUNT> texts = {
        "Name",    "Address", "Tel1",    "Zip",  "Email1",  "HomeAddress", "Tel2",
        "HomeZip", "Email2",  "HomeTel", "Memo", "Initial", "HomePage"};
    CPersonalData* person = m_doc.NewPerson(texts, CPersonalData::SEX_FEMALE);
    m_doc.AddPerson(person);
    const nlohmann::json expected = {{"name", "Name"},
                                     {"zip", "Zip"},
                                     {"address", "Address"},
                                     {"tel1", "Tel1"},
                                     {"tel2", "Tel2"},
                                     {"email1", "Email1"},
                                     {"email2", "Email2"},
                                     {"homeZip", "HomeZip"},
                                     {"homeAddress", "HomeAddress"},
                                     {"homeTel", "HomeTel"},
                                     {"memo", "Memo"},
                                     {"initial", "Initial"},
                                     {"homePage", "HomePage"},
                                     {"sex", 1},
                                     {"groups", nlohmann::json::array()},
                                     {"uid", person->GetUid().ToString()}};
    EXPECT_EQ(Parsed()["persons"][0], expected);
}

TEST_F(CJsonDumpTest, GroupsAreIndexesInTheOrderThePersonJoined) {
    CGroup* a = AddGroup("a");
    AddGroup("b");
    CGroup* c = AddGroup("c");
    AddPerson("first", {c, a});
    AddPerson("second", {a});
    const nlohmann::json json = Parsed();
    EXPECT_EQ(json["groups"],
              nlohmann::json::parse(R"([{"name": "a"}, {"name": "b"}, {"name": "c"}])"));
    EXPECT_EQ(json["persons"][0]["groups"], nlohmann::json({2, 0}));
    EXPECT_EQ(json["persons"][1]["groups"], nlohmann::json({0}));
}

TEST_F(CJsonDumpTest, JapaneseTextsAreConvertedToUtf8) {
    EXPECT_EQ(DumpedName("\x8e\x52\x93\x63 \xda\xc3\xde\xa8"), "山田 ﾚﾃﾞｨ");
}

TEST_F(CJsonDumpTest, BytesThatAreNotCp932BecomeReplacementCharacters) {
    EXPECT_EQ(DumpedName("a\x80"
                         "b\x82"),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD");
}

TEST_F(CJsonDumpTest, QuotesBackslashesAndControlCharactersAreEscaped) {
    EXPECT_EQ(DumpedName("say \"hi\"\\\r\n\t\x1f\x7f"), "say \"hi\"\\\r\n\t\x1f\x7f");
    EXPECT_THAT(CJsonDump::Dump(m_doc), HasSubstr(R"(\u000D\u000A\u0009\u001F)"));
    // The same rules hold after conversion.
    m_doc.DeleteContents();
    EXPECT_EQ(DumpedName("\x8e\x52\"\r\n"), "山\"\r\n");
}

class CJsonDumpFileTest : public CJsonDumpTest {
protected:
    CFileResult DumpFile(const std::string& bytes, std::string& json) {
        CTempFolder::WriteFile(m_folder / "book.dat", bytes);
        return CJsonDump::DumpFile(m_folder / "book.dat",
                                   [&json](std::string_view piece) { json.append(piece); });
    }

    CTempFolder m_folder;
};

TEST_F(CJsonDumpFileTest, DumpingAFileGivesWhatLoadingAndDumpingGives) {
    CGroup* a = AddGroup("\x97\x46\x90\x6c");
    CGroup* b = AddGroup("b");
    AddPerson("\x8e\x52\x93\x63\r\n\"x\"", {b, a});
    AddPerson("none");
    CPersonalData* full = AddPerson("full", {a});
    full->SetText(EPersonText::Memo, std::string(70000, 'm') + "\x83\x5c");
    full->SetText(EPersonText::HomePage, "http://example.jp/");
    full->m_nSex = CPersonalData::SEX_MALE;
    ASSERT_TRUE(CDataFile::Save(m_doc, m_folder / "saved.dat").ok);

    std::string json;
    ASSERT_TRUE(CJsonDump::DumpFile(m_folder / "saved.dat", [&json](std::string_view piece) {
                    json.append(piece);
                }).ok);
    CAddressDoc loaded;
    ASSERT_TRUE(CDataFile::Load(loaded, m_folder / "saved.dat").ok);
    EXPECT_EQ(json, CJsonDump::Dump(loaded));
    EXPECT_EQ(json, CJsonDump::Dump(m_doc));
}

TEST_F(CJsonDumpFileTest, ADamagedFileGivesTheSinkNothing) {
    // One group named A, then a person count with no room for the person.
    const std::string bytes = CHexBytes::From("01 00 00 00 | FF FF 00 00 06 00") + "CGroup" +
                              CHexBytes::From("01 41 | 01 00 00 00");
    std::string json;
    const CFileResult result = DumpFile(bytes, json);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.offset, 18u);
    EXPECT_THAT(result.message, HasSubstr("オフセット 18"));
    EXPECT_EQ(json, "");
}

TEST_F(CJsonDumpFileTest, AMissingFileIsReported) {
    std::string json;
    const CFileResult result = CJsonDump::DumpFile(
        m_folder / "missing.dat", [&json](std::string_view piece) { json.append(piece); });
    EXPECT_FALSE(result.ok);
    EXPECT_THAT(result.message, HasSubstr("missing.dat"));
    EXPECT_EQ(json, "");
}

TEST_F(CJsonDumpTest, LargeBooksArriveInPiecesThatJoinUp) {
    const CPersonalData* last = nullptr;
    for (int i = 0; i < 20000; ++i)
        last = AddPerson("person " + std::to_string(i));
    std::vector<std::size_t> pieces;
    std::string joined;
    CJsonDump::Dump(m_doc, [&](std::string_view piece) {
        pieces.push_back(piece.size());
        joined.append(piece);
    });
    EXPECT_GT(pieces.size(), 1u);
    EXPECT_EQ(joined, CJsonDump::Dump(m_doc));
    EXPECT_TRUE(joined.ends_with("\"person 19999\", " + EMPTY_TEXTS +
                                 ", \"sex\": 2, \"groups\": [], \"uid\": \"" +
                                 last->GetUid().ToString() + "\"}\n  ]\n}\n"));
}
} // namespace

namespace {
TEST_F(CJsonDumpTest, ChosenPersonsCarryTheirIndex) {
    CGroup* a = AddGroup("A");
    AddGroup("B");
    AddPerson("x");
    AddPerson("y", {a});
    AddPerson("z");
    std::string json;
    const auto sink = [&json](std::string_view piece) {
        json.append(piece);
    };
    CJsonDump::DumpPersons(m_doc, {1}, sink);
    EXPECT_EQ(json, "{\n  \"persons\": [\n    {\"name\": \"y\", " + EMPTY_TEXTS +
                        ", \"sex\": 2, \"groups\": [0], \"index\": 1}\n  ]\n}\n");
    json.clear();
    CJsonDump::DumpPersons(m_doc, {}, sink);
    EXPECT_EQ(json, "{\n  \"persons\": []\n}\n");
}
} // namespace
