#pragma once

#include "storage/CFileResult.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class CCsvDialogs;
class CPersonalData;
class CUserInterface;

// Writes persons as CSV: one line per person, the chosen fields in the chosen order, each value
// verbatim between quotes, lines ending in CR LF. The lines gather in memory and reach the file
// in one safe write when the writer closes.
class CCSVWriter {
public:
    explicit CCSVWriter(std::vector<std::string> fieldNames);
    CCSVWriter(const CCSVWriter&) = delete;
    CCSVWriter& operator=(const CCSVWriter&) = delete;
    virtual ~CCSVWriter() = default;

    // Runs the column dialog, preset with the scope, and then the save chooser; false when the
    // user cancelled either.
    bool Open(CCsvDialogs& dialogs);

    // The scope: 0 all persons, 1 the selected ones, 2 the shown group's members.
    int m_nScope = 0;
    const std::vector<int>& GetColumnOrder() const { return m_columnOrder; }
    void SetColumnOrder(std::vector<int> order) { m_columnOrder = std::move(order); }

    // `fields` are the person's texts in field-number order.
    void WriteRecord(const std::vector<std::string>& fields);
    // The same from the person's display texts (the memo up to its first line break).
    void WritePerson(const CPersonalData& person);
    // Writes the file chosen in Open; the failure names the file and the reason.
    CFileResult Close();
    CFileResult CloseTo(const std::filesystem::path& path);
    const std::string& GetText() const { return m_text; }

private:
    void AppendValue(std::string_view value);
    void EndLine();

    std::vector<std::string> m_fieldNames;
    std::vector<int> m_columnOrder;
    std::filesystem::path m_path;
    std::string m_text;
};
