#include "core/sync/CSyncState.h"

#include "core/model/CUid.h"
#include "core/storage/CFileReader.h"
#include "core/storage/CSafeFileWriter.h"

#include <vector>

namespace {
constexpr std::string_view MAGIC = "tarnvale-sync 1";

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t end = text.find(separator, begin);
        parts.push_back(text.substr(begin, end - begin));
        if (end == std::string_view::npos)
            return parts;
        begin = end + 1;
    }
}

bool TakeValue(std::string_view line, std::string_view key, std::string& value) {
    if (!line.starts_with(key) || line.size() <= key.size() || line[key.size()] != ' ')
        return false;
    value = line.substr(key.size() + 1);
    return true;
}

bool IsClean(std::string_view text) {
    return text.find_first_of("\t\r\n") == std::string_view::npos;
}
} // namespace

std::filesystem::path CSyncState::PathFor(const std::filesystem::path& book) {
    std::filesystem::path path = book;
    path += ".sync";
    return path;
}

CSyncState CSyncState::Parse(std::string_view bytes) {
    if (!bytes.ends_with('\n'))
        return {};
    std::vector<std::string_view> lines = Split(bytes.substr(0, bytes.size() - 1), '\n');
    CSyncState state;
    if (lines.size() < 4 || lines[0] != MAGIC || !TakeValue(lines[1], "url", state.m_strUrl) ||
        !TakeValue(lines[2], "collection", state.m_strCollection) ||
        !TakeValue(lines[3], "token", state.m_strToken))
        return {};
    for (std::size_t i = 4; i < lines.size(); ++i) {
        const auto fields = Split(lines[i], '\t');
        if (fields.size() != 4 || !CUid::FromText(fields[0]) || fields[3].empty())
            return {};
        state.m_entries[std::string(fields[0])] = {std::string(fields[3]), std::string(fields[2]),
                                                   std::string(fields[1])};
    }
    return state;
}

std::string CSyncState::Encode() const {
    std::string text(MAGIC);
    text +=
        "\nurl " + m_strUrl + "\ncollection " + m_strCollection + "\ntoken " + m_strToken + "\n";
    for (const auto& [uid, entry] : m_entries) {
        // A server that puts a line break in an ETag or href gets the card fetched again.
        if (!IsClean(entry.href) || !IsClean(entry.etag))
            continue;
        text += uid + '\t' + entry.digest + '\t' + entry.etag + '\t' + entry.href + '\n';
    }
    return text;
}

CSyncState CSyncState::Load(const std::filesystem::path& book) {
    std::string bytes;
    if (!CFileReader::Read(PathFor(book), bytes).ok)
        return {};
    return Parse(bytes);
}

CFileResult CSyncState::Save(const std::filesystem::path& book) const {
    return CSafeFileWriter::Write(PathFor(book), Encode(), ELinkRule::WriteThrough, nullptr, book);
}
