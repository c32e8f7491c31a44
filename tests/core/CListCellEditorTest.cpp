#include "CBookFixture.h"
#include "CScriptedCellEditor.h"
#include "core/model/CFieldTable.h"
#include "core/ui/CCmdUI.h"
#include "core/ui/CommandIds.h"
#include "core/views/CDragDrop.h"

#include <tuple>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {
constexpr int LAST = CFriendListView::COLUMN_COUNT - 1;

class CListCellEditorTest : public CBookFixture {
protected:
    void SetUp() override {
        CBookFixture::SetUp();
        m_list.GetCellEditor().SetWindow(&m_window);
        for (const char* name : {"a", "b", "c"}) {
            CPersonalData* person = AddPerson(name);
            person->SetText(EPersonText::Address, std::string(name) + "-address");
        }
        Select(m_tree.m_hRootItem);
    }

    CListCellEditor& Editor() { return m_list.GetCellEditor(); }
    void Key(ECellKey key, bool shift = false) { Editor().OnListKey(key, shift); }
    void PutCursor(int row, int position) { m_list.GetCellEditor().SetCursor(row, position); }
    std::pair<int, int> Cursor() const {
        return {m_list.GetCellEditor().GetCursorRow(), m_list.GetCellEditor().GetCursorPosition()};
    }
    CPersonalData* Row(int row) const { return m_list.GetRowPerson(row); }
    // Every field of every listed person, in row order.
    std::vector<std::string> AllFields() const {
        std::vector<std::string> fields;
        for (int row = 0; row < m_list.GetRowCount(); ++row) {
            for (int field = 0; field < CFriendListView::COLUMN_COUNT; ++field)
                fields.push_back(Row(row)->GetFieldFullText(field));
        }
        return fields;
    }
    void MoveColumn(int field, int position) {
        std::array<int, CFriendListView::COLUMN_COUNT> order = m_list.GetColumnOrder();
        std::swap(*std::find(order.begin(), order.end(), field),
                  order[static_cast<std::size_t>(position)]);
        m_list.SetColumnOrder(order);
        Editor().OnColumnsMoved();
    }
    bool Checked(int id) {
        CCmdUI ui;
        m_list.OnUpdateCommand(id, ui);
        return ui.IsChecked();
    }

    CScriptedCellEditor m_window;
};

struct CListKeyCase {
    const char* name;
    ECellKey key;
    bool shift;
    bool visible;
    EListKeyAction action;
    ECellMove move;
    bool own;
};

TEST(CCellKeysTest, TheListsKeyTableWithTheEditorHiddenAndShown) {
    using A = EListKeyAction;
    using M = ECellMove;
    const CListKeyCase cases[] = {
        {"shift", ECellKey::Shift, true, false, A::Nothing, M::None, false},
        {"tab hidden", ECellKey::Tab, false, false, A::SwitchPane, M::None, false},
        {"tab shown", ECellKey::Tab, false, true, A::Move, M::Right, false},
        {"shift tab shown", ECellKey::Tab, true, true, A::Move, M::Left, false},
        {"enter hidden", ECellKey::Enter, false, false, A::SendModify, M::None, false},
        {"enter shown", ECellKey::Enter, false, true, A::Move, M::Down, false},
        {"escape hidden", ECellKey::Escape, false, false, A::ShowEditor, M::None, true},
        {"escape shown", ECellKey::Escape, false, true, A::HideEditor, M::None, false},
        {"end hidden", ECellKey::End, false, false, A::Move, M::Last, true},
        {"home shown", ECellKey::Home, false, true, A::Move, M::First, false},
        {"up hidden", ECellKey::Up, false, false, A::Move, M::Up, true},
        {"left shown", ECellKey::Left, false, true, A::Move, M::Left, false},
        {"delete hidden", ECellKey::Delete, false, false, A::SendDelete, M::None, false},
        {"delete shown", ECellKey::Delete, false, true, A::PassToEditor, M::None, false},
        {"letter hidden", ECellKey::Other, false, false, A::Nothing, M::None, true},
        {"letter shown", ECellKey::Other, false, true, A::PassToEditor, M::None, false},
        {"f2 hidden", ECellKey::F2, false, false, A::Nothing, M::None, true},
        {"f2 shown", ECellKey::F2, false, true, A::EditCell, M::None, false},
    };
    for (const CListKeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CListKeyRule rule = CCellKeys::ForList(c.key, c.shift, c.visible);
        EXPECT_EQ(rule.action, c.action);
        EXPECT_EQ(rule.move, c.move);
        EXPECT_EQ(rule.ownHandling, c.own);
    }
}

