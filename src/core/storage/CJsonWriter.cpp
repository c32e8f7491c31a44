#include "core/storage/CJsonWriter.h"

#include "core/text/CTextCodec.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <utility>

namespace {
constexpr std::size_t CHUNK_BYTES = 1 << 20;
// The longest escape, \u00XX, is six bytes.
constexpr std::size_t MAX_ESCAPE = 6;
constexpr std::size_t MAX_NUMBER = 24;

constexpr std::array<std::pair<std::string_view, EPersonText>, CPersonalData::TEXT_COUNT>
    PERSON_KEYS = {{{"{\"name\": ", EPersonText::Name},
                    {", \"zip\": ", EPersonText::Zip},
                    {", \"address\": ", EPersonText::Address},
                    {", \"tel1\": ", EPersonText::Tel1},
                    {", \"tel2\": ", EPersonText::Tel2},
                    {", \"email1\": ", EPersonText::Email1},
                    {", \"email2\": ", EPersonText::Email2},
                    {", \"homeZip\": ", EPersonText::HomeZip},
                    {", \"homeAddress\": ", EPersonText::HomeAddress},
                    {", \"homeTel\": ", EPersonText::HomeTel},
                    {", \"memo\": ", EPersonText::Memo},
                    {", \"initial\": ", EPersonText::Initial},
                    {", \"homePage\": ", EPersonText::HomePage}}};

} // namespace

std::optional<EPersonText> CJsonWriter::TextOfKey(std::string_view key) {
    for (const auto& [json, text] : PERSON_KEYS) {
        const std::size_t open = json.find('"');
        if (json.substr(open + 1, json.find('"', open + 1) - open - 1) == key)
            return text;
    }
    return std::nullopt;
}

namespace {
enum class EByteKind : std::uint8_t { Plain, Escape, High };

constexpr std::array<EByteKind, 256> MakeByteKinds() {
    std::array<EByteKind, 256> kinds{};
    for (std::size_t byte = 0; byte < kinds.size(); ++byte) {
        if (byte < 0x20 || byte == '"' || byte == '\\')
            kinds[byte] = EByteKind::Escape;
        else if (byte >= 0x80)
            kinds[byte] = EByteKind::High;
    }
    return kinds;
}

constexpr std::array<EByteKind, 256> BYTE_KINDS = MakeByteKinds();

EByteKind KindOf(char c) {
    return BYTE_KINDS[static_cast<unsigned char>(c)];
}

bool IsAscii(std::string_view text) {
    return std::none_of(text.begin(), text.end(),
                        [](char c) { return KindOf(c) == EByteKind::High; });
}
} // namespace

CJsonWriter::CJsonWriter(const CSink& sink)
    : m_sink(sink), m_buffer(CHUNK_BYTES, '\0'), m_table(CTextCodec()) {}

void CJsonWriter::Raw(std::string_view text) {
    // A text an older file does not hold has no bytes at all, not even an address.
    if (text.empty())
        return;
    char* p = Room(text.size());
    std::memcpy(p, text.data(), text.size());
    m_size += text.size();
}

void CJsonWriter::Number(long long value) {
    char* p = Room(MAX_NUMBER);
    m_size += static_cast<std::size_t>(std::to_chars(p, p + MAX_NUMBER, value).ptr - p);
}

void CJsonWriter::String(std::string_view cp932) {
    Raw("\"");
    // ASCII is the same in CP932 and UTF-8, so most fields skip the converter.
    const auto plainEnd = std::find_if(cp932.begin(), cp932.end(),
                                       [](char c) { return KindOf(c) != EByteKind::Plain; });
    if (plainEnd == cp932.end())
        Raw(cp932);
    else if (IsAscii(cp932.substr(static_cast<std::size_t>(plainEnd - cp932.begin()))))
        Escaped(cp932);
    else
        Escaped(Converted(cp932));
    Raw("\"");
}

void CJsonWriter::Person(const CRecordVisitor::CTexts& texts, int sex,
                         std::span<const std::int32_t> groups, std::optional<std::size_t> index,
                         const CUid* uid) {
    for (const auto& [key, text] : PERSON_KEYS) {
        Raw(key);
        String(texts[static_cast<std::size_t>(text)]);
    }
    Raw(", \"sex\": ");
    Number(sex);
    Raw(", \"groups\": [");
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (i > 0)
            Raw(", ");
        Number(groups[i]);
    }
    Raw("]");
    if (uid) {
        Raw(", \"uid\": \"");
        // A UID from a card is UTF-8 text of any kind, and is escaped like the person's texts.
        Escaped(uid->ToString());
        Raw("\"");
    }
    if (index) {
        Raw(", \"index\": ");
        Number(static_cast<long long>(*index));
    }
    Raw("}");
}

void CJsonWriter::Flush() {
    if (m_size > 0)
        m_sink(std::string_view(m_buffer.data(), m_size));
    m_size = 0;
}

char* CJsonWriter::Room(std::size_t count) {
    if (m_buffer.size() - m_size < count) {
        Flush();
        if (m_buffer.size() < count)
            m_buffer.resize(count);
    }
    return m_buffer.data() + m_size;
}

std::string_view CJsonWriter::Converted(std::string_view cp932) {
    m_converted.resize(cp932.size() * CCp932Utf8Table::MAX_UTF8_PER_BYTE);
    const char* end = m_table.Convert(cp932, m_converted.data());
    return std::string_view(m_converted.data(), static_cast<std::size_t>(end - m_converted.data()));
}

void CJsonWriter::Escaped(std::string_view utf8) {
    static constexpr char HEX[] = "0123456789ABCDEF";
    char* const begin = Room(utf8.size() * MAX_ESCAPE);
    char* p = begin;
    for (const char c : utf8) {
        if (KindOf(c) != EByteKind::Escape) {
            *p++ = c;
        } else if (c == '"' || c == '\\') {
            *p++ = '\\';
            *p++ = c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            std::memcpy(p, "\\u00", 4);
            p[4] = HEX[byte >> 4];
            p[5] = HEX[byte & 0x0F];
            p += MAX_ESCAPE;
        }
    }
    m_size += static_cast<std::size_t>(p - begin);
}
