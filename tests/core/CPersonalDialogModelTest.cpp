#include "core/dialogs/CPersonalDialogModel.h"

#include "CBookFixture.h"
#include "CScriptedEditDialogs.h"
#include "core/commands/CCommandGroup.h"
#include "core/dialogs/CCategoryDialogModel.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
class CPersonalDialogModelTest : public CBookFixture {
protected:
    static std::vector<std::string> GroupNames(const CPickList<CGroup>& list) {
        std::vector<std::string> names;
        for (const CGroup* group : list.GetRecords())
            names.push_back(group->m_strGroupName);
        return names;
    }
    static std::vector<std::string> Members(const CPersonalDialogModel& dialog) {
        return GroupNames(dialog.GetGroupLists().GetList(EPickSide::Members));
    }
    static std::vector<std::string> Others(const CPersonalDialogModel& dialog) {
        return GroupNames(dialog.GetGroupLists().GetList(EPickSide::Others));
    }

    CScriptedEditDialogs m_dialogs;
};

TEST_F(CPersonalDialogModelTest, NewPersonStartsInTheInitialGroupWithTheRestSortedAside) {
    AddGroup("B");
    CGroup* a = AddGroup("A");
    AddGroup("C");
    CPersonalDialogModel dialog(m_doc, m_ui, m_dialogs, a);
    EXPECT_TRUE(dialog.IsNew());
    EXPECT_EQ(dialog.GetTitle(), "個人情報の新規作成");
    EXPECT_THAT(Members(dialog), ElementsAre("A"));
    EXPECT_THAT(Others(dialog), ElementsAre("B", "C"));
    EXPECT_EQ(dialog.GetCountText(), "1個");
    EXPECT_EQ(dialog.GetSex(), CPersonalData::SEX_MALE);
    EXPECT_EQ(dialog.GetText(EPersonText::Name), "");
}

TEST_F(CPersonalDialogModelTest, NewPersonWithoutInitialGroupHasNoGroup) {
    AddGroup("A");
    AddGroup("B");
    CPersonalDialogModel dialog(m_doc, m_ui, m_dialogs, nullptr);
    EXPECT_THAT(Members(dialog), IsEmpty());
    EXPECT_THAT(Others(dialog), ElementsAre("A", "B"));
    EXPECT_EQ(dialog.GetCountText(), "0個");
}

TEST_F(CPersonalDialogModelTest, EditingShowsThePersonsTextsSexAndGroups) {
    CGroup* a = AddGroup("A");
    AddGroup("B");
    CGroup* c = AddGroup("C");
    CPersonalData* person = AddPerson("Taro", {c, a}, "\x82\xBD");
    person->SetText(EPersonText::HomePage, "http://example.org/");
    person->m_nSex = CPersonalData::SEX_NONE;
    CPersonalDialogModel dialog(m_doc, m_ui, m_dialogs, *person);
    EXPECT_FALSE(dialog.IsNew());
    EXPECT_EQ(dialog.GetTitle(), "個人情報");
    EXPECT_EQ(dialog.GetText(EPersonText::Name), "Taro");
    EXPECT_EQ(dialog.GetText(EPersonText::Initial), "\x82\xBD");
    EXPECT_EQ(dialog.GetText(EPersonText::HomePage), "http://example.org/");
    EXPECT_EQ(dialog.GetSex(), CPersonalData::SEX_NONE);
    EXPECT_THAT(Members(dialog), ElementsAre("A", "C"));
    EXPECT_THAT(Others(dialog), ElementsAre("B"));
    EXPECT_EQ(dialog.GetCountText(), "2個");
}

TEST_F(CPersonalDialogModelTest, TwoGroupsOfTheSameNameStayDistinct) {
    CGroup* first = AddGroup("A");
    CGroup* second = AddGroup("A");
    CPersonalData* person = AddPerson("Taro", {second});
    CPersonalDialogModel dialog(m_doc, m_ui, m_dialogs, *person);
    EXPECT_THAT(dialog.GetGroupLists().GetList(EPickSide::Members).GetRecords(),
                ElementsAre(second));
    EXPECT_THAT(dialog.GetGroupLists().GetList(EPickSide::Others).GetRecords(), ElementsAre(first));
}