TEST(CCellKeysTest, TheEditorsKeyTable) {
    using K = ECellKey;
    // key, shift -> key the list gets (Other: none), the line edit's own handling
    const std::tuple<const char*, K, bool, K, bool> cases[] = {
        {"enter", K::Enter, false, K::Enter, true},
        {"escape", K::Escape, false, K::Escape, true},
        {"down", K::Down, false, K::Down, true},
        {"left moves the caret", K::Left, false, K::Other, true},
        {"shift left moves the cell", K::Left, true, K::Left, false},
        {"shift end moves the cell", K::End, true, K::End, false},
        {"tab", K::Tab, false, K::Right, false},
        {"shift tab", K::Tab, true, K::Left, false},
        {"letter", K::Other, false, K::Other, true},
    };
    for (const auto& [name, key, shift, toList, own] : cases) {
        SCOPED_TRACE(name);
        const CEditorKeyRule rule = CCellKeys::ForEditor(key, shift);
        EXPECT_EQ(rule.toList, toList);
        EXPECT_EQ(rule.ownHandling, own);
    }
}

TEST_F(CListCellEditorTest, MovesAreClampedToTheRowsAndColumns) {
    struct CCase {
        const char* name;
        std::pair<int, int> from;
        ECellKey key;
        bool shift;
        bool visible;
        std::pair<int, int> to;
    };
    const CCase cases[] = {
        {"tab from the last column stays", {1, LAST}, ECellKey::Tab, false, true, {1, LAST}},
        {"shift tab moves left", {1, 3}, ECellKey::Tab, true, true, {1, 2}},
        {"enter moves down", {0, 2}, ECellKey::Enter, false, true, {1, 2}},
        {"down from the last row stays", {2, 2}, ECellKey::Down, false, true, {2, 2}},
        {"up from the first row stays", {0, 2}, ECellKey::Up, false, true, {0, 2}},
        {"end", {0, 2}, ECellKey::End, false, true, {0, LAST}},
        {"home", {2, 5}, ECellKey::Home, false, true, {2, 0}},
        {"hidden left from the first column", {1, 0}, ECellKey::Left, false, false, {1, 0}},
        {"hidden down past the rows", {2, 4}, ECellKey::Down, false, false, {2, 4}},
        {"hidden end", {1, 1}, ECellKey::End, false, false, {1, LAST}},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.name);
        Editor().Hide();
        PutCursor(c.from.first, c.from.second);
        if (c.visible)
            Editor().Show(false, true);
        Key(c.key, c.shift);
        EXPECT_EQ(Cursor(), c.to);
        EXPECT_EQ(Editor().IsVisible(), c.visible);
        if (c.visible) {
            EXPECT_EQ(std::make_pair(m_window.m_nRow, m_window.m_nField), c.to);
        }
    }
}

TEST_F(CListCellEditorTest, EnterCommitsTheTypedTextAndMovesDownWithOneUndoStep) {
    PutCursor(0, CFieldTable::FIELD_ADDRESS);
    Key(ECellKey::Escape);
    ASSERT_TRUE(m_window.m_bShown);
    EXPECT_EQ(m_window.m_text, "a-address");
    EXPECT_THAT(m_list.GetSelectedPersons(), ElementsAre(Row(0)));
    m_window.Type("new");
    Key(ECellKey::Enter);
    EXPECT_EQ(Row(0)->GetText(EPersonText::Address), "new");
    EXPECT_EQ(Cursor(), std::make_pair(1, int{CFieldTable::FIELD_ADDRESS}));
    EXPECT_EQ(m_window.m_text, "b-address");
    EXPECT_FALSE(m_window.m_bModified);
    EXPECT_EQ(m_doc.GetLastCommand()->GetName(), "修正（セル編集）");
    const CCommand* edit = m_doc.GetLastCommand();

    Key(ECellKey::Enter); // nothing typed: no step
    EXPECT_EQ(m_doc.GetLastCommand(), edit);
    m_doc.OnEditUndo();
    EXPECT_EQ(Row(0)->GetText(EPersonText::Address), "a-address");
}

