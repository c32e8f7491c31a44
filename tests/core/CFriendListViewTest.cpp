#include "CBookFixture.h"
#include "core/commands/CAddPersonalToGroupCommand.h"
#include "core/commands/CCommandGroup.h"
#include "core/commands/CModifyByListEditCommand.h"
#include "core/commands/CRemoveCommand.h"
#include "core/model/CFieldTable.h"
#include "core/settings/CProfile.h"
#include "core/ui/CCommandRouter.h"
#include "core/ui/CRecordEditor.h"
#include "core/ui/CommandIds.h"

#include <array>
#include <filesystem>
#include <utility>

using ::testing::ElementsAre;

namespace {
class CFriendListViewTest : public CBookFixture {};

TEST_F(CFriendListViewTest, RowsAreOrderedByKanaInitialOrNameInCp932Order) {
    // "かとう" sorts after "あべ" by reading although its kanji name would sort first.
    AddPerson("\x89\xc1\x93\xa1", {}, "\x82\xa9\x82\xc6\x82\xa4"); // 加藤 / かとう
    AddPerson("\x88\xa2\x95\x94", {}, "\x82\xa0\x82\xd7");         // 阿部 / あべ
    AddPerson("\xb1");                                             // half-width katakana
    EXPECT_THAT(ListNames(), ElementsAre("\xb1", "\x88\xa2\x95\x94", "\x89\xc1\x93\xa1"));
}

TEST_F(CFriendListViewTest, EachSelectionShowsItsPersonsAndPutsTheCursorOnTheFirstCell) {
    CGroup* g = AddGroup("G");
    AddPerson("in", {g});
    AddPerson("out");
    m_list.GetCellEditor().SetCursor(3, 0);
    SelectGroup(g);
    EXPECT_THAT(ListNames(), ElementsAre("in"));
    EXPECT_EQ(m_list.GetCellEditor().GetCursorRow(), 0);
    Select(m_tree.m_hRootItem);
    EXPECT_THAT(ListNames(), ElementsAre("in", "out"));
    Select(m_tree.m_hDeletedItem);
    EXPECT_EQ(m_list.GetRowCount(), 0);
}

TEST_F(CFriendListViewTest, EnablingRulesDependOnSelectionAndWhatIsShown) {
    CGroup* g = AddGroup("G");
    AddPerson("a", {g});
    AddPerson("b", {g});
    m_list.SetSelectedRows({0});
    EXPECT_TRUE(m_list.CanDelete());
    EXPECT_FALSE(m_list.CanRemoveFromGroup());
    EXPECT_FALSE(m_list.CanRestore());
    EXPECT_TRUE(m_list.CanModify());

    SelectGroup(g);
    m_list.SetSelectedRows({0, 1});
    EXPECT_TRUE(m_list.CanRemoveFromGroup());
    EXPECT_FALSE(m_list.CanModify());

    m_ui.m_answers = {EMessageResult::Yes};
    m_list.OnDelete();
    Select(m_tree.m_hDeletedItem);
    m_list.SetSelectedRows({0});
    EXPECT_FALSE(m_list.CanDelete());
    EXPECT_FALSE(m_list.CanModify());
    EXPECT_TRUE(m_list.CanRestore());
    m_list.OnRestore();
    EXPECT_EQ(m_doc.GetPersonList().size(), 1u);
    EXPECT_EQ(m_list.GetRowCount(), 1);
}

TEST_F(CFriendListViewTest, ModifyFromTheToolbarForgetsTheClickedColumn) {
    struct CEditor : CRecordEditor {
        void EditPerson(CPersonalData*, int field) override { m_field = field; }
        bool EditGroup(CGroup*) override { return false; }
        int m_field = -2;
    } editor;
    m_doc.SetRecordEditor(&editor);
    AddPerson("a");
    m_list.SetSelectedRows({0});
    m_list.SetClickedCell(2, 0, 2);
    const CCommandRouter router([this] { return std::vector<CCommandTarget*>{&m_list}; });
    router.Update(ID_MODIFY);
    EXPECT_EQ(m_list.GetClickedColumn(), 2);
    EXPECT_TRUE(router.Dispatch(ID_MODIFY));
    EXPECT_EQ(editor.m_field, 2);
    router.Update(ID_MODIFY, true);
    EXPECT_EQ(m_list.GetClickedColumn(), -1);
    m_doc.SetRecordEditor(nullptr);
}

TEST_F(CFriendListViewTest, SelectionSurvivesAResortAndDropsDeletedRows) {
    AddPerson("b");
    CPersonalData* c = AddPerson("c");
    m_list.SetSelectedRows({1});
    AddPerson("a");
    EXPECT_THAT(ListNames(), ElementsAre("a", "b", "c"));
    EXPECT_TRUE(m_list.IsSelected(c));
    EXPECT_EQ(m_list.GetSelectedCount(), 1);
}

TEST_F(CFriendListViewTest, APersonAddedAndRemovedInOneStepLeavesNoRow) {
    CGroup* g = AddGroup("G");
    AddPerson("in", {g});
    CPersonalData* joins = AddPerson("joins");
    CPersonalData* out = AddPerson("out");
    SelectGroup(g);
    // The removed row is the second of the appended ones, past the ordered rows.
    auto step = std::make_unique<CCommandGroup>();
    step->AddCommand(std::make_unique<CAddPersonalToGroupCommand>(joins, g));
    step->AddCommand(std::make_unique<CAddPersonalToGroupCommand>(out, g));
    step->AddCommand(std::make_unique<CRemoveCommand>(out, g));
    m_doc.ExecuteCommand(std::move(step));
    EXPECT_THAT(ListNames(), ElementsAre("in", "joins"));
    EXPECT_EQ(m_list.FindRow(out), -1);
}

TEST_F(CFriendListViewTest, ACellEditResortsTheRow) {
    CPersonalData* a = AddPerson("a");
    AddPerson("b");
    m_doc.ExecuteCommand(
        std::make_unique<CModifyByListEditCommand>(a, CFieldTable::FIELD_NAME, "c"));
    EXPECT_THAT(ListNames(), ElementsAre("b", "c"));
}

TEST_F(CFriendListViewTest, ColumnLayoutSurvivesARestartAndResetRestoresDefaults) {
    const auto folder = std::filesystem::temp_directory_path() / "tarnvale-list-settings";
    std::filesystem::create_directories(folder);
    CProfile profile(folder / "tarnvale.ini");
    m_list.SetColumnOrder({1, 2, 0, 3, 4, 5, 6, 7, 8, 9, 10});
    m_list.SetColumnWidth(0, 180);
    m_list.SaveSettings(profile);
    EXPECT_EQ(profile.GetProfileInt("Column2", "dataNo", -1), 0);
    EXPECT_EQ(profile.GetProfileInt("Column0", "width", -1), 180);

    CFriendListView restarted(m_doc, m_ui);
    restarted.LoadSettings(profile);
    EXPECT_EQ(restarted.GetColumnOrder()[2], 0);
    EXPECT_EQ(restarted.GetColumnWidths()[0], 180);
    restarted.ResetColumns();
    EXPECT_EQ(restarted.GetColumnOrder()[2], 2);
    EXPECT_EQ(restarted.GetColumnWidths()[0], 100);
    std::filesystem::remove_all(folder);
}

TEST_F(CFriendListViewTest, DefaultWidthsGrowWithALargerFontAndNeverShrink) {
    // Name 100, postal code 70 and address 200 pixels for a 12-pixel font.
    const std::pair<int, std::array<int, 3>> cases[] = {
        {12, {100, 70, 200}}, {18, {150, 105, 300}}, {16, {133, 93, 267}}, {9, {100, 70, 200}}};
    for (const auto& [em, widths] : cases) {
        CFriendListView list(m_doc, m_ui);
        list.SetFontScale(CFontScale(em));
        list.LoadSettings(CProfile(std::filesystem::temp_directory_path() / "tarnvale-none.ini"));
        for (int field = 0; field < 3; ++field)
            EXPECT_EQ(list.GetColumnWidths()[static_cast<std::size_t>(field)], widths[field]) << em;
        list.SetColumnWidth(0, 5);
        list.ResetColumns();
        EXPECT_EQ(list.GetColumnWidths()[0], widths[0]);
    }
}

TEST_F(CFriendListViewTest, ADamagedColumnOrderFallsBackToFieldOrder) {
    const auto folder = std::filesystem::temp_directory_path() / "tarnvale-list-damaged";
    std::filesystem::create_directories(folder);
    CProfile profile(folder / "tarnvale.ini");
    profile.WriteProfileInt("Column3", "dataNo", 0); // field 0 twice, field 3 nowhere
    m_list.LoadSettings(profile);
    for (int i = 0; i < CFriendListView::COLUMN_COUNT; ++i)
        EXPECT_EQ(m_list.GetColumnOrder()[static_cast<std::size_t>(i)], i);
    std::filesystem::remove_all(folder);
}
} // namespace
