#pragma once

#include "core/csv/CCsvOptions.h"

#include <functional>
#include <string>
#include <vector>

// What the import dialog decides: which file column feeds which person field, whether the
// persons make a new file or join the open one, and how the file is read. Texts are UTF-8.
class CCSVImportModel {
public:
    // The column examples for a way of reading the file, one per column of its first line.
    using CExamples = std::function<std::vector<std::string>(const CCsvOptions&)>;

    CCSVImportModel(std::vector<std::string> fieldNames, CExamples examples,
                    const CCsvOptions& options);

    int GetFieldCount() const { return static_cast<int>(m_fieldNames.size()); }
    int GetColumnCount() const { return static_cast<int>(m_examples.size()); }
    const std::string& GetFieldName(int field) const { return m_fieldNames.at(Index(field)); }
    // The field's (first) column, 0-based, or -1.
    int GetFieldColumn(int field) const;
    // "項目3：東京都" for an assigned field, "項目3+項目4：東京都 千代田区" for joined columns,
    // empty otherwise.
    std::string GetFieldAssignment(int field) const;
    // "項目3" for the third column.
    static std::string GetColumnName(int column);
    const std::string& GetExample(int column) const { return m_examples.at(Index(column)); }
    // How many fields the column feeds; above 0 it shows as assigned and ghosted.
    int GetColumnUses(int column) const { return m_columnUses.at(Index(column)); }

    // -1 for no selection, as after a click beside the rows.
    int GetSelectedField() const { return m_nSelectedField; }
    int GetSelectedColumn() const { return m_nSelectedColumn; }
    void SelectField(int field);
    void SelectColumn(int column);

    bool IsAssignEnabled() const { return m_nSelectedField >= 0 && m_nSelectedColumn >= 0; }
    bool IsUnassignEnabled() const;
    bool IsOkEnabled() const;
    // Feeds the selected field from the selected column and moves both selections on.
    void Assign();
    // The selected field is fed by nothing; the selection stays.
    void Unassign();

    ECsvTarget GetTarget() const { return m_eTarget; }
    void SetTarget(ECsvTarget target) { m_eTarget = target; }
    bool IsNewFile() const { return m_eTarget == ECsvTarget::NewFile; }

    const CCsvOptions& GetOptions() const { return m_options; }
    // Reads the examples again; fields keep the columns that still exist.
    void SetOptions(const CCsvOptions& options);

    // For each field in order, its columns.
    const CCsvColumnMap& GetResultMap() const { return m_fieldColumns; }

private:
    static std::size_t Index(int index) { return static_cast<std::size_t>(index); }
    void Release(int field);
    void LoadExamples();
    // With a header line and no field assigned yet, assigns the columns whose names are known.
    void PresetFromHeader();

    std::vector<std::string> m_fieldNames;
    CExamples m_examplesOf;
    CCsvOptions m_options;
    std::vector<std::string> m_examples;
    CCsvColumnMap m_fieldColumns;
    std::vector<int> m_columnUses;
    int m_nSelectedField = -1;
    int m_nSelectedColumn = -1;
    ECsvTarget m_eTarget = ECsvTarget::OpenFile;
};
