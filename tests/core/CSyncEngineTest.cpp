#include "core/sync/CSyncEngine.h"

#include "CFakeDavServer.h"
#include "CTempFolder.h"
#include "core/commands/CAddGroupCommand.h"
#include "core/commands/CAddPersonalCommand.h"
#include "core/commands/CCommandGroup.h"
#include "core/commands/CDeletePersonalCommand.h"
#include "core/commands/CModifyPersonalCommand.h"
#include "core/document/CAddressDoc.h"
#include "core/document/CDataFile.h"
#include "core/document/CIdentityFile.h"
#include "core/duplicates/CPersonMerge.h"
#include "core/sync/CSyncState.h"
#include "core/text/CTextCodec.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {
// A book, its sync state and the server it syncs with.
struct CSide {
    CAddressDoc doc;
    CSyncState state;
    CSyncCardStore cards;

    CSyncReport Sync(CHttpClient& server) {
        CCommandGroup changes;
        CSyncEngine engine(doc, state, server);
        engine.SetCards(cards);
        return engine.Run(CFakeDavServer::COLLECTION, changes);
    }
    CPersonalData* Find(const std::string& name) const {
        for (CPersonalData* person : doc.GetPersonList()) {
            if (person->GetText(EPersonText::Name) == name)
                return person;
        }
        return nullptr;
    }
    CPersonalData* Add(const std::string& name, const std::string& group = {}) {
        CPersonalData* person = doc.NewPerson();
        person->SetText(EPersonText::Name, name);
        if (!group.empty()) {
            CGroup* made = doc.NewGroup(group);
            doc.ExecuteCommand(std::make_unique<CAddGroupCommand>(made, false));
            person->m_groupList.push_back(made);
        }
        doc.ExecuteCommand(std::make_unique<CAddPersonalCommand>(person));
        return person;
    }
    void Edit(const std::string& name, EPersonText text, const std::string& value) {
        CPersonalData* person = Find(name);
        doc.RemovePerson(person);
        person->SetText(text, value);
        doc.AddPerson(person);
    }
};

std::string Card(const std::string& name, const std::string& uid, const std::string& extra = {}) {
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + name + "\r\nN:" + name + ";;;;\r\n" + extra +
           "UID:" + uid + "\r\nEND:VCARD\r\n";
}

std::string PathOf(const CPersonalData& person) {
    return "/book/" + person.GetUid().ToString() + ".vcf";
}

class CSyncEngineTest : public ::testing::Test {
protected:
    // Aoki in group Friends, Baba and Chiba, synced up once.
    void SetUp() override {
        m_a.Add("Aoki", "Friends");
        m_a.Add("Baba");
        m_a.Add("Chiba");
        ASSERT_EQ("", m_a.Sync(m_server).error);
    }

    CFakeDavServer m_server;
    CSide m_a;
};

TEST_F(CSyncEngineTest, FirstSyncSendsEveryPersonAndTheNextSendsNothing) {
    EXPECT_EQ(3u, m_server.m_cards.size());
    EXPECT_EQ(3u, m_a.state.m_entries.size());
    EXPECT_NE(std::string::npos,
              m_server.m_cards.at(PathOf(*m_a.Find("Aoki"))).body.find("CATEGORIES:Friends"));
    const CSyncReport again = m_a.Sync(m_server);
    EXPECT_EQ(0u, again.uploaded + again.downloaded);
    EXPECT_EQ(3u, m_server.Count("PUT"));
    EXPECT_EQ(2u, m_server.Count("REPORT")); // one listing each, no cards to fetch
}

TEST_F(CSyncEngineTest, SecondBookComesDownEqual) {
    CSide b;
    const CSyncReport report = b.Sync(m_server);
    EXPECT_EQ(3u, report.downloaded);
    for (const CPersonalData* person : m_a.doc.GetPersonList()) {
        const CPersonalData* copy = b.Find(std::string(person->GetText(EPersonText::Name)));
        ASSERT_NE(nullptr, copy);
        EXPECT_EQ(person->GetUid(), copy->GetUid());
        EXPECT_EQ(CSyncEngine::DigestOf(*person), CSyncEngine::DigestOf(*copy));
    }
    EXPECT_EQ(0u, b.Sync(m_server).uploaded);
}