TEST_F(CListCellEditorTest, EscapeHidesWithoutCommittingAndUnchangedTextCommitsNothing) {
    Key(ECellKey::Escape);
    const CCommand* before = m_doc.GetLastCommand();
    m_window.Type("typed");
    Key(ECellKey::Escape);
    EXPECT_FALSE(Editor().IsVisible());
    EXPECT_EQ(Row(0)->GetText(EPersonText::Name), "a");
    Key(ECellKey::Escape);
    m_window.Type("a"); // typed over with the same text
    Key(ECellKey::Down);
    EXPECT_EQ(m_doc.GetLastCommand(), before);
}

TEST_F(CListCellEditorTest, TheEditorIsRefusedOnTheDeletedAndTheEmptyList) {
    Key(ECellKey::Escape);
    Select(m_tree.m_hDeletedItem);
    EXPECT_FALSE(Editor().IsVisible());
    m_list.OnCommand(ID_CELL_EDIT_MODE);
    EXPECT_FALSE(m_window.m_bShown);
    CGroup* empty = AddGroup("empty");
    SelectGroup(empty);
    Key(ECellKey::Escape);
    EXPECT_FALSE(Editor().IsVisible());
}

TEST_F(CListCellEditorTest, ARefillPutsTheShownEditorOnTheFirstCell) {
    CGroup* g = AddGroup("g");
    AddPerson("d", {g});
    PutCursor(2, 4);
    Editor().Show(false, true);
    SelectGroup(g);
    EXPECT_TRUE(Editor().IsVisible());
    EXPECT_EQ(Cursor(), std::make_pair(0, 0));
    EXPECT_EQ(m_window.m_text, "d");
}

TEST_F(CListCellEditorTest, AMovedColumnEditsTheFieldItShows) {
    std::array<int, CFriendListView::COLUMN_COUNT> order{};
    for (int i = 0; i < CFriendListView::COLUMN_COUNT; ++i)
        order[static_cast<std::size_t>(i)] = i;
    std::swap(order[0], order[2]); // the address is shown first, the name third
    m_list.SetColumnOrder(order);
    PutCursor(1, 0);
    Editor().Show(false, true);
    EXPECT_EQ(m_window.m_nField, CFieldTable::FIELD_ADDRESS);
    m_window.Type("moved");
    Key(ECellKey::Right);
    EXPECT_EQ(Row(1)->GetText(EPersonText::Address), "moved");
    EXPECT_EQ(Row(1)->GetText(EPersonText::Name), "b");
}

TEST_F(CListCellEditorTest, AMemoCellEditReplacesOnlyTheFirstLine) {
    Row(0)->SetText(EPersonText::Memo, "one\r\ntwo\r\nthree");
    Row(1)->SetText(EPersonText::Memo, "single");
    PutCursor(0, CFieldTable::FIELD_MEMO);
    Editor().Show(false, true);
    EXPECT_EQ(m_window.m_text, "one");
    m_window.Type("first");
    Key(ECellKey::Down);
    EXPECT_EQ(Row(0)->GetText(EPersonText::Memo), "first\r\ntwo\r\nthree");
    m_window.Type("whole");
    Key(ECellKey::Up);
    EXPECT_EQ(Row(1)->GetText(EPersonText::Memo), "whole");
    m_doc.OnEditUndo();
    m_doc.OnEditUndo();
    EXPECT_EQ(Row(0)->GetText(EPersonText::Memo), "one\r\ntwo\r\nthree");
}

TEST_F(CListCellEditorTest, TextCp932CannotHoldIsRefusedAndStaysInTheEditor) {
    PutCursor(1, CFieldTable::FIELD_ADDRESS);
    Editor().Show(false, true);
    const CCommand* before = m_doc.GetLastCommand();
    m_window.Type("x\xF0\x9F\x98\x80"); // an emoji
    m_ui.m_answers = {EMessageResult::Ok};
    Key(ECellKey::Enter);
    ASSERT_EQ(m_ui.m_asked.size(), 1u);
    EXPECT_THAT(m_ui.m_asked[0], HasSubstr("U+1F600"));
    EXPECT_THAT(m_ui.m_asked[0], HasSubstr("住所"));
    EXPECT_EQ(Cursor(), std::make_pair(1, int{CFieldTable::FIELD_ADDRESS}));
    EXPECT_EQ(m_window.m_text, "x\xF0\x9F\x98\x80");
    EXPECT_TRUE(m_window.m_bModified);
    EXPECT_TRUE(m_window.m_bFocused);
    EXPECT_EQ(m_doc.GetLastCommand(), before);
    EXPECT_FALSE(Editor().CommitAndHide());
    EXPECT_TRUE(Editor().IsVisible());
    // Nor does a save take it; once the text can be kept, the save takes it first.
    EXPECT_FALSE(m_doc.CommitViewEdits());
    m_window.Type("x");
    EXPECT_TRUE(m_doc.CommitViewEdits());
    EXPECT_EQ(Row(1)->GetFieldText(CFieldTable::FIELD_ADDRESS), "x");
}

