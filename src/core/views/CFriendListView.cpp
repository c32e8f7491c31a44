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
#include "core/views/CTreeControl.h"
#include "core/views/CViewTexts.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

std::string ColumnSection(int index) {
    return "Column" + std::to_string(index);
}

// A row with its sort key read and prefixed once, so that comparisons rarely touch the person.
struct CKeyedRow {
    std::uint64_t prefix;
    std::string_view key;
    CPersonalData* person;
};

CKeyedRow KeyOf(CPersonalData* person) {
    const std::string_view key = person->GetSortKey();
    return {CTreeControl::TextPrefix(key), key, person};
}

bool Before(const CKeyedRow& a, const CKeyedRow& b) {
    return CTreeControl::ComparePrefixed(a.prefix, a.key, b.prefix, b.key) < 0;
}

using CRowIterator = std::vector<CPersonalData*>::iterator;

// The first ordered row after `from` that is greater than `row`. The search gallops from
// `from` before it bisects, so that inserted rows close together cost a few key reads each
// rather than a search of all the rows left: keys lie scattered in memory.
CRowIterator GallopPast(CRowIterator from, CRowIterator end, const CKeyedRow& row) {
    const auto greater = [&row](CPersonalData* person) {
        return Before(row, KeyOf(person));
    };
    std::ptrdiff_t step = 1;
    CRowIterator low = from;
    while (end - low > step && !greater(low[step - 1])) {
        low += step;
        step *= 2;
    }
    const CRowIterator high = end - low > step ? low + step : end;
    return std::partition_point(low, high, [&](CPersonalData* person) { return !greater(person); });
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
    m_rows.assign(selection.persons.begin(), selection.persons.end());
    m_nOrderedRows = m_rows.size(); // the lists are sound, so no row repeats another
    m_nHoles = 0;
    m_selected.clear();
    m_pGroupInfo = selection.info;
    m_bSorted = false;
    Sort();
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
    Sort();
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

void CFriendListView::Sort() {
    DropRepeatedRows();
    if (m_bSorted) {
        const std::size_t firstClosed = CompactRows();
        const std::size_t firstMoved = std::min(firstClosed, MergeInsertedRows());
        m_nIndexedRows = std::min(m_nIndexedRows, firstMoved);
    } else {
        CompactRows();
        SortAllRows();
        m_rowOf.Clear();
        m_nIndexedRows = 0;
        m_bSorted = true;
    }
    m_nOrderedRows = m_rows.size();
}

void CFriendListView::DropRepeatedRows() {
    if (m_nOrderedRows == m_rows.size())
        return;
    CPointerIndex appended;
    appended.Reserve(m_rows.size() - m_nOrderedRows);
    bool dropped = false;
    const auto drop = [&](std::size_t row) {
        m_rows[row] = nullptr;
        ++m_nHoles;
        dropped = true;
    };
    for (std::size_t row = m_nOrderedRows; row < m_rows.size(); ++row) {
        if (m_rows[row] == nullptr)
            continue;
        if (appended.Contains(m_rows[row]))
            drop(row);
        else
            appended.Set(m_rows[row], row);
    }
    for (std::size_t row = 0; row < m_nOrderedRows; ++row) {
        const std::size_t copy =
            m_rows[row] ? appended.Find(m_rows[row]) : CPointerIndex::NOT_FOUND;
        if (copy != CPointerIndex::NOT_FOUND) {
            appended.Erase(m_rows[row]);
            drop(copy);
        }
    }
    // A dropped copy may have taken its person's place in the row index.
    if (dropped) {
        m_rowOf.Clear();
        m_nIndexedRows = 0;
    }
}

std::size_t CFriendListView::CompactRows() {
    if (m_nHoles == 0)
        return m_rows.size();
    const auto firstHole = std::find(m_rows.begin(), m_rows.end(), nullptr);
    const auto orderedEnd = m_rows.begin() + static_cast<std::ptrdiff_t>(m_nOrderedRows);
    m_nOrderedRows -= static_cast<std::size_t>(std::count(firstHole, orderedEnd, nullptr));
    m_rows.erase(std::remove(firstHole, m_rows.end(), nullptr), m_rows.end());
    m_nHoles = 0;
    return static_cast<std::size_t>(firstHole - m_rows.begin());
}

std::size_t CFriendListView::MergeInsertedRows() {
    if (m_nOrderedRows == m_rows.size())
        return m_rows.size();
    std::vector<CKeyedRow> inserted;
    inserted.reserve(m_rows.size() - m_nOrderedRows);
    for (std::size_t row = m_nOrderedRows; row < m_rows.size(); ++row)
        inserted.push_back(KeyOf(m_rows[row]));
    std::stable_sort(inserted.begin(), inserted.end(), Before);
    // Each inserted row goes after the ordered rows that are not greater, so equal keys keep
    // the rows that were there first in front.
    std::vector<CPersonalData*> merged;
    merged.reserve(m_rows.size());
    std::size_t firstMoved = m_rows.size();
    auto from = m_rows.begin();
    const auto orderedEnd = m_rows.begin() + static_cast<std::ptrdiff_t>(m_nOrderedRows);
    for (const CKeyedRow& row : inserted) {
        const auto to = GallopPast(from, orderedEnd, row);
        merged.insert(merged.end(), from, to);
        firstMoved = std::min(firstMoved, merged.size());
        merged.push_back(row.person);
        from = to;
    }
    merged.insert(merged.end(), from, orderedEnd);
    m_rows = std::move(merged);
    return firstMoved;
}

void CFriendListView::SortAllRows() {
    // Most comparisons of 100,000 keyed rows are decided by the prefixes alone.
    std::vector<CKeyedRow> keyed;
    keyed.reserve(m_rows.size());
    for (CPersonalData* person : m_rows)
        keyed.push_back(KeyOf(person));
    std::stable_sort(keyed.begin(), keyed.end(), Before);
    for (std::size_t row = 0; row < keyed.size(); ++row)
        m_rows[row] = keyed[row].person;
}

int CFriendListView::InsertPersonalRow(CPersonalData* person) {
    // Appended after the ordered rows; the end of the notification merges it in.
    if (m_nIndexedRows == m_rows.size()) {
        m_rowOf.Set(person, m_rows.size());
        ++m_nIndexedRows;
    }
    m_rows.push_back(person);
    return static_cast<int>(m_rows.size() - 1);
}

bool CFriendListView::DeletePersonalRow(CPersonalData* person) {
    const int row = FindRow(person);
    if (row < 0)
        return false;
    // A hole keeps the other rows where they are until the end of the notification closes it.
    m_rows[static_cast<std::size_t>(row)] = nullptr;
    ++m_nHoles;
    m_rowOf.Erase(person);
    m_selected.erase(person);
    return true;
}

void CFriendListView::UpdatePersonalRow(CPersonalData* person) {
    const int row = FindRow(person);
    if (row >= 0) {
        m_bSorted = false;
        if (m_observer)
            m_observer->OnRowChanged(row);
    }
}

void CFriendListView::IndexRows() const {
    if (m_nIndexedRows == m_rows.size())
        return;
    m_rowOf.Reserve(m_rows.size());
    for (std::size_t row = m_nIndexedRows; row < m_rows.size(); ++row)
        m_rowOf.Set(m_rows[row], row);
    m_nIndexedRows = m_rows.size();
}

int CFriendListView::FindRow(const CPersonalData* person) const {
    IndexRows();
    const std::size_t row = m_rowOf.Find(person);
    return row == CPointerIndex::NOT_FOUND ? -1 : static_cast<int>(row);
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
            m_selected.insert(m_rows[static_cast<std::size_t>(row)]);
    }
}

void CFriendListView::SelectAll() {
    m_selected.insert(m_rows.begin(), m_rows.end());
    if (m_observer)
        m_observer->OnSelectionChanged();
}

std::vector<CPersonalData*> CFriendListView::GetSelectedPersons() const {
    std::vector<CPersonalData*> persons;
    persons.reserve(m_selected.size());
    for (CPersonalData* person : m_rows) {
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
        return m_doc.GetMailer() != nullptr;
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
        if (CMailer* mailer = m_doc.GetMailer(); mailer && CanWriteMail())
            mailer->WriteMail(GetSelectedPersons(), CMailer::FieldOfCommand(id));
        break;
    default:
        break;
    }
}