// One change on one side, carried to the other; then both sides agree and a sync is quiet.
struct CCarryCase {
    const char* name;
    std::function<void(CSide& a, CFakeDavServer& server)> change;
    std::function<void(const CSide& a, const CFakeDavServer& server, const CSyncReport&)> check;
};

class CSyncCarryTest : public CSyncEngineTest, public ::testing::WithParamInterface<CCarryCase> {};

TEST_P(CSyncCarryTest, CarriesTheChange) {
    GetParam().change(m_a, m_server);
    const CSyncReport report = m_a.Sync(m_server);
    EXPECT_EQ("", report.error);
    GetParam().check(m_a, m_server, report);
    const std::size_t puts = m_server.Count("PUT");
    const CSyncReport quiet = m_a.Sync(m_server);
    EXPECT_EQ(0u, quiet.uploaded + quiet.downloaded + quiet.deletedHere + quiet.deletedThere);
    EXPECT_EQ(puts, m_server.Count("PUT"));
}

const CCarryCase CARRY_CASES[] = {
    {"DialogEditKeepsTheCard",
     [](CSide& a, CFakeDavServer&) {
         // As the person dialog does: a fresh record with the edited texts replaces the old.
         CPersonalData* old = a.Find("Baba");
         CPersonalData* edited = a.doc.NewPerson(CIdentityFile::TextsOf(*old), old->m_nSex);
         edited->SetText(EPersonText::Tel1, "03-9999");
         a.doc.ExecuteCommand(std::make_unique<CModifyPersonalCommand>(old, edited));
     },
     [](const CSide& a, const CFakeDavServer& server, const CSyncReport& report) {
         EXPECT_EQ(1u, report.uploaded);
         EXPECT_EQ(0u, report.deletedThere);
         EXPECT_EQ(3u, server.m_cards.size());
         EXPECT_NE(std::string::npos,
                   server.m_cards.at(PathOf(*a.Find("Baba"))).body.find("TEL:03-9999"));
     }},
    {"ForeignUidGoesBackAsItCame",
     [](CSide& a, CFakeDavServer& server) {
         server.Write("/book/k.vcf", Card("Kato", "hermjqbocp8y551cy1lz4fgpbsk7b239csmu"));
         ASSERT_EQ("", a.Sync(server).error);
         a.Edit("Kato", EPersonText::Tel1, "1");
     },
     [](const CSide& a, const CFakeDavServer& server, const CSyncReport& report) {
         EXPECT_EQ(1u, report.uploaded);
         EXPECT_EQ(4u, server.m_cards.size());
         EXPECT_NE(std::string::npos, server.m_cards.at("/book/k.vcf")
                                          .body.find("UID:hermjqbocp8y551cy1lz4fgpbsk7b239csmu"));
         EXPECT_EQ("hermjqbocp8y551cy1lz4fgpbsk7b239csmu", a.Find("Kato")->GetUid().ToString());
     }},
    {"SameUidOtherNameIsAnotherPerson",
     [](CSide& a, CFakeDavServer& server) {
         server.Write("/book/o.vcf", Card("Ono", a.Find("Aoki")->GetUid().ToString()));
     },
     [](const CSide& a, const CFakeDavServer& server, const CSyncReport& report) {
         EXPECT_EQ(1u, report.downloaded);
         EXPECT_EQ(1u, report.givenNewUid);
         ASSERT_NE(nullptr, a.Find("Ono"));
         EXPECT_NE(a.Find("Ono")->GetUid(), a.Find("Aoki")->GetUid());
         EXPECT_NE(std::string::npos,
                   server.m_cards.at("/book/o.vcf").body.find(a.Find("Ono")->GetUid().ToString()));
     }},
    {"LocalEditGoesUp",
     [](CSide& a, CFakeDavServer&) { a.Edit("Baba", EPersonText::Tel1, "03-1234"); },
     [](const CSide& a, const CFakeDavServer& server, const CSyncReport& report) {
         EXPECT_EQ(1u, report.uploaded);
         EXPECT_NE(std::string::npos,
                   server.m_cards.at(PathOf(*a.Find("Baba"))).body.find("TEL:03-1234"));
     }},
    {"LocalAdditionGoesUp", [](CSide& a, CFakeDavServer&) { a.Add("Dodo", "Work"); },
     [](const CSide& a, const CFakeDavServer& server, const CSyncReport& report) {
         EXPECT_EQ(1u, report.uploaded);
         EXPECT_EQ(1u, server.m_cards.count(PathOf(*a.Find("Dodo"))));
     }},
    {"LocalDeletionGoesUp",
     [](CSide& a, CFakeDavServer&) {
         a.doc.ExecuteCommand(std::make_unique<CDeletePersonalCommand>(a.Find("Chiba")));
     },
     [](const CSide& a, const CFakeDavServer& server, const CSyncReport& report) {
         EXPECT_EQ(1u, report.deletedThere);
         EXPECT_EQ(2u, server.m_cards.size());
         EXPECT_EQ(1u, a.doc.GetDeletedList().size());
     }},
    {"ServerEditComesDown",
     [](CSide& a, CFakeDavServer& server) {
         const CPersonalData& baba = *a.Find("Baba");
         server.Write(PathOf(baba), Card("Baba", baba.GetUid().ToString(),
                                         "EMAIL:b@x\r\nCATEGORIES:Friends,Club\r\n"));
     },
     [](const CSide& a, const CFakeDavServer&, const CSyncReport& report) {
         EXPECT_EQ(1u, report.downloaded);
         const CPersonalData* baba = a.Find("Baba");
         ASSERT_NE(nullptr, baba);
         EXPECT_EQ("b@x", baba->GetText(EPersonText::Email1));
         EXPECT_EQ(2u, baba->m_groupList.size());
         EXPECT_EQ(2u, a.doc.GetGroupList().size()); // Club made, Friends shared
     }},
    {"ServerAdditionComesDown",
     [](CSide&, CFakeDavServer& server) {
         server.Write("/book/x.vcf", Card("Eda", "11111111-2222-4333-8444-555555555555"));
     },
     [](const CSide& a, const CFakeDavServer&, const CSyncReport& report) {
         EXPECT_EQ(1u, report.downloaded);
         ASSERT_NE(nullptr, a.Find("Eda"));
         EXPECT_EQ("11111111-2222-4333-8444-555555555555", a.Find("Eda")->GetUid().ToString());
     }},
    {"ServerDeletionGoesToTheDeletedFolder",
     [](CSide& a, CFakeDavServer& server) { server.Erase(PathOf(*a.Find("Aoki"))); },
     [](const CSide& a, const CFakeDavServer&, const CSyncReport& report) {
         EXPECT_EQ(1u, report.deletedHere);
         EXPECT_EQ(nullptr, a.Find("Aoki"));
         ASSERT_EQ(1u, a.doc.GetDeletedList().size());
         EXPECT_EQ("Aoki", a.doc.GetDeletedList().front()->GetText(EPersonText::Name));
         EXPECT_EQ(1u, a.doc.GetGroupList().size()); // the empty group stays
     }},
    {"SameEditOnBothSidesIsNoConflict",
     [](CSide& a, CFakeDavServer& server) {
         a.Edit("Baba", EPersonText::Tel1, "1");
         server.Write(PathOf(*a.Find("Baba")), CSyncEngine::CardOf(*a.Find("Baba")));
     },
     [](const CSide&, const CFakeDavServer&, const CSyncReport& report) {
         EXPECT_TRUE(report.conflicts.empty());
         EXPECT_EQ(0u, report.uploaded);
     }},
    {"TokenRefusedFallsBackToAFullListing",
     [](CSide& a, CFakeDavServer& server) {
         a.state.m_strToken = "expired";
         server.Write("/book/y.vcf", Card("Fuji", "21111111-2222-4333-8444-555555555555"));
     },
     [](const CSide& a, const CFakeDavServer&, const CSyncReport& report) {
         EXPECT_EQ(1u, report.downloaded);
         EXPECT_EQ("t4", a.state.m_strToken); // three cards and Fuji
     }},
    {"ServerWithoutSyncReportIsListed",
     [](CSide& a, CFakeDavServer& server) {
         server.m_bSyncReport = false; // nor multiget: each card comes by GET
         server.Erase(PathOf(*a.Find("Baba")));
         server.Write("/book/z.vcf", Card("Hara", "41111111-2222-4333-8444-555555555555"));
         a.Edit("Chiba", EPersonText::Zip, "100");
     },
     [](const CSide& a, const CFakeDavServer& server, const CSyncReport& report) {
         EXPECT_EQ(1u, report.deletedHere);
         EXPECT_EQ(1u, report.uploaded);
         EXPECT_EQ(1u, report.downloaded);
         EXPECT_EQ(1u, server.Count("GET"));
         EXPECT_EQ(3u, a.doc.GetPersonList().size());
     }},
};

