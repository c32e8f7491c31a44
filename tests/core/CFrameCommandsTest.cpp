#include "core/app/CFrameCommands.h"

#include "CBookFixture.h"
#include "core/app/CContextMenuRules.h"
#include "core/text/CHalfWidthKana.h"
#include "core/ui/CCommandRouter.h"
#include "core/ui/CCommandTexts.h"
#include "core/ui/CMenuLayout.h"
#include "core/ui/CommandIds.h"
#include "core/views/CTreeContextState.h"

#include <fstream>
#include <iterator>
#include <set>

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

namespace {

// Remembers what the frame asked of the window.
class CRecordingFrameWindow : public CFrameWindow {
public:
    void FocusPane(EPane pane) override { m_focused.push_back(pane); }
    bool IsBarVisible(EFrameBar bar) const override {
        return bar == EFrameBar::ToolBar ? m_bToolBar : m_bStatusBar;
    }
    void ShowBar(EFrameBar bar, bool show) override {
        (bar == EFrameBar::ToolBar ? m_bToolBar : m_bStatusBar) = show;
    }

    std::vector<EPane> m_focused;
    bool m_bToolBar = true;
    bool m_bStatusBar = true;
};

class CFrameCommandsTest : public CBookFixture {
protected:
    CCommandRouter Router() {
        return CCommandRouter([this] {
            return std::vector<CCommandTarget*>{&m_frame.GetActiveView(), &m_doc, &m_frame};
        });
    }

    CRecordingFrameWindow m_window;
    CFrameCommands m_frame{m_tree, m_list, m_window};
};

TEST_F(CFrameCommandsTest, TheListIsActiveFirstAndPanesSwitchBothWays) {
    EXPECT_EQ(m_frame.GetActivePane(), EPane::List);
    EXPECT_EQ(&m_frame.GetActiveView(), static_cast<CCommandTarget*>(&m_list));
    EXPECT_TRUE(Router().Dispatch(ID_NEXT_PANE));
    EXPECT_EQ(m_frame.GetActivePane(), EPane::Tree);
    EXPECT_TRUE(Router().Dispatch(ID_PREV_PANE));
    EXPECT_EQ(m_frame.GetActivePane(), EPane::List);
    EXPECT_THAT(m_window.m_focused, ElementsAre(EPane::Tree, EPane::List));
}

TEST_F(CFrameCommandsTest, SelectAllFromTheTreeActivatesTheListAndSelectsEveryRow) {
    CGroup* g = AddGroup("G");
    AddPerson("a", {g});
    AddPerson("b", {g});
    ShowPersons(true);
    m_frame.OnPaneActivated(EPane::Tree);
    Select(m_tree.GetTreeCtrl().GetChildren(g->m_hTreeItem).front()); // a person item
    ASSERT_EQ(m_list.GetRowCount(), 2);

    EXPECT_TRUE(Router().Dispatch(ID_SELECT_ALL));
    EXPECT_EQ(m_frame.GetActivePane(), EPane::List);
    EXPECT_THAT(m_window.m_focused, ElementsAre(EPane::List));
    EXPECT_EQ(m_list.GetSelectedCount(), 2);
    // Leaving the tree moved its caret from the person to the person's group.
    EXPECT_EQ(m_tree.GetTreeCtrl().GetCaret(), g->m_hTreeItem);
}

TEST_F(CFrameCommandsTest, ShowPersonsTogglesTheTreeAndCarriesItsCheckMark) {
    ShowPersons(false);
    EXPECT_FALSE(Router().Update(ID_SHOW_PERSONAL).IsChecked());
    EXPECT_TRUE(Router().Dispatch(ID_SHOW_PERSONAL));
    EXPECT_TRUE(m_tree.m_bShowPersonal);
    EXPECT_TRUE(Router().Update(ID_SHOW_PERSONAL).IsChecked());
}

TEST_F(CFrameCommandsTest, MailCommandsAreOffWithoutAMailer) {
    AddPerson("a");
    m_list.SelectAll();
    m_frame.OnPaneActivated(EPane::Tree);
    EXPECT_FALSE(Router().Update(ID_MAIL_EMAIL1).IsEnabled());
    EXPECT_FALSE(Router().Dispatch(ID_MAIL_EMAIL2));
}

TEST_F(CFrameCommandsTest, BarsToggleWithTheirCheckMarks) {
    EXPECT_TRUE(Router().Update(ID_VIEW_TOOLBAR).IsChecked());
    EXPECT_TRUE(Router().Dispatch(ID_VIEW_TOOLBAR));
    EXPECT_FALSE(m_window.m_bToolBar);
    EXPECT_FALSE(Router().Update(ID_VIEW_TOOLBAR).IsChecked());
    EXPECT_TRUE(Router().Update(ID_VIEW_STATUS_BAR).IsChecked());
}

TEST_F(CFrameCommandsTest, CommandsWithoutAHandlerStayOff) {
    for (const int id : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PAGE_SETUP, ID_FIND,
                         ID_CSV_IMPORT, ID_OPTIONS})
        EXPECT_FALSE(Router().Update(id).IsEnabled()) << id;
    // The clipboard commands belong to the list's cell editor; the tree has none.
    EXPECT_TRUE(Router().Update(ID_EDIT_COPY).IsEnabled());
    m_frame.OnPaneActivated(EPane::Tree);
    EXPECT_FALSE(Router().Update(ID_EDIT_COPY).IsEnabled());
    EXPECT_FALSE(Router().Dispatch(ID_FILE_PRINT));
}

