#include "CBookFixture.h"

// What the views do with input that the window forwards: collapsing around the caret and the
// cell a click on the person list hits.
class CViewInputRulesTest : public CBookFixture {};

TEST_F(CViewInputRulesTest, CollapsingAGroupMovesItsPersonsCaretUpWithoutRefilling) {
    ShowPersons(true);
    CGroup* friends = AddGroup("friends");
    AddPerson("bob", {friends});
    CPersonalData* carol = AddPerson("carol", {friends});
    CTreeControl& tree = m_tree.GetTreeCtrl();
    tree.SetExpanded(friends->m_hTreeItem, true);
    Select(carol->m_treeItems.GetHead());
    ASSERT_EQ(tree.Get(friends->m_hTreeItem).image, ETreeImage::GroupOpen);
    m_list.SetSelectedRows({1});

    tree.SetExpanded(friends->m_hTreeItem, false);

    EXPECT_EQ(tree.GetCaret(), friends->m_hTreeItem);
    EXPECT_EQ(tree.Get(friends->m_hTreeItem).image, ETreeImage::Group);
    // The shown group is the same, so the list keeps its rows and its selection.
    EXPECT_THAT(ListNames(), ::testing::ElementsAre("bob", "carol"));
    EXPECT_TRUE(m_list.IsSelected(carol));
}

TEST_F(CViewInputRulesTest, CollapsingAnotherGroupLeavesTheCaret) {
    ShowPersons(true);
    CGroup* friends = AddGroup("friends");
    CGroup* work = AddGroup("work");
    CPersonalData* bob = AddPerson("bob", {friends, work});
    CTreeControl& tree = m_tree.GetTreeCtrl();
    tree.SetExpanded(friends->m_hTreeItem, true);
    tree.SetExpanded(work->m_hTreeItem, true);
    const HTREEITEM bobUnderFriends = bob->m_treeItems.GetHead();
    Select(bobUnderFriends);

    tree.SetExpanded(work->m_hTreeItem, false);
    tree.SetExpanded(m_tree.m_hDeletedItem, false);

    EXPECT_EQ(tree.GetCaret(), bobUnderFriends);
}

TEST_F(CViewInputRulesTest, ClickOnARowRecordsFieldRowAndPosition) {
    AddPerson("alice");
    AddPerson("bob");
    AddPerson("carol");

    m_list.SetClickedCell(2, 1, 4);

    EXPECT_EQ(m_list.GetClickedColumn(), 2);
    EXPECT_EQ(m_list.GetCellEditor().GetCursorRow(), 1);
    EXPECT_EQ(m_list.GetCellEditor().GetCursorPosition(), 4);
}

TEST_F(CViewInputRulesTest, ClickBelowTheRowsCountsAsTheLastRow) {
    AddPerson("alice");
    AddPerson("bob");

    m_list.SetClickedCell(0, -1, 3);

    EXPECT_EQ(m_list.GetCellEditor().GetCursorRow(), 1);
    EXPECT_EQ(m_list.GetCellEditor().GetCursorPosition(), 3);
}
