#pragma once

#include "core/csv/CCsvOptions.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

// Walks CSV text record by record. With the program's own rule a record is one physical line
// (CR LF, LF or a lone CR ends it), cut at every comma, and a field loses only an outer pair of
// quotes. With RFC 4180 a quoted field may span lines; its line breaks become CR LF, as the memo
// keeps them. Fields are views into the text, or into the cursor's own buffer for RFC 4180, valid
// until the next call.
class CCsvRecordCursor {
public:
    static constexpr std::size_t ALL_FIELDS = std::numeric_limits<std::size_t>::max();

    CCsvRecordCursor(std::string_view text, ECsvQuoting quoting);

    // The next record's first maxFields fields (the rest are skipped); false at the end, or at
    // a quote that never closes (then HasUnclosedQuote()).
    bool Next(std::vector<std::string_view>& fields, std::size_t maxFields = ALL_FIELDS);
    // The 1-based line on which the record last returned (or the unclosed quote's) began.
    std::size_t GetLine() const { return m_nRecordLine; }
    bool HasUnclosedQuote() const { return m_bUnclosed; }
    // How much of the text has been walked, in bytes.
    std::size_t GetPosition() const { return std::min(m_nPos, m_text.size()); }

    // The program's own rule: a field of two characters or more between quotes loses them.
    static std::string_view Unquote(std::string_view field);

private:
    bool NextPlain(std::vector<std::string_view>& fields, std::size_t maxFields);
    bool NextRfc(std::vector<std::string_view>& fields, std::size_t maxFields);
    // Reads one RFC 4180 field into m_scratch; true when a line break or the end follows it.
    bool ReadRfcField(bool& unclosed);
    void AppendLineBreak();
    // 2 for the CR LF at `pos`, else 1 (a lone CR or LF, or the end of the text).
    std::size_t LineBreakLength(std::size_t pos) const;

    std::string_view m_text;
    ECsvQuoting m_quoting;
    std::size_t m_nPos = 0;
    std::size_t m_nLine = 1;
    std::size_t m_nRecordLine = 0;
    bool m_bUnclosed = false;
    std::string m_scratch;
    std::vector<std::size_t> m_ends;
};
