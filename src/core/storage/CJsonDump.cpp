#include "storage/CJsonDump.h"

#include "document/CAddressDoc.h"
#include "text/CTextCodec.h"

#include <array>
#include <unordered_map>
#include <utility>

namespace {
constexpr std::size_t TYPICAL_PERSON_BYTES = 512;

constexpr std::array<std::pair<const char*, EPersonText>, CPersonalData::TEXT_COUNT> PERSON_KEYS = {
    {{"name", EPersonText::Name},
     {"zip", EPersonText::Zip},
     {"address", EPersonText::Address},
     {"tel1", EPersonText::Tel1},
     {"tel2", EPersonText::Tel2},
     {"email1", EPersonText::Email1},
     {"email2", EPersonText::Email2},
     {"homeZip", EPersonText::HomeZip},
     {"homeAddress", EPersonText::HomeAddress},
     {"homeTel", EPersonText::HomeTel},
     {"memo", EPersonText::Memo},
     {"initial", EPersonText::Initial},
     {"homePage", EPersonText::HomePage}}};

bool IsAscii(std::string_view text) {
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0x80) != 0)
            return false;
    }
    return true;
}

bool NeedsEscape(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '\\';
}

// Appends UTF-8 as the inside of a JSON string.
void AppendEscaped(std::string& out, std::string_view utf8) {
    static constexpr char HEX[] = "0123456789ABCDEF";
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (!NeedsEscape(c))
            continue;
        out.append(utf8.substr(runStart, i - runStart));
        runStart = i + 1;
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            out += "\\u00";
            out += HEX[byte >> 4];
            out += HEX[byte & 0x0F];
        }
    }
    out.append(utf8.substr(runStart));
}

class CJsonBuilder {
public:
    explicit CJsonBuilder(std::size_t reserve) { m_out.reserve(reserve); }

    void Raw(std::string_view text) { m_out.append(text); }

    // ASCII is the same in CP932 and UTF-8, so most fields skip the converter.
    void String(std::string_view cp932) {
        m_out += '"';
        if (IsAscii(cp932))
            AppendEscaped(m_out, cp932);
        else
            AppendEscaped(m_out, m_codec.ToUtf8(cp932));
        m_out += '"';
    }

    void Member(const char* key, std::string_view cp932) {
        m_out += '"';
        m_out += key;
        m_out += "\": ";
        String(cp932);
    }

    std::string Take() { return std::move(m_out); }

private:
    std::string m_out;
    CTextCodec m_codec;
};

void DumpGroups(CJsonBuilder& json, const CGroupList& groups) {
    json.Raw("  \"groups\": [");
    const char* separator = "\n    ";
    for (const CGroup* group : groups) {
        json.Raw(separator);
        json.Raw("{");
        json.Member("name", group->m_strGroupName);
        json.Raw("}");
        separator = ",\n    ";
    }
    json.Raw(groups.empty() ? "],\n" : "\n  ],\n");
}

void DumpPerson(CJsonBuilder& json, const CPersonalData& person,
                const std::unordered_map<const CGroup*, std::size_t>& groupIndex) {
    json.Raw("{");
    for (const auto& [key, text] : PERSON_KEYS) {
        json.Member(key, person.GetText(text));
        json.Raw(", ");
    }
    json.Raw("\"sex\": ");
    json.Raw(std::to_string(person.m_nSex));
    json.Raw(", \"groups\": [");
    const char* separator = "";
    for (const CGroup* group : person.m_groupList) {
        const auto found = groupIndex.find(group);
        if (found == groupIndex.end())
            continue;
        json.Raw(separator);
        json.Raw(std::to_string(found->second));
        separator = ", ";
    }
    json.Raw("]}");
}

void DumpPersons(CJsonBuilder& json, const CPersonList& persons, const CGroupList& groups) {
    std::unordered_map<const CGroup*, std::size_t> groupIndex;
    for (const CGroup* group : groups)
        groupIndex.emplace(group, groupIndex.size());
    json.Raw("  \"persons\": [");
    const char* separator = "\n    ";
    for (const CPersonalData* person : persons) {
        json.Raw(separator);
        DumpPerson(json, *person, groupIndex);
        separator = ",\n    ";
    }
    json.Raw(persons.empty() ? "]\n" : "\n  ]\n");
}
} // namespace

std::string CJsonDump::Dump(const CAddressDoc& doc) {
    CJsonBuilder json(doc.GetPersonList().size() * TYPICAL_PERSON_BYTES);
    json.Raw("{\n");
    DumpGroups(json, doc.GetGroupList());
    DumpPersons(json, doc.GetPersonList(), doc.GetGroupList());
    json.Raw("}\n");
    return json.Take();
}
