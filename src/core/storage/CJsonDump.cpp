#include "storage/CJsonDump.h"

#include "document/CAddressDoc.h"
#include "storage/CCp932Utf8Table.h"
#include "storage/CDataFile.h"
#include "storage/CDataFileReader.h"
#include "storage/CRecordVisitor.h"
#include "text/CTextCodec.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {
// Pieces of this size reach the sink; a whole book never sits in memory as JSON.
constexpr std::size_t CHUNK_BYTES = 1 << 20;
// The longest escape, \u00XX, is six bytes.
constexpr std::size_t MAX_ESCAPE = 6;
constexpr std::size_t MAX_NUMBER = 24;

using CTexts = CRecordVisitor::CTexts;

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

// Writes JSON into a buffer that is handed to the sink whenever it fills.
class CJsonWriter {
public:
    explicit CJsonWriter(const CJsonDump::CSink& sink)
        : m_sink(sink), m_buffer(CHUNK_BYTES, '\0'), m_table(CTextCodec()) {}
    CJsonWriter(const CJsonWriter&) = delete;
    CJsonWriter& operator=(const CJsonWriter&) = delete;
    ~CJsonWriter() = default;

    void Raw(std::string_view text) {
        char* p = Room(text.size());
        std::memcpy(p, text.data(), text.size());
        m_size += text.size();
    }

    void Number(long long value) {
        char* p = Room(MAX_NUMBER);
        m_size += static_cast<std::size_t>(std::to_chars(p, p + MAX_NUMBER, value).ptr - p);
    }

    // ASCII is the same in CP932 and UTF-8, so most fields skip the converter.
    void String(std::string_view cp932) {
        Raw("\"");
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

    void Person(const CTexts& texts, int sex, std::span<const std::int32_t> groups) {
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
        Raw("]}");
    }

    void Flush() {
        if (m_size > 0)
            m_sink(std::string_view(m_buffer.data(), m_size));
        m_size = 0;
    }

private:
    char* Room(std::size_t count) {
        if (m_buffer.size() - m_size < count) {
            Flush();
            if (m_buffer.size() < count)
                m_buffer.resize(count);
        }
        return m_buffer.data() + m_size;
    }

    std::string_view Converted(std::string_view cp932) {
        m_converted.resize(cp932.size() * CCp932Utf8Table::MAX_UTF8_PER_BYTE);
        const char* end = m_table.Convert(cp932, m_converted.data());
        return std::string_view(m_converted.data(),
                                static_cast<std::size_t>(end - m_converted.data()));
    }

    // UTF-8 as the inside of a JSON string.
    void Escaped(std::string_view utf8) {
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

    const CJsonDump::CSink& m_sink;
    std::string m_buffer;
    std::size_t m_size = 0;
    CCp932Utf8Table m_table;
    std::string m_converted;
};

// Brackets the two arrays and separates their elements.
class CBookLayout {
public:
    explicit CBookLayout(CJsonWriter& json) : m_json(json) { m_json.Raw("{\n  \"groups\": ["); }

    void NextGroup() { Next(); }
    void NextPerson() {
        StartPersons();
        Next();
    }
    void Finish() {
        StartPersons();
        EndArray();
        m_json.Raw("\n}\n");
        m_json.Flush();
    }

private:
    void Next() { m_json.Raw(m_nElements++ == 0 ? "\n    " : ",\n    "); }
    void EndArray() {
        m_json.Raw(m_nElements == 0 ? "]" : "\n  ]");
        m_nElements = 0;
    }
    void StartPersons() {
        if (!m_bInPersons) {
            EndArray();
            m_json.Raw(",\n  \"persons\": [");
            m_bInPersons = true;
        }
    }

    CJsonWriter& m_json;
    std::size_t m_nElements = 0;
    bool m_bInPersons = false;
};

// Writes each record as the file reader meets it; serials are the groups' indexes already.
class CJsonRecordWriter : public CRecordVisitor {
public:
    explicit CJsonRecordWriter(const CJsonDump::CSink& sink) : m_json(sink), m_layout(m_json) {}

    void OnGroup(std::string_view name) override {
        m_layout.NextGroup();
        m_json.Raw("{\"name\": ");
        m_json.String(name);
        m_json.Raw("}");
    }

    void OnPerson(const CTexts& texts, int sex, std::span<const std::int32_t> groups) override {
        m_layout.NextPerson();
        m_json.Person(texts, sex, groups);
    }

    void Finish() { m_layout.Finish(); }

private:
    CJsonWriter m_json;
    CBookLayout m_layout;
};

CTexts TextsOf(const CPersonalData& person) {
    CTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = person.GetText(static_cast<EPersonText>(i));
    return texts;
}
} // namespace

void CJsonDump::Dump(const CAddressDoc& doc, const CSink& sink) {
    CJsonRecordWriter writer(sink);
    std::unordered_map<const CGroup*, std::int32_t> serials;
    for (const CGroup* group : doc.GetGroupList()) {
        serials.emplace(group, static_cast<std::int32_t>(serials.size()));
        writer.OnGroup(group->m_strGroupName);
    }
    std::vector<std::int32_t> groups;
    for (const CPersonalData* person : doc.GetPersonList()) {
        groups.clear();
        for (const CGroup* group : person->m_groupList) {
            if (const auto found = serials.find(group); found != serials.end())
                groups.push_back(found->second);
        }
        writer.OnPerson(TextsOf(*person), person->m_nSex, groups);
    }
    writer.Finish();
}

std::string CJsonDump::Dump(const CAddressDoc& doc) {
    std::string json;
    Dump(doc, [&json](std::string_view piece) { json.append(piece); });
    return json;
}

CFileResult CJsonDump::DumpFile(const std::filesystem::path& path, const CSink& sink) {
    std::string bytes;
    if (CFileResult read = CDataFile::ReadBytes(path, bytes); !read.ok)
        return read;
    CRecordVisitor checker;
    if (const auto error = CDataFileReader::Visit(bytes, checker))
        return CDataFile::Damaged(path, *error);
    CJsonRecordWriter writer(sink);
    if (const auto error = CDataFileReader::Visit(bytes, writer))
        return CDataFile::Damaged(path, *error);
    writer.Finish();
    return {true, {}, 0};
}
