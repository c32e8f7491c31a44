#include "core/app/CDocumentEditor.h"

#include "CBookFixture.h"
#include "CScriptedEditDialogs.h"
#include "core/dialogs/CCategoryDialogModel.h"
#include "core/dialogs/CPersonalDialogModel.h"
#include "core/dialogs/CUniteGroupModel.h"
#include "core/ui/CCommandRouter.h"
#include "core/ui/CommandIds.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
class CDocumentEditorTest : public CBookFixture {
protected:
    CDocumentEditorTest()
        : m_editor(m_doc, m_ui, m_dialogs, [this] { return m_list.GetShownGroup(); }) {
        m_doc.SetRecordEditor(&m_editor);
    }

    std::vector<std::string> GroupNames() const {
        std::vector<std::string> names;
        for (const CGroup* group : m_doc.GetGroupList())
            names.push_back(group->m_strGroupName);
        return names;
    }

    static std::vector<const CPersonalData*> Members(const CGroup* group) {
        return {group->m_memberList.begin(), group->m_memberList.end()};
    }

    // The person dialog's user types a name and confirms.
    void ConfirmPersonNamed(const std::string& name) {
        m_dialogs.m_personal = [name](CPersonalDialogModel& dialog) {
            dialog.SetText(EPersonText::Name, name);
            return dialog.OnOk() == EOkOutcome::Close;
        };
    }

    // Every group dialog creates a group of this name with no members.
    void ConfirmGroupNamed(const std::string& name) {
        m_dialogs.m_category = [name](CCategoryDialogModel& dialog) {
            dialog.SetName(name);
            return dialog.OnOk() == EOkOutcome::Close;
        };
    }

    CScriptedEditDialogs m_dialogs;
    CDocumentEditor m_editor;
};

TEST_F(CDocumentEditorTest, HandlesTheThreeDocumentCommandsWhichAreAlwaysEnabled) {
    CCommandRouter router([this] {
        return std::vector<CCommandTarget*>{&m_list, &m_doc, &m_editor};
    });
    for (const int id : {ID_NEW_PERSON, ID_NEW_GROUP, ID_UNITE_GROUPS}) {
        EXPECT_TRUE(m_editor.HasCommand(id)) << id;
        EXPECT_TRUE(router.Update(id).IsEnabled()) << id;
        EXPECT_TRUE(router.Dispatch(id)) << id;
    }
    EXPECT_FALSE(m_editor.HasCommand(ID_MODIFY));
    EXPECT_EQ(m_dialogs.m_nPersonalRuns, 1);
    EXPECT_EQ(m_dialogs.m_nCategoryRuns, 1);
    EXPECT_EQ(m_dialogs.m_nUniteRuns, 1);
    EXPECT_FALSE(m_doc.CanUndo()); // every dialog was cancelled
}

TEST_F(CDocumentEditorTest, NewPersonInAShownGroupJoinsItAndOneUndoRemovesIt) {
    CGroup* a = AddGroup("A");
    AddGroup("B");
    SelectGroup(a);
    std::vector<CGroup*> offered;
    m_dialogs.m_personal = [&offered](CPersonalDialogModel& dialog) {
        offered = dialog.GetGroupLists().GetList(EPickSide::Members).GetRecords();
        dialog.SetText(EPersonText::Name, "Taro");
        return dialog.OnOk() == EOkOutcome::Close;
    };
    const CCommand* before = m_doc.GetLastCommand();
    m_editor.OnNewPerson();
    EXPECT_THAT(offered, ElementsAre(a));
    ASSERT_EQ(m_doc.GetPersonList().size(), 1u);
    EXPECT_THAT(NamesOf(a->m_memberList), ElementsAre("Taro"));
    EXPECT_THAT(ListNames(), ElementsAre("Taro"));
    EXPECT_EQ(m_doc.GetUndoMenuText(), "元に戻す(&U) － 個人データの新規作成\tCtrl+Z");

    m_doc.OnEditUndo();
    EXPECT_TRUE(m_doc.GetPersonList().empty());
    EXPECT_TRUE(a->m_memberList.IsEmpty());
    EXPECT_THAT(ListNames(), IsEmpty());
    EXPECT_EQ(m_doc.GetLastCommand(), before);
}

TEST_F(CDocumentEditorTest, NewPersonWhileAllOrDeletedAreShownStartsWithoutGroup) {
    AddGroup("A");
    std::vector<int> memberCounts;
    m_dialogs.m_personal = [&memberCounts](CPersonalDialogModel& dialog) {
        memberCounts.push_back(dialog.GetGroupLists().GetList(EPickSide::Members).GetCount());
        return false;
    };
    Select(m_tree.m_hRootItem);
    m_editor.OnNewPerson();
    Select(m_tree.m_hDeletedItem);
    m_editor.OnNewPerson();
    EXPECT_THAT(memberCounts, ElementsAre(0, 0));
}

