#include "core/dialogs/CCSVImportModel.h"

#include "core/dialogs/CDialogModelTexts.h"
#include "core/text/CTextFormat.h"

#include <algorithm>

namespace {
int NextWrapping(int row, int count) {
    return count == 0 ? -1 : (row + 1) % count;
}
} // namespace

CCSVImportModel::CCSVImportModel(std::vector<std::string> fieldNames, CExamples examples,
                                 const CCsvOptions& options)
    : m_fieldNames(std::move(fieldNames)), m_examplesOf(std::move(examples)), m_options(options),
      m_fieldColumns(m_fieldNames.size(), -1) {
    LoadExamples();
    m_nSelectedField = GetFieldCount() > 0 ? 0 : -1;
    m_nSelectedColumn = GetColumnCount() > 0 ? 0 : -1;
}

void CCSVImportModel::LoadExamples() {
    m_examples = m_examplesOf ? m_examplesOf(m_options) : std::vector<std::string>();
    m_columnUses.assign(m_examples.size(), 0);
    for (int& column : m_fieldColumns) {
        if (column >= GetColumnCount())
            column = -1;
        if (column >= 0)
            ++m_columnUses[Index(column)];
    }
    if (m_nSelectedColumn >= GetColumnCount())
        m_nSelectedColumn = GetColumnCount() > 0 ? 0 : -1;
}

std::string CCSVImportModel::GetFieldAssignment(int field) const {
    const int column = GetFieldColumn(field);
    if (column < 0)
        return {};
    return CTextFormat::Format(CDialogModelTexts::CSV_ASSIGNMENT,
                               {GetColumnName(column), GetExample(column)});
}

std::string CCSVImportModel::GetColumnName(int column) {
    return CTextFormat::Format(CDialogModelTexts::CSV_COLUMN, {std::to_string(column + 1)});
}

void CCSVImportModel::SelectField(int field) {
    m_nSelectedField = field >= 0 && field < GetFieldCount() ? field : -1;
}

void CCSVImportModel::SelectColumn(int column) {
    m_nSelectedColumn = column >= 0 && column < GetColumnCount() ? column : -1;
}

bool CCSVImportModel::IsUnassignEnabled() const {
    return m_nSelectedField >= 0 && GetFieldColumn(m_nSelectedField) >= 0;
}

bool CCSVImportModel::IsOkEnabled() const {
    return std::any_of(m_fieldColumns.begin(), m_fieldColumns.end(),
                       [](int column) { return column >= 0; });
}

void CCSVImportModel::Release(int field) {
    int& column = m_fieldColumns[Index(field)];
    if (column >= 0) {
        int& uses = m_columnUses[Index(column)];
        uses = std::max(0, uses - 1);
    }
    column = -1;
}

void CCSVImportModel::Assign() {
    if (!IsAssignEnabled())
        return;
    Release(m_nSelectedField);
    m_fieldColumns[Index(m_nSelectedField)] = m_nSelectedColumn;
    ++m_columnUses[Index(m_nSelectedColumn)];
    m_nSelectedField = NextWrapping(m_nSelectedField, GetFieldCount());
    m_nSelectedColumn = NextWrapping(m_nSelectedColumn, GetColumnCount());
}

void CCSVImportModel::Unassign() {
    if (m_nSelectedField >= 0)
        Release(m_nSelectedField);
}

void CCSVImportModel::SetOptions(const CCsvOptions& options) {
    if (options == m_options)
        return;
    const bool sameColumns =
        options.encoding == m_options.encoding && options.quoting == m_options.quoting;
    m_options = options;
    // The header choice changes only what is imported, never the examples.
    if (!sameColumns)
        LoadExamples();
}
