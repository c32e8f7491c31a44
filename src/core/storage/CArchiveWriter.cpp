#include "core/storage/CArchiveWriter.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace {
constexpr std::uint16_t NEW_CLASS_TAG = 0xFFFF;
constexpr std::uint16_t CLASS_TAG = 0x8000;
constexpr std::uint16_t BIG_OBJECT_TAG = 0x7FFF;
constexpr std::uint32_t BIG_CLASS_TAG = 0x80000000;
constexpr std::size_t LONG_TEXT = 0xFF;
constexpr std::size_t HUGE_TEXT = 0xFFFE;
} // namespace

void CArchiveWriter::WriteU16(std::uint16_t value) {
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    m_bytes.append(bytes, sizeof bytes);
}

void CArchiveWriter::WriteU32(std::uint32_t value) {
    const char bytes[4] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                           static_cast<char>((value >> 16) & 0xFF), static_cast<char>(value >> 24)};
    m_bytes.append(bytes, sizeof bytes);
}

void CArchiveWriter::WriteText(std::string_view text) {
    const std::size_t length = text.size();
    if (length < LONG_TEXT) {
        WriteU8(static_cast<std::uint8_t>(length));
    } else if (length < HUGE_TEXT) {
        WriteU8(0xFF);
        WriteU16(static_cast<std::uint16_t>(length));
    } else {
        if (length > std::numeric_limits<std::uint32_t>::max())
            throw std::length_error("text longer than the archive can hold");
        WriteU8(0xFF);
        WriteU16(0xFFFF);
        WriteU32(static_cast<std::uint32_t>(length));
    }
    m_bytes.append(text);
}

void CArchiveWriter::WriteObjectStart(const CArchiveClass& archiveClass) {
    const auto known = std::find_if(
        m_classIndices.begin(), m_classIndices.end(),
        [&archiveClass](const auto& entry) { return entry.first == archiveClass.name; });
    if (known == m_classIndices.end()) {
        WriteU16(NEW_CLASS_TAG);
        WriteU16(archiveClass.schema);
        WriteU16(static_cast<std::uint16_t>(archiveClass.name.size()));
        m_bytes.append(archiveClass.name);
        m_classIndices.emplace_back(archiveClass.name, m_nMapCount++);
    } else if (known->second < BIG_OBJECT_TAG) {
        WriteU16(static_cast<std::uint16_t>(CLASS_TAG | known->second));
    } else {
        WriteU16(BIG_OBJECT_TAG);
        WriteU32(BIG_CLASS_TAG | known->second);
    }
    ++m_nMapCount;
}
