#include "CBookFixture.h"
#include "core/settings/CProfile.h"
#include "core/ui/CCommandRouter.h"
#include "core/ui/CommandIds.h"
#include "core/views/CTreeContextState.h"

#include <filesystem>
#include <fstream>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
class CFriendTreeViewTest : public CBookFixture {
protected:
    ETreeImage ImageOf(HTREEITEM item) const { return m_tree.GetTreeCtrl().Get(item).image; }
    HTREEITEM FirstChild(HTREEITEM parent) const {
        return m_tree.GetTreeCtrl().GetChildren(parent).front();
    }
};

TEST_F(CFriendTreeViewTest, ANewDocumentShowsTheTwoTopItemsWithTheRootSelected) {
    EXPECT_THAT(ChildTexts(TVI_NONE),
                ElementsAre("\x91\x53\x91\xcc", "\x8d\xed\x8f\x9c\x8d\xcf\x82\xdd"));
    EXPECT_EQ(m_tree.GetTreeCtrl().GetCaret(), m_tree.m_hRootItem);
    ASSERT_NE(m_list.GetGroupInfo(), nullptr);
    EXPECT_TRUE(m_list.GetGroupInfo()->IsAll());
    EXPECT_EQ(m_list.GetRowCount(), 0);
}

TEST_F(CFriendTreeViewTest, SelectingAPersonShowsItsGroupWithTheOpenImageUntilSelectionMoves) {
    ShowPersons(true);
    CGroup* g = AddGroup("G");
    CGroup* h = AddGroup("H");
    AddPerson("a", {g});
    AddPerson("b", {g});
    AddPerson("c", {h});
    Select(FirstChild(g->m_hTreeItem));
    EXPECT_TRUE(m_list.GetGroupInfo()->IsGroup());
    EXPECT_EQ(m_list.GetShownGroup(), g);
    EXPECT_THAT(ListNames(), ElementsAre("a", "b"));
    EXPECT_EQ(ImageOf(g->m_hTreeItem), ETreeImage::GroupOpen);

    // Moving between persons of the same group does not refill the list.
    m_list.SetSelectedRows({1});
    Select(m_tree.GetTreeCtrl().GetChildren(g->m_hTreeItem).back());
    EXPECT_EQ(m_list.GetSelectedCount(), 1);

    Select(FirstChild(h->m_hTreeItem));
    EXPECT_EQ(m_list.GetSelectedCount(), 0);
    EXPECT_THAT(ListNames(), ElementsAre("c"));
    EXPECT_EQ(ImageOf(g->m_hTreeItem), ETreeImage::Group);
    EXPECT_EQ(ImageOf(h->m_hTreeItem), ETreeImage::GroupOpen);
    Select(m_tree.m_hRootItem);
    EXPECT_EQ(ImageOf(h->m_hTreeItem), ETreeImage::Group);
}

TEST_F(CFriendTreeViewTest, ShowingPersonsPlacesThemUnderEveryGroupTheRootOrTheDeletedFolder) {
    CGroup* a = AddGroup("A");
    CGroup* b = AddGroup("B");
    CGroup* c = AddGroup("C");
    AddPerson("three", {a, b, c});
    AddPerson("none");
    CPersonalData* gone = AddPerson("gone", {a});
    m_list.SetSelectedRows({m_list.FindRow(gone)});
    m_ui.m_answers = {EMessageResult::Yes};
    m_list.OnDelete();

    ShowPersons(true);
    EXPECT_THAT(ChildTexts(a->m_hTreeItem), ElementsAre("three"));
    EXPECT_THAT(ChildTexts(b->m_hTreeItem), ElementsAre("three"));
    EXPECT_THAT(ChildTexts(c->m_hTreeItem), ElementsAre("three"));
    EXPECT_THAT(ChildTexts(m_tree.m_hRootItem), ElementsAre("A", "B", "C", "none"));
    EXPECT_THAT(ChildTexts(m_tree.m_hDeletedItem), ElementsAre("gone"));

    m_tree.GetTreeCtrl().SetExpanded(b->m_hTreeItem, true);
    ShowPersons(false);
    EXPECT_THAT(ChildTexts(m_tree.m_hRootItem), ElementsAre("A", "B", "C"));
    EXPECT_THAT(ChildTexts(a->m_hTreeItem), IsEmpty());
    EXPECT_THAT(ChildTexts(m_tree.m_hDeletedItem), IsEmpty());
    EXPECT_TRUE(m_tree.GetTreeCtrl().Get(b->m_hTreeItem).expanded);
    for (const CPersonalData* person : m_doc.GetPersonList())
        EXPECT_TRUE(person->m_treeItems.IsEmpty());
}

TEST_F(CFriendTreeViewTest, AFirstChildLeavesItsParentCollapsed) {
    ShowPersons(true);
    CGroup* g = AddGroup("G");
    AddPerson("a", {g});
    const CTreeControl::CItem& item = m_tree.GetTreeCtrl().Get(g->m_hTreeItem);
    EXPECT_FALSE(item.expanded);
    EXPECT_TRUE(item.expandedOnce);
}

