#include "core/mail/CRecentAddressFile.h"

#include "core/storage/CArchiveException.h"
#include "core/storage/CArchiveReader.h"
#include "core/storage/CArchiveWriter.h"
#include "core/storage/CFileReader.h"
#include "core/storage/CSafeFileWriter.h"

#include <algorithm>
#include <limits>

namespace {
constexpr CArchiveClass STRING_LIST{"CStringList", 0, false};
constexpr std::uint16_t LONG_COUNT = 0xFFFF;
constexpr const char* EXTENSION = ".cal";
} // namespace

std::filesystem::path CRecentAddressFile::PathFor(const std::filesystem::path& settingsFile) {
    const std::string name = settingsFile.filename().string();
    const std::size_t dot = name.rfind('.');
    return settingsFile.parent_path() / (name.substr(0, dot) + EXTENSION);
}

std::string CRecentAddressFile::Encode(const std::vector<std::string>& strings) {
    CArchiveWriter writer;
    writer.WriteObjectStart(STRING_LIST);
    const std::size_t count = strings.size();
    if (count < LONG_COUNT) {
        writer.WriteU16(static_cast<std::uint16_t>(count));
    } else {
        writer.WriteU16(LONG_COUNT);
        writer.WriteU32(static_cast<std::uint32_t>(
            std::min<std::size_t>(count, std::numeric_limits<std::uint32_t>::max())));
    }
    for (const std::string& text : strings)
        writer.WriteText(text);
    return writer.TakeBytes();
}

std::vector<std::string> CRecentAddressFile::Decode(std::string_view bytes, std::size_t maxPairs) {
    std::vector<std::string> strings;
    try {
        CArchiveReader reader(bytes, {STRING_LIST});
        reader.ReadObjectStart(STRING_LIST.name);
        std::uint32_t count = reader.ReadU16();
        if (count == LONG_COUNT)
            count = reader.ReadU32();
        // Each string takes one byte at least, so a damaged count cannot make us allocate.
        const std::size_t kept = std::min<std::size_t>(count, maxPairs * 2);
        strings.reserve(std::min<std::size_t>(kept, reader.GetRemaining()));
        for (std::size_t i = 0; i < kept; ++i)
            strings.emplace_back(reader.ReadText());
    } catch (const CArchiveException&) {
        // A damaged tail: what was read before it stands.
    }
    if (strings.size() % 2 != 0)
        strings.pop_back();
    return strings;
}

std::vector<std::string> CRecentAddressFile::Load(const std::filesystem::path& path,
                                                  std::size_t maxPairs) {
    std::string bytes;
    if (!CFileReader::Read(path, bytes, MAX_FILE_SIZE).ok)
        return {};
    return Decode(bytes, maxPairs);
}

CFileResult CRecentAddressFile::Save(const std::filesystem::path& path,
                                     const std::vector<std::string>& strings) {
    return CSafeFileWriter::Write(path, Encode(strings), ELinkRule::WriteThrough);
}
