#include "core/document/CDataFileWriter.h"

#include "core/storage/CArchiveWriter.h"
#include "core/storage/CDataFileFormat.h"

#include <algorithm>

namespace {
constexpr std::size_t TYPICAL_PERSON_BYTES = 128;

bool IsSaved(const CGroup* group) {
    return group->m_nSerial != CGroup::GROUP_TRANSIENT;
}

void WriteGroups(CArchiveWriter& writer, const CGroupList& groups) {
    writer.WriteU32(static_cast<std::uint32_t>(CAddressDoc::CountSavedGroups(groups)));
    int serial = 0;
    for (CGroup* group : groups) {
        if (!IsSaved(group))
            continue;
        group->m_nSerial = serial++;
        writer.WriteObjectStart(CDataFileFormat::GROUP_CLASS);
        writer.WriteText(group->m_strGroupName);
    }
}

void WritePerson(CArchiveWriter& writer, const CPersonalData& person) {
    writer.WriteObjectStart(CDataFileFormat::PERSON_CLASS);
    for (int i = 0; i < CPersonalData::TEXT_COUNT; ++i) {
        const auto text = static_cast<EPersonText>(i);
        writer.WriteText(person.GetText(text));
        if (text == EPersonText::Zip)
            writer.WriteI32(person.m_nSex);
    }
    const auto saved = std::count_if(person.m_groupList.begin(), person.m_groupList.end(), IsSaved);
    writer.WriteU32(static_cast<std::uint32_t>(saved));
    for (const CGroup* group : person.m_groupList) {
        if (IsSaved(group))
            writer.WriteI32(group->m_nSerial);
    }
}
} // namespace

std::string CDataFileWriter::Write(const CGroupList& groups, const CPersonList& persons) {
    CArchiveWriter writer;
    writer.Reserve(persons.size() * TYPICAL_PERSON_BYTES);
    WriteGroups(writer, groups);
    writer.WriteU32(static_cast<std::uint32_t>(persons.size()));
    for (const CPersonalData* person : persons)
        WritePerson(writer, *person);
    return writer.TakeBytes();
}