INSTANTIATE_TEST_SUITE_P(Cases, CSyncCarryTest, ::testing::ValuesIn(CARRY_CASES),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CSyncEngineTest, ConflictKeepsLocalTextsAndNotesTheServers) {
    const CPersonalData& baba = *m_a.Find("Baba");
    m_server.Write(PathOf(baba), Card("Baba", baba.GetUid().ToString(), "TEL:222\r\n"));
    m_a.Edit("Baba", EPersonText::Tel1, "111");
    const CSyncReport report = m_a.Sync(m_server);
    ASSERT_EQ(std::vector<std::string>{"Baba"}, report.conflicts);
    const CPersonalData* merged = m_a.Find("Baba");
    EXPECT_EQ("111", merged->GetText(EPersonText::Tel1));
    const std::string line = CTextCodec().FromUtf8("サーバー: ").text;
    EXPECT_NE(std::string::npos, merged->GetText(EPersonText::Memo).find(line));
    EXPECT_NE(std::string::npos, merged->GetText(EPersonText::Memo).find(": 222"));
    // The merged card went up, so the server has both values now.
    const std::string& body = m_server.m_cards.at(PathOf(*merged)).body;
    EXPECT_NE(std::string::npos, body.find("TEL:111"));
    EXPECT_NE(std::string::npos, body.find("222"));
}

