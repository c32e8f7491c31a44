#include "CBookFixture.h"
#include "core/commands/CCommandGroup.h"
#include "core/commands/CDeletePersonalCommand.h"
#include "core/commands/CModifyByListEditCommand.h"
#include "core/commands/CModifyPersonalCommand.h"
#include "core/commands/CRestoreCommand.h"
#include "core/model/CFieldTable.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
class CPersonCommandTest : public CBookFixture {
protected:
    CPersonalData* EditedCopy(CPersonalData* person, const std::string& name) {
        CPersonalData* copy = m_doc.NewPerson(*person);
        copy->SetText(EPersonText::Name, name);
        copy->m_treeItems.RemoveAll();
        return copy;
    }

    void Delete(CPersonalData* person) {
        m_doc.ExecuteCommand(std::make_unique<CDeletePersonalCommand>(person));
    }
};

TEST_F(CPersonCommandTest, UndoMenuNamesTheNewestCommandAndUndoesNewestFirst) {
    AddPerson("a");
    CGroup* group = AddGroup("G");
    EXPECT_EQ(m_doc.GetUndoMenuText(), "元に戻す(&U) － グループの新規作成\tCtrl+Z");
    m_doc.OnEditUndo();
    EXPECT_FALSE(m_doc.ContainsGroup(group));
    EXPECT_EQ(m_doc.GetUndoMenuText(), "元に戻す(&U) － 個人データの新規作成\tCtrl+Z");
    m_doc.OnEditUndo();
    EXPECT_TRUE(m_doc.GetPersonList().empty());
    EXPECT_FALSE(m_doc.CanUndo());
    EXPECT_EQ(m_doc.GetUndoMenuText(), "元に戻す(&U)\tCtrl+Z");
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(CPersonCommandTest, RedoDoesAgainWhatUndoTookBackUntilANewStep) {
    CPersonalData* a = AddPerson("a");
    CPersonalData* copy = EditedCopy(a, "a2");
    m_doc.ExecuteCommand(std::make_unique<CModifyPersonalCommand>(a, copy));
    CGroup* group = AddGroup("G");
    m_doc.OnEditUndo();
    m_doc.OnEditUndo();
    EXPECT_EQ(m_doc.GetRedoMenuText(), "やり直し(&R) － 個人データの修正\tCtrl+Y");
    m_doc.OnEditRedo();
    EXPECT_THAT(NamesOf(m_doc.GetPersonList()), ElementsAre("a2"));
    EXPECT_THAT(ListNames(), ElementsAre("a2"));
    EXPECT_EQ(m_doc.GetRedoMenuText(), "やり直し(&R) － グループの新規作成\tCtrl+Y");
    m_doc.OnEditRedo();
    EXPECT_TRUE(m_doc.ContainsGroup(group));
    EXPECT_FALSE(m_doc.CanRedo());
    EXPECT_EQ(m_doc.GetUndoMenuText(), "元に戻す(&U) － グループの新規作成\tCtrl+Z");

    m_doc.OnEditUndo();
    m_doc.SetModifiedFlag(false); // as a save leaves it
    EXPECT_TRUE(m_doc.CanRedo());
    AddPerson("b");
    EXPECT_FALSE(m_doc.CanRedo());
    EXPECT_EQ(m_doc.GetRedoMenuText(), "やり直し(&R)\tCtrl+Y");
}

TEST_F(CPersonCommandTest, UndoAfterSaveMarksTheDocumentModifiedAgain) {
    AddPerson("a");
    m_doc.SetModifiedFlag(false);
    m_doc.OnEditUndo();
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(CPersonCommandTest, ModifyingMovesThePersonToTheEndAndUndoMovesTheOldRecordToTheEnd) {
    CPersonalData* a = AddPerson("a");
    AddPerson("b");
    CPersonalData* copy = EditedCopy(a, "a2");
    m_doc.ExecuteCommand(std::make_unique<CModifyPersonalCommand>(a, copy));
    EXPECT_THAT(NamesOf(m_doc.GetPersonList()), ElementsAre("b", "a2"));
    EXPECT_THAT(ListNames(), ElementsAre("a2", "b"));
    m_doc.OnEditUndo();
    EXPECT_THAT(NamesOf(m_doc.GetPersonList()), ElementsAre("b", "a"));
    EXPECT_EQ(copy->m_place, EPersonPlace::None);
    EXPECT_THAT(ListNames(), ElementsAre("a", "b"));
}

TEST_F(CPersonCommandTest, ModifyingChangesMembershipsThroughTheCopysGroups) {
    ShowPersons(true);
    CGroup* g = AddGroup("G");
    CGroup* h = AddGroup("H");
    CPersonalData* p = AddPerson("p", {g});
    CPersonalData* copy = EditedCopy(p, "p");
    copy->m_groupList = {h};
    m_doc.ExecuteCommand(std::make_unique<CModifyPersonalCommand>(p, copy));
    EXPECT_TRUE(g->m_memberList.IsEmpty());
    EXPECT_TRUE(h->m_memberList.Contains(copy));
    EXPECT_THAT(ChildTexts(g->m_hTreeItem), IsEmpty());
    EXPECT_THAT(ChildTexts(h->m_hTreeItem), ElementsAre("p"));
    m_doc.OnEditUndo();
    EXPECT_TRUE(g->m_memberList.Contains(p));
    EXPECT_THAT(ChildTexts(h->m_hTreeItem), IsEmpty());
    EXPECT_THAT(ChildTexts(g->m_hTreeItem), ElementsAre("p"));
}

TEST_F(CPersonCommandTest, DeletingShowsThePersonOnlyUnderTheDeletedFolderAndUndoBringsGroupsBack) {
    ShowPersons(true);
    CGroup* g = AddGroup("G");
    CGroup* h = AddGroup("H");
    CPersonalData* p = AddPerson("p", {g, h});
    Delete(p);
    EXPECT_TRUE(g->m_memberList.IsEmpty());
    EXPECT_TRUE(h->m_memberList.IsEmpty());
    EXPECT_THAT(p->m_groupList, ElementsAre(g, h));
    EXPECT_THAT(ChildTexts(m_tree.m_hDeletedItem), ElementsAre("p"));
    EXPECT_THAT(ChildTexts(g->m_hTreeItem), IsEmpty());
    EXPECT_EQ(p->m_treeItems.GetCount(), 1);
    Select(m_tree.m_hDeletedItem);
    EXPECT_THAT(ListNames(), ElementsAre("p"));

    m_doc.OnEditUndo();
    EXPECT_THAT(ListNames(), IsEmpty());
    EXPECT_TRUE(g->m_memberList.Contains(p));
    EXPECT_TRUE(h->m_memberList.Contains(p));
    EXPECT_THAT(ChildTexts(m_tree.m_hDeletedItem), IsEmpty());
    EXPECT_EQ(p->m_treeItems.GetCount(), 2);
}

TEST_F(CPersonCommandTest, RestoringAfterAGroupWasDeletedKeepsOnlyRemainingGroups) {
    ShowPersons(true);
    CGroup* g = AddGroup("G");
    CGroup* h = AddGroup("H");
    CPersonalData* p = AddPerson("p", {g, h});
    Delete(p);
    m_ui.m_answers = {EMessageResult::Yes};
    SelectGroup(g);
    m_tree.OnDelete();
    ASSERT_FALSE(m_doc.ContainsGroup(g));

    auto restore = std::make_unique<CRestoreCommand>(m_doc, p);
    m_doc.ExecuteCommand(std::move(restore));
    ASSERT_EQ(m_doc.GetPersonList().size(), 1u);
    CPersonalData* copy = m_doc.GetPersonList().front();
    EXPECT_NE(copy, p);
    EXPECT_THAT(copy->m_groupList, ElementsAre(h));
    EXPECT_TRUE(m_doc.GetDeletedList().empty());
    EXPECT_THAT(ChildTexts(h->m_hTreeItem), ElementsAre("p"));
    EXPECT_THAT(ChildTexts(m_tree.m_hDeletedItem), IsEmpty());

    m_doc.OnEditUndo();
    EXPECT_TRUE(m_doc.GetPersonList().empty());
    EXPECT_THAT(NamesOf(m_doc.GetDeletedList()), ElementsAre("p"));
    EXPECT_FALSE(h->m_memberList.Contains(copy));
    EXPECT_THAT(ChildTexts(h->m_hTreeItem), IsEmpty());
    EXPECT_THAT(ChildTexts(m_tree.m_hDeletedItem), ElementsAre("p"));
}

TEST_F(CPersonCommandTest, RestoringWhenNoGroupRemainsShowsThePersonUnderTheRoot) {
    ShowPersons(true);
    CGroup* g = AddGroup("G");
    CPersonalData* p = AddPerson("p", {g});
    Delete(p);
    m_ui.m_answers = {EMessageResult::Yes};
    SelectGroup(g);
    m_tree.OnDelete();
    m_doc.ExecuteCommand(std::make_unique<CRestoreCommand>(m_doc, p));
    EXPECT_THAT(ChildTexts(m_tree.m_hRootItem), ElementsAre("p"));
}

TEST_F(CPersonCommandTest, CellEditOfTheNameRenamesEveryTreeItemAndUndoRestoresIt) {
    ShowPersons(true);
    CGroup* g = AddGroup("G");
    CGroup* h = AddGroup("H");
    CPersonalData* p = AddPerson("old", {g, h});
    m_doc.SetModifiedFlag(false);
    m_doc.ExecuteCommand(
        std::make_unique<CModifyByListEditCommand>(p, CFieldTable::FIELD_NAME, "new"));
    EXPECT_THAT(ChildTexts(g->m_hTreeItem), ElementsAre("new"));
    EXPECT_THAT(ChildTexts(h->m_hTreeItem), ElementsAre("new"));
    EXPECT_EQ(m_doc.GetPersonList().front(), p);
    EXPECT_TRUE(m_doc.IsModified());
    m_doc.SetModifiedFlag(false);
    m_doc.OnEditUndo();
    EXPECT_EQ(p->GetText(EPersonText::Name), "old");
    EXPECT_THAT(ChildTexts(g->m_hTreeItem), ElementsAre("old"));
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(CPersonCommandTest, CellEditOfAnotherFieldLeavesTreeItemsAlone) {
    ShowPersons(true);
    CGroup* g = AddGroup("G");
    CPersonalData* p = AddPerson("name", {g});
    m_doc.ExecuteCommand(
        std::make_unique<CModifyByListEditCommand>(p, CFieldTable::FIELD_ADDRESS, "Tokyo"));
    EXPECT_EQ(p->GetText(EPersonText::Address), "Tokyo");
    EXPECT_THAT(ChildTexts(g->m_hTreeItem), ElementsAre("name"));
}

TEST_F(CPersonCommandTest, WithPersonsHiddenPersonCommandsTouchNoTreeItems) {
    ShowPersons(false);
    CGroup* g = AddGroup("G");
    CPersonalData* p = AddPerson("p", {g});
    Delete(p);
    m_doc.OnEditUndo();
    EXPECT_TRUE(p->m_treeItems.IsEmpty());
    EXPECT_THAT(ChildTexts(g->m_hTreeItem), IsEmpty());
    EXPECT_THAT(ChildTexts(m_tree.m_hDeletedItem), IsEmpty());
}

TEST_F(CPersonCommandTest, APersonAddedOutsideTheShownGroupGetsNoRowUntilItsGroupIsShown) {
    CGroup* g = AddGroup("G");
    CGroup* h = AddGroup("H");
    SelectGroup(g);
    AddPerson("p", {h});
    EXPECT_THAT(ListNames(), IsEmpty());
    SelectGroup(h);
    EXPECT_THAT(ListNames(), ElementsAre("p"));
    Select(m_tree.m_hRootItem);
    EXPECT_THAT(ListNames(), ElementsAre("p"));
}

TEST_F(CPersonCommandTest, DeletingThreeSelectedRowsIsOneUndoStep) {
    AddPerson("a");
    AddPerson("b");
    AddPerson("c");
    m_list.SetSelectedRows({0, 1, 2});
    m_ui.m_answers = {EMessageResult::Yes};
    m_list.OnDelete();
    EXPECT_THAT(m_ui.m_asked, ElementsAre("削除してよろしいですか？"));
    EXPECT_TRUE(m_doc.GetPersonList().empty());
    EXPECT_EQ(m_doc.GetUndoMenuText(), "元に戻す(&U) － 個人データの削除\tCtrl+Z");
    m_doc.OnEditUndo();
    EXPECT_THAT(ListNames(), ElementsAre("a", "b", "c"));
}

TEST_F(CPersonCommandTest, AnsweringNoToTheDeleteQuestionChangesNothing) {
    AddPerson("a");
    m_list.SetSelectedRows({0});
    m_ui.m_answers = {EMessageResult::No};
    m_list.OnDelete();
    EXPECT_EQ(m_doc.GetPersonList().size(), 1u);
    EXPECT_EQ(m_doc.GetUndoMenuText(), "元に戻す(&U) － 個人データの新規作成\tCtrl+Z");
}

TEST_F(CPersonCommandTest, CompositeNamesItselfOrAfterItsLastPart) {
    CCommandGroup empty;
    EXPECT_EQ(empty.GetName(), "コマンドグループ");
    CPersonalData* p = m_doc.NewPerson();
    CCommandGroup group;
    group.AddCommand(std::make_unique<CDeletePersonalCommand>(p));
    EXPECT_EQ(group.GetName(), "個人データの削除");
    group.SetName("取り込み");
    EXPECT_EQ(group.GetName(), "取り込み");
}
} // namespace
