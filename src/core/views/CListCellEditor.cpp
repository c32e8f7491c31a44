#include "core/views/CListCellEditor.h"

#include "core/commands/CModifyByListEditCommand.h"
#include "core/commands/CUndoTexts.h"
#include "core/dialogs/CUnsavableText.h"
#include "core/document/CAddressDoc.h"
#include "core/document/CDocumentTexts.h"
#include "core/model/CFieldTable.h"
#include "core/text/CTextFormat.h"
#include "core/ui/CCmdUI.h"
#include "core/ui/CommandIds.h"
#include "core/views/CCellEditorWindow.h"
#include "core/views/CFriendListView.h"

#include <algorithm>

namespace {
// Clears a flag however the scope is left.
class CFlagScope {
public:
    explicit CFlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~CFlagScope() { m_flag = false; }
    CFlagScope(const CFlagScope&) = delete;
    CFlagScope& operator=(const CFlagScope&) = delete;

private:
    bool& m_flag;
};
} // namespace

CListCellEditor::CListCellEditor(CFriendListView& list, CAddressDoc& doc, CUserInterface& ui)
    : m_list(list), m_doc(doc), m_ui(ui) {}

int CListCellEditor::GetField() const {
    const int position = std::clamp(m_nEditColumn, 0, CFriendListView::COLUMN_COUNT - 1);
    return m_list.GetColumnOrder()[static_cast<std::size_t>(position)];
}

void CListCellEditor::SetCursor(int row, int position) {
    m_nEditRow = row;
    m_nEditColumn = position;
}

bool CListCellEditor::CanShow() const {
    return m_list.GetRowCount() > 0 && !m_list.ShowsDeleted();
}

void CListCellEditor::Clamp() {
    m_nEditColumn = std::clamp(m_nEditColumn, 0, CFriendListView::COLUMN_COUNT - 1);
    m_nEditRow = std::clamp(m_nEditRow, 0, std::max(0, m_list.GetRowCount() - 1));
}

void CListCellEditor::BringIntoRange() {
    if (!m_pWindow)
        return;
    if (!CanShow()) {
        Hide();
        return;
    }
    Clamp();
}

void CListCellEditor::Show(bool focusEditor, bool scrollIntoView) {
    BringIntoRange();
    if (!m_pWindow || !CanShow())
        return;
    m_pWindow->CommitComposition();
    const int row = m_nEditRow;
    m_pEditedPerson = m_list.GetRowPerson(row);
    m_nEditedField = GetField();
    m_list.SetSelectedRows({row});
    m_pWindow->Place(row, m_nEditedField, scrollIntoView);
    m_pWindow->SetText(m_codec.ToUtf8(m_pEditedPerson->GetFieldText(m_nEditedField)));
    m_bVisible = true;
    m_pWindow->ShowEditor(focusEditor);
}

void CListCellEditor::Hide() {
    // Ended while the editor is still shown, a composition goes to it, and cannot reach
    // whatever takes the focus next.
    if (m_pWindow) {
        m_pWindow->CommitComposition();
        m_pWindow->SetModified(false);
    }
    m_bVisible = false;
    m_pEditedPerson = nullptr;
    if (m_pWindow)
        m_pWindow->HideEditor();
}

bool CListCellEditor::HasTyping() {
    m_pWindow->CommitComposition();
    return m_pWindow->IsModified();
}

bool CListCellEditor::Commit() {
    if (m_bCommitting)
        return false;
    if (!m_pWindow || !HasTyping())
        return true;
    const CFlagScope committing(m_bCommitting);
    CPersonalData* person = m_pEditedPerson;
    if (!person || m_list.FindRow(person) < 0 || m_list.ShowsDeleted()) {
        m_pWindow->SetModified(false);
        return true;
    }
    const int field = m_nEditedField;
    CEncodeResult encoded = m_codec.FromUtf8(m_pWindow->GetText());
    if (!encoded.ok()) {
        CUnsavableText::Report(m_ui, CFieldTable::GetLabel(field), encoded.unmappable);
        m_pWindow->FocusEditor();
        return false;
    }
    std::string text = std::move(encoded.text);
    // The cell shows the memo's first line only; the lines after it stay as they are.
    if (field == CFieldTable::FIELD_MEMO)
        text += person->GetFieldFullText(field).substr(person->GetFieldText(field).size());
    if (text != person->GetFieldFullText(field))
        m_doc.ExecuteCommand(std::make_unique<CModifyByListEditCommand>(person, field, text));
    m_pWindow->SetModified(false);
    return true;
}

bool CListCellEditor::CommitAndHide() {
    if (!m_bVisible)
        return true;
    if (!Commit())
        return false;
    Hide();
    return true;
}

void CListCellEditor::Move(ECellMove move) {
    switch (move) {
    case ECellMove::Left:
        --m_nEditColumn;
        break;
    case ECellMove::Right:
        ++m_nEditColumn;
        break;
    case ECellMove::Up:
        --m_nEditRow;
        break;
    case ECellMove::Down:
        ++m_nEditRow;
        break;
    case ECellMove::First:
        m_nEditColumn = 0;
        break;
    case ECellMove::Last:
        m_nEditColumn = CFriendListView::COLUMN_COUNT - 1;
        break;
    case ECellMove::None:
        break;
    }
}

