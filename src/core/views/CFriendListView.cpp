#include "core/views/CFriendListView.h"

#include "core/commands/CCommandGroup.h"
#include "core/commands/CDeletePersonalCommand.h"
#include "core/commands/CRemoveCommand.h"
#include "core/commands/CRestoreCommand.h"
#include "core/document/CAddressDoc.h"
#include "core/mail/CMailer.h"
#include "core/model/CFieldTable.h"
#include "core/settings/CColumnWidth.h"
#include "core/settings/CProfile.h"
#include "core/ui/CCmdUI.h"
#include "core/ui/CRecordEditor.h"
#include "core/ui/CUserInterface.h"
#include "core/ui/CommandIds.h"
#include "core/views/CViewTexts.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

std::string ColumnSection(int index) {
    return "Column" + std::to_string(index);
}
} // namespace

CFriendListView::CFriendListView(CAddressDoc& doc, CUserInterface& ui)
    : m_doc(doc), m_ui(ui), m_cellEditor(*this, doc, ui) {
    ResetColumns();
    m_doc.AddView(this);
}

CFriendListView::~CFriendListView() {
    m_doc.RemoveView(this);
}

void CFriendListView::OnUpdate(CDocView* sender, EHint hint, const CHintObject& object) {
    if (sender == this || m_doc.IsDragInProgress())
        return;
    switch (hint) {
    case EHint::SelectionChanged:
        if (object.selection)
            Refill(*object.selection);
        break;
    case EHint::CommandDone:
    case EHint::CommandUndone:
        if (object.command)
            ApplyCommand(*object.command, hint == EHint::CommandUndone);
        break;
    default:
        break;
    }
}

void CFriendListView::Refill(const CSelectionHint& selection) {
    m_nRefillDispatch = m_doc.GetCommandDispatch();
    BeginUpdate();
    m_rows.Assign(selection.persons); // the lists are sound, so no row repeats another
    m_selected.clear();
    m_pGroupInfo = selection.info;
    m_rows.Sort();
    EndUpdate();
    m_cellEditor.OnRefilled();
}

void CFriendListView::ApplyCommand(CCommand& command, bool undo) {
    // The tree's step of this command moved its selection, and the rows were refilled from the
    // document as the command left it: applying the command again would show persons twice.
    if (m_nRefillDispatch != 0 && m_nRefillDispatch == m_doc.GetCommandDispatch())
        return;
    BeginUpdate();
    if (undo)
        command.UndoList(*this);
    else
        command.DoList(*this);
    m_rows.Sort();
    EndUpdate();
    m_cellEditor.OnRowsChanged();
}

void CFriendListView::BeginUpdate() {
    if (m_observer)
        m_observer->OnAboutToReset();
}

void CFriendListView::EndUpdate() {
    if (m_observer)
        m_observer->OnReset();
}

int CFriendListView::InsertPersonalRow(CPersonalData* person) {
    // The end of the notification merges the row in.
    return static_cast<int>(m_rows.Insert(person));
}

bool CFriendListView::DeletePersonalRow(CPersonalData* person) {
    // The row stays a hole until the end of the notification closes it.
    if (!m_rows.Erase(person))
        return false;
    m_selected.erase(person);
    return true;
}

void CFriendListView::UpdatePersonalRow(CPersonalData* person) {
    const int row = FindRow(person);
    if (row >= 0) {
        m_rows.MarkUnsorted();
        if (m_observer)
            m_observer->OnRowChanged(row);
    }
}

int CFriendListView::FindRow(const CPersonalData* person) const {
    return m_rows.Find(person);
}

CGroup* CFriendListView::GetShownGroup() const {
    return m_pGroupInfo ? (m_pGroupInfo->IsGroup() ? m_pGroupInfo->GetGroup() : nullptr) : nullptr;
}

bool CFriendListView::ShowsDeleted() const {
    return m_pGroupInfo && m_pGroupInfo->IsDeleted();
}

void CFriendListView::SetSelectedRows(const std::vector<int>& rows) {
    m_selected.clear();
    for (const int row : rows) {
        if (row >= 0 && row < GetRowCount())
            m_selected.insert(m_rows.At(static_cast<std::size_t>(row)));
    }
}

