#include "core/views/CDragDrop.h"

#include "CBookFixture.h"
#include "core/ui/CommandIds.h"

#include <map>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
enum class EFrom { ListOfA, ListOfAll, TreeGroupA, TreeAnnUnderA, TreeCidUnderRoot };
enum class ETo { A, B, Deleted };

// One drop: where the drag starts and with what, where it lands, how the questions are
// answered, and what the book looks like afterwards.
struct CDropCase {
    const char* name;
    EFrom from;
    std::vector<std::string> rows;
    ETo to;
    std::vector<EMessageResult> answers;
    std::vector<std::string> asked;
    std::string step; // the undo step's name; empty for none
    std::string groups;
    std::string live;
};

void PrintTo(const CDropCase& drop, std::ostream* out) {
    *out << drop.name;
}

const std::string KEEP = "元のグループにも残しておきますか？";
const std::string DELETE = "削除してよろしいですか？";
const std::string ADD = "ドラッグ＆ドロップ（追加）";
const std::string MOVE = "ドラッグ＆ドロップ（移動）";

constexpr auto YES = EMessageResult::Yes;
constexpr auto NO = EMessageResult::No;
constexpr auto OK = EMessageResult::Ok;
constexpr auto CANCEL = EMessageResult::Cancel;

// Ann is in A, Bob in A and B, Cid in no group.
const std::string START_GROUPS = "A:Ann,Bob B:Bob";
const std::string START_LIVE = "Ann,Bob,Cid";

const CDropCase DROPS[] = {
    {"RowsOfAGroupKeptWithYes",
     EFrom::ListOfA,
     {"Ann", "Bob"},
     ETo::B,
     {YES},
     {KEEP},
     ADD,
     "A:Ann,Bob B:Ann,Bob",
     START_LIVE},
    {"RowsOfAGroupMovedWithNo",
     EFrom::ListOfA,
     {"Ann", "Bob"},
     ETo::B,
     {NO},
     {KEEP},
     MOVE,
     "A: B:Ann,Bob",
     START_LIVE},
    {"CancelChangesNothing",
     EFrom::ListOfA,
     {"Ann"},
     ETo::B,
     {CANCEL},
     {KEEP},
     "",
     START_GROUPS,
     START_LIVE},
    {"RowsOfEveryoneAddedWithoutAsking",
     EFrom::ListOfAll,
     {"Bob", "Cid"},
     ETo::A,
     {},
     {},
     ADD,
     "A:Ann,Bob,Cid B:Bob",
     START_LIVE},
    {"AlreadyMembersMakeNoStep",
     EFrom::ListOfA,
     {"Bob"},
     ETo::B,
     {YES},
     {KEEP},
     "",
     START_GROUPS,
     START_LIVE},
    {"AlreadyMemberMovedLeavesOnlyTheSource",
     EFrom::ListOfA,
     {"Bob"},
     ETo::B,
     {NO},
     {KEEP},
     MOVE,
     "A:Ann B:Bob",
     START_LIVE},
    {"GroupMovedOntoGroupEmptiesIt",
     EFrom::TreeGroupA,
     {},
     ETo::B,
     {NO},
     {KEEP},
     MOVE,
     "A: B:Ann,Bob",
     START_LIVE},
    {"GroupKeptOntoGroupCopiesMembers",
     EFrom::TreeGroupA,
     {},
     ETo::B,
     {YES},
     {KEEP},
     ADD,
     "A:Ann,Bob B:Ann,Bob",
     START_LIVE},
    {"RowsOntoDeletedFolder",
     EFrom::ListOfA,
     {"Ann", "Bob"},
     ETo::Deleted,
     {OK},
     {DELETE},
     "個人データの削除",
     "A: B:",
     "Cid"},
    {"RowsOntoDeletedFolderCancelled",
     EFrom::ListOfA,
     {"Ann"},
     ETo::Deleted,
     {CANCEL},
     {DELETE},
     "",
     START_GROUPS,
     START_LIVE},
    {"GroupOntoDeletedFolderKeepsMembers",
     EFrom::TreeGroupA,
     {},
     ETo::Deleted,
     {OK},
     {DELETE},
     "グループの削除",
     "B:Bob",
     START_LIVE},
    {"TreePersonOfAGroup",
     EFrom::TreeAnnUnderA,
     {},
     ETo::B,
     {YES},
     {KEEP},
     ADD,
     "A:Ann,Bob B:Ann,Bob",
     START_LIVE},
    {"TreePersonUnderTheRootAddedWithoutAsking",
     EFrom::TreeCidUnderRoot,
     {},
     ETo::B,
     {},
     {},
     ADD,
     "A:Ann,Bob B:Bob,Cid",
     START_LIVE},
};

