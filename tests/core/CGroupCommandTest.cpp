#include "CBookFixture.h"
#include "core/commands/CAddGroupToGroupCommand.h"
#include "core/commands/CAddPersonalToGroupCommand.h"
#include "core/commands/CDeleteGroupAndMembersCommand.h"
#include "core/commands/CDeleteGroupCommand.h"
#include "core/commands/CModifyGroupCommand.h"
#include "core/commands/CRemoveCommand.h"
#include "core/commands/CRestoreCommand.h"
#include "core/commands/CUniteGroupCommand.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
class CGroupCommandTest : public CBookFixture {
protected:
    void SetUp() override {
        CBookFixture::SetUp();
        ShowPersons(true);
    }
};

TEST_F(CGroupCommandTest, ChangingAGroupReplacesItAtTheEndAndUndoPutsTheOldOneBackAtTheEnd) {
    CGroup* a = AddGroup("A");
    AddGroup("B");
    CPersonalData* p = AddPerson("p", {a});
    SelectGroup(a);
    CGroup* edited = m_doc.NewGroup("A2");
    edited->m_memberList.AddTail(p);
    m_doc.ExecuteCommand(std::make_unique<CModifyGroupCommand>(a, edited));
    EXPECT_THAT(m_doc.GetGroupList(), ElementsAre(m_doc.GetGroupList().front(), edited));
    EXPECT_FALSE(m_doc.ContainsGroup(a));
    EXPECT_THAT(p->m_groupList, ElementsAre(edited));
    // The old group's item was current and is gone, so the root is selected.
    EXPECT_EQ(m_tree.GetTreeCtrl().GetCaret(), m_tree.m_hRootItem);
    EXPECT_THAT(ChildTexts(m_tree.m_hRootItem), ElementsAre("A2", "B"));

    m_doc.OnEditUndo();
    EXPECT_EQ(m_doc.GetGroupList().back(), a);
    EXPECT_THAT(p->m_groupList, ElementsAre(a));
    EXPECT_THAT(ChildTexts(m_tree.m_hRootItem), ElementsAre("A", "B"));
    EXPECT_THAT(ChildTexts(a->m_hTreeItem), ElementsAre("p"));
}

TEST_F(CGroupCommandTest, UnitingGroupsWithASharedMemberHoldsItOnceAndUndoRestoresBoth) {
    CGroup* a = AddGroup("A");
    CGroup* b = AddGroup("B");
    CPersonalData* x = AddPerson("x", {a});
    CPersonalData* shared = AddPerson("s", {a, b});
    CPersonalData* y = AddPerson("y", {b});
    m_doc.ExecuteCommand(std::make_unique<CUniteGroupCommand>(m_doc, std::vector{a, b}, "U"));
    ASSERT_EQ(m_doc.GetGroupList().size(), 1u);
    CGroup* united = m_doc.GetGroupList().front();
    EXPECT_EQ(united->m_strGroupName, "U");
    EXPECT_THAT(NamesOf(united->m_memberList), ElementsAre("x", "s", "y"));
    EXPECT_THAT(shared->m_groupList, ElementsAre(united));
    EXPECT_EQ(m_doc.GetUndoMenuText(), "元に戻す(&U) － グループの統合\tCtrl+Z");

    m_doc.OnEditUndo();
    // Undo links the members again last first.
    EXPECT_THAT(NamesOf(a->m_memberList), ElementsAre("s", "x"));
    EXPECT_THAT(NamesOf(b->m_memberList), ElementsAre("y", "s"));
    // The united groups come back each at the end, in reverse order of uniting.
    EXPECT_THAT(m_doc.GetGroupList(), ElementsAre(b, a));
    EXPECT_FALSE(m_doc.ContainsGroup(united));
    EXPECT_THAT(x->m_groupList, ElementsAre(a));
    EXPECT_THAT(y->m_groupList, ElementsAre(b));
}

TEST_F(CGroupCommandTest, DeletingAGroupMovesLoneMembersUnderTheRootAndUndoMovesThemBack) {
    CGroup* a = AddGroup("A");
    CGroup* b = AddGroup("B");
    AddPerson("lone", {a});
    AddPerson("both", {a, b});
    SelectGroup(a);
    m_ui.m_answers = {EMessageResult::Yes};
    m_tree.OnDelete();
    EXPECT_THAT(ChildTexts(m_tree.m_hRootItem), ElementsAre("B", "lone"));
    EXPECT_THAT(ChildTexts(b->m_hTreeItem), ElementsAre("both"));
    EXPECT_EQ(m_tree.GetTreeCtrl().GetCaret(), m_tree.m_hRootItem);

    m_doc.OnEditUndo();
    EXPECT_THAT(ChildTexts(m_tree.m_hRootItem), ElementsAre("A", "B"));
    EXPECT_THAT(ChildTexts(a->m_hTreeItem), ElementsAre("both", "lone"));
    EXPECT_EQ(m_tree.GetTreeCtrl().GetCaret(), m_tree.m_hRootItem);
}