void CFriendListView::SelectAll() {
    m_selected.insert(m_rows.GetRows().begin(), m_rows.GetRows().end());
    if (m_observer)
        m_observer->OnSelectionChanged();
}

std::vector<CPersonalData*> CFriendListView::GetSelectedPersons() const {
    std::vector<CPersonalData*> persons;
    persons.reserve(m_selected.size());
    for (CPersonalData* person : m_rows.GetRows()) {
        if (m_selected.count(person))
            persons.push_back(person);
    }
    return persons;
}

bool CFriendListView::CanDelete() const {
    return GetSelectedCount() > 0 && !ShowsDeleted();
}

bool CFriendListView::CanRemoveFromGroup() const {
    return GetSelectedCount() > 0 && GetShownGroup() != nullptr;
}

bool CFriendListView::CanModify() const {
    return GetSelectedCount() == 1 && !ShowsDeleted();
}

bool CFriendListView::CanRestore() const {
    return GetSelectedCount() > 0 && ShowsDeleted();
}

void CFriendListView::Execute(std::unique_ptr<CCommand> command) {
    m_doc.ExecuteCommand(std::move(command));
}

void CFriendListView::OnDelete() {
    if (!CanDelete())
        return;
    if (m_ui.MessageBox(CViewTexts::DELETE_QUESTION, EMessageButtons::YesNo,
                        EMessageIcon::Question) != EMessageResult::Yes)
        return;
    auto commands = std::make_unique<CCommandGroup>();
    for (CPersonalData* person : GetSelectedPersons())
        commands->AddCommand(std::make_unique<CDeletePersonalCommand>(person));
    Execute(std::move(commands));
}

void CFriendListView::OnRemoveFromGroup() {
    CGroup* group = GetShownGroup();
    if (!CanRemoveFromGroup())
        return;
    auto commands = std::make_unique<CCommandGroup>();
    for (CPersonalData* person : GetSelectedPersons())
        commands->AddCommand(std::make_unique<CRemoveCommand>(person, group));
    Execute(std::move(commands));
}

void CFriendListView::OnModify() {
    CRecordEditor* editor = m_doc.GetRecordEditor();
    const std::vector<CPersonalData*> selected = GetSelectedPersons();
    if (editor && CanModify() && !selected.empty())
        editor->EditPerson(selected.front(), m_nClickedColumn);
}

void CFriendListView::OnRestore() {
    if (!CanRestore())
        return;
    auto commands = std::make_unique<CCommandGroup>();
    for (CPersonalData* person : GetSelectedPersons())
        commands->AddCommand(std::make_unique<CRestoreCommand>(m_doc, person));
    Execute(std::move(commands));
}

void CFriendListView::SetClickedCell(int field, int row, int position) {
    m_nClickedColumn = field;
    m_cellEditor.SetCursor(row >= 0 ? row : GetRowCount() - 1, position);
}

bool CFriendListView::IsValidOrder(const std::array<int, COLUMN_COUNT>& order) {
    std::array<bool, COLUMN_COUNT> seen{};
    for (const int field : order) {
        if (field < 0 || field >= COLUMN_COUNT || seen[static_cast<std::size_t>(field)])
            return false;
        seen[static_cast<std::size_t>(field)] = true;
    }
    return true;
}

void CFriendListView::SetColumnOrder(const std::array<int, COLUMN_COUNT>& order) {
    if (IsValidOrder(order))
        m_columnOrder = order;
}

void CFriendListView::SetColumnWidth(int field, int width) {
    if (field >= 0 && field < COLUMN_COUNT)
        m_columnWidths[static_cast<std::size_t>(field)] = std::max(0, width);
}

int CFriendListView::GetDefaultWidth(int field) const {
    return m_fontScale.Apply(CFieldTable::GetDefaultWidth(field));
}

void CFriendListView::ResetColumns() {
    for (int i = 0; i < COLUMN_COUNT; ++i) {
        m_columnOrder[static_cast<std::size_t>(i)] = i;
        m_columnWidths[static_cast<std::size_t>(i)] = GetDefaultWidth(i);
    }
    if (m_observer)
        m_observer->OnColumnsChanged();
    m_cellEditor.OnColumnsMoved();
}

void CFriendListView::SetColors(std::uint32_t text, std::uint32_t background) {
    m_textColor = text;
    m_backgroundColor = background;
}

