#pragma once

#include "core/csv/CCsvOptions.h"
#include "core/model/CPersonalData.h"
#include "core/storage/CFileResult.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CCsvDialogs;
class CTextCodec;
class CUserInterface;

// Writes persons as CSV: one line per person, the chosen fields in the chosen order, lines ending
// in CR LF. In the program's own format each value stands verbatim between quotes; with RFC 4180
// inner quotes are doubled and the memo keeps its lines. The lines gather in memory and reach the
// file in one safe write when the writer closes.
class CCSVWriter {
public:
    explicit CCSVWriter(std::vector<std::string> fieldNames);
    CCSVWriter(const CCSVWriter&) = delete;
    CCSVWriter& operator=(const CCSVWriter&) = delete;
    virtual ~CCSVWriter() = default;

    // Runs the column dialog, preset with the scope, and then the save chooser; false when the
    // user cancelled either. With a header line chosen, writes it.
    bool Open(CCsvDialogs& dialogs, const CTextCodec& codec);

    ECsvScope m_eScope = ECsvScope::All;
    const std::vector<int>& GetColumnOrder() const { return m_columnOrder; }
    void SetColumnOrder(std::vector<int> order) { m_columnOrder = std::move(order); }
    void SetRfc4180(bool rfc4180) { m_bRfc4180 = rfc4180; }
    bool IsRfc4180() const { return m_bRfc4180; }
    // A line of the chosen fields' labels; written first when the export has a header line.
    void WriteHeader(const CTextCodec& codec);
    // Values written in the program's own format that hold a comma, a double quote or a line
    // break: that format cannot read them back unchanged.
    std::size_t GetUnsafeValues() const { return m_nUnsafeValues; }
    // The advice after such an export (UTF-8), or nothing.
    static std::optional<std::string> UnsafeMessage(std::size_t unsafe);

    using CTexts = std::array<std::string_view, CPersonalData::TEXT_COUNT>;

    // One line of the chosen fields of a person's texts (in the data file's order). In the
    // program's own format the memo is written up to its first line break, as the list shows
    // it, so no value holds one.
    void WriteTexts(const CTexts& texts);
    void WritePerson(const CPersonalData& person);
    static std::string_view FirstLine(std::string_view memo);
    // Writes the file chosen in Open, with no permission that `madeFrom` (the open book) lacks;
    // the failure names the file and the reason.
    CFileResult Close(const std::filesystem::path& madeFrom = {});
    CFileResult CloseTo(const std::filesystem::path& path);
    // Writes a CSV file safely; an existing target that is no regular file is refused. The file
    // gets no permission that `madeFrom` (the book exported) lacks.
    static CFileResult WriteFile(const std::filesystem::path& path, std::string_view bytes,
                                 const std::filesystem::path& madeFrom = {});
    const std::string& GetText() const { return m_text; }

private:
    void AppendValue(std::string_view value);
    void EndLine();

    std::vector<std::string> m_fieldNames;
    std::vector<int> m_columnOrder;
    bool m_bRfc4180 = false;
    std::size_t m_nUnsafeValues = 0;
    std::filesystem::path m_path;
    std::string m_text;
};
