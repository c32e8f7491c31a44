#include "core/vcard/CVCardWriter.h"

#include "core/model/CGroup.h"
#include "core/model/CUid.h"
#include "core/vcard/CVCardTexts.h"

#include <cstring>

namespace {
constexpr std::size_t FOLD_OCTETS = 75;
constexpr std::string_view CRLF = "\r\n";
constexpr std::string_view FOLD = "\r\n ";
constexpr std::string_view IDEOGRAPHIC_SPACE = "\xE3\x80\x80";

// The bytes an escape is written for: backslash, comma, semicolon, line breaks and NUL.
constexpr std::array<bool, 256> MakeSpecial() {
    std::array<bool, 256> special{};
    for (const unsigned char c : {'\\', ',', ';', '\r', '\n', '\0'})
        special[c] = true;
    return special;
}
constexpr std::array<bool, 256> SPECIAL = MakeSpecial();

std::size_t FindSpecial(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (SPECIAL[static_cast<unsigned char>(text[i])])
            return i;
    }
    return std::string_view::npos;
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::string RevOf(std::time_t now, EVCardVersion version) {
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text,
                  version == EVCardVersion::V30 ? "%Y-%m-%dT%H:%M:%SZ" : "%Y%m%dT%H%M%SZ", &utc);
    return text;
}

// A parameter value cannot hold a double quote; 4.0 writes it as ^' (and ^ as ^^).
std::string ParamValue(std::string_view value) {
    std::string out;
    for (const char c : value) {
        if (c == '^')
            out += "^^";
        else if (c == '"')
            out += "^'";
        else if (c == '\r' || c == '\n')
            out += "^n";
        else
            out.push_back(c);
    }
    return out;
}

// "\", ",", ";" and line breaks escaped, CR LF taken as one line break, NUL left out: what
// is written for the ASCII character `rest` begins with. Returns the bytes it took.
std::size_t EscapeAscii(std::string_view rest, char*& out) {
    const char c = rest.front();
    switch (c) {
    case '\\':
    case ',':
    case ';':
        *out++ = '\\';
        *out++ = c;
        return 1;
    case '\r':
    case '\n':
        *out++ = '\\';
        *out++ = 'n';
        return c == '\r' && rest.size() > 1 && rest[1] == '\n' ? 2 : 1;
    case '\0':
        return 1; // a NUL would make the file no text
    default:
        *out++ = c;
        return 1;
    }
}

// The same over UTF-8: plain runs are copied whole; only the few special characters are looked
// at one by one.
void AppendEscapedUtf8(std::string_view text, std::string& out) {
    while (!text.empty()) {
        const std::size_t special = FindSpecial(text);
        out.append(text.substr(0, special));
        if (special == std::string_view::npos)
            return;
        text.remove_prefix(special);
        char escaped[2];
        char* end = escaped;
        text.remove_prefix(EscapeAscii(text, end));
        out.append(escaped, end);
    }
}

// The text split at its first blank, ASCII or ideographic: family name and given name.
std::pair<std::string_view, std::string_view> SplitName(std::string_view utf8) {
    const std::size_t ascii = utf8.find(' ');
    const std::size_t wide = utf8.find(IDEOGRAPHIC_SPACE);
    if (ascii == std::string_view::npos && wide == std::string_view::npos)
        return {utf8, {}};
    const bool isAscii = ascii < wide;
    const std::size_t at = isAscii ? ascii : wide;
    const std::size_t blank = isAscii ? 1 : IDEOGRAPHIC_SPACE.size();
    return {utf8.substr(0, at), utf8.substr(at + blank)};
}

const std::string_view& Text(const CVCardWriter::CTexts& texts, EPersonText which) {
    return texts[static_cast<std::size_t>(which)];
}
} // namespace

CVCardWriter::CVCardWriter(EVCardVersion version, const CTextCodec& codec, std::time_t now)
    : m_version(version), m_table(codec), m_rev(RevOf(now, version)) {}

std::string_view CVCardWriter::Utf8(std::string_view cp932) {
    if (m_utf8.size() < cp932.size() * CCp932Utf8Table::MAX_UTF8_PER_BYTE)
        m_utf8.resize(cp932.size() * CCp932Utf8Table::MAX_UTF8_PER_BYTE);
    const char* end = m_table.Convert(cp932, m_utf8.data());
    return std::string_view(m_utf8.data(), static_cast<std::size_t>(end - m_utf8.data()));
}

void CVCardWriter::AppendEscaped(std::string_view cp932) {
    // Converted and escaped straight into the cards: no byte takes more than a character's
    // UTF-8, and an escape takes two.
    const std::size_t start = m_text.size();
    m_text.resize(start + cp932.size() * CCp932Utf8Table::MAX_UTF8_PER_BYTE);
    const char* const end = m_table.ConvertWith(cp932, m_text.data() + start, EscapeAscii);
    m_text.resize(static_cast<std::size_t>(end - m_text.data()));
}

void CVCardWriter::Begin(std::string_view name) {
    m_nLineStart = m_text.size();
    m_text += name;
    m_text += ':';
}

void CVCardWriter::End() {
    if (m_text.size() - m_nLineStart > FOLD_OCTETS)
        FoldLine();
    m_text += CRLF;
}

