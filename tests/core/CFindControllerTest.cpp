#include "CBookFixture.h"
#include "CScriptedFindWindow.h"
#include "CTempFolder.h"
#include "core/model/CFieldTable.h"
#include "core/settings/CProfile.h"
#include "core/ui/CCmdUI.h"
#include "core/ui/CommandIds.h"

#include <memory>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
class CFindControllerTest : public CBookFixture {
protected:
    CFindControllerTest() : m_profile(m_folder / "tarnvale.ini"), m_find(m_doc, m_ui, m_profile) {
        m_find.SetWindowOpener([this](CFindController& controller) {
            m_windows.push_back(std::make_unique<CScriptedFindWindow>(controller));
            return m_windows.back().get();
        });
        m_find.SetClock([this] { return m_now; });
    }

    void SetUp() override {
        CBookFixture::SetUp();
        for (int i = 0; i < 250; ++i)
            AddPerson("p" + std::to_string(i))
                ->ReplaceField(CFieldTable::FIELD_TEL1, i % 2 == 0 ? "even" : "odd");
    }

    CScriptedFindWindow& Open() {
        m_find.OnCommand(ID_FIND);
        return *m_windows.back();
    }

    // Types the string, ticks the fields and presses the button.
    CScriptedFindWindow& Search(const std::string& text, std::vector<int> fields = {3}) {
        CScriptedFindWindow& window = m_find.GetWindow() ? *m_windows.back() : Open();
        window.m_input->m_strText = text;
        window.m_input->m_ticked.fill(false);
        for (const int field : fields)
            window.m_input->m_ticked[static_cast<std::size_t>(field)] = true;
        // A person looks at the last result before pressing again.
        m_now += std::chrono::seconds(1);
        m_find.OnCommand(m_find.GetButtonCommand());
        return window;
    }

    bool IsEnabled(int id) {
        CCmdUI ui;
        m_find.OnUpdateCommand(id, ui);
        return ui.IsEnabled();
    }

    // Runs `action` at the n-th time the search lets events run.
    void AtPump(int n, std::function<void()> action) {
        m_find.SetEventPump([this, n, action = std::move(action)] {
            if (++m_nPumps == n)
                action();
        });
    }

    CTempFolder m_folder;
    CProfile m_profile;
    // Before the controller, which destroys its window as it goes.
    std::vector<std::unique_ptr<CScriptedFindWindow>> m_windows;
    CFindController m_find;
    CFindController::CClock::time_point m_now;
    int m_nPumps = 0;
};

TEST_F(CFindControllerTest, OpeningTicksEveryFieldAndShowsTheLastStringIdle) {
    EXPECT_TRUE(IsEnabled(ID_FIND));
    Search("even", {1, 3});
    CScriptedFindWindow& first = *m_windows.back();
    CScriptedFindWindow& second = Open();
    EXPECT_TRUE(first.m_bDestroyed);
    EXPECT_EQ(second.m_shownInput.m_strText, "even");
    EXPECT_THAT(second.m_shownInput.m_ticked, ::testing::Each(true));
    const CFindForm& shown = second.Shown();
    EXPECT_EQ(shown.m_strButton, "検索開始(&F)");
    EXPECT_EQ(shown.m_strStatus, "検索完了。");
    EXPECT_FALSE(shown.m_bHitsVisible);
    EXPECT_FALSE(shown.m_bProgressVisible);
    EXPECT_THAT(second.m_focus, ElementsAre(-1));

    m_doc.OnNewDocument();
    EXPECT_FALSE(IsEnabled(ID_FIND));
}

TEST_F(CFindControllerTest, InputChecksTellTheUserAndCreateNoGroup) {
    struct CCheck {
        std::string text;
        std::vector<int> fields;
        const char* message;
        int focus;
    };
    const CCheck checks[] = {{"", {3}, "「検索する文字列」が入力されていません。", -1},
                             {"even", {}, "「検索項目」が選択されていません。", 0}};
    for (const CCheck& check : checks) {
        m_ui.m_asked.clear();
        CScriptedFindWindow& window = Search(check.text, check.fields);
        EXPECT_THAT(m_ui.m_asked, ElementsAre(check.message));
        EXPECT_EQ(window.m_focus.back(), check.focus);
        EXPECT_THAT(m_doc.GetGroupList(), IsEmpty());
        EXPECT_TRUE(window.m_states.size() == 1u); // only the opening state
    }
}

TEST_F(CFindControllerTest, SearchShowsItsStatesAndGathersTheHits) {
    CScriptedFindWindow& window = Search("even", {0, 3});
    ASSERT_GE(window.m_states.size(), 3u);
    const CFindForm& searching = window.m_states[1];
    EXPECT_EQ(searching.m_strButton, "検索中止(&F)");
    EXPECT_EQ(searching.m_strStatus, "2項目で検索中．．．");
    EXPECT_TRUE(searching.m_bProgressVisible);
    EXPECT_FALSE(searching.m_bHitsVisible);
    EXPECT_EQ(searching.m_nProgressMax, 100);
    const CFindForm& done = window.Shown();
    EXPECT_EQ(done.m_strButton, "検索開始(&F)");
    EXPECT_EQ(done.m_strStatus, "検索完了。");
    EXPECT_EQ(done.m_strHits, "125件ヒットしました。");
    EXPECT_TRUE(done.m_bHitsVisible);
    EXPECT_FALSE(done.m_bProgressVisible);
    ASSERT_EQ(m_doc.GetGroupList().size(), 1u);
    EXPECT_EQ(m_doc.GetGroupList().front()->m_memberList.GetCount(), 125u);

    Search("nobody");
    EXPECT_EQ(window.Shown().m_strHits, "0件ヒットしました。");
    EXPECT_EQ(m_doc.GetGroupList().size(), 2u);
}

