#include "core/dialogs/CCategoryDialogModel.h"

#include "CBookFixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
class CCategoryDialogModelTest : public CBookFixture {
protected:
    std::vector<CPersonalData*> Persons() const {
        return {m_doc.GetPersonList().begin(), m_doc.GetPersonList().end()};
    }
    std::vector<CGroup*> Groups() const {
        return {m_doc.GetGroupList().begin(), m_doc.GetGroupList().end()};
    }
    static std::vector<std::string> Names(const CPickList<CPersonalData>& list) {
        return CBookFixture::Names(list.GetRecords());
    }
};

TEST_F(CCategoryDialogModelTest, NewGroupListsEveryPersonByInitialKana) {
    AddPerson("Sato", {}, "\x82\xB3"); // さ
    AddPerson("Abe", {}, "\x82\xA0");  // あ
    AddPerson("Nameless");
    CCategoryDialogModel dialog(m_ui, Persons(), Groups());
    EXPECT_TRUE(dialog.IsNew());
    EXPECT_EQ(dialog.GetTitle(), "グループの新規作成");
    EXPECT_EQ(dialog.GetName(), "");
    EXPECT_THAT(Names(dialog.GetPersonLists().GetList(EPickSide::Others)),
                ElementsAre("Nameless", "Abe", "Sato"));
    EXPECT_EQ(dialog.GetPersonLists().GetList(EPickSide::Members).GetCount(), 0);
    EXPECT_EQ(dialog.GetCountText(), "0人");
}

TEST_F(CCategoryDialogModelTest, EditingListsTheMembersAndTakesEachOutOfTheOthersOnce) {
    CPersonalData* first = AddPerson("Twin");
    CPersonalData* second = AddPerson("Twin");
    AddPerson("Other");
    CGroup* group = AddGroup("G");
    m_doc.LinkPersonToGroup(first, group);
    m_doc.LinkPersonToGroup(second, group);
    CCategoryDialogModel dialog(m_ui, Persons(), Groups(), *group);
    EXPECT_FALSE(dialog.IsNew());
    EXPECT_EQ(dialog.GetTitle(), "グループ情報");
    EXPECT_EQ(dialog.GetName(), "G");
    EXPECT_EQ(dialog.GetCountText(), "2人");
    const auto& members = dialog.GetPersonLists().GetList(EPickSide::Members);
    EXPECT_TRUE(members.Contains(first));
    EXPECT_TRUE(members.Contains(second));
    EXPECT_THAT(Names(dialog.GetPersonLists().GetList(EPickSide::Others)), ElementsAre("Other"));
}

TEST_F(CCategoryDialogModelTest, ANameAnotherGroupHasIsRefusedButOtherCaseIsNot) {
    AddGroup("Friends");
    CCategoryDialogModel dialog(m_ui, Persons(), Groups());
    dialog.SetName("Friends");
    EXPECT_EQ(dialog.OnOk(), EOkOutcome::RefocusName);
    EXPECT_THAT(m_ui.m_asked, ElementsAre("Friendsは既に存在します。別の名前にしてください。"));
    dialog.SetName("friends");
    EXPECT_EQ(dialog.OnOk(), EOkOutcome::Close);
    EXPECT_EQ(m_ui.m_asked.size(), 1u);
}

TEST_F(CCategoryDialogModelTest, KeepingTheNameOfTheEditedGroupIsNoDuplicate) {
    CGroup* group = AddGroup("Friends");
    CCategoryDialogModel dialog(m_ui, Persons(), Groups(), *group);
    EXPECT_EQ(dialog.OnOk(), EOkOutcome::Close);
    dialog.SetName("Other");
    EXPECT_EQ(dialog.OnOk(), EOkOutcome::Close);
    EXPECT_THAT(m_ui.m_asked, IsEmpty());
}

TEST_F(CCategoryDialogModelTest, RenamingAnEditedGroupToAnotherGroupsNameIsRefused) {
    AddGroup("Family");
    CGroup* group = AddGroup("Friends");
    CCategoryDialogModel dialog(m_ui, Persons(), Groups(), *group);
    dialog.SetName("Family");
    EXPECT_EQ(dialog.OnOk(), EOkOutcome::RefocusName);
}

TEST_F(CCategoryDialogModelTest, MakeGroupHoldsTheMembersInKanaOrderOutsideTheDocument) {
    AddPerson("Sato", {}, "\x82\xB3");
    AddPerson("Abe", {}, "\x82\xA0");
    AddPerson("Ito", {}, "\x82\xA2");
    CCategoryDialogModel dialog(m_ui, Persons(), Groups());
    dialog.SetName("G");
    auto& lists = dialog.GetPersonLists();
    lists.OnSelectionChanged(EPickSide::Others, {0, 2}); // Abe, Sato
    lists.OnAdd();
    EXPECT_EQ(dialog.GetCountText(), "2人");
    ASSERT_EQ(dialog.OnOk(), EOkOutcome::Close);
    const CGroup* group = dialog.MakeGroup(m_doc);
    EXPECT_EQ(group->m_strGroupName, "G");
    EXPECT_THAT(NamesOf(group->m_memberList), ElementsAre("Abe", "Sato"));
    EXPECT_FALSE(m_doc.ContainsGroup(group));
    EXPECT_TRUE(m_doc.GetPersonList().front()->m_groupList.empty());
}

TEST_F(CCategoryDialogModelTest, MovingEveryMemberOutDisablesRemove) {
    CPersonalData* person = AddPerson("Taro");
    CGroup* group = AddGroup("G");
    m_doc.LinkPersonToGroup(person, group);
    CCategoryDialogModel dialog(m_ui, Persons(), Groups(), *group);
    auto& lists = dialog.GetPersonLists();
    lists.OnSelectionChanged(EPickSide::Members, {0});
    EXPECT_TRUE(lists.IsRemoveEnabled());
    lists.OnRemove();
    EXPECT_FALSE(lists.IsRemoveEnabled());
    EXPECT_EQ(dialog.GetCountText(), "0人");
    ASSERT_EQ(dialog.OnOk(), EOkOutcome::Close);
    EXPECT_THAT(dialog.GetPersons(), IsEmpty());
}
} // namespace