TEST_F(CGroupCommandTest, RemovingAndUndoingPutsTheGroupLastInThePersonsList) {
    CGroup* a = AddGroup("A");
    CGroup* b = AddGroup("B");
    CPersonalData* p = AddPerson("p", {a, b});
    m_doc.ExecuteCommand(std::make_unique<CRemoveCommand>(p, a));
    EXPECT_THAT(p->m_groupList, ElementsAre(b));
    EXPECT_EQ(m_doc.GetUndoMenuText(), "元に戻す(&U) － グループから外す\tCtrl+Z");
    m_doc.OnEditUndo();
    EXPECT_THAT(p->m_groupList, ElementsAre(b, a));
    EXPECT_TRUE(a->m_memberList.Contains(p));
}

TEST_F(CGroupCommandTest, AddingAPersonShownUnderTheRootMovesItUnderTheGroup) {
    CGroup* a = AddGroup("A");
    CPersonalData* p = AddPerson("p");
    EXPECT_THAT(ChildTexts(m_tree.m_hRootItem), ElementsAre("A", "p"));
    m_doc.ExecuteCommand(std::make_unique<CAddPersonalToGroupCommand>(p, a));
    EXPECT_THAT(ChildTexts(m_tree.m_hRootItem), ElementsAre("A"));
    EXPECT_THAT(ChildTexts(a->m_hTreeItem), ElementsAre("p"));
    EXPECT_EQ(p->m_treeItems.GetCount(), 1);
    m_doc.OnEditUndo();
    EXPECT_THAT(ChildTexts(m_tree.m_hRootItem), ElementsAre("A", "p"));
}

TEST_F(CGroupCommandTest, DeletingAWholeGroupSendsEveryMemberAwayAndRestoringSkipsTheGroup) {
    CGroup* a = AddGroup("A");
    CGroup* b = AddGroup("B");
    CPersonalData* p = AddPerson("p", {a, b});
    AddPerson("q", {a});
    SelectGroup(a);
    m_ui.m_answers = {EMessageResult::Yes};
    m_tree.OnDeleteGroupAndMembers();
    EXPECT_THAT(m_ui.m_asked,
                ElementsAre("グループとその所属員が削除されますが、よろしいですか？"));
    EXPECT_TRUE(m_doc.GetPersonList().empty());
    EXPECT_THAT(NamesOf(m_doc.GetDeletedList()), ElementsAre("p", "q"));
    EXPECT_TRUE(b->m_memberList.IsEmpty());
    EXPECT_EQ(m_doc.GetUndoMenuText(), "元に戻す(&U) － グループまるごと削除\tCtrl+Z");

    m_doc.ExecuteCommand(std::make_unique<CRestoreCommand>(m_doc, p));
    EXPECT_THAT(m_doc.GetPersonList().front()->m_groupList, ElementsAre(b));
    m_doc.OnEditUndo();
    m_doc.OnEditUndo();
    EXPECT_THAT(NamesOf(a->m_memberList), ::testing::UnorderedElementsAre("p", "q"));
    EXPECT_THAT(NamesOf(b->m_memberList), ElementsAre("p"));
    EXPECT_TRUE(m_doc.GetDeletedList().empty());
    // Members come back under their groups, each exactly once, before the group's own item.
    EXPECT_THAT(ChildTexts(a->m_hTreeItem), ElementsAre("p", "q"));
    EXPECT_THAT(ChildTexts(b->m_hTreeItem), ElementsAre("p"));
    EXPECT_THAT(ChildTexts(m_tree.m_hRootItem), ElementsAre("A", "B"));
    EXPECT_THAT(ChildTexts(m_tree.m_hDeletedItem), IsEmpty());
    EXPECT_EQ(p->m_treeItems.GetCount(), 2);
}

TEST_F(CGroupCommandTest, ASearchResultGroupIsSelectedWhenAdded) {
    CPersonalData* p = AddPerson("p");
    CGroup* found = m_doc.NewGroup("検索結果");
    found->m_memberList.AddTail(p);
    m_doc.ExecuteCommand(std::make_unique<CAddGroupCommand>(found, true));
    EXPECT_EQ(m_tree.GetTreeCtrl().GetCaret(), found->m_hTreeItem);
    EXPECT_THAT(ListNames(), ElementsAre("p"));
}

TEST_F(CGroupCommandTest, UndoingTheCreationOfTheSelectedGroupSelectsTheRoot) {
    CGroup* a = AddGroup("A");
    SelectGroup(a);
    m_doc.OnEditUndo();
    EXPECT_FALSE(m_tree.GetTreeCtrl().Exists(a->m_hTreeItem));
    EXPECT_EQ(m_tree.GetTreeCtrl().GetCaret(), m_tree.m_hRootItem);
}

TEST_F(CGroupCommandTest, AddingAGroupToAnotherCopiesOnlyMissingMembers) {
    CGroup* a = AddGroup("A");
    CGroup* b = AddGroup("B");
    AddPerson("x", {a});
    AddPerson("s", {a, b});
    m_doc.ExecuteCommand(std::make_unique<CAddGroupToGroupCommand>(a, b));
    EXPECT_THAT(NamesOf(b->m_memberList), ElementsAre("s", "x"));
    EXPECT_THAT(NamesOf(a->m_memberList), ElementsAre("x", "s"));
    m_doc.OnEditUndo();
    EXPECT_THAT(NamesOf(b->m_memberList), ElementsAre("s"));
}
} // namespace
