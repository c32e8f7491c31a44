#include "CBookFixture.h"
#include "CTempFolder.h"
#include "core/commands/CDeletePersonalCommand.h"
#include "core/commands/CRestoreCommand.h"
#include "core/document/CDataFile.h"
#include "core/document/CIdentityFile.h"
#include "core/document/CJsonDump.h"
#include "core/model/CUid.h"
#include "core/text/CSha1.h"

#include <cstdio>
#include <nlohmann/json.hpp>
#include <unordered_set>

using ::testing::ElementsAreArray;

namespace {
struct CShaCase {
    const char* name;
    std::string input;
    const char* hex;
};

class CSha1Test : public ::testing::TestWithParam<CShaCase> {};

// The published test vectors, and lengths on each side of the padding's boundaries.
INSTANTIATE_TEST_SUITE_P(
    Vectors, CSha1Test,
    ::testing::Values(
        CShaCase{"Empty", "", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
        CShaCase{"Abc", "abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
        CShaCase{"TwoBlocks", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
                 "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
        CShaCase{"MillionA", std::string(1000000, 'a'), "34aa973cd4c4daa4f61eeb2bdbad27316534016f"},
        CShaCase{"FiftyFive", std::string(55, 'x'), "cef734ba81a024479e09eb5a75b6ddae62e6abf1"},
        CShaCase{"SixtyFour", std::string(64, 'x'), "bb2fa3ee7afb9f54c6dfb5d021f14b1ffe40c163"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(CSha1Test, GivesThePublishedDigestWholeAndInPieces) {
    EXPECT_EQ(CSha1::Hex(CSha1::Of(GetParam().input)), GetParam().hex);
    CSha1 pieces;
    for (std::size_t i = 0; i < GetParam().input.size(); i += 7)
        pieces.Update(std::string_view(GetParam().input).substr(i, 7));
    EXPECT_EQ(CSha1::Hex(pieces.Finish()), GetParam().hex);
}

TEST(CUuidTest, NameBasedMatchesThePublishedExampleAndTextRoundTrips) {
    const auto dns = CUuid::Parse("6BA7B810-9DAD-11D1-80B4-00C04FD430C8");
    ASSERT_TRUE(dns);
    EXPECT_EQ(CUuid::NameBased(*dns, "www.example.com").ToString(),
              "2ed6657d-e927-568b-95e1-2665a8aea6a2");
    EXPECT_EQ(CUuid::Parse("urn:uuid:6ba7b810-9dad-11d1-80b4-00c04fd430c8"), dns);
    for (const char* bad :
         {"", "6ba7b810-9dad-11d1-80b4-00c04fd430c", "6ba7b810x9dad-11d1-80b4-00c04fd430c8",
          "6ba7b810-9dad-11d1-80b4-00c04fd430cg"})
        EXPECT_FALSE(CUuid::Parse(bad)) << bad;
    EXPECT_TRUE(CUuid().IsNil());
}

TEST(CUuidTest, RandomIsVersionFourAndDistinct) {
    std::mt19937_64 random(7);
    const CUuid a = CUuid::Random(random);
    const CUuid b = CUuid::Random(random);
    EXPECT_NE(a, b);
    EXPECT_EQ(a.ToString()[14], '4');
    EXPECT_NE(std::string("89ab").find(a.ToString()[19]), std::string::npos);
    EXPECT_EQ(CUuid::Parse(a.ToString()), a);
}

TEST(CUidTest, KeepsAnyTextAsWrittenAndRefusesWhatNoLineHolds) {
    for (const std::string& text : std::vector<std::string>{
             "0f6a1c2e-4a93-474b-8d0a-4613e0f8b25d", "0F6A1C2E-4A93-474B-8D0A-4613E0F8B25D",
             "urn:uuid:0f6a1c2e-4a93-474b-8d0a-4613e0f8b25d",
             "hermjqbocp8y551cy1lz4fgpbsk7b239csmu", "a b,c;d\\e%",
             std::string(CUid::MAX_TEXT, 'x')}) {
        const auto uid = CUid::FromText(text);
        ASSERT_TRUE(uid) << text;
        EXPECT_EQ(uid->ToString(), text);
        EXPECT_EQ(CUid(*uid), *uid);
    }
    for (const std::string& text :
         std::vector<std::string>{"", "a\nb", "a\tb", std::string(CUid::MAX_TEXT + 1, 'x')})
        EXPECT_FALSE(CUid::FromText(text)) << text;
    // The vCard 4.0 form names the same UUID; another spelling or another text does not.
    const CUid plain = *CUid::FromText("0f6a1c2e-4a93-474b-8d0a-4613e0f8b25d");
    EXPECT_EQ(*CUid::FromText("urn:uuid:0f6a1c2e-4a93-474b-8d0a-4613e0f8b25d"), plain);
    EXPECT_NE(*CUid::FromText("0F6A1C2E-4A93-474B-8D0A-4613E0F8B25D"), plain);
    EXPECT_NE(*CUid::FromText("x"), plain);
    EXPECT_EQ(CUid::FromText("a b%")->Key(), "a%20b%25");
}

class CIdentityTest : public CBookFixture {
protected:
    std::filesystem::path Book() const { return m_folder / "book.adr"; }
    std::string IdsPath() const { return CIdentityFile::PathFor(Book()).string(); }

    std::vector<CUid> Uids(const CAddressDoc& doc) const {
        std::vector<CUid> uids;
        for (const CPersonalData* person : doc.GetPersonList())
            uids.push_back(person->GetUid());
        return uids;
    }

    std::vector<CUid> Reload() {
        CAddressDoc loaded;
        EXPECT_TRUE(CDataFile::Load(loaded, Book()).ok);
        return Uids(loaded);
    }

    CTempFolder m_folder;
};

TEST_F(CIdentityTest, EveryNewPersonHasItsOwnUidAndACopyKeepsIt) {
    CPersonalData* a = AddPerson("a");
    CPersonalData* b = AddPerson("b");
    EXPECT_FALSE(a->GetUid().IsNil());
    EXPECT_NE(a->GetUid(), b->GetUid());
    EXPECT_EQ(CPersonalData(*a).GetUid(), a->GetUid());
}

TEST_F(CIdentityTest, SaveThenLoadGivesEveryPersonItsUidBackByPosition) {
    AddPerson("a");
    AddPerson("a");
    AddPerson("b");
    ASSERT_TRUE(CDataFile::Save(m_doc, Book()).ok);
    EXPECT_THAT(Reload(), ElementsAreArray(Uids(m_doc)));
}

TEST_F(CIdentityTest, WithoutIdsTwoLoadsOfOneFileAgreeAndDiffer) {
    AddPerson("a");
    AddPerson("b");
    ASSERT_TRUE(CDataFile::Save(m_doc, Book()).ok);
    std::filesystem::remove(IdsPath());
    const std::vector<CUid> first = Reload();
    EXPECT_THAT(Reload(), ElementsAreArray(first));
    EXPECT_NE(first[0], first[1]);
    EXPECT_NE(first[0], Uids(m_doc)[0]);
}

TEST_F(CIdentityTest, AForeignChangeKeepsTheUidsOfPersonsWhoseTextsStayed) {
    AddPerson("a");
    CPersonalData* b = AddPerson("b");
    AddPerson("c");
    ASSERT_TRUE(CDataFile::Save(m_doc, Book()).ok);
    const std::string ids = CTempFolder::ReadFile(IdsPath());
    const std::vector<CUid> saved = Uids(m_doc);
    // Another program renames b and saves without touching the ids file.
    b->SetText(EPersonText::Name, "B");
    CPersonalData* d = AddPerson("a");
    ASSERT_TRUE(CDataFile::Save(m_doc, Book()).ok);
    CTempFolder::WriteFile(IdsPath(), ids);
    const std::vector<CUid> loaded = Reload();
    ASSERT_EQ(loaded.size(), 4u);
    EXPECT_EQ(loaded[0], saved[0]);
    EXPECT_EQ(loaded[2], saved[2]);
    EXPECT_NE(loaded[1], saved[1]);
    EXPECT_NE(loaded[3], saved[0]);
    EXPECT_NE(loaded[3], d->GetUid());
    EXPECT_EQ(std::unordered_set<CUid>(loaded.begin(), loaded.end()).size(), 4u);
}

// What builds before version 2 wrote as a record key: FNV-1a, byte by byte, each text's length
// in four bytes before it.
std::string ByteWiseKey(const CPersonalData& person) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    const auto add = [&hash](unsigned char byte) {
        hash = (hash ^ byte) * 0x100000001b3ULL;
    };
    for (const std::string_view text : CIdentityFile::TextsOf(person)) {
        for (int shift = 0; shift < 32; shift += 8)
            add(static_cast<unsigned char>(text.size() >> shift));
        for (const char c : text)
            add(static_cast<unsigned char>(c));
    }
    char key[17];
    std::snprintf(key, sizeof key, "%016llx", static_cast<unsigned long long>(hash));
    return key;
}

TEST_F(CIdentityTest, AVersionOneFileStillGivesBackTheUidsOfAChangedBook) {
    CPersonalData* a = AddPerson("a");
    CPersonalData* b = AddPerson("b");
    std::string ids = "tarnvale-ids 1\nbook " + std::string(40, '0') + "\n";
    for (const CPersonalData* person : {a, b})
        ids += person->GetUid().ToString() + ' ' + ByteWiseKey(*person) + '\n';
    b->SetText(EPersonText::Name, "B");
    ASSERT_TRUE(CDataFile::Save(m_doc, Book()).ok);
    CTempFolder::WriteFile(IdsPath(), ids);
    const std::vector<CUid> loaded = Reload();
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0], a->GetUid());
    EXPECT_NE(loaded[1], b->GetUid());
}

TEST_F(CIdentityTest, AUidOfAnyTextSurvivesSaveAndLoad) {
    CPersonalData* a = AddPerson("a");
    a->SetUid(*CUid::FromText("hermjqbocp8y551cy1lz4fgpbsk7b239csmu"));
    AddPerson("b")->SetUid(*CUid::FromText("urn:uuid:0f6a1c2e-4a93-474b-8d0a-4613e0f8b25d"));
    AddPerson("c")->SetUid(*CUid::FromText("Contact 100%, ünïcode"));
    ASSERT_TRUE(CDataFile::Save(m_doc, Book()).ok);
    const std::vector<CUid> loaded = Reload();
    ASSERT_EQ(loaded.size(), 3u);
    for (std::size_t i = 0; i < loaded.size(); ++i)
        EXPECT_EQ(loaded[i].ToString(), Uids(m_doc)[i].ToString());
}

// A save stopped after each of its file operations, as a crash would stop it: whichever book
// is left on disk reads back with the UIDs it had.
class CCutSaveTest : public CIdentityTest, public ::testing::WithParamInterface<ESaveStep> {};

std::string StepName(const ::testing::TestParamInfo<ESaveStep>& info) {
    switch (info.param) {
    case ESaveStep::Backup:
        return "Backup";
    case ESaveStep::Identities:
        return "Identities";
    case ESaveStep::Book:
        return "Book";
    }
    return "Unknown";
}

INSTANTIATE_TEST_SUITE_P(Steps, CCutSaveTest,
                         ::testing::Values(ESaveStep::Backup, ESaveStep::Identities,
                                           ESaveStep::Book),
                         StepName);

TEST_P(CCutSaveTest, LeavesABookWithItsUids) {
    AddPerson("a");
    CPersonalData* b = AddPerson("b");
    ASSERT_TRUE(CDataFile::Save(m_doc, Book()).ok);
    const std::vector<CUid> before = Uids(m_doc);
    b->SetText(EPersonText::Name, "B");
    AddPerson("c");
    struct CStopped {};
    EXPECT_THROW(CDataFile::Save(m_doc, Book(), nullptr, {},
                                 [stop = GetParam()](ESaveStep step) {
                                     if (step == stop)
                                         throw CStopped();
                                 }),
                 CStopped);
    EXPECT_THAT(Reload(), ElementsAreArray(GetParam() == ESaveStep::Book ? Uids(m_doc) : before));
}

// A damaged ids file is reported, and every person whose line can still be read keeps its UID.
struct CDamageCase {
    const char* name;
    std::string (*damage)(const std::string& ids); // null: a folder in the file's place
    std::vector<bool> kept;                        // for persons a and b
};

class CDamagedIdsTest : public CIdentityTest, public ::testing::WithParamInterface<CDamageCase> {};

std::size_t LineStart(const std::string& ids, int line) {
    std::size_t at = 0;
    for (int i = 0; i < line; ++i)
        at = ids.find('\n', at) + 1;
    return at;
}

INSTANTIATE_TEST_SUITE_P(
    Files, CDamagedIdsTest,
    ::testing::Values(
        CDamageCase{"Empty", [](const std::string&) { return std::string(); }, {false, false}},
        CDamageCase{"Foreign",
                    [](const std::string&) { return std::string("BEGIN:VCARD\n"); },
                    {false, false}},
        CDamageCase{"Folder", nullptr, {false, false}},
        CDamageCase{"Truncated",
                    [](const std::string& ids) { return ids.substr(0, LineStart(ids, 4) - 5); },
                    {true, false}},
        CDamageCase{"LineMissing",
                    [](const std::string& ids) { return ids.substr(0, LineStart(ids, 3)); },
                    {true, false}},
        CDamageCase{"LineTwice",
                    [](const std::string& ids) {
                        return ids.substr(0, LineStart(ids, 4)) +
                               ids.substr(LineStart(ids, 2), LineStart(ids, 3) - LineStart(ids, 2));
                    },
                    {true, true}},
        CDamageCase{"ByteFlippedInAUid",
                    [](const std::string& ids) {
                        std::string bad = ids;
                        bad[LineStart(ids, 3) - 2] ^= 0x01;
                        return bad;
                    },
                    {false, true}},
        CDamageCase{"ByteFlippedInTheDigest",
                    [](const std::string& ids) {
                        std::string bad = ids;
                        bad[LineStart(ids, 1) + 10] = 'x';
                        return bad;
                    },
                    {true, true}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(CDamagedIdsTest, IsReportedAndEveryReadableLineStillCounts) {
    AddPerson("a");
    AddPerson("b");
    ASSERT_TRUE(CDataFile::Save(m_doc, Book()).ok);
    const std::vector<CUid> saved = Uids(m_doc);
    const std::string ids = CTempFolder::ReadFile(IdsPath());
    std::filesystem::remove(IdsPath());
    if (GetParam().damage)
        CTempFolder::WriteFile(IdsPath(), GetParam().damage(ids));
    else
        std::filesystem::create_directory(IdsPath());
    CAddressDoc loaded;
    const CFileResult result = CDataFile::Load(loaded, Book());
    ASSERT_TRUE(result.ok);
    EXPECT_NE(result.warning.find("book.adr.ids"), std::string::npos) << result.warning;
    const std::vector<CUid> uids = Uids(loaded);
    for (std::size_t i = 0; i < uids.size(); ++i)
        EXPECT_EQ(uids[i] == saved[i], GetParam().kept[i]) << i;
    EXPECT_NE(uids[0], uids[1]);
}

TEST_F(CIdentityTest, UndoOfDeleteAndRestoreKeepTheUid) {
    CPersonalData* p = AddPerson("p");
    const CUid uid = p->GetUid();
    m_doc.ExecuteCommand(std::make_unique<CDeletePersonalCommand>(p));
    EXPECT_EQ(m_doc.GetDeletedList().front()->GetUid(), uid);
    m_doc.OnEditUndo();
    EXPECT_EQ(m_doc.GetPersonList().front()->GetUid(), uid);
    m_doc.ExecuteCommand(std::make_unique<CDeletePersonalCommand>(p));
    m_doc.ExecuteCommand(std::make_unique<CRestoreCommand>(m_doc, p));
    EXPECT_EQ(m_doc.GetPersonList().front()->GetUid(), uid);
    m_doc.OnEditUndo();
    EXPECT_EQ(m_doc.GetDeletedList().front()->GetUid(), uid);
}

TEST_F(CIdentityTest, DumpOfTheFileAndOfTheDocumentGiveEachPersonItsUid) {
    AddPerson("a");
    AddPerson("b");
    ASSERT_TRUE(CDataFile::Save(m_doc, Book()).ok);
    std::string fromFile;
    ASSERT_TRUE(CJsonDump::DumpFile(Book(), [&](std::string_view piece) { fromFile += piece; }).ok);
    for (const auto& json :
         {nlohmann::json::parse(fromFile), nlohmann::json::parse(CJsonDump::Dump(m_doc))}) {
        ASSERT_EQ(json["persons"].size(), 2u);
        for (std::size_t i = 0; i < 2; ++i)
            EXPECT_EQ(json["persons"][i]["uid"], Uids(m_doc)[i].ToString());
    }
}
} // namespace