class CDragDropTest : public CBookFixture {
protected:
    void SetUp() override {
        CBookFixture::SetUp();
        ShowPersons(true);
        m_a = AddGroup("A");
        m_b = AddGroup("B");
        m_persons["Ann"] = AddPerson("Ann", {m_a});
        m_persons["Bob"] = AddPerson("Bob", {m_a, m_b});
        m_persons["Cid"] = AddPerson("Cid");
    }

    std::string Groups() const {
        std::vector<std::string> names;
        for (const CGroup* group : m_doc.GetGroupList()) {
            std::vector<std::string> members = NamesOf(group->m_memberList);
            std::sort(members.begin(), members.end());
            names.push_back(group->m_strGroupName.Str() + ":" + Join(members));
        }
        std::sort(names.begin(), names.end());
        std::string text;
        for (const std::string& name : names)
            text += (text.empty() ? "" : " ") + name;
        return text;
    }

    std::string Live() const {
        std::vector<std::string> names = NamesOf(m_doc.GetPersonList());
        std::sort(names.begin(), names.end());
        return Join(names);
    }

    static std::string Join(const std::vector<std::string>& names) {
        std::string text;
        for (const std::string& name : names)
            text += (text.empty() ? "" : ",") + name;
        return text;
    }

    void SelectRows(const std::vector<std::string>& names) {
        std::vector<int> rows;
        for (const std::string& name : names)
            rows.push_back(m_list.FindRow(m_persons.at(name)));
        m_list.SetSelectedRows(rows);
    }

    HTREEITEM ItemUnder(HTREEITEM parent, const std::string& name) const {
        for (const HTREEITEM child : m_tree.GetTreeCtrl().GetChildren(parent)) {
            if (m_tree.GetTreeCtrl().Get(child).Text() == name)
                return child;
        }
        return TVI_NONE;
    }

    bool Begin(EFrom from, const std::vector<std::string>& rows) {
        switch (from) {
        case EFrom::ListOfA:
        case EFrom::ListOfAll:
            Select(from == EFrom::ListOfA ? m_a->m_hTreeItem : m_tree.m_hRootItem);
            SelectRows(rows);
            return m_drag.BeginFromList();
        case EFrom::TreeGroupA:
            return m_drag.BeginFromTree(m_a->m_hTreeItem);
        case EFrom::TreeAnnUnderA:
            return m_drag.BeginFromTree(ItemUnder(m_a->m_hTreeItem, "Ann"));
        case EFrom::TreeCidUnderRoot:
            return m_drag.BeginFromTree(ItemUnder(m_tree.m_hRootItem, "Cid"));
        }
        return false;
    }

    HTREEITEM ItemOf(ETo to) const {
        switch (to) {
        case ETo::A:
            return m_a->m_hTreeItem;
        case ETo::B:
            return m_b->m_hTreeItem;
        case ETo::Deleted:
            return m_tree.m_hDeletedItem;
        }
        return TVI_NONE;
    }

    // Drags onto the target and carries out the drop, as the window does after the release.
    bool DropOn(HTREEITEM target) {
        m_drag.Track(target);
        const std::optional<CPendingDrop> drop = m_drag.EndAtTarget();
        return drop && m_drag.Drop(*drop);
    }

    CDragDrop m_drag{m_doc, m_tree, m_list, m_ui};
    CGroup* m_a = nullptr;
    CGroup* m_b = nullptr;
    std::map<std::string, CPersonalData*> m_persons;
};

class CDropTable : public CDragDropTest, public ::testing::WithParamInterface<CDropCase> {};

