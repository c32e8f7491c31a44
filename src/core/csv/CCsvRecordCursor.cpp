#include "core/csv/CCsvRecordCursor.h"

#include <algorithm>

namespace {
constexpr char QUOTE = '"';
constexpr char COMMA = ',';
constexpr char LF = '\n';
constexpr char CR = '\r';
} // namespace

CCsvRecordCursor::CCsvRecordCursor(std::string_view text, ECsvQuoting quoting)
    : m_text(text), m_quoting(quoting) {}

std::string_view CCsvRecordCursor::Unquote(std::string_view field) {
    if (field.size() >= 2 && field.front() == QUOTE && field.back() == QUOTE)
        return field.substr(1, field.size() - 2);
    return field;
}

bool CCsvRecordCursor::Next(std::vector<std::string_view>& fields, std::size_t maxFields) {
    fields.clear();
    if (m_bUnclosed || m_nPos >= m_text.size())
        return false;
    m_nRecordLine = m_nLine;
    return m_quoting == ECsvQuoting::Plain ? NextPlain(fields, maxFields)
                                           : NextRfc(fields, maxFields);
}

bool CCsvRecordCursor::NextPlain(std::vector<std::string_view>& fields, std::size_t maxFields) {
    // CR LF, LF and a lone CR (old Mac files) each end a line. Two byte searches are much
    // faster than one search for either byte.
    const std::size_t lf = m_text.find(LF, m_nPos);
    std::string_view line = m_text.substr(m_nPos, lf == std::string_view::npos ? lf : lf - m_nPos);
    if (const std::size_t cr = line.find(CR); cr != std::string_view::npos)
        line = line.substr(0, cr);
    const std::size_t end = m_nPos + line.size();
    m_nPos = end + LineBreakLength(end);
    ++m_nLine;
    // Code page 932 never uses the comma as a trail byte, so cutting at the byte is cutting at
    // the character.
    while (fields.size() < maxFields) {
        const std::size_t comma = line.find(COMMA);
        fields.push_back(Unquote(line.substr(0, comma)));
        if (comma == std::string_view::npos)
            break;
        line.remove_prefix(comma + 1);
    }
    return true;
}

std::size_t CCsvRecordCursor::LineBreakLength(std::size_t pos) const {
    if (pos >= m_text.size())
        return 1;
    return m_text[pos] == CR && pos + 1 < m_text.size() && m_text[pos + 1] == LF ? 2 : 1;
}

void CCsvRecordCursor::AppendLineBreak() {
    m_scratch += "\r\n";
    ++m_nLine;
}

bool CCsvRecordCursor::ReadRfcField(bool& unclosed) {
    const std::size_t size = m_text.size();
    bool quoted = m_nPos < size && m_text[m_nPos] == QUOTE;
    if (quoted)
        ++m_nPos;
    while (m_nPos < size) {
        const char c = m_text[m_nPos];
        if (quoted) {
            ++m_nPos;
            if (c == QUOTE) {
                if (m_nPos < size && m_text[m_nPos] == QUOTE) {
                    m_scratch += QUOTE;
                    ++m_nPos;
                } else {
                    quoted = false; // text after the closing quote is kept as it stands
                }
            } else if (c == CR || c == LF) {
                m_nPos += LineBreakLength(m_nPos - 1) - 1;
                AppendLineBreak();
            } else {
                m_scratch += c;
            }
            continue;
        }
        if (c == COMMA) {
            ++m_nPos;
            return false;
        }
        if (c == LF || c == CR) {
            m_nPos += LineBreakLength(m_nPos);
            ++m_nLine;
            return true;
        }
        // Plain text runs up to the next comma, quote or line end in one step.
        const std::size_t stop = std::min(m_text.find_first_of(",\r\n", m_nPos + 1), size);
        m_scratch.append(m_text.substr(m_nPos, stop - m_nPos));
        m_nPos = stop;
    }
    unclosed = quoted;
    return true;
}

bool CCsvRecordCursor::NextRfc(std::vector<std::string_view>& fields, std::size_t maxFields) {
    m_scratch.clear();
    m_ends.clear();
    bool unclosed = false;
    for (;;) {
        const std::size_t start = m_scratch.size();
        const bool last = ReadRfcField(unclosed);
        if (m_ends.size() < maxFields)
            m_ends.push_back(m_scratch.size());
        else
            m_scratch.resize(start);
        if (last)
            break;
    }
    if (unclosed) {
        m_bUnclosed = true;
        return false;
    }
    std::size_t begin = 0;
    for (const std::size_t end : m_ends) {
        fields.emplace_back(m_scratch.data() + begin, end - begin);
        begin = end;
    }
    return true;
}
