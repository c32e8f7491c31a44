#include "core/storage/CArchiveReader.h"

#include "core/storage/CArchiveException.h"
#include "core/storage/CStorageTexts.h"
#include "core/text/CTextFormat.h"

#include <algorithm>

namespace {
constexpr std::uint16_t NULL_TAG = 0;
constexpr std::uint16_t NEW_CLASS_TAG = 0xFFFF;
constexpr std::uint16_t CLASS_TAG = 0x8000;
constexpr std::uint16_t BIG_OBJECT_TAG = 0x7FFF;
constexpr std::uint32_t BIG_CLASS_TAG = 0x80000000;
constexpr std::uint8_t LONG_TEXT = 0xFF;
constexpr std::uint16_t WIDE_TEXT = 0xFFFE;
constexpr std::uint16_t HUGE_TEXT = 0xFFFF;

// Class names come from the file: anything but printable ASCII is shown as \xNN.
std::string Printable(std::string_view bytes) {
    static constexpr char HEX[] = "0123456789ABCDEF";
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            text += c;
        } else {
            text += "\\x";
            text += HEX[byte >> 4];
            text += HEX[byte & 0x0F];
        }
    }
    return text;
}
} // namespace

CArchiveReader::CArchiveReader(std::string_view bytes, std::vector<CArchiveClass> classes)
    : m_bytes(bytes), m_classes(std::move(classes)), m_schemas(m_classes.size(), 0),
      m_loadMap(1, OBJECT_ENTRY) {}

void CArchiveReader::Fail(const std::string& message, std::size_t offset) {
    throw CArchiveException(message, offset);
}

void CArchiveReader::Need(std::size_t count, std::size_t itemStart) const {
    if (count > GetRemaining())
        Fail(CTextFormat::Format(CStorageTexts::ENDS_EARLY,
                                 {std::to_string(count), std::to_string(GetRemaining())}),
             itemStart);
}

std::uint8_t CArchiveReader::ReadU8() {
    Need(1, m_nPos);
    return static_cast<std::uint8_t>(m_bytes[m_nPos++]);
}

std::uint16_t CArchiveReader::ReadU16() {
    Need(2, m_nPos);
    const auto* p = reinterpret_cast<const unsigned char*>(m_bytes.data() + m_nPos);
    m_nPos += 2;
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t CArchiveReader::ReadU32() {
    Need(4, m_nPos);
    const auto* p = reinterpret_cast<const unsigned char*>(m_bytes.data() + m_nPos);
    m_nPos += 4;
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::int32_t CArchiveReader::ReadI32() {
    return static_cast<std::int32_t>(ReadU32());
}

std::string_view CArchiveReader::ReadText() {
    const std::size_t start = m_nPos;
    std::uint32_t length = ReadU8();
    if (length == LONG_TEXT) {
        length = ReadU16();
        if (length == WIDE_TEXT)
            Fail(CStorageTexts::WIDE_STRING, start);
        if (length == HUGE_TEXT)
            length = ReadU32();
    }
    if (length > GetRemaining())
        Fail(CTextFormat::Format(CStorageTexts::STRING_TOO_LONG,
                                 {std::to_string(length), std::to_string(GetRemaining())}),
             start);
    const std::string_view text = m_bytes.substr(m_nPos, length);
    m_nPos += length;
    return text;
}

std::uint32_t CArchiveReader::ReadCount(std::size_t minBytes, std::string_view what) {
    const std::size_t start = m_nPos;
    const std::uint32_t count = ReadU32();
    if (count > GetRemaining() / std::max<std::size_t>(minBytes, 1))
        Fail(CTextFormat::Format(CStorageTexts::COUNT_TOO_LARGE,
                                 {what, std::to_string(count), std::to_string(GetRemaining())}),
             start);
    return count;
}

std::uint16_t CArchiveReader::ReadObjectStart(std::string_view className) {
    const std::size_t tagStart = m_nPos;
    const std::size_t slot = ReadClassTag(tagStart, className);
    if (m_classes[slot].name != className)
        Fail(CTextFormat::Format(CStorageTexts::WRONG_CLASS, {className, m_classes[slot].name}),
             tagStart);
    m_loadMap.push_back(OBJECT_ENTRY);
    return m_schemas[slot];
}

std::size_t CArchiveReader::ReadClassTag(std::size_t tagStart, std::string_view expected) {
    const std::uint16_t tag = ReadU16();
    if (tag == NEW_CLASS_TAG)
        return ReadNewClass(tagStart);
    const std::uint32_t objectTag = tag == BIG_OBJECT_TAG
                                        ? ReadU32()
                                        : (static_cast<std::uint32_t>(tag & CLASS_TAG) << 16) |
                                              (tag & static_cast<std::uint16_t>(~CLASS_TAG));
    if (objectTag == NULL_TAG)
        Fail(CTextFormat::Format(CStorageTexts::NULL_OBJECT, {expected}), tagStart);
    if ((objectTag & BIG_CLASS_TAG) == 0)
        Fail(CTextFormat::Format(CStorageTexts::OBJECT_ALREADY_READ,
                                 {expected, std::to_string(objectTag)}),
             tagStart);
    return LookUpClass(objectTag & ~BIG_CLASS_TAG, tagStart);
}

std::size_t CArchiveReader::ReadNewClass(std::size_t tagStart) {
    const std::uint16_t schema = ReadU16();
    const std::uint16_t length = ReadU16();
    Need(length, m_nPos);
    const std::string_view name = m_bytes.substr(m_nPos, length);
    m_nPos += length;
    const auto known = std::find_if(m_classes.begin(), m_classes.end(),
                                    [name](const CArchiveClass& c) { return c.name == name; });
    if (known == m_classes.end())
        Fail(CTextFormat::Format(CStorageTexts::UNKNOWN_CLASS, {Printable(name)}), tagStart);
    CheckSchema(*known, schema, tagStart);
    const auto slot = static_cast<std::size_t>(known - m_classes.begin());
    m_schemas[slot] = schema;
    m_loadMap.push_back(static_cast<std::int16_t>(slot));
    return slot;
}

std::size_t CArchiveReader::LookUpClass(std::uint32_t index, std::size_t tagStart) const {
    if (index == 0 || index >= m_loadMap.size())
        Fail(CTextFormat::Format(CStorageTexts::CLASS_NOT_YET_SEEN, {std::to_string(index)}),
             tagStart);
    const std::int16_t entry = m_loadMap[index];
    if (entry == OBJECT_ENTRY)
        Fail(CTextFormat::Format(CStorageTexts::NOT_A_CLASS, {std::to_string(index)}), tagStart);
    return static_cast<std::size_t>(entry);
}

void CArchiveReader::CheckSchema(const CArchiveClass& archiveClass, std::uint16_t schema,
                                 std::size_t tagStart) const {
    const std::string found = std::to_string(schema);
    const std::string known = std::to_string(archiveClass.schema);
    if (!archiveClass.versionable && schema != archiveClass.schema)
        Fail(CTextFormat::Format(CStorageTexts::BAD_SCHEMA, {archiveClass.name, found, known}),
             tagStart);
    // A newer program's record has fields we would drop on the next save.
    if (archiveClass.versionable && schema > archiveClass.schema)
        Fail(CTextFormat::Format(CStorageTexts::NEWER_SCHEMA, {archiveClass.name, found, known}),
             tagStart);
}
