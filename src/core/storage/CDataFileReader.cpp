#include "storage/CDataFileReader.h"

#include "document/CAddressDoc.h"
#include "storage/CArchiveException.h"
#include "storage/CArchiveReader.h"
#include "storage/CDataFileFormat.h"
#include "storage/CRecordFactory.h"

#include <cstdint>

namespace {
// How many texts a person record of a schema holds: older programs wrote a prefix of today's
// items, and any schema we do not know wrote the first six (five texts and the sex).
std::size_t TextCountOf(std::uint16_t schema) {
    switch (schema) {
    case 170:
        return 13;
    case 160:
        return 12;
    case 150:
        return 11;
    case 140:
        return 10;
    case 130:
        return 9;
    default:
        return 5;
    }
}

constexpr std::size_t TEXTS_BEFORE_SEX = 4;

class CDocRecordFactory : public CRecordFactory {
public:
    explicit CDocRecordFactory(CAddressDoc& doc) : m_doc(doc) {}
    CGroup* NewGroup(std::string_view name) override { return m_doc.NewGroup(std::string(name)); }
    CPersonalData* NewPerson(const CTexts& texts, int sex) override {
        return m_doc.NewPerson(texts, sex);
    }

private:
    CAddressDoc& m_doc;
};

// One pass over the file, front to back, in the order the file stores things.
class CFileParser {
public:
    CFileParser(std::string_view bytes, CRecordFactory& factory)
        : m_reader(bytes, {CDataFileFormat::GROUP_CLASS, CDataFileFormat::PERSON_CLASS}),
          m_factory(factory) {}

    void Parse(CReadResult& result) {
        ReadGroups(result.groups);
        ReadPersons(result.groups, result.persons);
        if (!m_reader.IsAtEnd())
            CArchiveReader::Fail("最後の個人データの後に余分な " +
                                     std::to_string(m_reader.GetRemaining()) + " バイトがあります",
                                 m_reader.GetOffset());
    }

private:
    void ReadGroups(std::vector<CGroup*>& groups) {
        const std::uint32_t count =
            m_reader.ReadCount(CDataFileFormat::MIN_GROUP_BYTES, "グループ");
        groups.reserve(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            m_reader.ReadObjectStart(CDataFileFormat::GROUP_CLASS.name);
            groups.push_back(m_factory.NewGroup(m_reader.ReadText()));
        }
        // Stamped with the number of the person who last named the group.
        m_lastNamedBy.assign(groups.size(), 0);
    }

    void ReadPersons(const std::vector<CGroup*>& groups, std::vector<CPersonalData*>& persons) {
        const std::uint32_t count =
            m_reader.ReadCount(CDataFileFormat::MIN_PERSON_BYTES, "個人データ");
        persons.reserve(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            CPersonalData* person = ReadPerson();
            ReadMemberships(groups, *person, i + 1);
            persons.push_back(person);
        }
    }

    CPersonalData* ReadPerson() {
        const std::uint16_t schema = m_reader.ReadObjectStart(CDataFileFormat::PERSON_CLASS.name);
        const std::size_t textCount = TextCountOf(schema);
        CRecordFactory::CTexts texts{};
        for (std::size_t i = 0; i < TEXTS_BEFORE_SEX; ++i)
            texts[i] = m_reader.ReadText();
        const std::int32_t sex = m_reader.ReadI32();
        for (std::size_t i = TEXTS_BEFORE_SEX; i < textCount; ++i)
            texts[i] = m_reader.ReadText();
        return m_factory.NewPerson(texts, sex);
    }

    void ReadMemberships(const std::vector<CGroup*>& groups, CPersonalData& person,
                         std::uint32_t stamp) {
        const std::uint32_t count =
            m_reader.ReadCount(CDataFileFormat::SERIAL_BYTES, "所属グループ");
        person.m_groupList.reserve(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t offset = m_reader.GetOffset();
            const std::int32_t serial = m_reader.ReadI32();
            if (serial < 0 || static_cast<std::size_t>(serial) >= groups.size())
                CArchiveReader::Fail("所属グループの番号 " + std::to_string(serial) +
                                         " に当たるグループがありません（グループは " +
                                         std::to_string(groups.size()) + " 個）",
                                     offset);
            // A person twice in one group would break the document's one-membership rule.
            const auto index = static_cast<std::size_t>(serial);
            if (m_lastNamedBy[index] == stamp)
                CArchiveReader::Fail("所属グループの番号 " + std::to_string(serial) +
                                         " が同じ個人データに二度あります",
                                     offset);
            m_lastNamedBy[index] = stamp;
            person.m_groupList.push_back(groups[index]);
        }
    }

    CArchiveReader m_reader;
    CRecordFactory& m_factory;
    std::vector<std::uint32_t> m_lastNamedBy;
};
} // namespace

CReadResult CDataFileReader::Read(std::string_view bytes, CRecordFactory& factory) {
    CReadResult result;
    try {
        CFileParser(bytes, factory).Parse(result);
        result.ok = true;
    } catch (const CArchiveException& e) {
        result.groups.clear();
        result.persons.clear();
        result.message = e.what();
        result.offset = e.GetOffset();
    }
    return result;
}

CReadResult CDataFileReader::Read(std::string_view bytes, CAddressDoc& doc) {
    CDocRecordFactory factory(doc);
    return Read(bytes, factory);
}