void CFriendListView::LoadSettings(const CProfile& profile) {
    m_bFlatScrollBars = profile.GetProfileInt("Window", "flatSB", 0) != 0;
    std::array<int, COLUMN_COUNT> order{};
    for (int i = 0; i < COLUMN_COUNT; ++i) {
        const std::string section = ColumnSection(i);
        order[static_cast<std::size_t>(i)] = profile.GetProfileInt(section, "dataNo", i);
        const int def = GetDefaultWidth(i);
        SetColumnWidth(
            i, CColumnWidth::FromSettings(profile.GetProfileInt(section, "width", def), def));
    }
    // A damaged order would lose columns; the field order serves instead.
    SetColumnOrder(order);
    m_textColor = static_cast<std::uint32_t>(profile.GetProfileInt("ListColor", "text", 0));
    m_backgroundColor =
        static_cast<std::uint32_t>(profile.GetProfileInt("ListColor", "background", 0xFFFFFF));
    m_cellEditor.SetEditByDblClk(profile.GetProfileInt("CellEdit", "byDblClk", 1) != 0);
}

void CFriendListView::SaveSettings(CProfile& profile) const {
    for (int i = 0; i < COLUMN_COUNT; ++i) {
        const std::string section = ColumnSection(i);
        profile.WriteProfileInt(section, "dataNo", m_columnOrder[static_cast<std::size_t>(i)]);
        profile.WriteProfileInt(section, "width", m_columnWidths[static_cast<std::size_t>(i)]);
    }
    profile.WriteProfileInt("ListColor", "text", static_cast<int>(m_textColor));
    profile.WriteProfileInt("ListColor", "background", static_cast<int>(m_backgroundColor));
    profile.WriteProfileInt("CellEdit", "byDblClk", m_cellEditor.GetEditByDblClk() ? 1 : 0);
}

bool CFriendListView::CommitPendingEdit() {
    return m_cellEditor.Commit();
}

bool CFriendListView::HasCommand(int id) const {
    if (CListCellEditor::IsEditorCommand(id))
        return m_cellEditor.HasCommand(id);
    switch (id) {
    case ID_DELETE:
    case ID_REMOVE_FROM_GROUP:
    case ID_RESTORE:
    case ID_SELECT_ALL:
    case ID_RESET_COLUMNS:
        return true;
    case ID_MODIFY:
        return m_doc.GetRecordEditor() != nullptr;
    case ID_MAIL_EMAIL1:
    case ID_MAIL_EMAIL2:
        return m_pMailer != nullptr;
    default:
        return false;
    }
}

void CFriendListView::OnUpdateCommand(int id, CCmdUI& ui) {
    if (CListCellEditor::IsEditorCommand(id)) {
        m_cellEditor.OnUpdateCommand(id, ui);
        return;
    }
    switch (id) {
    case ID_DELETE:
        ui.Enable(CanDelete());
        break;
    case ID_REMOVE_FROM_GROUP:
        ui.Enable(CanRemoveFromGroup());
        break;
    case ID_RESTORE:
        ui.Enable(CanRestore());
        break;
    case ID_MODIFY:
        // A modify started from the toolbar focuses no particular field.
        if (ui.IsFromToolbar())
            m_nClickedColumn = -1;
        ui.Enable(CanModify());
        break;
    case ID_MAIL_EMAIL1:
    case ID_MAIL_EMAIL2:
        ui.Enable(CanWriteMail());
        break;
    default:
        break;
    }
}

void CFriendListView::OnCommand(int id) {
    if (CListCellEditor::IsEditorCommand(id)) {
        m_cellEditor.OnCommand(id);
        return;
    }
    switch (id) {
    case ID_DELETE:
        OnDelete();
        break;
    case ID_REMOVE_FROM_GROUP:
        OnRemoveFromGroup();
        break;
    case ID_RESTORE:
        OnRestore();
        break;
    case ID_SELECT_ALL:
        SelectAll();
        break;
    case ID_RESET_COLUMNS:
        ResetColumns();
        break;
    case ID_MODIFY:
        OnModify();
        break;
    case ID_MAIL_EMAIL1:
    case ID_MAIL_EMAIL2:
        if (m_pMailer && CanWriteMail())
            m_pMailer->WriteMail(GetSelectedPersons(), CMailer::FieldOfCommand(id));
        break;
    default:
        break;
    }
}
