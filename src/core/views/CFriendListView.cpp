#include "views/CFriendListView.h"

#include "commands/CCommandGroup.h"
#include "commands/CDeletePersonalCommand.h"
#include "commands/CRemoveCommand.h"
#include "commands/CRestoreCommand.h"
#include "document/CAddressDoc.h"
#include "model/CFieldTable.h"
#include "settings/CProfile.h"
#include "ui/CCmdUI.h"
#include "ui/CRecordEditor.h"
#include "ui/CUserInterface.h"
#include "ui/CommandIds.h"
#include "views/CTreeControl.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace {
constexpr const char* DELETE_QUESTION = "削除してよろしいですか？";

std::string ColumnSection(int index) {
    return "Column" + std::to_string(index);
}
} // namespace

CFriendListView::CFriendListView(CAddressDoc& doc, CUserInterface& ui) : m_doc(doc), m_ui(ui) {
    ResetColumns();
    m_doc.AddView(this);
}

CFriendListView::~CFriendListView() {
    m_doc.RemoveView(this);
}

void CFriendListView::OnUpdate(CDocView* sender, EHint hint, const CHintObject& object) {
    if (sender == this)
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
    BeginUpdate();
    m_rows.assign(selection.persons.begin(), selection.persons.end());
    m_selected.clear();
    m_pGroupInfo = selection.info;
    m_bSorted = false;
    Sort();
    m_doc.m_pShownInfo = m_pGroupInfo;
    m_nEditRow = 0;
    m_nEditColumn = 0;
    EndUpdate();
}

void CFriendListView::ApplyCommand(CCommand& command, bool undo) {
    BeginUpdate();
    if (undo)
        command.UndoList(*this);
    else
        command.DoList(*this);
    Sort();
    EndUpdate();
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
    if (!m_bSorted) {
        // Each key is read and prefixed once rather than at every comparison; most comparisons
        // of 100,000 rows are then decided by the prefixes alone.
        struct CKeyedRow {
            std::uint64_t prefix;
            std::string_view key;
            CPersonalData* person;
        };
        std::vector<CKeyedRow> keyed;
        keyed.reserve(m_rows.size());
        for (CPersonalData* person : m_rows) {
            const std::string_view key = person->GetSortKey();
            keyed.push_back({CTreeControl::TextPrefix(key), key, person});
        }
        std::stable_sort(keyed.begin(), keyed.end(), [](const CKeyedRow& a, const CKeyedRow& b) {
            return CTreeControl::ComparePrefixed(a.prefix, a.key, b.prefix, b.key) < 0;
        });
        for (std::size_t row = 0; row < keyed.size(); ++row)
            m_rows[row] = keyed[row].person;
        m_bSorted = true;
    }
    m_rowOf.clear();
    m_rowOf.reserve(m_rows.size());
    for (std::size_t row = 0; row < m_rows.size(); ++row)
        m_rowOf.emplace(m_rows[row], row);
}

int CFriendListView::InsertPersonalRow(CPersonalData* person) {
    m_rowOf[person] = m_rows.size();
    m_rows.push_back(person);
    m_bSorted = false;
    return static_cast<int>(m_rows.size() - 1);
}

bool CFriendListView::DeletePersonalRow(CPersonalData* person) {
    const auto found = m_rowOf.find(person);
    if (found == m_rowOf.end())
        return false;
    // The last row takes the hole; the sort that ends every notification restores the order.
    const std::size_t row = found->second;
    m_rowOf.erase(found);
    if (row + 1 != m_rows.size()) {
        m_rows[row] = m_rows.back();
        m_rowOf[m_rows[row]] = row;
        m_bSorted = false;
    }
    m_rows.pop_back();
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

int CFriendListView::FindRow(const CPersonalData* person) const {
    const auto found = m_rowOf.find(person);
    return found == m_rowOf.end() ? -1 : static_cast<int>(found->second);
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
    if (m_ui.MessageBox(DELETE_QUESTION, EMessageButtons::YesNo, EMessageIcon::Question) !=
        EMessageResult::Yes)
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
    m_nEditRow = row >= 0 ? row : GetRowCount() - 1;
    m_nEditColumn = position;
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

void CFriendListView::ResetColumns() {
    for (int i = 0; i < COLUMN_COUNT; ++i) {
        m_columnOrder[static_cast<std::size_t>(i)] = i;
        m_columnWidths[static_cast<std::size_t>(i)] = CFieldTable::GetDefaultWidth(i);
    }
    if (m_observer)
        m_observer->OnColumnsChanged();
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
        SetColumnWidth(i, profile.GetProfileInt(section, "width", CFieldTable::GetDefaultWidth(i)));
    }
    // A damaged order would lose columns; the field order serves instead.
    SetColumnOrder(order);
    m_textColor = static_cast<std::uint32_t>(profile.GetProfileInt("ListColor", "text", 0));
    m_backgroundColor =
        static_cast<std::uint32_t>(profile.GetProfileInt("ListColor", "background", 0xFFFFFF));
    m_bEditByDblClk = profile.GetProfileInt("CellEdit", "byDblClk", 1) != 0;
}

void CFriendListView::SaveSettings(CProfile& profile) const {
    for (int i = 0; i < COLUMN_COUNT; ++i) {
        const std::string section = ColumnSection(i);
        profile.WriteProfileInt(section, "dataNo", m_columnOrder[static_cast<std::size_t>(i)]);
        profile.WriteProfileInt(section, "width", m_columnWidths[static_cast<std::size_t>(i)]);
    }
    profile.WriteProfileInt("ListColor", "text", static_cast<int>(m_textColor));
    profile.WriteProfileInt("ListColor", "background", static_cast<int>(m_backgroundColor));
    profile.WriteProfileInt("CellEdit", "byDblclk", m_bEditByDblClk ? 1 : 0);
}

bool CFriendListView::HasCommand(int id) const {
    switch (id) {
    case ID_DELETE:
    case ID_REMOVE_FROM_GROUP:
    case ID_RESTORE:
    case ID_SELECT_ALL:
    case ID_RESET_COLUMNS:
        return true;
    case ID_MODIFY:
        return m_doc.GetRecordEditor() != nullptr;
    default:
        return false;
    }
}

void CFriendListView::OnUpdateCommand(int id, CCmdUI& ui) {
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
    default:
        break;
    }
}

void CFriendListView::OnCommand(int id) {
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
    default:
        break;
    }
}