TEST_F(CPersonalDialogModelTest, FocusFieldPicksTheBoxAndSelectsItsText) {
    CPersonalDialogModel dialog(m_doc, m_ui, m_dialogs, nullptr);
    const std::vector<std::pair<int, EPersonText>> boxes = {
        {0, EPersonText::Name},    {1, EPersonText::Zip},     {2, EPersonText::Address},
        {3, EPersonText::Tel1},    {4, EPersonText::Tel2},    {5, EPersonText::Email1},
        {6, EPersonText::Email2},  {7, EPersonText::HomeZip}, {8, EPersonText::HomeAddress},
        {9, EPersonText::HomeTel}, {10, EPersonText::Memo},   {12, EPersonText::HomePage}};
    for (const auto& [field, text] : boxes) {
        dialog.SetFocusField(field);
        EXPECT_EQ(dialog.GetOpeningFocus().text, text) << "field " << field;
        EXPECT_TRUE(dialog.GetOpeningFocus().selectAll) << "field " << field;
    }
    for (const int field : {-1, 11, 13}) {
        dialog.SetFocusField(field);
        EXPECT_EQ(dialog.GetOpeningFocus().text, EPersonText::Name) << "field " << field;
        EXPECT_FALSE(dialog.GetOpeningFocus().selectAll) << "field " << field;
    }
}

TEST_F(CPersonalDialogModelTest, KeepingTheNameAsksNothingEvenIfAnotherHasIt) {
    AddPerson("Taro");
    CPersonalData* person = AddPerson("Taro");
    CPersonalDialogModel dialog(m_doc, m_ui, m_dialogs, *person);
    EXPECT_EQ(dialog.OnOk(), EOkOutcome::Close);
    EXPECT_THAT(m_ui.m_asked, IsEmpty());
}

TEST_F(CPersonalDialogModelTest, RenamingToTheNameOfTwoOthersAsksOnce) {
    AddPerson("Hanako");
    AddPerson("Hanako");
    CPersonalData* person = AddPerson("Taro");
    CPersonalDialogModel dialog(m_doc, m_ui, m_dialogs, *person);
    dialog.SetText(EPersonText::Name, "Hanako");
    m_ui.m_answers = {EMessageResult::Yes};
    EXPECT_EQ(dialog.OnOk(), EOkOutcome::Close);
    EXPECT_THAT(m_ui.m_asked, ElementsAre("Hanako氏は既に存在します。続けますか？"));
}

TEST_F(CPersonalDialogModelTest, AnsweringNoStaysOnTheNameAndAsksAgainNextTime) {
    AddPerson("Hanako");
    CPersonalDialogModel dialog(m_doc, m_ui, m_dialogs, nullptr);
    dialog.SetText(EPersonText::Name, "Hanako");
    m_ui.m_answers = {EMessageResult::No, EMessageResult::Yes};
    EXPECT_EQ(dialog.OnOk(), EOkOutcome::RefocusName);
    EXPECT_EQ(dialog.OnOk(), EOkOutcome::Close);
    EXPECT_EQ(m_ui.m_asked.size(), 2u);
}

TEST_F(CPersonalDialogModelTest, NamesAreComparedByteForByteAndDeletedPersonsNotAtAll) {
    AddPerson("hanako");
    CPersonalData* deleted = AddPerson("Jiro");
    m_doc.RemovePerson(deleted);
    m_doc.AddDeletedPerson(deleted);
    CPersonalDialogModel dialog(m_doc, m_ui, m_dialogs, nullptr);
    for (const char* name : {"Hanako", "Jiro", "hanak"}) {
        dialog.SetText(EPersonText::Name, name);
        EXPECT_EQ(dialog.OnOk(), EOkOutcome::Close) << name;
    }
    EXPECT_THAT(m_ui.m_asked, IsEmpty());
}

TEST_F(CPersonalDialogModelTest, OkTakesTheMemberGroupsInListOrder) {
    CGroup* b = AddGroup("B");
    CGroup* a = AddGroup("A");
    AddGroup("C");
    CPersonalDialogModel dialog(m_doc, m_ui, m_dialogs, nullptr);
    auto& lists = dialog.GetGroupLists();
    lists.OnSelectionChanged(EPickSide::Others, {0, 1});
    lists.OnAdd();
    ASSERT_EQ(dialog.OnOk(), EOkOutcome::Close);
    EXPECT_THAT(dialog.GetGroups(), ElementsAre(a, b));
}

TEST_F(CPersonalDialogModelTest, NewGroupGoesAsideForANewPerson) {
    AddPerson("Taro");
    m_dialogs.m_category = [](CCategoryDialogModel& group) {
        group.SetName("Friends");
        group.GetPersonLists().OnSelectionChanged(EPickSide::Others, {0});
        group.GetPersonLists().OnAdd();
        return group.OnOk() == EOkOutcome::Close;
    };
    CPersonalDialogModel dialog(m_doc, m_ui, m_dialogs, nullptr);
    EXPECT_TRUE(dialog.OnNewGroup());
    EXPECT_THAT(Others(dialog), ElementsAre("Friends"));
    EXPECT_EQ(dialog.GetCountText(), "0個");
    ASSERT_EQ(dialog.GetNewGroups().size(), 1u);
    EXPECT_THAT(NamesOf(dialog.GetNewGroups().front()->m_memberList), ElementsAre("Taro"));
    EXPECT_TRUE(m_doc.GetGroupList().empty());
}