// Another program's card goes back with only the edited text changed, however many syncs lie
// between its download and the edit; the cards kept beside the book follow the state.
TEST_F(CSyncEngineTest, AnotherClientsPropertiesSurviveAnEditHere) {
    const std::string extra = "BDAY:1980-04-01\r\nTEL;TYPE=WORK,FAX:03-1111-3333\r\n"
                              "PHOTO;ENCODING=b;TYPE=PNG:iVBORw0KGgo=\r\nX-OTHER-APP:keep\r\n";
    m_server.Write("/book/rich.vcf", Card("Rich", "rich-1", extra));
    ASSERT_EQ(1u, m_a.Sync(m_server).downloaded);
    ASSERT_EQ(0u, m_a.Sync(m_server).uploaded);
    m_a.Edit("Rich", EPersonText::Email1, "new@example.jp");
    ASSERT_EQ(1u, m_a.Sync(m_server).uploaded);
    const std::string& sent = m_server.m_cards.at("/book/rich.vcf").body;
    EXPECT_NE(std::string::npos, sent.find("EMAIL:new@example.jp\r\n"));
    EXPECT_NE(std::string::npos, sent.find(extra)) << sent;
    EXPECT_EQ(std::string::npos, sent.find("NOTE")); // the unknown lines stay properties
    EXPECT_EQ(4u, m_a.cards.GetCount());
    m_server.Erase("/book/rich.vcf");
    m_a.Sync(m_server);
    EXPECT_EQ(3u, m_a.cards.GetCount());
    EXPECT_EQ(m_a.cards.Encode(), CSyncCardStore::Parse(m_a.cards.Encode()).Encode());
    // A file cut short counts as none: the export goes up instead.
    const std::string bytes = m_a.cards.Encode();
    EXPECT_EQ(0u, CSyncCardStore::Parse(bytes.substr(0, bytes.size() - 1)).GetCount());
}

