#include "core/document/CDataFileReader.h"

#include "core/document/CAddressDoc.h"
#include "core/storage/CArchiveException.h"
#include "core/storage/CArchiveReader.h"
#include "core/storage/CDataFileFormat.h"
#include "core/storage/CRecordVisitor.h"
#include "core/storage/CStorageTexts.h"
#include "core/text/CTextFormat.h"

#include <cstdint>

namespace {
// How many texts a person record of a schema holds: older programs wrote a prefix of today's
// items, and any other schema is read as its first six items (five texts and the sex).
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

// Makes the records in the document's store as the file names them.
class CDocRecordMaker : public CRecordVisitor {
public:
    CDocRecordMaker(CAddressDoc& doc, CReadResult& result) : m_doc(doc), m_result(result) {}

    void OnGroupCount(std::uint32_t count) override { m_result.groups.reserve(count); }
    void OnPersonCount(std::uint32_t count) override { m_result.persons.reserve(count); }

    void OnGroup(std::string_view name) override {
        m_result.groups.push_back(m_doc.NewGroup(std::string(name)));
    }

    void OnPerson(const CTexts& texts, int sex, std::span<const std::int32_t> groups) override {
        CPersonalData* person = m_doc.NewPerson(texts, sex);
        person->m_groupList.reserve(groups.size());
        for (const std::int32_t serial : groups)
            person->m_groupList.push_back(m_result.groups[static_cast<std::size_t>(serial)]);
        m_result.persons.push_back(person);
    }

private:
    CAddressDoc& m_doc;
    CReadResult& m_result;
};

// One pass over the file, front to back, in the order the file stores things.
class CFileParser {
public:
    CFileParser(std::string_view bytes, CRecordVisitor& visitor)
        : m_reader(bytes, {CDataFileFormat::GROUP_CLASS, CDataFileFormat::PERSON_CLASS}),
          m_visitor(visitor) {}

    void Parse() {
        ReadGroups();
        // The format ends with the last person; whatever other programs left after it is
        // ignored, as the format's own reader does.
        ReadPersons();
    }

private:
    void ReadGroups() {
        const std::uint32_t count =
            m_reader.ReadCount(CDataFileFormat::MIN_GROUP_BYTES, CStorageTexts::COUNTED_GROUPS);
        m_visitor.OnGroupCount(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            m_reader.ReadObjectStart(CDataFileFormat::GROUP_CLASS.name);
            m_visitor.OnGroup(m_reader.ReadText());
        }
        // Stamped with the number of the person who last named the group.
        m_lastNamedBy.assign(count, 0);
    }

    void ReadPersons() {
        const std::uint32_t count =
            m_reader.ReadCount(CDataFileFormat::MIN_PERSON_BYTES, CStorageTexts::COUNTED_PERSONS);
        m_visitor.OnPersonCount(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint16_t schema =
                m_reader.ReadObjectStart(CDataFileFormat::PERSON_CLASS.name);
            const std::size_t textCount = TextCountOf(schema);
            CRecordVisitor::CTexts texts{};
            for (std::size_t t = 0; t < TEXTS_BEFORE_SEX; ++t)
                texts[t] = m_reader.ReadText();
            const std::int32_t sex = m_reader.ReadI32();
            for (std::size_t t = TEXTS_BEFORE_SEX; t < textCount; ++t)
                texts[t] = m_reader.ReadText();
            ReadMemberships(i + 1);
            m_visitor.OnPerson(texts, sex, m_serials);
        }
    }

    void ReadMemberships(std::uint32_t stamp) {
        const std::uint32_t count =
            m_reader.ReadCount(CDataFileFormat::SERIAL_BYTES, CStorageTexts::COUNTED_MEMBER_GROUPS);
        m_serials.clear();
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t offset = m_reader.GetOffset();
            const std::int32_t serial = m_reader.ReadI32();
            if (serial < 0 || static_cast<std::size_t>(serial) >= m_lastNamedBy.size())
                CArchiveReader::Fail(CTextFormat::Format(CStorageTexts::NO_SUCH_GROUP,
                                                         {std::to_string(serial),
                                                          std::to_string(m_lastNamedBy.size())}),
                                     offset);
            // A person twice in one group would break the document's one-membership rule.
            const auto index = static_cast<std::size_t>(serial);
            if (m_lastNamedBy[index] == stamp)
                CArchiveReader::Fail(
                    CTextFormat::Format(CStorageTexts::GROUP_TWICE, {std::to_string(serial)}),
                    offset);
            m_lastNamedBy[index] = stamp;
            m_serials.push_back(serial);
        }
    }

    CArchiveReader m_reader;
    CRecordVisitor& m_visitor;
    std::vector<std::uint32_t> m_lastNamedBy;
    std::vector<std::int32_t> m_serials;
};
} // namespace

std::optional<CReadError> CDataFileReader::Visit(std::string_view bytes, CRecordVisitor& visitor) {
    try {
        CFileParser(bytes, visitor).Parse();
    } catch (const CArchiveException& e) {
        return CReadError{e.what(), e.GetOffset()};
    }
    return std::nullopt;
}

CReadResult CDataFileReader::Read(std::string_view bytes, CAddressDoc& doc) {
    CReadResult result;
    CDocRecordMaker maker(doc, result);
    if (const auto error = Visit(bytes, maker)) {
        result.groups.clear();
        result.persons.clear();
        result.message = error->message;
        result.offset = error->offset;
    } else {
        result.ok = true;
    }
    return result;
}
