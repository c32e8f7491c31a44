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
    // Converts the text; without `replace`, values that code page 932 cannot hold are only
    // counted (see GetDecoded) and Prepare fails.
    CFileResult Prepare(const CCsvOptions& options, std::vector<int> columnMap, bool replace);
    const CCsvDecoded& GetDecoded() const { return m_decoded; }

    // The next record, or nothing at the end; valid until the next call.
    const std::vector<std::string_view>* ReadRecord();
    bool IsNewFile() const { return m_bNewFile; }
    // How far ReadRecord has come, 0 to 100.
    int GetProgress() const;

    // The question asked before unencodable characters are replaced (UTF-8).
    static std::string UnencodableQuestion(const CCsvDecoded& decoded);
    static std::string UnclosedQuoteMessage(std::size_t line);

private:
    bool m_bNewFile = false;
    bool m_bEmpty = true;
    std::vector<std::string> m_targetNames;
    std::vector<int> m_columnMap;
    std::size_t m_nReadFields = 0;
    std::string m_bytes;
    CCsvDecoded m_decoded;
    CCsvOptions m_options;
    std::unique_ptr<CCsvRecordCursor> m_cursor;
    std::vector<std::string_view> m_fields;
    std::vector<std::string_view> m_record;
    CTextCodec m_codec;
};