TEST_F(CDocumentEditorTest, NewPersonWithTwoNewGroupsIsUndoneInOneStep) {
    ShowPersons(true);
    AddGroup("Old");
    int made = 0;
    m_dialogs.m_category = [&made](CCategoryDialogModel& dialog) {
        dialog.SetName(++made == 1 ? "New1" : "New2");
        return dialog.OnOk() == EOkOutcome::Close;
    };
    m_dialogs.m_personal = [](CPersonalDialogModel& dialog) {
        dialog.SetText(EPersonText::Name, "Taro");
        dialog.OnNewGroup();
        dialog.OnNewGroup();
        // Join the second new group: it is listed after "New1" among the others.
        auto& lists = dialog.GetGroupLists();
        lists.OnSelectionChanged(EPickSide::Others, {1});
        lists.OnAdd();
        return dialog.OnOk() == EOkOutcome::Close;
    };
    const CCommand* before = m_doc.GetLastCommand();
    m_editor.OnNewPerson();
    EXPECT_THAT(GroupNames(), ElementsAre("Old", "New1", "New2"));
    ASSERT_EQ(m_doc.GetPersonList().size(), 1u);
    EXPECT_THAT(m_doc.GetPersonList().front()->m_groupList,
                ElementsAre(m_doc.GetGroupList().back()));
    EXPECT_THAT(ChildTexts(m_doc.GetGroupList().back()->m_hTreeItem), ElementsAre("Taro"));

    m_doc.OnEditUndo();
    EXPECT_THAT(GroupNames(), ElementsAre("Old"));
    EXPECT_TRUE(m_doc.GetPersonList().empty());
    EXPECT_THAT(ChildTexts(m_tree.m_hRootItem), ElementsAre("Old"));
    EXPECT_EQ(m_doc.GetLastCommand(), before);
}