TEST_F(CFriendTreeViewTest, EnablingRulesFollowTheCaret) {
    ShowPersons(true);
    CGroup* g = AddGroup("G");
    AddPerson("loose");
    CPersonalData* member = AddPerson("member", {g});

    Select(m_tree.m_hRootItem);
    EXPECT_FALSE(m_tree.CanDelete());
    EXPECT_FALSE(m_tree.CanRemoveFromGroup());
    EXPECT_FALSE(m_tree.CanDeleteGroupAndMembers());

    Select(g->m_hTreeItem);
    EXPECT_TRUE(m_tree.CanDelete());
    EXPECT_FALSE(m_tree.CanRemoveFromGroup());
    EXPECT_TRUE(m_tree.CanDeleteGroupAndMembers());

    Select(m_tree.GetTreeCtrl().GetChildren(m_tree.m_hRootItem).back()); // "loose"
    EXPECT_FALSE(m_tree.CanRemoveFromGroup());
    EXPECT_TRUE(m_tree.CanDelete());

    Select(member->m_treeItems.GetHead());
    EXPECT_TRUE(m_tree.CanRemoveFromGroup());
    EXPECT_FALSE(m_tree.CanRestore());

    m_ui.m_answers = {EMessageResult::Yes};
    m_tree.OnDelete();
    Select(FirstChild(m_tree.m_hDeletedItem));
    EXPECT_FALSE(m_tree.CanDelete());
    EXPECT_FALSE(m_tree.CanRemoveFromGroup());
    EXPECT_FALSE(m_tree.CanModify());
    EXPECT_TRUE(m_tree.CanRestore());
}

TEST_F(CFriendTreeViewTest, DeleteOnTheRootAsksNothingAndADisabledCommandIsNotDispatched) {
    AddPerson("a");
    const CCommandRouter router([this] { return std::vector<CCommandTarget*>{&m_tree, &m_doc}; });
    EXPECT_FALSE(router.Update(ID_DELETE).IsEnabled());
    EXPECT_FALSE(router.Dispatch(ID_DELETE));
    m_tree.OnDelete();
    EXPECT_THAT(m_ui.m_asked, IsEmpty());
    EXPECT_EQ(m_doc.GetPersonList().size(), 1u);
}

TEST_F(CFriendTreeViewTest, RemoveWarnsForAPersonUnderTheRootAndRemovesUnderAGroup) {
    ShowPersons(true);
    CGroup* g = AddGroup("G");
    AddPerson("loose");
    CPersonalData* member = AddPerson("member", {g});
    Select(m_tree.GetTreeCtrl().GetChildren(m_tree.m_hRootItem).back());
    m_tree.OnRemoveFromGroup();
    EXPECT_THAT(m_ui.m_asked, ElementsAre("選択されたデータはどのグループにも属していません"));

    Select(member->m_treeItems.GetHead());
    m_tree.OnRemoveFromGroup();
    EXPECT_TRUE(g->m_memberList.IsEmpty());
    EXPECT_THAT(ChildTexts(m_tree.m_hRootItem), ElementsAre("G", "loose", "member"));
}

TEST_F(CFriendTreeViewTest, ContextMenuGreysEntriesForTheItemHit) {
    ShowPersons(true);
    CGroup* g = AddGroup("G");
    CPersonalData* member = AddPerson("member", {g});
    const auto none = CTreeContextState::Of(m_tree, TVI_NONE);
    EXPECT_FALSE(none.m_bRemove || none.m_bDelete || none.m_bModify || none.m_bRestore);
    const auto root = CTreeContextState::Of(m_tree, m_tree.m_hRootItem);
    EXPECT_FALSE(root.m_bDelete || root.m_bModify || root.m_bRemove || root.m_bRestore);
    const auto person = CTreeContextState::Of(m_tree, member->m_treeItems.GetHead());
    EXPECT_TRUE(person.m_bRemove && person.m_bDelete && person.m_bModify);
    EXPECT_FALSE(person.m_bRestore);
}

TEST_F(CFriendTreeViewTest, SettingsReadAndWrittenAsTheProgramAlwaysHas) {
    const auto folder = std::filesystem::temp_directory_path() / "tarnvale-tree-settings";
    std::filesystem::create_directories(folder);
    const auto file = folder / "tarnvale.ini";
    std::ofstream(file) << "[Tree]\r\nexpand=2\r\n[TreeColor]\r\ntext=255\r\n";
    CProfile profile(file);
    m_tree.LoadSettings(profile);
    EXPECT_FALSE(m_tree.m_bShowPersonal);
    EXPECT_EQ(m_tree.GetTextColor(), 255u);
    EXPECT_EQ(m_tree.GetBackgroundColor(), 0xFFFFFFu);
    m_tree.SaveSettings(profile);
    EXPECT_EQ(profile.GetProfileInt("Tree", "expand", -1), 0);
    EXPECT_EQ(profile.GetProfileString("TreeColor", "background", ""), "16777215");
    std::filesystem::remove_all(folder);
}

TEST_F(CFriendTreeViewTest, CollapsingAfterLoadingSelectsAndExpandsTheRoot) {
    ShowPersons(true);
    CGroup* g = AddGroup("G");
    AddPerson("a", {g});
    m_tree.GetTreeCtrl().SetExpanded(g->m_hTreeItem, true);
    Select(g->m_hTreeItem);
    m_doc.UpdateAllViews(nullptr, EHint::BulkComplete);
    EXPECT_FALSE(m_tree.GetTreeCtrl().Get(g->m_hTreeItem).expanded);
    EXPECT_TRUE(m_tree.GetTreeCtrl().Get(m_tree.m_hRootItem).expanded);
    EXPECT_EQ(m_tree.GetTreeCtrl().GetCaret(), m_tree.m_hRootItem);
    EXPECT_THAT(ListNames(), ElementsAre("a"));
}
} // namespace
