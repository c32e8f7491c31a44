#pragma once

#include "core/storage/CArchiveClass.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Builds the bytes of an archive in memory, in exactly the encoding CArchiveReader reads: the
// first object of a class introduces the class, later ones refer to it by index.
class CArchiveWriter {
public:
    void Reserve(std::size_t bytes) { m_bytes.reserve(bytes); }

    void WriteU8(std::uint8_t value) { m_bytes += static_cast<char>(value); }
    void WriteU16(std::uint16_t value);
    void WriteU32(std::uint32_t value);
    void WriteI32(std::int32_t value) { WriteU32(static_cast<std::uint32_t>(value)); }
    void WriteText(std::string_view text);

    // Writes the class reference that starts a new object of `archiveClass`.
    void WriteObjectStart(const CArchiveClass& archiveClass);

    const std::string& GetBytes() const { return m_bytes; }
    std::string TakeBytes() { return std::move(m_bytes); }

private:
    std::string m_bytes;
    // Index 0 is the null reference; every class and object written takes the next index.
    std::uint32_t m_nMapCount = 1;
    std::vector<std::pair<std::string_view, std::uint32_t>> m_classIndices;
};
