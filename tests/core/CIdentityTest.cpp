#include "CBookFixture.h"
#include "CTempFolder.h"
#include "core/commands/CDeletePersonalCommand.h"
#include "core/commands/CRestoreCommand.h"
#include "core/document/CDataFile.h"
#include "core/document/CIdentityFile.h"
#include "core/document/CJsonDump.h"
#include "core/model/CUuid.h"
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

class CIdentityTest : public CBookFixture {
protected:
    std::filesystem::path Book() const { return m_folder / "book.adr"; }
    std::string IdsPath() const { return CIdentityFile::PathFor(Book()).string(); }

    std::vector<CUuid> Uids(const CAddressDoc& doc) const {
        std::vector<CUuid> uids;
        for (const CPersonalData* person : doc.GetPersonList())
            uids.push_back(person->GetUid());
        return uids;
    }

    std::vector<CUuid> Reload() {
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
    const std::vector<CUuid> first = Reload();
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
    const std::vector<CUuid> saved = Uids(m_doc);
    // Another program renames b and saves without touching the ids file.
    b->SetText(EPersonText::Name, "B");
    CPersonalData* d = AddPerson("a");
    ASSERT_TRUE(CDataFile::Save(m_doc, Book()).ok);
    CTempFolder::WriteFile(IdsPath(), ids);
    const std::vector<CUuid> loaded = Reload();
    ASSERT_EQ(loaded.size(), 4u);
    EXPECT_EQ(loaded[0], saved[0]);
    EXPECT_EQ(loaded[2], saved[2]);
    EXPECT_NE(loaded[1], saved[1]);
    EXPECT_NE(loaded[3], saved[0]);
    EXPECT_NE(loaded[3], d->GetUid());
    EXPECT_EQ(std::unordered_set<CUuid>(loaded.begin(), loaded.end()).size(), 4u);
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
    ASSERT_TRUE(CDataFile::Save(m_doc, Book()).ok);
    std::string ids = CTempFolder::ReadFile(IdsPath());
    ASSERT_TRUE(ids.starts_with("tarnvale-ids 2\n"));
    ids[13] = '1';
    for (const CPersonalData* person : {a, b}) {
        const std::size_t line = ids.find(person->GetUid().ToString());
        ids.replace(line + 37, 16, ByteWiseKey(*person));
    }
    b->SetText(EPersonText::Name, "B");
    ASSERT_TRUE(CDataFile::Save(m_doc, Book()).ok);
    CTempFolder::WriteFile(IdsPath(), ids);
    const std::vector<CUuid> loaded = Reload();
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0], a->GetUid());
    EXPECT_NE(loaded[1], b->GetUid());
}

struct CDamageCase {
    const char* name;
    std::string (*damage)(const std::string& ids);
};

class CDamagedIdsTest : public CIdentityTest, public ::testing::WithParamInterface<CDamageCase> {};

INSTANTIATE_TEST_SUITE_P(
    Files, CDamagedIdsTest,
    ::testing::Values(CDamageCase{"Empty",
                                  [](const std::string&) {
                                      return std::string();
                                  }},
                      CDamageCase{"Foreign",
                                  [](const std::string&) {
                                      return std::string("BEGIN:VCARD\n");
                                  }},
                      CDamageCase{"Truncated",
                                  [](const std::string& ids) {
                                      return ids.substr(0, ids.size() - 5);
                                  }},
                      CDamageCase{"LineMissing",
                                  [](const std::string& ids) {
                                      return ids.substr(0, ids.rfind('\n', ids.size() - 2) + 1);
                                  }},
                      CDamageCase{"DuplicateUid",
                                  [](const std::string& ids) {
                                      const std::size_t line =
                                          ids.find('\n', ids.find("book ")) + 1;
                                      return ids + ids.substr(line, 54);
                                  }},
                      CDamageCase{"NotHex",
                                  [](const std::string& ids) {
                                      std::string bad = ids;
                                      bad[bad.size() - 2] = 'z';
                                      return bad;
                                  }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(CDamagedIdsTest, IsIgnoredAndTheLoadStillSucceeds) {
    AddPerson("a");
    AddPerson("b");
    ASSERT_TRUE(CDataFile::Save(m_doc, Book()).ok);
    std::filesystem::remove(IdsPath());
    const std::vector<CUuid> derived = Reload();
    ASSERT_TRUE(CDataFile::Save(m_doc, Book()).ok);
    CTempFolder::WriteFile(IdsPath(), GetParam().damage(CTempFolder::ReadFile(IdsPath())));
    EXPECT_THAT(Reload(), ElementsAreArray(derived));
}

TEST_F(CIdentityTest, UndoOfDeleteAndRestoreKeepTheUid) {
    CPersonalData* p = AddPerson("p");
    const CUuid uid = p->GetUid();
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