TEST_P(CDropTable, MakesOneStepThatOneUndoReverts) {
    const CDropCase& drop = GetParam();
    ASSERT_TRUE(Begin(drop.from, drop.rows));
    ASSERT_TRUE(m_doc.IsDragInProgress());
    m_ui.m_answers.assign(drop.answers.begin(), drop.answers.end());
    const CCommand* before = m_doc.GetLastCommand();

    EXPECT_EQ(DropOn(ItemOf(drop.to)), !drop.step.empty());
    EXPECT_FALSE(m_doc.IsDragInProgress());
    EXPECT_EQ(m_ui.m_asked, drop.asked);
    EXPECT_EQ(Groups(), drop.groups);
    EXPECT_EQ(Live(), drop.live);
    EXPECT_EQ(m_drag.GetDropItem(), TVI_NONE);
    if (drop.step.empty()) {
        EXPECT_EQ(m_doc.GetLastCommand(), before);
        return;
    }
    EXPECT_EQ(m_doc.GetLastCommand()->GetName(), drop.step);
    m_doc.OnEditUndo();
    EXPECT_EQ(Groups(), START_GROUPS);
    EXPECT_EQ(Live(), START_LIVE);
}

INSTANTIATE_TEST_SUITE_P(Drops, CDropTable, ::testing::ValuesIn(DROPS),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CDragDropTest, RefusedSourcesStartNoDrag) {
    Select(m_tree.m_hDeletedItem);
    m_list.SelectAll();
    EXPECT_FALSE(m_drag.BeginFromList());
    Select(m_a->m_hTreeItem);
    m_list.SetSelectedRows({});
    EXPECT_FALSE(m_drag.BeginFromList());
    EXPECT_FALSE(m_drag.BeginFromTree(m_tree.m_hRootItem));
    EXPECT_FALSE(m_drag.BeginFromTree(m_tree.m_hDeletedItem));
    Select(m_a->m_hTreeItem);
    m_ui.m_answers = {YES};
    m_list.SelectAll();
    m_list.OnCommand(ID_DELETE);
    ASSERT_EQ(Live(), "Cid");
    // A person under the deleted folder.
    EXPECT_FALSE(m_drag.BeginFromTree(m_persons["Ann"]->m_treeItems.GetHead()));
    EXPECT_FALSE(m_doc.IsDragInProgress());
}

TEST_F(CDragDropTest, PictureFollowsTheNumberOfRowsAndTheTreeItem) {
    Select(m_tree.m_hRootItem);
    const std::pair<std::vector<std::string>, EDragPicture> rows[] = {
        {{"Ann"}, EDragPicture::OnePerson},
        {{"Ann", "Bob"}, EDragPicture::TwoPersons},
        {{"Ann", "Bob", "Cid"}, EDragPicture::ManyPersons}};
    for (const auto& [names, picture] : rows) {
        SelectRows(names);
        ASSERT_TRUE(m_drag.BeginFromList());
        EXPECT_EQ(m_drag.GetPicture(), picture);
        m_drag.Cancel();
    }
    ASSERT_TRUE(m_drag.BeginFromTree(m_a->m_hTreeItem));
    EXPECT_EQ(m_drag.GetPicture(), EDragPicture::Group);
    m_drag.Cancel();
    ASSERT_TRUE(m_drag.BeginFromTree(m_persons["Ann"]->m_treeItems.GetHead()));
    EXPECT_EQ(m_drag.GetPicture(), EDragPicture::Person);
}

TEST_F(CDragDropTest, OnlyOtherGroupsAndTheDeletedFolderAreHighlighted) {
    Select(m_a->m_hTreeItem);
    SelectRows({"Ann"});
    ASSERT_TRUE(m_drag.BeginFromList());
    const CTreeControl& tree = m_tree.GetTreeCtrl();
    EXPECT_FALSE(m_drag.Track(m_a->m_hTreeItem));
    EXPECT_FALSE(m_drag.Track(m_tree.m_hRootItem));
    EXPECT_FALSE(m_drag.Track(m_persons["Cid"]->m_treeItems.GetHead()));
    EXPECT_TRUE(m_drag.Track(m_b->m_hTreeItem));
    EXPECT_EQ(tree.Get(m_b->m_hTreeItem).image, ETreeImage::GroupTarget);
    EXPECT_EQ(tree.Get(m_b->m_hTreeItem).selectedImage, ETreeImage::GroupTargetOpen);
    EXPECT_TRUE(m_drag.Track(m_tree.m_hDeletedItem));
    EXPECT_EQ(tree.Get(m_b->m_hTreeItem).image, ETreeImage::Group);
    EXPECT_EQ(tree.Get(m_tree.m_hDeletedItem).image, ETreeImage::DeletedTarget);
    EXPECT_EQ(tree.Get(m_tree.m_hDeletedItem).selectedImage, ETreeImage::DeletedTargetOpen);
    EXPECT_FALSE(m_drag.Track(TVI_NONE));
    EXPECT_EQ(tree.Get(m_tree.m_hDeletedItem).image, ETreeImage::Deleted);

    // A release on no target, or anywhere else, ends the drag with no change.
    EXPECT_FALSE(m_drag.EndAtTarget());
    EXPECT_FALSE(m_doc.IsDragInProgress());
    EXPECT_EQ(Groups(), START_GROUPS);
}

