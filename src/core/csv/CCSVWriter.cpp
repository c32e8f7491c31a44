#include "core/csv/CCSVWriter.h"

#include "core/csv/CCSVExportModel.h"
#include "core/csv/CCsvTexts.h"
#include "core/model/CFieldTable.h"
#include "core/storage/CSafeFileWriter.h"
#include "core/text/CTextCodec.h"
#include "core/text/CTextFormat.h"
#include "core/ui/CCsvDialogs.h"

CCSVWriter::CCSVWriter(std::vector<std::string> fieldNames) : m_fieldNames(std::move(fieldNames)) {}

bool CCSVWriter::Open(CCsvDialogs& dialogs, const CTextCodec& codec) {
    CCSVExportModel dialog(m_fieldNames);
    dialog.SetScope(m_eScope);
    if (!dialogs.RunExportDialog(dialog))
        return false;
    m_eScope = dialog.GetScope();
    m_columnOrder = dialog.GetOrder();
    m_bRfc4180 = dialog.IsRfc4180();
    const auto path = dialogs.GetSaveCsvFileName();
    if (!path)
        return false;
    m_path = *path;
    if (dialog.HasHeader())
        WriteHeader(codec);
    return true;
}

void CCSVWriter::WriteHeader(const CTextCodec& codec) {
    for (const int field : m_columnOrder) {
        const std::string label(CFieldTable::GetLabel(field));
        AppendValue(codec.FromUtf8(label).text);
    }
    EndLine();
}

void CCSVWriter::AppendValue(std::string_view value) {
    m_text += '"';
    if (m_bRfc4180) {
        for (const char c : value) {
            if (c == '"')
                m_text += '"';
            m_text += c;
        }
    } else {
        // The program's own format writes values as they are: a quote, comma or line break
        // inside is neither escaped nor doubled.
        m_text += value;
    }
    m_text += "\",";
}

std::optional<std::string> CCSVWriter::UnsafeMessage(std::size_t unsafe) {
    if (unsafe == 0)
        return std::nullopt;
    return CTextFormat::Format(CCsvTexts::UNSAFE_VALUES, {std::to_string(unsafe)});
}

void CCSVWriter::EndLine() {
    if (!m_columnOrder.empty())
        m_text.pop_back(); // no comma after the last value
    m_text += "\r\n";
}

std::string_view CCSVWriter::FirstLine(std::string_view memo) {
    const std::size_t lf = memo.find('\n');
    if (lf == std::string_view::npos)
        return memo;
    const std::string_view line = memo.substr(0, lf);
    return line.ends_with('\r') ? line.substr(0, lf - 1) : line;
}

void CCSVWriter::WriteTexts(const CTexts& texts) {
    for (const int field : m_columnOrder) {
        if (!CFieldTable::IsWorkingField(field)) {
            AppendValue({});
            continue;
        }
        const std::string_view text =
            texts[static_cast<std::size_t>(CPersonalData::TextOfField(field))];
        if (m_bRfc4180) {
            AppendValue(text);
            continue;
        }
        if (text.find_first_of(",\"\r\n") != std::string_view::npos)
            ++m_nUnsafeValues;
        AppendValue(field == CFieldTable::FIELD_MEMO ? FirstLine(text) : text);
    }
    EndLine();
}

void CCSVWriter::WritePerson(const CPersonalData& person) {
    CTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = person.GetText(static_cast<EPersonText>(i));
    WriteTexts(texts);
}

CFileResult CCSVWriter::Close(const std::filesystem::path& madeFrom) {
    return WriteFile(m_path, m_text, madeFrom);
}

CFileResult CCSVWriter::CloseTo(const std::filesystem::path& path) {
    return WriteFile(path, m_text);
}

CFileResult CCSVWriter::WriteFile(const std::filesystem::path& path, std::string_view bytes,
                                  const std::filesystem::path& madeFrom) {
    // A device or a pipe would be replaced by a new file rather than written to.
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return {false, CTextFormat::Format(CCsvTexts::NOT_REGULAR_FILE, {path.string()}), 0};
    return CSafeFileWriter::Write(path, bytes, ELinkRule::WriteThrough, nullptr, {}, madeFrom);
}