TEST_F(CDocumentEditorTest, CancellingThePersonDialogLeavesNoNewGroupBehind) {
    ConfirmGroupNamed("New");
    m_dialogs.m_personal = [](CPersonalDialogModel& dialog) {
        dialog.OnNewGroup();
        return false;
    };
    m_editor.OnNewPerson();
    EXPECT_TRUE(m_doc.GetGroupList().empty());
    EXPECT_FALSE(m_doc.CanUndo());
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(CDocumentEditorTest, EditingAPersonMovesItToTheEndAndUndoPutsTheOldOneBackAtTheEnd) {
    CPersonalData* taro = AddPerson("Taro");
    AddPerson("Jiro");
    ConfirmPersonNamed("Saburo");
    m_editor.EditPerson(taro, -1);
    EXPECT_THAT(NamesOf(m_doc.GetPersonList()), ElementsAre("Jiro", "Saburo"));
    EXPECT_EQ(taro->GetText(EPersonText::Name), "Taro"); // the old record is not touched
    EXPECT_EQ(m_doc.GetUndoMenuText(), "元に戻す(&U) － 個人データの修正\tCtrl+Z");

    m_doc.OnEditUndo();
    EXPECT_THAT(m_doc.GetPersonList(), ElementsAre(m_doc.GetPersonList().front(), taro));
    EXPECT_THAT(NamesOf(m_doc.GetPersonList()), ElementsAre("Jiro", "Taro"));
}

TEST_F(CDocumentEditorTest, EditingAPersonKeepsItsGroupsAndAddsANewGroupItJoins) {
    CGroup* a = AddGroup("A");
    CPersonalData* taro = AddPerson("Taro", {a});
    m_dialogs.m_category = [](CCategoryDialogModel& dialog) {
        dialog.SetName("B");
        dialog.GetPersonLists().OnSelectionChanged(EPickSide::Others, {0});
        dialog.GetPersonLists().OnAdd();
        return dialog.OnOk() == EOkOutcome::Close;
    };
    m_dialogs.m_personal = [](CPersonalDialogModel& dialog) {
        dialog.OnNewGroup();
        return dialog.OnOk() == EOkOutcome::Close;
    };
    m_editor.EditPerson(taro, -1);
    const CPersonalData* edited = m_doc.GetPersonList().back();
    ASSERT_NE(edited, taro);
    CGroup* b = m_doc.GetGroupList().back();
    EXPECT_THAT(edited->m_groupList, ElementsAre(a, b));
    EXPECT_THAT(Members(a), ElementsAre(edited));
    EXPECT_THAT(Members(b), ElementsAre(edited));
}

TEST_F(CDocumentEditorTest, TheListsModifyCommandFocusesTheClickedColumn) {
    AddPerson("Taro");
    Select(m_tree.m_hRootItem);
    int focused = -2;
    m_dialogs.m_personal = [&focused](CPersonalDialogModel& dialog) {
        focused = dialog.GetFocusField();
        EXPECT_EQ(dialog.GetOpeningFocus().text, EPersonText::Tel2);
        return false;
    };
    m_list.SetSelectedRows({0});
    m_list.SetClickedCell(4, 0, 4);
    m_list.OnCommand(ID_MODIFY);
    EXPECT_EQ(focused, 4);
}

TEST_F(CDocumentEditorTest, ANewGroupIsAddedWithItsMembersAndUndoneInOneStep) {
    AddPerson("Taro");
    m_dialogs.m_category = [](CCategoryDialogModel& dialog) {
        dialog.SetName("G");
        dialog.GetPersonLists().OnSelectionChanged(EPickSide::Others, {0});
        dialog.GetPersonLists().OnAdd();
        return dialog.OnOk() == EOkOutcome::Close;
    };
    m_editor.OnNewGroup();
    ASSERT_THAT(GroupNames(), ElementsAre("G"));
    EXPECT_THAT(NamesOf(m_doc.GetGroupList().front()->m_memberList), ElementsAre("Taro"));
    EXPECT_THAT(m_doc.GetPersonList().front()->m_groupList,
                ElementsAre(m_doc.GetGroupList().front()));
    m_doc.OnEditUndo();
    EXPECT_THAT(GroupNames(), IsEmpty());
    EXPECT_TRUE(m_doc.GetPersonList().front()->m_groupList.empty());
}

TEST_F(CDocumentEditorTest, EditingAGroupReplacesItAtTheEndAndReportsTheChange) {
    CGroup* a = AddGroup("A");
    AddGroup("B");
    AddPerson("Taro", {a});
    EXPECT_FALSE(m_editor.EditGroup(a)); // cancelled
    EXPECT_THAT(m_doc.GetGroupList(), ElementsAre(a, m_doc.GetGroupList().back()));

    ConfirmGroupNamed("A2");
    EXPECT_TRUE(m_editor.EditGroup(a));
    EXPECT_THAT(GroupNames(), ElementsAre("B", "A2"));
    EXPECT_FALSE(m_doc.ContainsGroup(a));
    EXPECT_THAT(NamesOf(m_doc.GetGroupList().back()->m_memberList), ElementsAre("Taro"));

    m_doc.OnEditUndo();
    EXPECT_THAT(GroupNames(), ElementsAre("B", "A"));
    EXPECT_EQ(m_doc.GetGroupList().back(), a);
}

TEST_F(CDocumentEditorTest, EditingAGroupNotInTheDocumentDoesNothing) {
    CGroup* stray = m_doc.NewGroup("stray");
    ConfirmGroupNamed("x");
    EXPECT_FALSE(m_editor.EditGroup(stray));
    EXPECT_FALSE(m_editor.EditGroup(nullptr));
    EXPECT_EQ(m_dialogs.m_nCategoryRuns, 0);
}

TEST_F(CDocumentEditorTest, TheTreesModifyCommandOpensTheGroupDialog) {
    CGroup* a = AddGroup("A");
    SelectGroup(a);
    ConfirmGroupNamed("Renamed");
    m_tree.OnCommand(ID_MODIFY);
    EXPECT_THAT(GroupNames(), ElementsAre("Renamed"));
}

TEST_F(CDocumentEditorTest, UnitingGroupsRunsOneUndoableCommand) {
    CGroup* a = AddGroup("A");
    CGroup* b = AddGroup("B");
    AddPerson("p", {a, b});
    m_dialogs.m_unite = [](CUniteGroupModel& dialog) {
        dialog.GetGroupLists().OnSelectionChanged(EPickSide::Others, {0, 1});
        dialog.GetGroupLists().OnAdd();
        dialog.SetName("AB");
        return dialog.OnOk() == EOkOutcome::Close;
    };
    m_editor.OnCommand(ID_UNITE_GROUPS);
    EXPECT_THAT(GroupNames(), ElementsAre("AB"));
    EXPECT_THAT(NamesOf(m_doc.GetGroupList().front()->m_memberList), ElementsAre("p"));
    m_doc.OnEditUndo();
    EXPECT_THAT(GroupNames(), ElementsAre("B", "A"));
}
} // namespace
