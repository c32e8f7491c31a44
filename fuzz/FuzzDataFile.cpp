// Feeds arbitrary bytes to the data-file reader. Whatever it accepts must load into a document
// and survive being written and read again unchanged.
#include "core/commands/CAddGroupCommand.h"
#include "core/commands/CAddPersonalCommand.h"
#include "core/document/CAddressDoc.h"
#include "core/document/CDataFileReader.h"
#include "core/document/CDataFileWriter.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {
void Require(bool condition) {
    if (!condition)
        std::abort();
}

// The document after loading, as CDataFile::Load leaves it.
void InsertRecords(CAddressDoc& doc, const CReadResult& records) {
    for (CGroup* group : records.groups) {
        CAddGroupCommand command(group, false);
        command.Do(doc);
    }
    for (CPersonalData* person : records.persons) {
        CAddPersonalCommand command(person);
        command.Do(doc);
    }
}

std::vector<std::size_t> GroupIndexes(const CReadResult& records, const CPersonalData& person) {
    std::vector<std::size_t> indexes;
    for (const CGroup* group : person.m_groupList) {
        for (std::size_t i = 0; i < records.groups.size(); ++i) {
            if (records.groups[i] == group)
                indexes.push_back(i);
        }
    }
    return indexes;
}

void RequireSameRecords(const CReadResult& a, const CReadResult& b) {
    Require(a.groups.size() == b.groups.size() && a.persons.size() == b.persons.size());
    for (std::size_t i = 0; i < a.groups.size(); ++i)
        Require(a.groups[i]->m_strGroupName == b.groups[i]->m_strGroupName);
    for (std::size_t i = 0; i < a.persons.size(); ++i) {
        const CPersonalData& left = *a.persons[i];
        const CPersonalData& right = *b.persons[i];
        for (int t = 0; t < CPersonalData::TEXT_COUNT; ++t)
            Require(left.GetText(static_cast<EPersonText>(t)) ==
                    right.GetText(static_cast<EPersonText>(t)));
        Require(left.m_nSex == right.m_nSex);
        Require(GroupIndexes(a, left) == GroupIndexes(b, right));
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CAddressDoc doc;
    const CReadResult records = CDataFileReader::Read(bytes, doc);
    if (!records.ok) {
        Require(!records.message.empty() && records.offset <= size);
        return 0;
    }
    InsertRecords(doc, records);
    Require(doc.GetPersonList().size() == records.persons.size());

    const std::string written = CDataFileWriter::Write(doc.GetGroupList(), doc.GetPersonList());
    if (written == bytes)
        return 0;
    // Older schemas and longer prefix or tag forms than needed are read but written anew;
    // the new file must hold the same records and be written back byte for byte.
    CAddressDoc again;
    const CReadResult reread = CDataFileReader::Read(written, again);
    Require(reread.ok);
    RequireSameRecords(records, reread);
    InsertRecords(again, reread);
    Require(CDataFileWriter::Write(again.GetGroupList(), again.GetPersonList()) == written);
    return 0;
}
