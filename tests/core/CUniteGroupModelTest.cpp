#include "core/dialogs/CUniteGroupModel.h"

#include "CBookFixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
class CUniteGroupModelTest : public CBookFixture {
protected:
    std::vector<CGroup*> Groups() const {
        return {m_doc.GetGroupList().begin(), m_doc.GetGroupList().end()};
    }
    std::vector<std::string> GroupNames() const {
        std::vector<std::string> names;
        for (const CGroup* group : m_doc.GetGroupList())
            names.push_back(group->m_strGroupName);
        return names;
    }
    // Chooses the groups at these indices of the list of groups that stay.
    static void Choose(CUniteGroupModel& dialog, const std::vector<int>& rows) {
        dialog.GetGroupLists().OnSelectionChanged(EPickSide::Others, rows);
        dialog.GetGroupLists().OnAdd();
    }
};

TEST_F(CUniteGroupModelTest, OpensWithEveryGroupAsideSortedByName) {
    AddGroup("B");
    AddGroup("A");
    CUniteGroupModel dialog(m_ui, Groups());
    EXPECT_EQ(dialog.GetTitle(), "グループの統合");
    EXPECT_EQ(dialog.GetGroupLists().GetList(EPickSide::Others).GetAt(0)->m_strGroupName, "A");
    EXPECT_TRUE(dialog.GetGroupLists().GetList(EPickSide::Members).IsEmpty());
    EXPECT_FALSE(dialog.GetGroupLists().IsAddEnabled());
    EXPECT_FALSE(dialog.GetGroupLists().IsRemoveEnabled());
}

TEST_F(CUniteGroupModelTest, UnitingUnderTheNameOfAUnitedGroupAsksNothing) {
    CGroup* a = AddGroup("A");
    CGroup* b = AddGroup("B");
    AddPerson("p", {a});
    AddPerson("q", {b});
    CUniteGroupModel dialog(m_ui, Groups());
    Choose(dialog, {0, 1});
    dialog.SetName("A");
    ASSERT_EQ(dialog.OnOk(), EOkOutcome::Close);
    EXPECT_THAT(dialog.GetChosen(), ElementsAre(a, b));
    m_doc.ExecuteCommand(dialog.MakeCommand(m_doc));
    EXPECT_THAT(m_ui.m_asked, IsEmpty());
    EXPECT_THAT(GroupNames(), ElementsAre("A"));
    EXPECT_THAT(NamesOf(m_doc.GetGroupList().front()->m_memberList), ElementsAre("p", "q"));
}

TEST_F(CUniteGroupModelTest, TheNameOfARemainingGroupIsQuestioned) {
    AddGroup("A");
    AddGroup("B");
    AddGroup("X");
    CUniteGroupModel dialog(m_ui, Groups());
    Choose(dialog, {0, 1});
    dialog.SetName("X");
    m_ui.m_answers = {EMessageResult::No, EMessageResult::Yes};
    EXPECT_EQ(dialog.OnOk(), EOkOutcome::RefocusName);
    EXPECT_EQ(dialog.OnOk(), EOkOutcome::Close);
    EXPECT_THAT(m_ui.m_asked, ElementsAre("Xは既に存在しますが、よろしいですか？",
                                          "Xは既に存在しますが、よろしいですか？"));
    m_doc.ExecuteCommand(dialog.MakeCommand(m_doc));
    EXPECT_THAT(GroupNames(), ElementsAre("X", "X"));
}

TEST_F(CUniteGroupModelTest, ANameThatOnlyBeginsLikeAGroupsNameAsksNothing) {
    AddGroup("Xab");
    CUniteGroupModel dialog(m_ui, Groups());
    dialog.SetName("Xa");
    EXPECT_EQ(dialog.OnOk(), EOkOutcome::Close);
    EXPECT_THAT(m_ui.m_asked, IsEmpty());
}

TEST_F(CUniteGroupModelTest, NoChosenGroupMakesAnEmptyGroupThatUndoRemoves) {
    AddGroup("A");
    CUniteGroupModel dialog(m_ui, Groups());
    dialog.SetName("New");
    ASSERT_EQ(dialog.OnOk(), EOkOutcome::Close);
    m_doc.ExecuteCommand(dialog.MakeCommand(m_doc));
    EXPECT_THAT(GroupNames(), ElementsAre("A", "New"));
    EXPECT_TRUE(m_doc.GetGroupList().back()->m_memberList.IsEmpty());
    m_doc.OnEditUndo();
    EXPECT_THAT(GroupNames(), ElementsAre("A"));
}
} // namespace
