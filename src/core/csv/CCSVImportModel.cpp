#include "core/csv/CCSVImportModel.h"

#include "core/csv/CCsvHeaderMap.h"
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
      m_fieldColumns(m_fieldNames.size()) {
    LoadExamples();
    PresetFromHeader();
    m_nSelectedField = GetFieldCount() > 0 ? 0 : -1;
    m_nSelectedColumn = GetColumnCount() > 0 ? 0 : -1;
}

void CCSVImportModel::LoadExamples() {
    m_examples = m_examplesOf ? m_examplesOf(m_options) : std::vector<std::string>();
    m_columnUses.assign(m_examples.size(), 0);
    for (std::vector<int>& columns : m_fieldColumns) {
        std::erase_if(columns, [this](int column) { return column >= GetColumnCount(); });
        for (const int column : columns)
            ++m_columnUses[Index(column)];
    }
    if (m_nSelectedColumn >= GetColumnCount())
        m_nSelectedColumn = GetColumnCount() > 0 ? 0 : -1;
}

void CCSVImportModel::PresetFromHeader() {
    if (!m_options.header || IsOkEnabled())
        return;
    CCsvColumnMap map = CCsvHeaderMap::Map(m_examples);
    map.resize(m_fieldColumns.size());
    m_fieldColumns = std::move(map);
    LoadExamples();
}

int CCSVImportModel::GetFieldColumn(int field) const {
    const std::vector<int>& columns = m_fieldColumns.at(Index(field));
    return columns.empty() ? -1 : columns.front();
}

std::string CCSVImportModel::GetFieldAssignment(int field) const {
    std::string names;
    std::string examples;
    for (const int column : m_fieldColumns.at(Index(field))) {
        if (!names.empty()) {
            names += '+';
            examples += ' ';
        }
        names += GetColumnName(column);
        examples += GetExample(column);
    }
    if (names.empty())
        return {};
    return CTextFormat::Format(CDialogModelTexts::CSV_ASSIGNMENT, {names, examples});
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
    return CCsvHeaderMap::HasAnyColumn(m_fieldColumns);
}

void CCSVImportModel::Release(int field) {
    for (const int column : m_fieldColumns[Index(field)]) {
        int& uses = m_columnUses[Index(column)];
        uses = std::max(0, uses - 1);
    }
    m_fieldColumns[Index(field)].clear();
}

void CCSVImportModel::Assign() {
    if (!IsAssignEnabled())
        return;
    Release(m_nSelectedField);
    m_fieldColumns[Index(m_nSelectedField)] = {m_nSelectedColumn};
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
    PresetFromHeader();
}
