#include "core/mail/CMailer.h"

#include "CBookFixture.h"
#include "CTempFolder.h"
#include "core/app/CFrameCommands.h"
#include "core/mail/CMailAddressText.h"
#include "core/mail/CMailTexts.h"
#include "core/mail/CMailtoLink.h"
#include "core/model/CFieldTable.h"
#include "core/ui/CCmdUI.h"
#include "core/ui/CCommandRouter.h"
#include "core/ui/CMailDialogs.h"
#include "core/ui/CommandIds.h"

#include <deque>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr int EMAIL1 = CFieldTable::FIELD_EMAIL1;
constexpr int EMAIL2 = CFieldTable::FIELD_EMAIL2;

// Answers the recent-address dialog from a script and keeps what it was shown.
class CScriptedMailDialogs : public CMailDialogs {
public:
    std::optional<std::size_t>
    RunCopiedAddressDialog(const std::vector<std::string>& recent) override {
        m_shown.push_back(recent);
        return m_chosen;
    }
    bool RunOptionSheet(COptionSheetModel&) override { return false; }

    std::optional<std::size_t> m_chosen;
    std::vector<std::vector<std::string>> m_shown;
};

class CMailerTest : public CBookFixture {
protected:
    CMailerTest() : m_mailer(m_ui, {}) {
        m_list.SetMailer(&m_mailer);
        m_tree.SetMailer(&m_mailer);
        m_mailer.SetDialogs(&m_dialogs);
    }

    CPersonalData* AddMailPerson(const std::string& name, const std::string& email1,
                                 const std::string& email2 = {}, std::vector<CGroup*> groups = {}) {
        CPersonalData* person = AddPerson(name, std::move(groups));
        person->SetText(EPersonText::Email1, email1);
        person->SetText(EPersonText::Email2, email2);
        return person;
    }

    std::vector<std::string> Recent() const { return m_mailer.GetRecentAddresses().GetStrings(); }

    CScriptedMailDialogs m_dialogs;
    CMailer m_mailer;
};

struct CJoinCase {
    const char* name;
    const char* separator;
    int field;
    const char* address;
    const char* label;
};

class CMailJoinTest : public ::testing::TestWithParam<CJoinCase> {};