TEST_F(CFrameCommandsTest, UndoFollowsTheDocument) {
    EXPECT_FALSE(Router().Update(ID_EDIT_UNDO).IsEnabled());
    AddPerson("a");
    const CCmdUI undo = Router().Update(ID_EDIT_UNDO);
    EXPECT_TRUE(undo.IsEnabled());
    EXPECT_EQ(undo.GetText(), "元に戻す(&U) － 個人データの新規作成\tCtrl+Z");
}

TEST_F(CFrameCommandsTest, ListContextMenuGreysBySelectionAndShownItem) {
    CGroup* g = AddGroup("G");
    AddPerson("a", {g});
    AddPerson("b", {g});
    const auto greyed = [this] {
        return CContextMenuRules::GetGreyedIds(CListContextState::Of(m_list));
    };
    EXPECT_THAT(greyed(), UnorderedElementsAre(ID_REMOVE_FROM_GROUP, ID_MODIFY, ID_DELETE,
                                               ID_RESTORE, ID_MAIL_EMAIL1, ID_MAIL_EMAIL2));
    m_list.SetSelectedRows({0});
    EXPECT_THAT(greyed(), UnorderedElementsAre(ID_REMOVE_FROM_GROUP, ID_RESTORE));
    SelectGroup(g);
    m_list.SetSelectedRows({0, 1});
    EXPECT_THAT(greyed(), UnorderedElementsAre(ID_MODIFY, ID_RESTORE));
    Select(m_tree.m_hDeletedItem);
    EXPECT_THAT(greyed(), UnorderedElementsAre(ID_REMOVE_FROM_GROUP, ID_MODIFY, ID_DELETE,
                                               ID_RESTORE, ID_MAIL_EMAIL1, ID_MAIL_EMAIL2));
}

TEST_F(CFrameCommandsTest, TreeContextMenuGreysByTheItemUnderThePointer) {
    CGroup* g = AddGroup("G");
    AddPerson("a", {g});
    ShowPersons(true);
    const auto greyed = [this](HTREEITEM hit) {
        return CContextMenuRules::GetGreyedIds(CTreeContextState::Of(m_tree, hit));
    };
    EXPECT_THAT(greyed(TVI_NONE),
                UnorderedElementsAre(ID_REMOVE_FROM_GROUP, ID_DELETE, ID_MODIFY, ID_RESTORE));
    EXPECT_THAT(greyed(m_tree.m_hRootItem),
                UnorderedElementsAre(ID_REMOVE_FROM_GROUP, ID_DELETE, ID_MODIFY, ID_RESTORE));
    EXPECT_THAT(greyed(g->m_hTreeItem), UnorderedElementsAre(ID_REMOVE_FROM_GROUP, ID_RESTORE));
    const HTREEITEM member = m_tree.GetTreeCtrl().GetChildren(g->m_hTreeItem).front();
    EXPECT_THAT(greyed(member), ElementsAre(ID_RESTORE));
}