void CVCardWriter::FoldLine() {
    // The breaks are found first, so that the line's pieces move once each, the last first.
    m_cuts.clear();
    std::size_t at = m_nLineStart;
    std::size_t room = FOLD_OCTETS;
    while (m_text.size() - at > room) {
        std::size_t cut = at + room;
        while (cut > at && IsContinuationByte(m_text[cut]))
            --cut;
        m_cuts.push_back(cut);
        at = cut;
        room = FOLD_OCTETS - 1; // the blank that begins a continued line counts
    }
    std::size_t end = m_text.size();
    m_text.resize(end + m_cuts.size() * FOLD.size());
    for (std::size_t k = m_cuts.size(); k-- > 0;) {
        const std::size_t cut = m_cuts[k];
        const std::size_t to = cut + (k + 1) * FOLD.size();
        std::memmove(m_text.data() + to, m_text.data() + cut, end - cut);
        std::memcpy(m_text.data() + to - FOLD.size(), FOLD.data(), FOLD.size());
        end = cut;
    }
}

void CVCardWriter::Line(std::string_view name, std::string_view value) {
    Begin(name);
    m_text += value;
    End();
}

void CVCardWriter::EscapedLine(std::string_view name, std::string_view utf8) {
    Begin(name);
    AppendEscapedUtf8(utf8, m_text);
    End();
}

void CVCardWriter::TextLine(std::string_view name, std::string_view cp932) {
    if (cp932.empty())
        return;
    Begin(name);
    AppendEscaped(cp932);
    End();
}

void CVCardWriter::Label(std::string_view label) {
    Begin("item" + std::to_string(m_nItem) + ".X-ABLabel");
    AppendEscapedUtf8(label, m_text);
    End();
}

void CVCardWriter::LabelledText(std::string_view name, std::string_view cp932,
                                std::string_view label) {
    if (cp932.empty())
        return;
    TextLine("item" + std::to_string(++m_nItem) + "." + std::string(name), cp932);
    Label(label);
}

void CVCardWriter::WritePerson(const CPersonalData& person) {
    CTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = person.GetText(static_cast<EPersonText>(i));
    m_groupNames.clear();
    for (const CGroup* group : person.m_groupList) {
        if (group->m_nSerial != CGroup::GROUP_TRANSIENT)
            m_groupNames.push_back(group->m_strGroupName);
    }
    Write(texts, person.m_nSex, m_groupNames, person.GetUid());
}

void CVCardWriter::Write(const CTexts& texts, int sex, const std::vector<std::string_view>& groups,
                         const CUid& uid) {
    const bool v4 = m_version == EVCardVersion::V40;
    m_nItem = 0;
    m_text += v4 ? "BEGIN:VCARD\r\nVERSION:4.0\r\n" : "BEGIN:VCARD\r\nVERSION:3.0\r\n";
    m_name = Utf8(Text(texts, EPersonText::Name));
    m_reading = Utf8(Text(texts, EPersonText::Initial));
    EscapedLine("FN", m_name);
    if (v4 && !m_reading.empty())
        Begin("N;SORT-AS=\"" + ParamValue(m_reading) + "\"");
    else
        Begin("N");
    const auto [family, given] = SplitName(m_name);
    AppendEscapedUtf8(family, m_text);
    m_text += ';';
    AppendEscapedUtf8(given, m_text);
    m_text += ";;;";
    End();
    if (!m_reading.empty()) {
        const auto [last, first] = SplitName(m_reading);
        EscapedLine("X-PHONETIC-LAST-NAME", last);
        if (!first.empty())
            EscapedLine("X-PHONETIC-FIRST-NAME", first);
        if (!v4)
            EscapedLine("SORT-STRING", m_reading);
    }
    const auto address = [&](EPersonText zip, EPersonText text, bool home) {
        if (Text(texts, zip).empty() && Text(texts, text).empty())
            return;
        Begin(home ? "item" + std::to_string(++m_nItem) + ".ADR" : std::string("ADR"));
        m_text += ";;";
        AppendEscaped(Text(texts, text));
        m_text += ";;;";
        AppendEscaped(Text(texts, zip));
        m_text += ';';
        End();
        if (home)
            Label(CVCardTexts::HOME_LABEL);
    };
    address(EPersonText::Zip, EPersonText::Address, false);
    address(EPersonText::HomeZip, EPersonText::HomeAddress, true);
    TextLine("TEL", Text(texts, EPersonText::Tel1));
    LabelledText("TEL", Text(texts, EPersonText::Tel2), CVCardTexts::TEL2_LABEL);
    LabelledText("TEL", Text(texts, EPersonText::HomeTel), CVCardTexts::HOME_LABEL);
    TextLine("EMAIL", Text(texts, EPersonText::Email1));
    LabelledText("EMAIL", Text(texts, EPersonText::Email2), CVCardTexts::EMAIL2_LABEL);
    TextLine("NOTE", Text(texts, EPersonText::Memo));
    TextLine("URL", Text(texts, EPersonText::HomePage));
    if (sex == CPersonalData::SEX_MALE || sex == CPersonalData::SEX_FEMALE) {
        const bool male = sex == CPersonalData::SEX_MALE;
        if (v4)
            Line("GENDER", male ? "M" : "F");
        else
            Line("X-GENDER", male ? "Male" : "Female");
    }
    if (!groups.empty()) {
        Begin("CATEGORIES");
        for (std::size_t i = 0; i < groups.size(); ++i) {
            if (i > 0)
                m_text += ',';
            AppendEscaped(groups[i]);
        }
        End();
    }
    // The program's own UUIDs take 4.0's URI form; any other UID goes back as it came.
    const bool bareUuid = uid.AsUuid() && !uid.ToString().starts_with("urn:");
    EscapedLine("UID", v4 && bareUuid ? "urn:uuid:" + uid.ToString() : uid.ToString());
    Line("REV", m_rev);
    m_text += "END:VCARD\r\n";
}
