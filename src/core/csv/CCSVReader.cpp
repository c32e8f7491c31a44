#include "core/csv/CCSVReader.h"

#include "core/csv/CCSVImportModel.h"
#include "core/csv/CCsvHeaderMap.h"
#include "core/csv/CCsvTexts.h"
#include "core/document/CDataFile.h"
#include "core/model/CFieldTable.h"
#include "core/text/CTextFormat.h"
#include "core/ui/CCsvDialogs.h"
#include "core/ui/CUserInterface.h"

#include <algorithm>

namespace {
// A first line of a million columns would make a list nobody can use; the columns past these
// are read but cannot be assigned.
constexpr std::size_t MAX_COLUMNS = 1000;
// An example shows the start of a long value.
constexpr std::size_t MAX_EXAMPLE_BYTES = 256;

std::string Shortened(std::string text) {
    if (text.size() <= MAX_EXAMPLE_BYTES)
        return text;
    std::size_t cut = MAX_EXAMPLE_BYTES;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0U) == 0x80)
        --cut;
    text.resize(cut);
    return text + "…";
}

constexpr char END_OF_FILE_MARK = '\x1A';

CFileResult Failure(std::string message) {
    return {false, std::move(message), 0};
}

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// Appends the value with each line break (CR LF, CR or LF) made one blank; true when it had one.
bool AppendJoined(std::string& out, std::string_view value) {
    bool joined = false;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (!IsLineBreak(value[i])) {
            out += value[i];
            continue;
        }
        joined = true;
        out += ' ';
        if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n')
            ++i;
    }
    return joined;
}
} // namespace

CCSVReader::CCSVReader(std::vector<std::string> targetNames)
    : m_targetNames(std::move(targetNames)) {}

CFileResult CCSVReader::Load(const std::filesystem::path& path) {
    std::string bytes;
    if (CFileResult read = CDataFile::ReadBytes(path, bytes); !read.ok)
        return read;
    return LoadBytes(std::move(bytes), path.string());
}

CFileResult CCSVReader::LoadBytes(std::string bytes, const std::string& name) {
    m_bytes = std::move(bytes);
    m_strName = name;
    // Ctrl+Z, the end-of-file mark of old programs, is no record.
    if (m_bytes.ends_with(END_OF_FILE_MARK))
        m_bytes.pop_back();
    if (const auto line = CCsvDecoder::FindNul(m_bytes)) {
        m_bytes.clear();
        return Failure(CTextFormat::Format(CCsvTexts::NOT_TEXT, {name, std::to_string(*line)}));
    }
    // A byte-order mark alone is an empty file too.
    if (CCsvDecoder::StripBom(m_bytes).empty())
        m_bytes.clear();
    m_bEmpty = m_bytes.empty();
    return {true, {}, 0};
}

std::vector<std::string> CCSVReader::GetExamples(const CCsvOptions& options) const {
    const ECsvEncoding encoding = CCsvDecoder::Resolve(m_bytes, options.encoding);
    const std::string_view text =
        encoding == ECsvEncoding::Utf8 ? CCsvDecoder::StripBom(m_bytes) : m_bytes;
    CCsvRecordCursor cursor(text, options.quoting);
    std::vector<std::string_view> fields;
    std::vector<std::string> examples;
    if (!cursor.Next(fields, MAX_COLUMNS))
        return examples;
    examples.reserve(fields.size());
    for (const std::string_view field : fields)
        examples.push_back(Shortened(CCsvDecoder::Preview(field, encoding, m_codec)));
    return examples;
}

CCsvOptions CCSVReader::SuggestOptions(CCsvOptions remembered) const {
    const ECsvEncoding encoding = CCsvDecoder::Resolve(m_bytes, remembered.encoding);
    const std::string_view text =
        encoding == ECsvEncoding::Utf8 ? CCsvDecoder::StripBom(m_bytes) : m_bytes;
    CCsvOptions rfc = remembered;
    rfc.quoting = ECsvQuoting::Rfc4180;
    const bool header = CCsvHeaderMap::LooksLikeHeader(GetExamples(rfc));
    if (header || CCsvHeaderMap::HasRfcQuoting(text))
        remembered.quoting = ECsvQuoting::Rfc4180;
    remembered.header = remembered.header || header;
    return remembered;
}

CFileResult CCSVReader::Prepare(const CCsvOptions& options, const std::vector<int>& columnMap,
                                bool replace) {
    return Prepare(options, SingleColumns(columnMap), replace);
}

CCsvColumnMap CCSVReader::SingleColumns(const std::vector<int>& columnMap) {
    CCsvColumnMap map;
    for (const int column : columnMap)
        map.push_back(column >= 0 ? std::vector<int>{column} : std::vector<int>());
    return map;
}