TEST_F(CPersonalDialogModelTest, NewGroupThatTheEditedPersonJoinsIsAMemberGroup) {
    CPersonalData* person = AddPerson("Taro");
    m_dialogs.m_category = [](CCategoryDialogModel& group) {
        group.SetName("Friends");
        group.GetPersonLists().OnSelectionChanged(EPickSide::Others, {0});
        group.GetPersonLists().OnAdd();
        return group.OnOk() == EOkOutcome::Close;
    };
    CPersonalDialogModel dialog(m_doc, m_ui, m_dialogs, *person);
    ASSERT_TRUE(dialog.OnNewGroup());
    EXPECT_THAT(Members(dialog), ElementsAre("Friends"));
    EXPECT_EQ(dialog.GetCountText(), "1個");
}

TEST_F(CPersonalDialogModelTest, ASecondNewGroupCannotTakeTheNameOfTheFirst) {
    std::vector<EOkOutcome> outcomes;
    m_dialogs.m_category = [&outcomes](CCategoryDialogModel& group) {
        group.SetName("Friends");
        outcomes.push_back(group.OnOk());
        return outcomes.back() == EOkOutcome::Close;
    };
    CPersonalDialogModel dialog(m_doc, m_ui, m_dialogs, nullptr);
    EXPECT_TRUE(dialog.OnNewGroup());
    EXPECT_FALSE(dialog.OnNewGroup());
    EXPECT_THAT(outcomes, ElementsAre(EOkOutcome::Close, EOkOutcome::RefocusName));
    EXPECT_THAT(m_ui.m_asked, ElementsAre("Friendsは既に存在します。別の名前にしてください。"));
    EXPECT_EQ(dialog.GetNewGroups().size(), 1u);
}

TEST_F(CPersonalDialogModelTest, MakeCommandBuildsTheRecordFromTheDialogsValues) {
    CGroup* a = AddGroup("A");
    CPersonalDialogModel dialog(m_doc, m_ui, m_dialogs, a);
    dialog.SetText(EPersonText::Name, "Taro");
    dialog.SetText(EPersonText::Memo, "line 1\r\nline 2");
    dialog.SetText(EPersonText::HomePage, "http://example.org/");
    dialog.SetSex(CPersonalData::SEX_NONE);
    ASSERT_EQ(dialog.OnOk(), EOkOutcome::Close);
    m_doc.ExecuteCommand(dialog.MakeCommand());
    ASSERT_EQ(m_doc.GetPersonList().size(), 1u);
    const CPersonalData* person = m_doc.GetPersonList().front();
    EXPECT_EQ(person->GetText(EPersonText::Memo), "line 1\r\nline 2");
    EXPECT_EQ(person->GetText(EPersonText::HomePage), "http://example.org/");
    EXPECT_EQ(person->m_nSex, CPersonalData::SEX_NONE);
    EXPECT_THAT(person->m_groupList, ElementsAre(a));
    EXPECT_TRUE(a->m_memberList.Contains(person));
    EXPECT_EQ(m_doc.GetUndoMenuText(), "元に戻す(&U) － 個人データの新規作成\tCtrl+Z");
}

TEST_F(CPersonalDialogModelTest, HomePageOpensOnlyWhenThereIsOneAndFailureIsReported) {
    CPersonalDialogModel dialog(m_doc, m_ui, m_dialogs, nullptr);
    dialog.OpenHomePage();
    EXPECT_THAT(m_ui.m_openedUrls, IsEmpty());

    dialog.SetText(EPersonText::HomePage, "http://example.org/\x83\x7B"); // ボ
    dialog.OpenHomePage();
    dialog.SetText(EPersonText::HomePage, "www.example.org");
    dialog.OpenHomePage();
    EXPECT_THAT(m_ui.m_openedUrls, ElementsAre("http://example.org/ボ", "http://www.example.org"));
    EXPECT_THAT(m_ui.m_asked, IsEmpty());

    m_ui.m_bOpenUrlSucceeds = false;
    dialog.OpenHomePage();
    EXPECT_THAT(m_ui.m_asked, ElementsAre("ブラウザの起動に失敗しました。"));
}
} // namespace
