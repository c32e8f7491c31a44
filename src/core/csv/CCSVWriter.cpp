#include "csv/CCSVWriter.h"

#include "dialogs/CCSVExportModel.h"
#include "model/CFieldTable.h"
#include "model/CPersonalData.h"
#include "storage/CSafeFileWriter.h"
#include "ui/CCsvDialogs.h"

CCSVWriter::CCSVWriter(std::vector<std::string> fieldNames) : m_fieldNames(std::move(fieldNames)) {}

bool CCSVWriter::Open(CCsvDialogs& dialogs) {
    CCSVExportModel dialog(m_fieldNames);
    dialog.SetScope(m_nScope);
    if (!dialogs.RunExportDialog(dialog))
        return false;
    m_nScope = dialog.GetScope();
    m_columnOrder = dialog.GetOrder();
    const auto path = dialogs.GetSaveCsvFileName();
    if (!path)
        return false;
    m_path = *path;
    return true;
}

void CCSVWriter::AppendValue(std::string_view value) {
    // Values are written as they are: a quote, comma or line break inside is neither escaped
    // nor doubled, so that the file reads back the same way.
    m_text += '"';
    m_text += value;
    m_text += "\",";
}

void CCSVWriter::EndLine() {
    if (!m_columnOrder.empty())
        m_text.pop_back(); // no comma after the last value
    m_text += "\r\n";
}

void CCSVWriter::WriteRecord(const std::vector<std::string>& fields) {
    for (const int field : m_columnOrder) {
        const auto index = static_cast<std::size_t>(field);
        AppendValue(index < fields.size() ? std::string_view(fields[index]) : std::string_view());
    }
    EndLine();
}

void CCSVWriter::WritePerson(const CPersonalData& person) {
    for (const int field : m_columnOrder) {
        if (field == CFieldTable::FIELD_MEMO)
            AppendValue(person.GetFieldText(field));
        else if (CFieldTable::IsWorkingField(field))
            AppendValue(person.GetFieldFullText(field));
        else
            AppendValue({});
    }
    EndLine();
}

CFileResult CCSVWriter::Close() {
    return CloseTo(m_path);
}

CFileResult CCSVWriter::CloseTo(const std::filesystem::path& path) {
    return CSafeFileWriter::Write(path, m_text);
}
