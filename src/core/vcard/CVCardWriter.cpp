#include "core/vcard/CVCardWriter.h"

#include "core/model/CGroup.h"
#include "core/model/CPersonalData.h"
#include "core/text/CTextCodec.h"
#include "core/vcard/CVCardTexts.h"

namespace {
constexpr std::size_t FOLD_OCTETS = 75;
constexpr std::string_view CRLF = "\r\n";
constexpr std::string_view IDEOGRAPHIC_SPACE = "\xE3\x80\x80";

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
} // namespace

CVCardWriter::CVCardWriter(EVCardVersion version, const CTextCodec& codec, std::time_t now)
    : m_version(version), m_codec(codec), m_rev(RevOf(now, version)) {}

std::string CVCardWriter::Escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' || c == ',' || c == ';') {
            out.push_back('\\');
            out.push_back(c);
        } else if (c == '\r' || c == '\n') {
            out += "\\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c != '\0') { // a NUL would make the file no text
            out.push_back(c);
        }
    }
    return out;
}

std::pair<std::string, std::string> CVCardWriter::SplitName(std::string_view utf8) {
    const std::size_t ascii = utf8.find(' ');
    const std::size_t wide = utf8.find(IDEOGRAPHIC_SPACE);
    if (ascii == std::string_view::npos && wide == std::string_view::npos)
        return {std::string(utf8), {}};
    const bool isAscii = ascii < wide;
    const std::size_t at = isAscii ? ascii : wide;
    const std::size_t blank = isAscii ? 1 : IDEOGRAPHIC_SPACE.size();
    return {std::string(utf8.substr(0, at)), std::string(utf8.substr(at + blank))};
}

std::string CVCardWriter::Utf8(std::string_view cp932) const {
    return m_codec.ToUtf8(cp932);
}

void CVCardWriter::Line(std::string_view name, std::string_view value) {
    std::string line(name);
    line += ':';
    line += value;
    std::string_view rest = line;
    std::size_t room = FOLD_OCTETS;
    while (rest.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && IsContinuationByte(rest[cut]))
            --cut;
        m_text += rest.substr(0, cut);
        m_text += CRLF;
        m_text += ' ';
        rest.remove_prefix(cut);
        room = FOLD_OCTETS - 1;
    }
    m_text += rest;
    m_text += CRLF;
}

void CVCardWriter::Labelled(std::string_view name, std::string_view value, std::string_view label) {
    const std::string group = "item" + std::to_string(++m_nItem) + ".";
    Line(group + std::string(name), value);
    Line(group + "X-ABLabel", Escape(label));
}

void CVCardWriter::WritePerson(const CPersonalData& person) {
    const auto text = [&](EPersonText which) {
        return Utf8(person.GetText(which));
    };
    const bool v4 = m_version == EVCardVersion::V40;
    m_nItem = 0;
    Line("BEGIN", "VCARD");
    Line("VERSION", v4 ? "4.0" : "3.0");
    const std::string name = text(EPersonText::Name);
    const std::string reading = text(EPersonText::Initial);
    const auto [family, given] = SplitName(name);
    Line("FN", Escape(name));
    const std::string n = Escape(family) + ";" + Escape(given) + ";;;";
    if (v4 && !reading.empty())
        Line("N;SORT-AS=\"" + ParamValue(reading) + "\"", n);
    else
        Line("N", n);
    if (!reading.empty()) {
        const auto [last, first] = SplitName(reading);
        Line("X-PHONETIC-LAST-NAME", Escape(last));
        if (!first.empty())
            Line("X-PHONETIC-FIRST-NAME", Escape(first));
        if (!v4)
            Line("SORT-STRING", Escape(reading));
    }
    const auto adr = [&](EPersonText zip, EPersonText address) {
        return ";;" + Escape(text(address)) + ";;;" + Escape(text(zip)) + ";";
    };
    if (!person.GetText(EPersonText::Zip).empty() || !person.GetText(EPersonText::Address).empty())
        Line("ADR", adr(EPersonText::Zip, EPersonText::Address));
    if (!person.GetText(EPersonText::HomeZip).empty() ||
        !person.GetText(EPersonText::HomeAddress).empty())
        Labelled("ADR", adr(EPersonText::HomeZip, EPersonText::HomeAddress),
                 CVCardTexts::HOME_LABEL);
    if (!person.GetText(EPersonText::Tel1).empty())
        Line("TEL", Escape(text(EPersonText::Tel1)));
    if (!person.GetText(EPersonText::Tel2).empty())
        Labelled("TEL", Escape(text(EPersonText::Tel2)), CVCardTexts::TEL2_LABEL);
    if (!person.GetText(EPersonText::HomeTel).empty())
        Labelled("TEL", Escape(text(EPersonText::HomeTel)), CVCardTexts::HOME_LABEL);
    if (!person.GetText(EPersonText::Email1).empty())
        Line("EMAIL", Escape(text(EPersonText::Email1)));
    if (!person.GetText(EPersonText::Email2).empty())
        Labelled("EMAIL", Escape(text(EPersonText::Email2)), CVCardTexts::EMAIL2_LABEL);
    if (!person.GetText(EPersonText::Memo).empty())
        Line("NOTE", Escape(text(EPersonText::Memo)));
    if (!person.GetText(EPersonText::HomePage).empty())
        Line("URL", Escape(text(EPersonText::HomePage)));
    if (person.m_nSex == CPersonalData::SEX_MALE || person.m_nSex == CPersonalData::SEX_FEMALE) {
        const bool male = person.m_nSex == CPersonalData::SEX_MALE;
        if (v4)
            Line("GENDER", male ? "M" : "F");
        else
            Line("X-GENDER", male ? "Male" : "Female");
    }
    std::string categories;
    for (const CGroup* group : person.m_groupList) {
        if (group->m_nSerial == CGroup::GROUP_TRANSIENT)
            continue;
        if (!categories.empty())
            categories += ',';
        categories += Escape(Utf8(group->m_strGroupName));
    }
    if (!categories.empty())
        Line("CATEGORIES", categories);
    const std::string uid = person.GetUid().ToString();
    Line("UID", v4 ? "urn:uuid:" + uid : uid);
    Line("REV", m_rev);
    Line("END", "VCARD");
}