// 山田 P/-, 田中 -/Q2, 佐藤 R/R2: the second e-mail skips 山田.
TEST_P(CMailJoinTest, JoinsAddressesAndLabels) {
    CPersonalData yamada, tanaka, sato;
    yamada.SetText(EPersonText::Name, "山田");
    yamada.SetText(EPersonText::Email1, "P");
    tanaka.SetText(EPersonText::Name, "田中");
    tanaka.SetText(EPersonText::Email1, "Q");
    tanaka.SetText(EPersonText::Email2, "Q2");
    sato.SetText(EPersonText::Name, "佐藤");
    sato.SetText(EPersonText::Email1, "R");
    sato.SetText(EPersonText::Email2, "R2");
    const auto text =
        CMailAddressText::Build({&yamada, &tanaka, &sato}, GetParam().field, GetParam().separator);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->m_strAddress, GetParam().address);
    EXPECT_EQ(text->m_strLabel, GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(
    Separators, CMailJoinTest,
    ::testing::Values(
        CJoinCase{"Semicolon", ";", EMAIL1, "P;Q;R", "山田[P]; 田中[Q]; 佐藤[R]"},
        CJoinCase{"CommaBlank", ", ", EMAIL1, "P, Q, R", "山田[P],  田中[Q],  佐藤[R]"},
        CJoinCase{"Empty", "", EMAIL1, "PQR", "山田[P] 田中[Q] 佐藤[R]"},
        CJoinCase{"LineBreak", "\r\n", EMAIL1, "P\r\nQ\r\nR", "山田[P]\r\n 田中[Q]\r\n 佐藤[R]"},
        CJoinCase{"SecondAddressSkipsWhoHasNone", ";", EMAIL2, "Q2;R2", "田中[Q2]; 佐藤[R2]"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CMailAddressTextTest, NobodyWithTheAddressGivesNothing) {
    CPersonalData person;
    person.SetText(EPersonText::Email1, "P");
    EXPECT_FALSE(CMailAddressText::Build({&person}, EMAIL2, ";").has_value());
    EXPECT_FALSE(CMailAddressText::Build({}, EMAIL1, ";").has_value());
}

TEST(CMailtoLinkTest, EncodesOnlyWhatALinkCannotCarry) {
    EXPECT_EQ(CMailtoLink::Build("a@b.jp;\"C D\" <c@d>, e+f@g?x#y%z\r\n\xE5\xB1\xB1"),
              "mailto:a@b.jp;\"C%20D\"%20<c@d>,%20e+f@g%3Fx%23y%25z%0D%0A%E5%B1%B1");
}

TEST_F(CMailerTest, WritingMailRemembersAndOpensTheMailProgram) {
    m_mailer.GetSettings().m_strMailSeparator = ", ";
    m_mailer.WriteMail({AddMailPerson("yamada", "p@x"), AddMailPerson("tanaka", "q@x")}, EMAIL1);
    EXPECT_THAT(Recent(), ElementsAre("p@x, q@x", "yamada[p@x],  tanaka[q@x]"));
    EXPECT_THAT(m_ui.m_openedUrls, ElementsAre("mailto:p@x,%20q@x"));
    EXPECT_THAT(m_ui.m_clipboardTexts, IsEmpty());
}

TEST_F(CMailerTest, NobodyWithAnAddressIsToldAndNothingElseHappens) {
    m_mailer.WriteMail({AddMailPerson("yamada", "")}, EMAIL1);
    m_mailer.WriteMail({AddMailPerson("tanaka", "t@x")}, EMAIL2);
    EXPECT_THAT(Recent(), IsEmpty());
    EXPECT_THAT(m_ui.m_openedUrls, IsEmpty());
    EXPECT_THAT(m_ui.m_asked, ElementsAre("選ばれた人には e-mail(1) のアドレスがありません。",
                                          "選ばれた人には e-mail(2) のアドレスがありません。"));
}

TEST_F(CMailerTest, ClipboardChoiceStartsNoMailProgram) {
    m_mailer.GetSettings().m_bMailToClipboard = true;
    m_mailer.WriteMail({AddMailPerson("yamada", "p@x")}, EMAIL1);
    EXPECT_THAT(m_ui.m_clipboardTexts, ElementsAre("p@x"));
    EXPECT_THAT(m_ui.m_openedUrls, IsEmpty());
}

struct CFailedStartCase {
    const char* name;
    EMessageResult answer;
    bool copied;
};

class CMailerFailedStartTest : public CMailerTest,
                               public ::testing::WithParamInterface<CFailedStartCase> {};

TEST_P(CMailerFailedStartTest, AMailProgramThatWillNotStartOffersTheClipboard) {
    m_ui.m_bOpenUrlSucceeds = false;
    m_ui.m_answers = {GetParam().answer};
    m_mailer.WriteMail({AddMailPerson("yamada", "p@x")}, EMAIL1);
    EXPECT_THAT(m_ui.m_asked, ElementsAre(CMailTexts::START_FAILED_QUESTION));
    EXPECT_EQ(m_ui.m_clipboardTexts.size(), GetParam().copied ? 1U : 0U);
    EXPECT_THAT(Recent(), ElementsAre("p@x", "yamada[p@x]"));
}

INSTANTIATE_TEST_SUITE_P(Answers, CMailerFailedStartTest,
                         ::testing::Values(CFailedStartCase{"Yes", EMessageResult::Yes, true},
                                           CFailedStartCase{"No", EMessageResult::No, false},
                                           CFailedStartCase{"Cancel", EMessageResult::Cancel,
                                                            false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CMailerTest, AVeryLongAddressTextAsksBeforeStartingTheMailProgram) {
    const std::string longAddress(CMailer::LONG_LINK_BYTES + 1, 'a');
    m_ui.m_answers = {EMessageResult::Yes, EMessageResult::No};
    m_mailer.DeliverAddresses(longAddress);
    m_mailer.DeliverAddresses(longAddress);
    EXPECT_THAT(m_ui.m_asked,
                ElementsAre(CMailTexts::LONG_LINK_QUESTION, CMailTexts::LONG_LINK_QUESTION));
    EXPECT_THAT(m_ui.m_clipboardTexts, ElementsAre(longAddress));
    ASSERT_EQ(m_ui.m_openedUrls.size(), 1U);
    m_mailer.DeliverAddresses(std::string(CMailer::LONG_LINK_BYTES, 'a'));
    EXPECT_EQ(m_ui.m_asked.size(), 2U);
}

TEST_F(CMailerTest, ListWritesToTheSelectedRowsAndIsOffWithoutSelection) {
    const CCommandRouter router([this] { return std::vector<CCommandTarget*>{&m_list}; });
    AddMailPerson("b", "b1", "b2");
    AddMailPerson("a", "a1", "");
    AddMailPerson("c", "c1", "c2");
    EXPECT_FALSE(router.Update(ID_MAIL_EMAIL1).IsEnabled());
    m_list.SelectAll();
    EXPECT_TRUE(router.Dispatch(ID_MAIL_EMAIL2));
    EXPECT_THAT(m_ui.m_openedUrls, ElementsAre("mailto:b2;c2"));
}

TEST_F(CMailerTest, TreeRootWritesToEveryPersonAndAGroupToItsMembers) {
    const CCommandRouter router([this] { return std::vector<CCommandTarget*>{&m_tree}; });
    CGroup* friends = AddGroup("friends");
    AddMailPerson("b", "b1", "", {friends});
    AddMailPerson("a", "a1");
    Select(m_tree.m_hRootItem);
    EXPECT_TRUE(router.Dispatch(ID_MAIL_EMAIL1));
    SelectGroup(friends);
    EXPECT_TRUE(router.Dispatch(ID_MAIL_EMAIL1));
    EXPECT_THAT(m_ui.m_openedUrls, ElementsAre("mailto:b1;a1", "mailto:b1"));
}

TEST_F(CMailerTest, FrameForwardsTheMailCommandsToTheList) {
    struct : CFrameWindow {
        void FocusPane(EPane) override {}
        bool IsBarVisible(EFrameBar) const override { return true; }
        void ShowBar(EFrameBar, bool) override {}
    } window;
    CFrameCommands frame(m_tree, m_list, window);
    const CCommandRouter router([&frame] { return std::vector<CCommandTarget*>{&frame}; });
    AddMailPerson("a", "a1");
    EXPECT_FALSE(router.Update(ID_MAIL_EMAIL1).IsEnabled());
    m_list.SelectAll();
    EXPECT_TRUE(router.Dispatch(ID_MAIL_EMAIL1));
    EXPECT_THAT(m_ui.m_openedUrls, ElementsAre("mailto:a1"));
}

TEST_F(CMailerTest, RecentAddressesCommandIsOffWhileTheListIsEmpty) {
    const CCommandRouter router([this] { return std::vector<CCommandTarget*>{&m_mailer}; });
    EXPECT_FALSE(router.Update(ID_RECENT_ADDRESSES).IsEnabled());
    m_mailer.GetSettings().m_nRecentCapacity = 0;
    m_mailer.WriteMail({AddMailPerson("a", "a1")}, EMAIL1);
    EXPECT_FALSE(router.Update(ID_RECENT_ADDRESSES).IsEnabled());
}

TEST_F(CMailerTest, ChoosingThethirdPairMovesItToTheTopBeforeWriting) {
    for (const char* address : {"a", "b", "c"})
        m_mailer.RememberAddresses(address, std::string("label ") + address);
    m_dialogs.m_chosen = 4;
    EXPECT_TRUE(CCommandRouter([this] {
                    return std::vector<CCommandTarget*>{&m_mailer};
                }).Dispatch(ID_RECENT_ADDRESSES));
    EXPECT_THAT(Recent(), ElementsAre("a", "label a", "c", "label c", "b", "label b"));
    EXPECT_THAT(m_ui.m_openedUrls, ElementsAre("mailto:a"));
}

TEST_F(CMailerTest, ClosingTheRecentAddressDialogWritesNothing) {
    m_mailer.RememberAddresses("a", "label a");
    m_mailer.OnRecentAddresses();
    EXPECT_EQ(m_dialogs.m_shown.size(), 1U);
    EXPECT_THAT(m_ui.m_openedUrls, IsEmpty());
}

TEST(CMailerFileTest, EmptyingTheDocumentKeepsTheListOnlyWhenItChanged) {
    const CTempFolder folder;
    const auto path = folder / "t.cal";
    CScriptedUserInterface ui;
    CAddressDoc doc;
    CMailer mailer(ui, path);
    mailer.ListenTo(&doc);
    mailer.LoadRecentAddresses();
    doc.DeleteContents();
    EXPECT_FALSE(std::filesystem::exists(path));
    mailer.RememberAddresses("a", "1");
    doc.DeleteContents();
    CMailer nextRun(ui, path);
    nextRun.LoadRecentAddresses();
    EXPECT_THAT(nextRun.GetRecentAddresses().GetStrings(), ElementsAre("a", "1"));
}

} // namespace