// The duplicates merge's rule: a field empty here takes the server's value, a differing one is
// kept in the memo under the merge's own label.
TEST_F(CSyncEngineTest, ConflictFillsWhatIsEmptyHere) {
    const CPersonalData& baba = *m_a.Find("Baba");
    m_server.Write(PathOf(baba),
                   Card("Baba", baba.GetUid().ToString(), "TEL:222\r\nEMAIL:baba@example.jp\r\n"));
    m_a.Edit("Baba", EPersonText::Tel1, "111");
    EXPECT_EQ(std::vector<std::string>{"Baba"}, m_a.Sync(m_server).conflicts);
    const CPersonalData* merged = m_a.Find("Baba");
    EXPECT_EQ("baba@example.jp", merged->GetText(EPersonText::Email1));
    EXPECT_EQ("111", merged->GetText(EPersonText::Tel1));
    const CTextCodec codec;
    EXPECT_EQ(codec.FromUtf8("サーバー: " + CPersonMerge::Label(EPersonText::Tel1) + ": 222").text,
              merged->GetText(EPersonText::Memo));
}

TEST_F(CSyncEngineTest, AWriteWithoutETagCostsOneFetchAndChangesNothing) {
    m_server.m_bEtagOnPut = false;
    m_a.Edit("Baba", EPersonText::Tel1, "1");
    EXPECT_EQ(1u, m_a.Sync(m_server).uploaded);
    const CPersonalData* baba = m_a.Find("Baba");
    const std::size_t reports = m_server.Count("REPORT");
    const CSyncReport next = m_a.Sync(m_server);
    EXPECT_EQ(0u, next.downloaded + next.uploaded);
    EXPECT_EQ(baba, m_a.Find("Baba"));                // not replaced by a copy of itself
    EXPECT_EQ(reports + 2, m_server.Count("REPORT")); // the listing and the card
    m_a.Sync(m_server);
    EXPECT_EQ(reports + 3, m_server.Count("REPORT")); // the listing alone
}

TEST_F(CSyncEngineTest, RaceAnsweredWith412IsMerged) {
    m_a.Edit("Baba", EPersonText::Tel1, "111");
    const std::string path = PathOf(*m_a.Find("Baba"));
    const std::string uid = m_a.Find("Baba")->GetUid().ToString();
    // Another client writes between this sync's listing and its PUT.
    bool raced = false;
    m_server.m_beforeRequest = [&](const CHttpRequest& request) {
        if (request.method != "PUT" || raced)
            return;
        raced = true;
        m_server.Write(path, Card("Baba", uid, "EMAIL:race@x\r\n"));
    };
    const CSyncReport report = m_a.Sync(m_server);
    EXPECT_EQ("", report.error);
    EXPECT_EQ(0u, report.conflicts.size()); // the other's value filled an empty field
    EXPECT_EQ(1u, report.uploaded);
    EXPECT_EQ("race@x", m_a.Find("Baba")->GetText(EPersonText::Email1));
    EXPECT_NE(std::string::npos, m_server.m_cards.at(path).body.find("EMAIL:race@x"));
    EXPECT_NE(std::string::npos, m_server.m_cards.at(path).body.find("TEL:111"));
}

// A failure at each request of a busy sync: the book and state stay consistent and a second
// sync finishes the job with nobody lost or twice.
class CSyncFailureTest : public CSyncEngineTest, public ::testing::WithParamInterface<int> {};

TEST_P(CSyncFailureTest, NextSyncFinishes) {
    m_a.Add("Dodo");
    m_a.Add("Eda");
    m_a.Edit("Aoki", EPersonText::Tel1, "9");
    m_a.doc.ExecuteCommand(std::make_unique<CDeletePersonalCommand>(m_a.Find("Chiba")));
    m_server.Write("/book/g.vcf", Card("Goto", "31111111-2222-4333-8444-555555555555"));
    m_server.FailAt(GetParam(), GetParam() % 2 ? CHttpResponse{0, {}, {}, "timeout", {}}
                                               : CHttpResponse{503, {}, {}, {}, {}});
    const CSyncReport broken = m_a.Sync(m_server);
    EXPECT_NE("", broken.error);
    CSyncState saved = CSyncState::Parse(m_a.state.Encode());
    m_a.state = saved;
    const CSyncReport finished = m_a.Sync(m_server);
    EXPECT_EQ("", finished.error);
    EXPECT_TRUE(finished.conflicts.empty());
    std::vector<std::string> names;
    for (const CPersonalData* person : m_a.doc.GetPersonList())
        names.emplace_back(person->GetText(EPersonText::Name));
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::string>{"Aoki", "Baba", "Dodo", "Eda", "Goto"}), names);
    EXPECT_EQ(5u, m_server.m_cards.size());
    CSide b;
    EXPECT_EQ(5u, b.Sync(m_server).downloaded);
}

