#include "core/vcard/CVCardReader.h"

#include "core/text/CTextFormat.h"
#include "core/vcard/CVCardCharsets.h"
#include "core/vcard/CVCardTexts.h"

#include <algorithm>

namespace {
constexpr std::string_view BOM = "\xEF\xBB\xBF";
constexpr std::size_t PROPERTIES_PER_CARD = 16; // room for an everyday card

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    }
    return upper;
}

char UpperChar(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

// `upper` is in uppercase already.
bool StartsWithNoCase(std::string_view text, std::string_view upper) {
    return text.size() >= upper.size() &&
           std::equal(upper.begin(), upper.end(), text.begin(),
                      [](char u, char t) { return u == UpperChar(t); });
}

bool ContainsNoCase(std::string_view text, std::string_view upper) {
    for (std::size_t i = 0; i + upper.size() <= text.size(); ++i) {
        if (StartsWithNoCase(text.substr(i), upper))
            return true;
    }
    return false;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// A bad escape stays as it was written: the value is read as far as it is sound.
std::string DecodeQuotedPrintable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int high = text[i] == '=' && i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
        // "=00" stays as written too: a NUL is no text, here as in the file.
        if (low < 0 || high * 16 + low == 0) {
            out.push_back(text[i]);
            continue;
        }
        out.push_back(static_cast<char>(high * 16 + low));
        i += 2;
    }
    return out;
}

// What reading the values of a file needs and found.
struct CDecoding {
    CVCardCharsets charsets;
    bool replace = false;    // bad bytes become the replacement mark
    bool twoOne = false;     // the card being read is of version 2.1
    bool keepBinary = false; // inline data kept as the card spelt it
    std::size_t replaced = 0;
    EVCardDecode failure = EVCardDecode::Ok;
    std::string charset; // of the failure
};

// The physical lines of the text, each with its number; any line end ends a line.
class CLineCursor {
public:
    explicit CLineCursor(std::string_view text) : m_text(text) {}

    bool AtEnd() const { return m_pos >= m_text.size(); }
    std::size_t NextNumber() const { return m_nLine + 1; }
    // The next line, without its line end; only when !AtEnd().
    std::string_view Take() {
        const std::size_t end = m_text.find_first_of("\r\n", m_pos);
        const std::size_t stop = end == std::string_view::npos ? m_text.size() : end;
        const std::string_view line = m_text.substr(m_pos, stop - m_pos);
        m_pos = stop;
        if (m_pos < m_text.size() && m_text[m_pos] == '\r')
            ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == '\n')
            ++m_pos;
        ++m_nLine;
        return line;
    }
    // The next line begins with a blank: it continues this one.
    bool NextIsContinuation() const {
        return !AtEnd() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t');
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_nLine = 0;
};

// The name part of a content line (before the first colon outside quotes) and the value.
std::size_t FindValueColon(std::string_view line) {
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return i;
    }
    return std::string_view::npos;
}

bool IsQuotedPrintable(std::string_view line) {
    const std::size_t colon = FindValueColon(line);
    const std::string_view head = line.substr(0, colon);
    // Most lines have no parameter at all.
    return head.find(';') != std::string_view::npos && ContainsNoCase(head, "QUOTED-PRINTABLE");
}