TEST_F(CDragDropTest, ViewsIgnoreSelectionHintsWhileDragging) {
    Select(m_b->m_hTreeItem);
    SelectRows({"Bob"});
    ASSERT_TRUE(m_drag.BeginFromList());
    Select(m_tree.m_hRootItem);
    EXPECT_THAT(ListNames(), ElementsAre("Bob"));
    m_drag.Cancel();
    m_tree.NotifySelection();
    EXPECT_THAT(ListNames(), ElementsAre("Ann", "Bob", "Cid"));
}

TEST_F(CDragDropTest, AChangeDuringTheDragEndsItAndReachesBothViews) {
    Select(m_tree.m_hRootItem);
    SelectRows({"Ann"});
    ASSERT_TRUE(m_drag.BeginFromList());
    ASSERT_TRUE(m_drag.Track(m_b->m_hTreeItem));
    AddPerson("Dan", {m_b});
    EXPECT_FALSE(m_drag.IsDragging());
    EXPECT_EQ(m_drag.GetDropItem(), TVI_NONE);
    EXPECT_EQ(m_tree.GetTreeCtrl().Get(m_b->m_hTreeItem).image, ETreeImage::Group);
    EXPECT_THAT(ListNames(), ElementsAre("Ann", "Bob", "Cid", "Dan"));
    EXPECT_NE(ItemUnder(m_b->m_hTreeItem, "Dan"), TVI_NONE);
    EXPECT_FALSE(m_drag.EndAtTarget());
}

TEST_F(CDragDropTest, ADropCarriedOutLaterTakesOnlyWhatIsStillThere) {
    CGroup* c = AddGroup("C");
    Select(m_a->m_hTreeItem);
    SelectRows({"Ann", "Bob"});
    ASSERT_TRUE(m_drag.BeginFromList());
    m_drag.Track(c->m_hTreeItem);
    const std::optional<CPendingDrop> rows = m_drag.EndAtTarget();
    ASSERT_TRUE(rows);
    ASSERT_TRUE(m_drag.BeginFromTree(m_a->m_hTreeItem));
    m_drag.Track(m_tree.m_hDeletedItem);
    const std::optional<CPendingDrop> group = m_drag.EndAtTarget();
    ASSERT_TRUE(group);

    // Ann is deleted and group A goes before either drop runs.
    Select(m_persons["Ann"]->m_treeItems.GetHead());
    m_ui.m_answers = {YES, YES};
    m_tree.OnCommand(ID_DELETE);
    SelectGroup(m_a);
    m_tree.OnCommand(ID_DELETE);
    m_ui.m_asked.clear();

    m_ui.m_answers = {OK};
    EXPECT_FALSE(m_drag.Drop(*group));
    EXPECT_THAT(m_ui.m_asked, IsEmpty());
    EXPECT_TRUE(m_drag.Drop(*rows));
    EXPECT_THAT(m_ui.m_asked, IsEmpty()); // A has gone, so Bob comes from no group
    EXPECT_EQ(Groups(), "B:Bob C:Bob");
    EXPECT_EQ(Live(), "Bob,Cid");
}
TEST_F(CDragDropTest, ADropOutlivedByTheBooksContentsTakesNothing) {
    Select(m_a->m_hTreeItem);
    SelectRows({"Ann"});
    ASSERT_TRUE(m_drag.BeginFromList());
    m_drag.Track(m_b->m_hTreeItem);
    const std::optional<CPendingDrop> drop = m_drag.EndAtTarget();
    ASSERT_TRUE(drop);
    m_doc.OnNewDocument();
    m_ui.m_answers = {YES};
    EXPECT_FALSE(m_drag.Drop(*drop));
    EXPECT_THAT(m_ui.m_asked, IsEmpty());
    EXPECT_FALSE(m_doc.CanUndo());
}
} // namespace