TEST(CMenuLayoutTest, EveryCommandOfMenusToolbarAndKeysHasItsTexts) {
    std::set<int> ids;
    std::vector<const CMenuEntry*> pending;
    for (const CMenuEntry& menu : CMenuLayout::GetMainMenu())
        pending.push_back(&menu);
    while (!pending.empty()) {
        const CMenuEntry* entry = pending.back();
        pending.pop_back();
        if (entry->m_kind == EMenuEntry::Command)
            ids.insert(entry->m_nId);
        for (const CMenuEntry& child : entry->m_children)
            pending.push_back(&child);
    }
    for (const int id : CMenuLayout::GetToolbar()) {
        if (id != CMenuLayout::TOOLBAR_SEPARATOR)
            ids.insert(id);
    }
    for (const CAccelerator& accelerator : CMenuLayout::GetAccelerators())
        ids.insert(accelerator.m_nId);
    for (const int id : ids)
        EXPECT_NE(CCommandTexts::Find(id), nullptr) << id;
    // Every toolbar button has a tooltip; every menu picture belongs to a menu entry.
    for (const int id : CMenuLayout::GetToolbar()) {
        if (id != CMenuLayout::TOOLBAR_SEPARATOR) {
            EXPECT_FALSE(CCommandTexts::Find(id)->m_tooltip.empty()) << id;
        }
    }
    for (const int id : CMenuLayout::GetMenuPictureIds())
        EXPECT_EQ(ids.count(id), 1U) << id;
}

// The readme tells of every command of the menus by the name the menu gives it.
TEST(CMenuLayoutTest, TheReadmeNamesEveryMenuCommand) {
    std::ifstream file(TARNVALE_README, std::ios::binary);
    const std::string readme = CHalfWidthKana::ToFullWidth(
        std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
    ASSERT_FALSE(readme.empty());
    std::vector<const CMenuEntry*> pending;
    for (const CMenuEntry& menu : CMenuLayout::GetMainMenu())
        pending.push_back(&menu);
    while (!pending.empty()) {
        const CMenuEntry* entry = pending.back();
        pending.pop_back();
        for (const CMenuEntry& child : entry->m_children)
            pending.push_back(&child);
        const bool recent = entry->m_nId >= ID_FILE_MRU_FILE1 && entry->m_nId <= ID_FILE_MRU_FILE4;
        if (entry->m_kind != EMenuEntry::Command || recent)
            continue;
        std::string name(CCommandTexts::Find(entry->m_nId)->m_caption);
        for (const std::string_view end : {"(", "\xEF\xBC\x88", "...", "\t"}) // （
            name = name.substr(0, name.find(end));
        EXPECT_NE(readme.find(CHalfWidthKana::ToFullWidth(name)), std::string::npos) << name;
    }
}

TEST(CMenuLayoutTest, TheContextMenuIsTheThirdPopup) {
    const CMenuEntry& context = CMenuLayout::GetContextMenu();
    EXPECT_EQ(context.m_caption, "普通の操作（&I）");
    std::vector<int> ids;
    for (const CMenuEntry& entry : context.m_children) {
        if (entry.m_kind == EMenuEntry::Command)
            ids.push_back(entry.m_nId);
    }
    EXPECT_THAT(ids,
                ElementsAre(ID_NEW_PERSON, ID_NEW_GROUP, ID_MODIFY, ID_REMOVE_FROM_GROUP, ID_DELETE,
                            ID_RESTORE, ID_SELECT_ALL, ID_MAIL_EMAIL1, ID_MAIL_EMAIL2));
}

} // namespace
