#pragma once

#include "core/storage/CArchiveClass.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A bounds-checked cursor over the bytes of an archive. Every declared length and count is
// checked against the bytes left before anyone allocates for it; every fault throws a
// CArchiveException naming what is wrong and where.
class CArchiveReader {
public:
    // `classes` are the only classes this file may hold; their objects are read by name.
    CArchiveReader(std::string_view bytes, std::vector<CArchiveClass> classes);
    // The reader only views the bytes; a temporary would be gone before the first read.
    CArchiveReader(std::string&& bytes, std::vector<CArchiveClass> classes) = delete;

    std::uint8_t ReadU8();
    std::uint16_t ReadU16();
    std::uint32_t ReadU32();
    std::int32_t ReadI32();
    // The text's bytes, viewed inside the archive's buffer.
    std::string_view ReadText();

    // Reads the class reference that starts a new object of `className` and returns the schema
    // the file stored with that class.
    std::uint16_t ReadObjectStart(std::string_view className);

    // Reads a u32 count of items that take at least `minBytes` bytes each, and fails unless
    // that many fit in the bytes left.
    std::uint32_t ReadCount(std::size_t minBytes, std::string_view what);

    std::size_t GetOffset() const { return m_nPos; }
    std::size_t GetRemaining() const { return m_bytes.size() - m_nPos; }
    bool IsAtEnd() const { return m_nPos == m_bytes.size(); }

    [[noreturn]] static void Fail(const std::string& message, std::size_t offset);

private:
    // A load-map entry: an object, or the class at this position of m_classes.
    static constexpr std::int16_t OBJECT_ENTRY = -1;

    void Need(std::size_t count, std::size_t itemStart) const;
    std::size_t ReadClassTag(std::size_t tagStart, std::string_view expected);
    std::size_t ReadNewClass(std::size_t tagStart);
    std::size_t LookUpClass(std::uint32_t index, std::size_t tagStart) const;
    void CheckSchema(const CArchiveClass& archiveClass, std::uint16_t schema,
                     std::size_t tagStart) const;

    std::string_view m_bytes;
    std::size_t m_nPos = 0;
    std::vector<CArchiveClass> m_classes;
    // The schema the file stored for each of m_classes; the latest tag of a class wins.
    std::vector<std::uint16_t> m_schemas;
    // Index 0 is the null reference; every class and object read takes the next index.
    std::vector<std::int16_t> m_loadMap;
};