// Requests: REPORT, REPORT for Goto, PUT x3, DELETE.
INSTANTIATE_TEST_SUITE_P(AtRequest, CSyncFailureTest, ::testing::Range(1, 7),
                         [](const auto& info) { return "Request" + std::to_string(info.param); });

// The book saved, its side files damaged, lost or swapped, and read again: the next sync
// recognises every person, so nobody is deleted on the server or sent up twice.
struct CLossCase {
    const char* name;
    // Does to the saved book's ids file and to the sync state what befell them.
    void (*lose)(const std::filesystem::path& ids, CSyncState& state);
};

class CSyncRecoveryTest : public CSyncEngineTest,
                          public ::testing::WithParamInterface<CLossCase> {};

INSTANTIATE_TEST_SUITE_P(
    Losses, CSyncRecoveryTest,
    ::testing::Values(CLossCase{"ByteFlipped",
                                [](const std::filesystem::path& ids, CSyncState&) {
                                    std::string bytes = CTempFolder::ReadFile(ids);
                                    bytes[bytes.size() - 2] ^= 0x01;
                                    CTempFolder::WriteFile(ids, bytes);
                                }},
                      CLossCase{"LineShort",
                                [](const std::filesystem::path& ids, CSyncState&) {
                                    const std::string bytes = CTempFolder::ReadFile(ids);
                                    CTempFolder::WriteFile(
                                        ids, bytes.substr(0, bytes.rfind('\n', bytes.size() - 2)));
                                }},
                      CLossCase{"Folder",
                                [](const std::filesystem::path& ids, CSyncState&) {
                                    std::filesystem::remove(ids);
                                    std::filesystem::create_directory(ids);
                                }},
                      CLossCase{"SwappedWithTheState",
                                [](const std::filesystem::path& ids, CSyncState& state) {
                                    CTempFolder::WriteFile(ids, state.Encode());
                                    state = CSyncState::Parse(CTempFolder::ReadFile(ids) + "junk");
                                }},
                      CLossCase{"BookCopiedAlone",
                                [](const std::filesystem::path& ids, CSyncState& state) {
                                    std::filesystem::remove(ids);
                                    state = CSyncState();
                                }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(CSyncRecoveryTest, NobodyIsSentTwiceNorDeleted) {
    for (int i = 0; i < 20; ++i)
        m_a.Add("P" + std::to_string(i));
    ASSERT_EQ("", m_a.Sync(m_server).error);
    CTempFolder folder;
    const std::filesystem::path book = folder.Path() / "book.dat";
    ASSERT_TRUE(CDataFile::Save(m_a.doc, book).ok);
    GetParam().lose(CIdentityFile::PathFor(book), m_a.state);
    CSide again;
    again.state = m_a.state;
    ASSERT_TRUE(CDataFile::Load(again.doc, book).ok);
    const std::size_t cards = m_server.m_cards.size();
    const CSyncReport report = again.Sync(m_server);
    EXPECT_EQ("", report.error);
    EXPECT_EQ(0u, report.uploaded + report.deletedThere + report.downloaded);
    EXPECT_EQ(cards, m_server.m_cards.size());
    EXPECT_EQ(0u, m_server.Count("DELETE"));
    for (const CPersonalData* person : m_a.doc.GetPersonList())
        EXPECT_EQ(again.Find(std::string(person->GetText(EPersonText::Name)))->GetUid(),
                  person->GetUid());
    const CSyncReport quiet = again.Sync(m_server);
    EXPECT_EQ(0u, quiet.uploaded + quiet.downloaded + quiet.deletedHere + quiet.deletedThere);
}

} // namespace