CFileResult CCSVReader::Prepare(const CCsvOptions& options, CCsvColumnMap columnMap, bool replace) {
    m_options = options;
    m_columnMap = std::move(columnMap);
    m_columnMap.resize(m_targetNames.size());
    m_values.assign(m_targetNames.size(), {});
    m_nReadFields = 0;
    m_nJoinedValues = 0;
    for (const std::vector<int>& columns : m_columnMap) {
        for (const int column : columns) {
            if (column >= 0)
                m_nReadFields = std::max(m_nReadFields, static_cast<std::size_t>(column) + 1);
        }
    }

    m_decoded = CCsvDecoder::Decode(m_bytes, options, replace, m_codec);
    if (m_decoded.strayByteLine > 0)
        return Failure(CTextFormat::Format(CCsvTexts::STRAY_BYTE,
                                           {m_strName, std::to_string(m_decoded.strayByteLine)}));
    if (m_decoded.unencodableValues > 0 && !replace)
        return Failure(UnencodableQuestion(m_decoded));
    // The file's bytes are not needed once the text stands.
    std::string().swap(m_bytes);

    if (options.quoting == ECsvQuoting::Rfc4180) {
        CCsvRecordCursor check(m_decoded.text, options.quoting);
        std::vector<std::string_view> fields;
        while (check.Next(fields, 0)) {
        }
        if (check.HasUnclosedQuote())
            return Failure(UnclosedQuoteMessage(check.GetLine()));
    }
    m_cursor = std::make_unique<CCsvRecordCursor>(m_decoded.text, options.quoting);
    if (options.header)
        m_cursor->Next(m_fields, 0);
    return {true, {}, 0};
}

const std::vector<std::string_view>* CCSVReader::ReadRecord() {
    if (!m_cursor || !m_cursor->Next(m_fields, m_nReadFields)) {
        m_cursor.reset();
        return nullptr;
    }
    m_record.clear();
    for (std::size_t field = 0; field < m_columnMap.size(); ++field)
        m_record.push_back(MakeValue(field));
    return &m_record;
}

std::string_view CCSVReader::MakeValue(std::size_t field) {
    const std::vector<int>& columns = m_columnMap[field];
    const bool memo = field == static_cast<std::size_t>(CFieldTable::FIELD_MEMO);
    if (columns.size() == 1) {
        // Most values stand in the text as they are.
        const auto index = static_cast<std::size_t>(columns.front());
        const std::string_view text =
            columns.front() >= 0 && index < m_fields.size() ? m_fields[index] : std::string_view();
        // Only RFC 4180 quotes hold line breaks, and the cursor gives each as CR LF.
        if (memo || m_options.quoting == ECsvQuoting::Plain ||
            text.find('\n') == std::string_view::npos)
            return text;
    }
    std::string& value = m_values[field];
    value.clear();
    bool joined = false;
    std::size_t parts = 0;
    for (const int column : columns) {
        const auto index = static_cast<std::size_t>(column);
        if (column < 0 || index >= m_fields.size() || m_fields[index].empty())
            continue;
        if (parts++ > 0)
            value += ' ';
        // The memo keeps its lines; in any other field a line break would split the person
        // when the program's own format writes it.
        if (memo)
            value += m_fields[index];
        else
            joined = AppendJoined(value, m_fields[index]) || joined;
    }
    if (joined)
        ++m_nJoinedValues;
    return value;
}

int CCSVReader::GetProgress() const {
    if (!m_cursor || m_decoded.text.empty())
        return 100;
    return static_cast<int>(m_cursor->GetPosition() * 100 / m_decoded.text.size());
}

bool CCSVReader::Open(const std::filesystem::path& path, CUserInterface& ui, CCsvDialogs& dialogs,
                      CCsvOptions& options) {
    if (const CFileResult read = Load(path); !read.ok) {
        ui.MessageBox(CTextFormat::Format(CCsvTexts::OPEN_FAILED, {read.message}),
                      EMessageButtons::Ok, EMessageIcon::Warning);
        return false;
    }
    if (IsEmpty())
        return false;
    CCSVImportModel dialog(
        m_targetNames, [this](const CCsvOptions& chosen) { return GetExamples(chosen); },
        SuggestOptions(options));
    if (!dialogs.RunImportDialog(dialog))
        return false;
    options = dialog.GetOptions();
    m_bNewFile = dialog.IsNewFile();

    CFileResult prepared = Prepare(options, dialog.GetResultMap(), false);
    if (!prepared.ok && m_decoded.unencodableValues > 0) {
        if (ui.MessageBox(prepared.message, EMessageButtons::OkCancel, EMessageIcon::Question) !=
            EMessageResult::Ok)
            return false;
        prepared = Prepare(options, dialog.GetResultMap(), true);
    }
    if (!prepared.ok) {
        ui.MessageBox(prepared.message, EMessageButtons::Ok, EMessageIcon::Warning);
        return false;
    }
    return true;
}

std::string CCSVReader::UnencodableQuestion(const CCsvDecoded& decoded) {
    std::string text = CTextFormat::Format(CCsvTexts::UNENCODABLE_COUNT,
                                           {std::to_string(decoded.unencodableValues)});
    for (const CCsvUnencodable& example : decoded.examples)
        text += CTextFormat::Format(CCsvTexts::UNENCODABLE_EXAMPLE,
                                    {std::to_string(example.line), example.characters});
    if (decoded.unencodableValues > decoded.examples.size())
        text += CCsvTexts::UNENCODABLE_MORE;
    return text + CCsvTexts::UNENCODABLE_REPLACE;
}

std::optional<std::string> CCSVReader::JoinedMessage(std::size_t joined) {
    if (joined == 0)
        return std::nullopt;
    return CTextFormat::Format(CCsvTexts::JOINED_LINES, {std::to_string(joined)});
}

std::string CCSVReader::UnclosedQuoteMessage(std::size_t line) {
    return CTextFormat::Format(CCsvTexts::UNCLOSED_QUOTE, {std::to_string(line)});
}