TEST_F(CListCellEditorTest, ModeCommandsCarryTheCheckMarksAndClipboardWorksOnlyWhileShown) {
    m_window.m_clipboard = "clip";
    m_list.OnCommand(ID_EDIT_PASTE);
    EXPECT_FALSE(m_window.m_bModified);
    EXPECT_TRUE(Checked(ID_COLUMN_SELECT_MODE));
    EXPECT_FALSE(Checked(ID_CELL_EDIT_MODE));

    m_list.OnCommand(ID_CELL_EDIT_MODE);
    EXPECT_TRUE(Checked(ID_CELL_EDIT_MODE));
    EXPECT_FALSE(Checked(ID_COLUMN_SELECT_MODE));
    EXPECT_FALSE(m_window.m_bFocused);
    m_list.OnCommand(ID_EDIT_PASTE);
    EXPECT_EQ(m_window.m_text, "clip");
    m_list.OnCommand(ID_COLUMN_SELECT_MODE); // hides without committing
    EXPECT_FALSE(Editor().IsVisible());
    EXPECT_EQ(Row(0)->GetText(EPersonText::Name), "a");
}

TEST_F(CListCellEditorTest, UndoWhileShownCommitsAndTakesBackTheLastStep) {
    Editor().Show(false, true);
    EXPECT_TRUE(m_list.HasCommand(ID_EDIT_UNDO));
    m_window.Type("typed");
    CCmdUI undo;
    m_list.OnUpdateCommand(ID_EDIT_UNDO, undo);
    EXPECT_THAT(undo.GetText().value_or(""), HasSubstr("修正（セル編集）"));
    m_list.OnCommand(ID_EDIT_UNDO); // takes back the typing
    EXPECT_EQ(Row(0)->GetText(EPersonText::Name), "a");
    EXPECT_EQ(m_window.m_text, "a");
    const std::size_t persons = m_doc.GetPersonList().size();
    m_window.Type("a"); // typed, but the same text: only the typing goes
    m_list.OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(m_doc.GetPersonList().size(), persons);
    m_list.OnCommand(ID_EDIT_UNDO); // nothing typed: the adding of the last person
    EXPECT_EQ(m_doc.GetPersonList().size(), persons - 1);
    Editor().Hide();
    EXPECT_FALSE(m_list.HasCommand(ID_EDIT_UNDO));
}

TEST_F(CListCellEditorTest, ClicksCommitAndMoveTheShownEditor) {
    Editor().Show(false, true);
    CPersonalData* first = Row(0);
    m_window.Type("clicked"); // sorts last
    Editor().OnLeftButtonDown(CFieldTable::FIELD_TEL1, -1, CFieldTable::FIELD_TEL1);
    EXPECT_EQ(first->GetText(EPersonText::Name), "clicked");
    EXPECT_EQ(Cursor(), std::make_pair(2, int{CFieldTable::FIELD_TEL1}));
    EXPECT_TRUE(Editor().OnRightButtonDown(CFieldTable::FIELD_ZIP, 1, CFieldTable::FIELD_ZIP));
    EXPECT_EQ(Cursor(), std::make_pair(1, int{CFieldTable::FIELD_ZIP}));
    Editor().OnMouseWheel();
    EXPECT_FALSE(Editor().IsVisible());
    EXPECT_FALSE(Editor().OnRightButtonDown(0, 0, 0));

    EXPECT_FALSE(Editor().OnDoubleClick(CFieldTable::FIELD_NAME, 1, 0));
    EXPECT_TRUE(Editor().OnDoubleClick(CFieldTable::FIELD_ZIP, 1, 1));
    EXPECT_TRUE(m_window.m_bFocused);
    m_list.GetCellEditor().SetEditByDblClk(false);
    EXPECT_FALSE(Editor().OnDoubleClick(CFieldTable::FIELD_ZIP, 1, 1));
}