std::vector<std::string_view> SplitParams(std::string_view head) {
    std::vector<std::string_view> parts;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= head.size(); ++i) {
        if (i < head.size() && head[i] == '"')
            quoted = !quoted;
        if (i == head.size() || (head[i] == ';' && !quoted)) {
            parts.push_back(head.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

// Without its quotes, and with the caret escapes of parameter values undone (^^ ^' ^n).
std::string Unquoted(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char next = i + 1 < value.size() ? value[i + 1] : '\0';
        if (value[i] == '^' && (next == '^' || next == '\'' || next == 'n')) {
            out.push_back(next == 'n' ? '\n' : next == '\'' ? '"' : '^');
            ++i;
        } else {
            out.push_back(value[i]);
        }
    }
    return out;
}

// What a parameter without a name is, as the 2.1 grammar tells them apart by their values.
std::string NamelessParam(std::string_view value) {
    const std::string upper = Upper(value);
    if (upper == "QUOTED-PRINTABLE" || upper == "BASE64" || upper == "8BIT" || upper == "7BIT")
        return "ENCODING";
    if (upper == "URL" || upper == "INLINE" || upper == "CONTENT-ID" || upper == "CID")
        return "VALUE";
    return "TYPE";
}

// The value in UTF-8: in the charset the property names, else UTF-8; only a 2.1 card that names
// none may be in the Windows code page, as old phones wrote them.
bool DecodeValue(const std::string& value, const CVCardProperty& property, CDecoding& decoding,
                 std::string& out) {
    std::string_view charset = property.Param("CHARSET").value_or("UTF-8");
    if (!property.Param("CHARSET") && decoding.twoOne && !CVCardCharsets::IsValidUtf8(value))
        charset = "CP932";
    decoding.failure =
        decoding.charsets.Decode(value, charset, decoding.replace, out, decoding.replaced);
    decoding.charset = charset;
    return decoding.failure == EVCardDecode::Ok;
}

// Parses one unfolded content line; nothing for a line that has no colon or a value that cannot
// be read (decoding.failure says which).
std::optional<CVCardProperty> ParseLine(std::string_view line, std::size_t number,
                                        CDecoding& decoding) {
    const std::size_t colon = FindValueColon(line);
    if (colon == std::string_view::npos)
        return std::nullopt;
    std::vector<std::string_view> head = SplitParams(line.substr(0, colon));
    CVCardProperty property;
    property.line = number;
    std::string_view name = head.front();
    if (const std::size_t dot = name.find('.'); dot != std::string_view::npos) {
        property.group = Upper(name.substr(0, dot));
        name.remove_prefix(dot + 1);
    }
    property.name = Upper(name);
    for (std::size_t i = 1; i < head.size(); ++i) {
        const std::size_t equals = head[i].find('=');
        if (equals == std::string_view::npos)
            property.params.emplace_back(NamelessParam(head[i]), Unquoted(head[i]));
        else
            property.params.emplace_back(Upper(head[i].substr(0, equals)),
                                         Unquoted(head[i].substr(equals + 1)));
    }
    std::string value(line.substr(colon + 1));
    const std::string_view encoding = property.Param("ENCODING").value_or("");
    const auto isEncoding = [encoding](std::string_view upper) {
        return encoding.size() == upper.size() && StartsWithNoCase(encoding, upper);
    };
    if (isEncoding("BASE64") || isEncoding("B") || StartsWithNoCase(value, "DATA:")) {
        property.binary = true;
        if (decoding.keepBinary)
            property.value = std::move(value);
        return property;
    }
    if (isEncoding("QUOTED-PRINTABLE"))
        value = DecodeQuotedPrintable(value);
    if (!DecodeValue(value, property, decoding, property.value))
        return std::nullopt;
    return property;
}

// The 1-based line of the byte at `pos`; CR LF, LF and a lone CR each end a line.
std::size_t LineAt(std::string_view bytes, std::size_t pos) {
    std::size_t line = 1;
    for (std::size_t i = 0; i < pos; ++i) {
        if (bytes[i] == '\n' ||
            (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            ++line;
    }
    return line;
}

CVCardReadResult Failure(const char* message, std::size_t line, const std::string& detail = {}) {
    CVCardReadResult result;
    result.error = CTextFormat::Format(message, {std::to_string(line), detail});
    result.errorLine = line;
    return result;
}

CVCardReadResult DecodeFailure(const CDecoding& decoding, std::size_t line) {
    if (decoding.failure == EVCardDecode::UnknownCharset)
        return Failure(CVCardTexts::UNKNOWN_CHARSET, line, decoding.charset);
    CVCardReadResult result = Failure(CVCardTexts::BAD_BYTES, line, decoding.charset);
    result.badBytes = true;
    result.replaceQuestion = CTextFormat::Format(CVCardTexts::BAD_BYTES_REPLACE,
                                                 {std::to_string(line), decoding.charset});
    return result;
}
} // namespace

CVCardReadResult CVCardReader::Read(std::string_view bytes, bool replaceBadBytes, bool keepBinary) {
    if (bytes.starts_with(BOM))
        bytes.remove_prefix(BOM.size());
    if (const std::size_t nul = bytes.find('\0'); nul != std::string_view::npos)
        return Failure(CVCardTexts::NUL_BYTE, LineAt(bytes, nul));
    CVCardReadResult result;
    CDecoding decoding;
    decoding.replace = replaceBadBytes;
    decoding.keepBinary = keepBinary;
    CLineCursor cursor(bytes);
    std::optional<CVCard> card;
    bool keepsBlank = false; // 2.1 folding
    std::string logical;
    while (!cursor.AtEnd()) {
        const std::size_t number = cursor.NextNumber();
        logical.assign(cursor.Take());
        const bool qp = IsQuotedPrintable(logical);
        while (true) {
            if (qp && logical.ends_with('=') && !cursor.AtEnd()) {
                logical.pop_back();
                logical += cursor.Take();
            } else if (cursor.NextIsContinuation()) {
                const std::string_view next = cursor.Take();
                logical += keepsBlank ? next : next.substr(1);
            } else {
                break;
            }
        }
        if (logical.find_first_not_of(" \t") == std::string::npos)
            continue;
        decoding.twoOne = keepsBlank;
        auto property = ParseLine(logical, number, decoding);
        if (decoding.failure != EVCardDecode::Ok && card)
            return DecodeFailure(decoding, number);
        if (!property) {
            if (card && decoding.failure == EVCardDecode::Ok && result.malformedLines++ == 0)
                result.firstMalformedLine = number;
            continue;
        }
        if (property->name == "BEGIN" && Upper(property->value) == "VCARD") {
            if (card)
                return Failure(CVCardTexts::CARD_NEVER_ENDS, card->line);
            card.emplace();
            card->line = number;
            card->properties.reserve(PROPERTIES_PER_CARD);
            keepsBlank = false;
        } else if (!card) {
            continue; // text between cards
        } else if (property->name == "END" && Upper(property->value) == "VCARD") {
            result.cards.push_back(std::move(*card));
            card.reset();
        } else {
            if (property->name == "VERSION")
                keepsBlank = property->value == "2.1";
            card->properties.push_back(std::move(*property));
        }
    }
    if (card)
        return Failure(CVCardTexts::CARD_NEVER_ENDS, card->line);
    result.replacedBytes = decoding.replaced;
    return result;
}

std::string CVCardReader::Unescape(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out.push_back(value[i]);
            continue;
        }
        const char next = value[++i];
        out.push_back(next == 'n' || next == 'N' ? '\n' : next);
    }
    return out;
}

std::vector<std::string> CVCardReader::Split(std::string_view value, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= value.size(); ++i) {
        // A backslash that ends the value escapes nothing and stays as text.
        if (i + 1 < value.size() && value[i] == '\\') {
            ++i;
            continue;
        }
        if (i == value.size() || value[i] == separator) {
            parts.push_back(Unescape(value.substr(start, i - start)));
            start = i + 1;
        }
    }
    return parts;
}
