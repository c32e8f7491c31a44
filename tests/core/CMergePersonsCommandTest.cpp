#include "CBookFixture.h"
#include "core/duplicates/CPersonMerge.h"
#include "core/text/CTextCodec.h"

#include <vector>

using ::testing::ElementsAre;

namespace {
std::string Cp932(std::string_view utf8) {
    return CTextCodec().FromUtf8(utf8).text;
}

class CMergePersonsCommandTest : public CBookFixture {
protected:
    std::vector<CPersonalData*> Live() const {
        return {m_doc.GetPersonList().begin(), m_doc.GetPersonList().end()};
    }
    CPersonMerge m_merge;
};

TEST_F(CMergePersonsCommandTest, KeepsEveryTextAndGroupAndUndoRestoresTheOrder) {
    ShowPersons(true);
    CGroup* work = AddGroup("Work");
    CGroup* club = AddGroup("Club");
    CPersonalData* first = AddPerson("First");
    CPersonalData* keep = AddPerson(Cp932("山田太郎"), {work});
    keep->SetText(EPersonText::Tel1, "03-1234-5678");
    keep->SetText(EPersonText::Memo, "memo");
    CPersonalData* middle = AddPerson("Middle");
    CPersonalData* other = AddPerson(Cp932("山田　太郎"), {club, work});
    other->SetText(EPersonText::Tel1, "090-0000-1111");
    other->SetText(EPersonText::Email1, "taro@example.jp");
    other->m_nSex = CPersonalData::SEX_MALE;
    CPersonalData* third = AddPerson(Cp932("ﾔﾏﾀﾞ"));
    third->SetText(EPersonText::Tel1, "090-0000-1111");
    third->SetText(EPersonText::Memo, "old note");
    CPersonalData* last = AddPerson("Last");
    const std::vector<CPersonalData*> before = Live();

    m_doc.ExecuteCommand(m_merge.MakeCommand(m_doc, keep, {other, third}));
    std::vector<CPersonalData*> live = Live();
    ASSERT_EQ(live.size(), 4u);
    EXPECT_EQ(live[0], first);
    EXPECT_EQ(live[2], middle);
    EXPECT_EQ(live[3], last);
    const CPersonalData* merged = live[1];
    EXPECT_EQ(merged->GetText(EPersonText::Name), Cp932("山田太郎"));
    EXPECT_EQ(merged->GetText(EPersonText::Tel1), "03-1234-5678");
    EXPECT_EQ(merged->GetText(EPersonText::Email1), "taro@example.jp");
    EXPECT_EQ(merged->GetText(EPersonText::Memo),
              Cp932("memo\r\n電話(1): 090-0000-1111\r\n氏名: ﾔﾏﾀﾞ\r\nold note"));
    EXPECT_EQ(merged->m_nSex, CPersonalData::SEX_MALE);
    EXPECT_THAT(merged->m_groupList, ElementsAre(work, club));
    EXPECT_THAT(NamesOf(club->m_memberList), ElementsAre(Cp932("山田太郎")));
    EXPECT_THAT(NamesOf(m_doc.GetDeletedList()), ElementsAre(Cp932("山田　太郎"), Cp932("ﾔﾏﾀﾞ")));
    EXPECT_EQ(m_doc.GetLastCommand()->GetName(), CUndoTexts::MERGE_DUPLICATES);
    EXPECT_EQ(merged->m_treeItems.GetCount(), 2);
    EXPECT_EQ(other->m_treeItems.GetCount(), 1);

    m_doc.OnEditUndo();
    EXPECT_EQ(Live(), before);
    EXPECT_TRUE(m_doc.GetDeletedList().empty());
    EXPECT_EQ(keep->GetText(EPersonText::Memo), "memo");
    EXPECT_THAT(keep->m_groupList, ElementsAre(work));
    EXPECT_THAT(other->m_groupList, ElementsAre(club, work));
    EXPECT_THAT(NamesOf(club->m_memberList), ElementsAre(Cp932("山田　太郎")));
    EXPECT_EQ(keep->m_treeItems.GetCount(), 1);
    EXPECT_EQ(other->m_treeItems.GetCount(), 2);
    EXPECT_EQ(ListNames().size(), 6u);
}

// Values the duplicate keys read as one (phone digits, width, blanks) are one value.
TEST_F(CMergePersonsCommandTest, ValuesWrittenAnotherWayAreTheSameValue) {
    CPersonalData* keep = AddPerson("Ann");
    keep->SetText(EPersonText::Tel1, "03-1234-5678");
    keep->SetText(EPersonText::Tel2, "090-5550-2159");
    keep->SetText(EPersonText::Address, Cp932("東京都千代田区１－１"));
    CPersonalData* other = AddPerson("Ann");
    other->SetText(EPersonText::Tel1, "+81 90 5550 2159");
    other->SetText(EPersonText::HomeTel, "090 5550 2159");
    other->SetText(EPersonText::Email1, "ann@example.jp");
    other->SetText(EPersonText::Address, Cp932("東京都 千代田区1-1"));
    m_doc.ExecuteCommand(m_merge.MakeCommand(m_doc, keep, {other}));
    const CPersonalData* merged = m_doc.GetPersonList().front();
    EXPECT_EQ(merged->GetText(EPersonText::Tel1), "03-1234-5678");
    EXPECT_EQ(merged->GetText(EPersonText::HomeTel), "");
    EXPECT_EQ(merged->GetText(EPersonText::Email1), "ann@example.jp");
    EXPECT_EQ(merged->GetText(EPersonText::Memo), "");
}

TEST_F(CMergePersonsCommandTest, TheDeletedFolderShowsThePersonsMergedAway) {
    CPersonalData* keep = AddPerson("Ann");
    CPersonalData* other = AddPerson("ann");
    m_tree.GetTreeCtrl().SelectItem(m_tree.m_hDeletedItem);
    m_doc.ExecuteCommand(m_merge.MakeCommand(m_doc, keep, {other}));
    EXPECT_THAT(ListNames(), ElementsAre("ann"));
    m_doc.OnEditUndo();
    EXPECT_TRUE(ListNames().empty());
}
} // namespace