TEST_F(CListCellEditorTest, TypingStaysWithItsCellWhenRowsResortAndColumnsMove) {
    PutCursor(1, CFieldTable::FIELD_ADDRESS);
    Editor().Show(false, true);
    CPersonalData* b = Row(1);
    m_window.Type("typed");
    AddPerson("0"); // sorts first, so b goes down a row
    EXPECT_EQ(Cursor(), std::make_pair(2, int{CFieldTable::FIELD_ADDRESS}));
    EXPECT_EQ(m_window.m_nRow, 2);
    EXPECT_EQ(m_window.m_text, "typed");
    MoveColumn(CFieldTable::FIELD_TEL1, CFieldTable::FIELD_ADDRESS);
    EXPECT_EQ(b->GetText(EPersonText::Address), "typed");
    EXPECT_EQ(b->GetText(EPersonText::Tel1), "");
    EXPECT_EQ(Row(1)->GetText(EPersonText::Address), "a-address");
}

TEST_F(CListCellEditorTest, AConversionInProgressGoesIntoItsOwnCellOrWithTheEscape) {
    CPersonalData* b = Row(1);
    PutCursor(1, CFieldTable::FIELD_ADDRESS);
    Editor().Show(false, true);
    m_window.Compose("kana");
    AddPerson("0"); // b goes down a row, the composition with it
    Editor().OnLeftButtonDown(CFieldTable::FIELD_TEL1, 0, CFieldTable::FIELD_TEL1);
    EXPECT_EQ(b->GetText(EPersonText::Address), "kana");
    m_window.Compose("dropped");
    Key(ECellKey::Escape);
    EXPECT_EQ(m_window.m_composing, ""); // nothing left for whatever takes the focus next
    EXPECT_TRUE(m_doc.CommitViewEdits());
    EXPECT_EQ(Row(0)->GetText(EPersonText::Tel1), "");
}

// What the user does between typing, Escape and a double-click on another cell.
enum class EPath { None, Click, KeysThenSave, GroupChange, Drag, ColumnMove, Wheel };

class CEscapedTypingTest : public CListCellEditorTest,
                           public ::testing::WithParamInterface<std::pair<const char*, EPath>> {
protected:
    void Move() {
        switch (GetParam().second) {
        case EPath::None:
            break;
        case EPath::Click:
            Editor().OnLeftButtonDown(CFieldTable::FIELD_ADDRESS, 2, 2);
            break;
        case EPath::KeysThenSave:
            Key(ECellKey::Down);
            Key(ECellKey::End);
            EXPECT_TRUE(m_doc.CommitViewEdits());
            break;
        case EPath::GroupChange:
            Select(m_tree.m_hDeletedItem);
            Select(m_tree.m_hRootItem);
            break;
        case EPath::Drag: {
            CDragDrop drag(m_doc, m_tree, m_list, m_ui);
            m_list.SetSelectedRows({1});
            EXPECT_TRUE(drag.BeginFromList());
            drag.Cancel();
            break;
        }
        case EPath::ColumnMove:
            MoveColumn(CFieldTable::FIELD_TEL1, 1);
            break;
        case EPath::Wheel:
            Editor().OnMouseWheel();
            break;
        }
    }
};

TEST_P(CEscapedTypingTest, IsNeverCommittedIntoAnotherCell) {
    PutCursor(0, CFieldTable::FIELD_ZIP);
    Editor().Show(false, true);
    const std::vector<std::string> before = AllFields();
    const CCommand* last = m_doc.GetLastCommand();
    m_window.Type("QQQ");
    Key(ECellKey::Escape);
    Move();
    EXPECT_TRUE(Editor().OnDoubleClick(CFieldTable::FIELD_TEL1, 1, CFieldTable::FIELD_TEL1));
    EXPECT_TRUE(m_doc.CommitViewEdits());
    Key(ECellKey::Enter);
    EXPECT_EQ(m_doc.GetLastCommand(), last);
    EXPECT_EQ(AllFields(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, CEscapedTypingTest,
    ::testing::Values(std::pair{"none", EPath::None}, std::pair{"click", EPath::Click},
                      std::pair{"keysThenSave", EPath::KeysThenSave},
                      std::pair{"groupChange", EPath::GroupChange}, std::pair{"drag", EPath::Drag},
                      std::pair{"columnMove", EPath::ColumnMove}, std::pair{"wheel", EPath::Wheel}),
    [](const ::testing::TestParamInfo<std::pair<const char*, EPath>>& info) {
        return std::string(info.param.first);
    });
} // namespace