CListKeyRule CListCellEditor::OnListKey(ECellKey key, bool shift) {
    const CListKeyRule rule = CCellKeys::ForList(key, shift, m_bVisible);
    switch (rule.action) {
    case EListKeyAction::ShowEditor:
        Show(false, true);
        break;
    case EListKeyAction::HideEditor:
        Hide();
        break;
    case EListKeyAction::Move:
        if (!m_bVisible) {
            Move(rule.move);
            BringIntoRange();
        } else if (Commit()) {
            Move(rule.move);
            Show(false, true);
        }
        break;
    default:
        break;
    }
    return rule;
}

void CListCellEditor::OnLeftButtonDown(int field, int row, int position) {
    if (m_bVisible) {
        if (!Commit())
            return;
        m_list.SetClickedCell(field, row, position);
        Show(false, true);
    } else {
        m_list.SetClickedCell(field, row, position);
        BringIntoRange();
    }
}

bool CListCellEditor::OnRightButtonDown(int field, int row, int position) {
    if (!m_bVisible)
        return false;
    OnLeftButtonDown(field, row, position);
    return true;
}

bool CListCellEditor::OnDoubleClick(int field, int row, int position) {
    const bool starts = m_bEditByDblClk && field > CFieldTable::FIELD_NAME && m_pWindow;
    if (starts && !Commit())
        return true;
    m_list.SetClickedCell(field, row, position);
    if (!starts)
        return false;
    Show(true, true);
    return true;
}

void CListCellEditor::OnMouseWheel() {
    CommitAndHide();
}

void CListCellEditor::OnResized() {
    if (m_bVisible && Commit())
        Show(false, true);
}

void CListCellEditor::OnEditorKillFocus() {
    if (m_bVisible)
        Commit();
}

void CListCellEditor::OnColumnsMoved() {
    if (m_bVisible && Commit())
        Show(false, false);
}

void CListCellEditor::OnRefilled() {
    SetCursor(0, 0);
    if (m_bVisible)
        Show(false, true);
}

void CListCellEditor::OnRowsChanged() {
    if (!m_bVisible || m_bCommitting || !m_pWindow)
        return;
    const int row = m_list.FindRow(m_pEditedPerson);
    if (row < 0 || !HasTyping()) {
        Show(false, false);
        return;
    }
    // The typing stays with its person wherever the rows put it.
    m_nEditRow = row;
    m_pWindow->Place(row, m_nEditedField, false);
}

bool CListCellEditor::IsEditorCommand(int id) {
    switch (id) {
    case ID_CELL_EDIT_MODE:
    case ID_COLUMN_SELECT_MODE:
    case ID_EDIT_CUT:
    case ID_EDIT_COPY:
    case ID_EDIT_PASTE:
    case ID_EDIT_UNDO:
    case ID_EDIT_REDO:
        return true;
    default:
        return false;
    }
}

bool CListCellEditor::HasCommand(int id) const {
    // Undo is the document's; while the editor is shown the list commits the editor first.
    return IsEditorCommand(id) && ((id != ID_EDIT_UNDO && id != ID_EDIT_REDO) || m_bVisible);
}

void CListCellEditor::OnUpdateCommand(int id, CCmdUI& ui) {
    switch (id) {
    case ID_CELL_EDIT_MODE:
        ui.SetCheck(m_bVisible);
        break;
    case ID_COLUMN_SELECT_MODE:
        ui.SetCheck(!m_bVisible);
        break;
    case ID_EDIT_UNDO:
        m_doc.OnUpdateCommand(id, ui);
        // What Ctrl+Z takes back first is the typing.
        if (m_pWindow && m_pWindow->IsModified()) {
            ui.Enable(true);
            ui.SetText(
                CTextFormat::Format(CDocumentTexts::UNDO_NAMED, {CUndoTexts::MODIFY_BY_CELL_EDIT}));
        }
        break;
    case ID_EDIT_REDO:
        m_doc.OnUpdateCommand(id, ui);
        // Committing the typing would be a new step, which leaves nothing to redo.
        if (m_pWindow && m_pWindow->IsModified())
            ui.Enable(false);
        break;
    default:
        break;
    }
}

void CListCellEditor::CommitThenUndo() {
    const bool typed = m_pWindow && HasTyping();
    const CCommand* last = m_doc.GetLastCommand();
    if (!Commit())
        return;
    // Typing and Ctrl+Z take back the typing: the commit just made is what the undo reverts.
    // Typing that changed nothing is taken back by showing the cell again, never by undoing the
    // step before it.
    if (typed && m_doc.GetLastCommand() == last)
        Show(false, false);
    else if (m_doc.CanUndo())
        m_doc.OnEditUndo();
}

void CListCellEditor::OnCommand(int id) {
    switch (id) {
    case ID_CELL_EDIT_MODE:
        if (!m_bVisible)
            Show(false, true);
        break;
    case ID_COLUMN_SELECT_MODE:
        if (m_bVisible)
            Hide();
        break;
    case ID_EDIT_CUT:
        if (m_bVisible && m_pWindow)
            m_pWindow->Cut();
        break;
    case ID_EDIT_COPY:
        if (m_bVisible && m_pWindow)
            m_pWindow->Copy();
        break;
    case ID_EDIT_PASTE:
        if (m_bVisible && m_pWindow)
            m_pWindow->Paste();
        break;
    case ID_EDIT_UNDO:
        if (m_bVisible)
            CommitThenUndo();
        break;
    case ID_EDIT_REDO:
        if (m_bVisible && Commit())
            m_doc.OnEditRedo();
        break;
    default:
        break;
    }
}
