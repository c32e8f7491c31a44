#pragma once

#include "core/csv/CCsvDecoder.h"
#include "core/csv/CCsvOptions.h"
#include "core/csv/CCsvRecordCursor.h"
#include "core/storage/CFileResult.h"
#include "core/text/CTextCodec.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CCsvDialogs;
class CUserInterface;

// Reads a CSV file for the import: one record per person, each with one text per target field
// in target order, according to the column map the user made. The whole text is read and
// checked before the first record is handed out, so an import is all or nothing.
class CCSVReader {
public:
    explicit CCSVReader(std::vector<std::string> targetNames);
    CCSVReader(const CCSVReader&) = delete;
    CCSVReader& operator=(const CCSVReader&) = delete;
    virtual ~CCSVReader() = default;

    // Reads the file, lets the user assign columns and choose how to read it, and checks the
    // text. `options` comes in as remembered and leaves as chosen. False when nothing is to be
    // imported: the user was told why, or cancelled, or the file is empty.
    bool Open(const std::filesystem::path& path, CUserInterface& ui, CCsvDialogs& dialogs,
              CCsvOptions& options);

    // The steps of Open for a caller that asks nobody.
    CFileResult Load(const std::filesystem::path& path);
    // The same for bytes already read; `name` stands for the file in messages.
    CFileResult LoadBytes(std::string bytes, const std::string& name);
    bool IsEmpty() const { return m_bEmpty; }
    // The first line's columns as the dialog shows them (UTF-8).
    std::vector<std::string> GetExamples(const CCsvOptions& options) const;
    // The choices the file suggests: a header line of known column names, or quotes that only
    // RFC 4180 reads as meant, preset RFC 4180 (and the header line); otherwise the remembered
    // choices stand. The dialog shows them either way.
    CCsvOptions SuggestOptions(CCsvOptions remembered) const;
    // Converts the text; without `replace`, values that code page 932 cannot hold are only
    // counted (see GetDecoded) and Prepare fails.
    CFileResult Prepare(const CCsvOptions& options, CCsvColumnMap columnMap, bool replace);
    // The same with one column (or -1) per field.
    CFileResult Prepare(const CCsvOptions& options, const std::vector<int>& columnMap,
                        bool replace);
    static CCsvColumnMap SingleColumns(const std::vector<int>& columnMap);
    const CCsvDecoded& GetDecoded() const { return m_decoded; }

    // The next record, or nothing at the end; valid until the next call.
    const std::vector<std::string_view>* ReadRecord();
    bool IsNewFile() const { return m_bNewFile; }
    // How many values outside the memo had line breaks, each made one blank so far.
    std::size_t GetJoinedValues() const { return m_nJoinedValues; }
    // How far ReadRecord has come, 0 to 100.
    int GetProgress() const;

    // The question asked before unencodable characters are replaced (UTF-8).
    static std::string UnencodableQuestion(const CCsvDecoded& decoded);
    static std::string UnclosedQuoteMessage(std::size_t line);
    // The summary after an import that joined lines (UTF-8), or nothing.
    static std::optional<std::string> JoinedMessage(std::size_t joined);

private:
    // The text of field `field` of the record: its columns joined, line breaks outside the memo
    // made blanks.
    std::string_view MakeValue(std::size_t field);

    bool m_bNewFile = false;
    bool m_bEmpty = true;
    std::vector<std::string> m_targetNames;
    std::string m_strName;
    CCsvColumnMap m_columnMap;
    std::size_t m_nReadFields = 0;
    std::size_t m_nJoinedValues = 0;
    std::string m_bytes;
    CCsvDecoded m_decoded;
    CCsvOptions m_options;
    std::unique_ptr<CCsvRecordCursor> m_cursor;
    std::vector<std::string_view> m_fields;
    std::vector<std::string_view> m_record;
    std::vector<std::string> m_values; // field texts that are not views into the file's text
    CTextCodec m_codec;
};