TEST_F(CFindControllerTest, TheSameButtonStopsAndASecondStartDoesNothing) {
    AtPump(2, [this] {
        m_find.OnCommand(m_find.GetButtonCommand()); // stop
        EXPECT_EQ(m_find.GetButtonCommand(), ID_START_FIND);
        EXPECT_FALSE(IsEnabled(ID_START_FIND));
        m_find.OnCommand(ID_START_FIND); // a press while the stopped walk unwinds
    });
    CScriptedFindWindow& window = Search("even");
    EXPECT_EQ(window.Shown().m_strStatus, "検索中止。");
    EXPECT_EQ(window.Shown().m_strHits, "25件ヒットしました。");
    EXPECT_EQ(m_doc.GetGroupList().size(), 1u);
    EXPECT_TRUE(IsEnabled(ID_START_FIND));
}

TEST_F(CFindControllerTest, AClickMadeWhileTheButtonStoppedNeverStartsASearch) {
    // One click in the walk's last slice, delivered once the last step is done.
    bool clicked = false;
    m_find.SetEventPump([this, &clicked] {
        const CFindForm& form = m_find.GetForm();
        if (!clicked && form.m_nProgressPos == form.m_nProgressMax) {
            clicked = true;
            m_find.OnCommand(m_find.GetButtonCommand());
        }
    });
    CScriptedFindWindow& window = Search("even");
    ASSERT_TRUE(clicked);
    EXPECT_EQ(window.Shown().m_strStatus, "検索完了。");
    // Clicks that arrive a moment after the end were aimed at 検索中止 still on the screen.
    m_now += CFindController::LATE_STOP - std::chrono::milliseconds(1);
    EXPECT_EQ(m_find.GetButtonCommand(), ID_CANCEL_FIND);
    m_find.OnCommand(m_find.GetButtonCommand());
    EXPECT_EQ(window.Shown().m_strButton, "検索開始(&F)");
    EXPECT_EQ(m_doc.GetGroupList().size(), 1u);
    m_now += std::chrono::milliseconds(1);
    EXPECT_EQ(m_find.GetButtonCommand(), ID_START_FIND);
}

class CFindInterruptionTest;

// What ends a search while it lets events run, and how the search ends.
struct CInterruption {
    const char* name;
    std::function<void(CFindInterruptionTest&)> action;
    const char* status;
    bool windowLeft;
};

class CFindInterruptionTest : public CFindControllerTest,
                              public ::testing::WithParamInterface<CInterruption> {
public:
    CFindController& Find() { return m_find; }
    CAddressDoc& Doc() { return m_doc; }
    CScriptedFindWindow& Window() { return *m_windows.back(); }
    CScriptedFindWindow& Reopen() { return Open(); }
};

const CInterruption INTERRUPTIONS[] = {
    {"WindowClosed", [](auto& t) { t.Window().Close(); }, "検索中止。", false},
    {"ProgramClosing", [](auto& t) { t.Find().OnClosing(); }, "検索中止。", false},
    {"DocumentEmptied", [](auto& t) { t.Doc().OnNewDocument(); }, "検索中止。", true},
    {"WindowReopened", [](auto& t) { t.Reopen(); }, "検索完了。", true},
};

TEST_P(CFindInterruptionTest, SearchEndsSafely) {
    AtPump(1, [this] { GetParam().action(*this); });
    Search("even");
    EXPECT_FALSE(m_find.IsSearching());
    EXPECT_EQ(m_find.GetForm().m_strStatus, GetParam().status);
    EXPECT_EQ(m_find.GetWindow() != nullptr, GetParam().windowLeft);
    if (m_find.GetWindow()) {
        EXPECT_EQ(Window().Shown().m_strStatus, GetParam().status);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CFindInterruptionTest, ::testing::ValuesIn(INTERRUPTIONS),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CFindControllerTest, AWindowReopenedDuringASearchShowsItRunning) {
    AtPump(1, [this] {
        const CFindForm& shown = Open().Shown();
        EXPECT_EQ(shown.m_strButton, "検索中止(&F)");
        EXPECT_TRUE(shown.m_bProgressVisible);
    });
    Search("even");
}

TEST_F(CFindControllerTest, IgnoringCaseAndWidthIsRememberedInTheSettings) {
    EXPECT_FALSE(Open().m_shownInput.m_bIgnoreCaseWidth);
    m_windows.back()->m_input->m_bIgnoreCaseWidth = true;
    Search("EVEN");
    EXPECT_EQ(m_windows.back()->Shown().m_strHits, "125件ヒットしました。");
    EXPECT_EQ(m_profile.GetProfileString("Find", "IgnoreCaseWidth", ""), "1");
    CFindController again(m_doc, m_ui, m_profile);
    EXPECT_TRUE(again.GetForm().m_input.m_bIgnoreCaseWidth);
}
} // namespace
