#include "core/document/CJsonDump.h"

#include "core/document/CAddressDoc.h"
#include "core/document/CDataFile.h"
#include "core/document/CDataFileReader.h"
#include "core/document/CIdentityFile.h"
#include "core/storage/CJsonWriter.h"
#include "core/storage/CRecordVisitor.h"

#include <unordered_map>
#include <vector>

namespace {
using CTexts = CRecordVisitor::CTexts;

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
    CJsonRecordWriter(const CJsonDump::CSink& sink, std::vector<CUid> uids)
        : m_json(sink), m_layout(m_json), m_uids(std::move(uids)) {}

    void OnGroup(std::string_view name) override {
        m_layout.NextGroup();
        m_json.Raw("{\"name\": ");
        m_json.String(name);
        m_json.Raw("}");
    }

    void OnPerson(const CTexts& texts, int sex, std::span<const std::int32_t> groups) override {
        m_layout.NextPerson();
        m_json.Person(texts, sex, groups, std::nullopt, &m_uids.at(m_nPersons++));
    }

    void Finish() { m_layout.Finish(); }

private:
    CJsonWriter m_json;
    CBookLayout m_layout;
    std::vector<CUid> m_uids; // one for each person, in file order
    std::size_t m_nPersons = 0;
};

// Keeps the texts of every person for the UIDs, as views into the file's bytes.
class CTextsCollector : public CRecordVisitor {
public:
    void OnPersonCount(std::uint32_t count) override { m_texts.reserve(count); }
    void OnPerson(const CTexts& texts, int, std::span<const std::int32_t>) override {
        m_texts.push_back(texts);
    }
    const std::vector<CTexts>& GetTexts() const { return m_texts; }

private:
    std::vector<CTexts> m_texts;
};

std::vector<CUid> UidsOf(const CAddressDoc& doc) {
    std::vector<CUid> uids;
    uids.reserve(doc.GetPersonList().size());
    for (const CPersonalData* person : doc.GetPersonList())
        uids.push_back(person->GetUid());
    return uids;
}

using CSerials = std::unordered_map<const CGroup*, std::int32_t>;

// Each group's index in the document's group list, as a dump numbers them.
CSerials SerialsOf(const CAddressDoc& doc) {
    CSerials serials;
    for (const CGroup* group : doc.GetGroupList())
        serials.emplace(group, static_cast<std::int32_t>(serials.size()));
    return serials;
}

void GroupsOf(const CPersonalData& person, const CSerials& serials,
              std::vector<std::int32_t>& groups) {
    groups.clear();
    for (const CGroup* group : person.m_groupList) {
        if (const auto found = serials.find(group); found != serials.end())
            groups.push_back(found->second);
    }
}
} // namespace

void CJsonDump::Dump(const CAddressDoc& doc, const CSink& sink) {
    CJsonRecordWriter writer(sink, UidsOf(doc));
    const CSerials serials = SerialsOf(doc);
    for (const CGroup* group : doc.GetGroupList())
        writer.OnGroup(group->m_strGroupName);
    std::vector<std::int32_t> groups;
    for (const CPersonalData* person : doc.GetPersonList()) {
        GroupsOf(*person, serials, groups);
        writer.OnPerson(CIdentityFile::TextsOf(*person), person->m_nSex, groups);
    }
    writer.Finish();
}

void CJsonDump::DumpPersons(const CAddressDoc& doc, const std::vector<std::size_t>& indexes,
                            const CSink& sink) {
    CJsonWriter json(sink);
    json.Raw("{\n  \"persons\": [");
    const CSerials serials = SerialsOf(doc);
    std::vector<std::int32_t> groups;
    auto wanted = indexes.begin();
    std::size_t index = 0;
    for (const CPersonalData* person : doc.GetPersonList()) {
        if (wanted == indexes.end())
            break;
        if (*wanted == index++) {
            json.Raw(wanted == indexes.begin() ? "\n    " : ",\n    ");
            GroupsOf(*person, serials, groups);
            json.Person(CIdentityFile::TextsOf(*person), person->m_nSex, groups, *wanted++);
        }
    }
    json.Raw(indexes.empty() ? "]\n}\n" : "\n  ]\n}\n");
    json.Flush();
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
    CTextsCollector checker;
    if (const auto error = CDataFileReader::Visit(bytes, checker))
        return CDataFile::Damaged(path, *error);
    CIdentities identities = CIdentityFile::Read(path, bytes, checker.GetTexts());
    CFileResult dumped{true, {}, 0};
    dumped.warning = CIdentityFile::Warning(path, identities);
    CJsonRecordWriter writer(sink, std::move(identities.uids));
    if (const auto error = CDataFileReader::Visit(bytes, writer))
        return CDataFile::Damaged(path, *error);
    writer.Finish();
    return dumped;
}
