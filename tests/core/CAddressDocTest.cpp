#include "CBookFixture.h"
#include "core/commands/CDeletePersonalCommand.h"

using ::testing::ElementsAre;

namespace {
class CAddressDocTest : public CBookFixture {};

TEST_F(CAddressDocTest, NewDocumentIsEmptyAndUnmodified) {
    EXPECT_TRUE(m_doc.GetPersonList().empty());
    EXPECT_TRUE(m_doc.GetGroupList().empty());
    EXPECT_TRUE(m_doc.GetDeletedList().empty());
    EXPECT_FALSE(m_doc.CanUndo());
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetUndoMenuText(), "元に戻す(&U)\tCtrl+Z");
}

TEST_F(CAddressDocTest, RemovingAPersonKeepsItsOwnGroupsAndAddingBackRestoresThem) {
    CGroup* a = AddGroup("A");
    CGroup* b = AddGroup("B");
    CGroup* c = AddGroup("C");
    CPersonalData* other = AddPerson("other", {a, b, c});
    CPersonalData* p = AddPerson("p", {a, b, c});

    m_doc.RemovePerson(p);
    for (const CGroup* group : {a, b, c})
        EXPECT_FALSE(group->m_memberList.Contains(p));
    EXPECT_THAT(p->m_groupList, ElementsAre(a, b, c));
    EXPECT_EQ(p->m_place, EPersonPlace::None);

    m_doc.AddPerson(p);
    for (const CGroup* group : {a, b, c})
        EXPECT_THAT(NamesOf(group->m_memberList), ElementsAre("other", "p"));
    EXPECT_EQ(m_doc.GetPersonList().back(), p);
    EXPECT_EQ(m_doc.GetPersonList().front(), other);
}

TEST_F(CAddressDocTest, RemovingAGroupUnlinksItsMembersButKeepsItsMemberList) {
    CGroup* a = AddGroup("A");
    CGroup* b = AddGroup("B");
    CGroup* c = AddGroup("C");
    CPersonalData* p = AddPerson("p", {b});
    m_doc.RemoveGroup(b);
    EXPECT_TRUE(p->m_groupList.empty());
    EXPECT_TRUE(b->m_memberList.Contains(p));
    EXPECT_FALSE(m_doc.ContainsGroup(b));
    EXPECT_THAT(m_doc.GetGroupList(), ElementsAre(a, c));
    EXPECT_THAT(std::vector<CGroup*>(std::make_reverse_iterator(m_doc.GetGroupList().end()),
                                     std::make_reverse_iterator(m_doc.GetGroupList().begin())),
                ElementsAre(c, a));
    m_doc.RemoveGroup(a);
    m_doc.RemoveGroup(c);
    m_doc.AddGroup(b);
    EXPECT_THAT(m_doc.GetGroupList(), ElementsAre(b));
    EXPECT_TRUE(m_doc.ContainsGroup(b));
    EXPECT_FALSE(m_doc.ContainsGroup(a));
}

TEST_F(CAddressDocTest, SettingModifiedReplacesTheSavedTextWithReady) {
    std::vector<std::string> shown;
    m_doc.SetStatusTextListener([&](const std::string& text) { shown.push_back(text); });
    m_doc.SetStatusText("保存しました");
    m_doc.SetModifiedFlag(false);
    EXPECT_EQ(m_doc.GetStatusText(), "保存しました");
    m_doc.SetModifiedFlag(true);
    EXPECT_EQ(m_doc.GetStatusText(), "ﾚﾃﾞｨ");
    EXPECT_THAT(shown, ElementsAre("保存しました", "ﾚﾃﾞｨ"));
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(CAddressDocTest, EmptyingWithUndoneCommandsReleasesEverything) {
    CGroup* a = AddGroup("A");
    AddPerson("p", {a});
    m_doc.OnEditUndo();
    m_doc.DeleteContents();
    EXPECT_TRUE(m_doc.GetPersonList().empty());
    EXPECT_TRUE(m_doc.GetGroupList().empty());
    EXPECT_FALSE(m_doc.CanUndo());
    // The tree starts over with its two top items and the root selected.
    EXPECT_EQ(m_tree.GetTreeCtrl().GetTopItems().size(), 2u);
    EXPECT_EQ(m_tree.GetTreeCtrl().GetCaret(), m_tree.m_hRootItem);
    EXPECT_EQ(m_list.GetRowCount(), 0);
}

TEST_F(CAddressDocTest, ViewsAreUpdatedInCreationOrderAndNotTheSender) {
    struct CRecorder : CDocView {
        CRecorder(std::vector<int>& log, int id) : m_log(log), m_id(id) {}
        void OnUpdate(CDocView*, EHint hint, const CHintObject&) override {
            if (hint == EHint::BulkComplete)
                m_log.push_back(m_id);
        }
        std::vector<int>& m_log;
        int m_id;
    };
    std::vector<int> log;
    CRecorder first(log, 1);
    CRecorder second(log, 2);
    CRecorder third(log, 3);
    m_doc.AddView(&first);
    m_doc.AddView(&second);
    m_doc.AddView(&third);
    m_doc.UpdateAllViews(&second, EHint::BulkComplete);
    EXPECT_THAT(log, ElementsAre(1, 3));
    m_doc.RemoveView(&first);
    m_doc.RemoveView(&second);
    m_doc.RemoveView(&third);
}

TEST_F(CAddressDocTest, CountSavedGroupsSkipsSearchResults) {
    CGroup* a = AddGroup("A");
    AddGroup("B");
    a->m_nSerial = CGroup::GROUP_TRANSIENT;
    EXPECT_EQ(CAddressDoc::CountSavedGroups(m_doc.GetGroupList()), 1);
}
} // namespace
