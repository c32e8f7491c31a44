#include "core/sync/CSyncState.h"

#include "core/storage/CFileReader.h"
#include "core/storage/CSafeFileWriter.h"
#include "core/sync/CSyncTexts.h"
#include "core/text/CTextEscape.h"
#include "core/text/CTextFormat.h"

#include <optional>
#include <sys/stat.h>
#include <vector>

namespace {
constexpr std::string_view MAGIC_V1 = "tarnvale-sync 1";
constexpr std::string_view MAGIC = "tarnvale-sync 2";
constexpr std::size_t MAX_BYTES = std::size_t{1} << 30; // far beyond any book's persons
constexpr const char* HEX = "0123456789ABCDEF";

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

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            out += "\\\\";
        } else if (byte < 0x20 || byte == 0x7F) {
            out += "\\x";
            out += HEX[byte >> 4];
            out += HEX[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

int HexValue(char c) {
    const std::string_view digits(HEX);
    const std::size_t at = digits.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

std::optional<std::string> Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '\\') {
            out += '\\';
            ++i;
        } else if (i + 3 < text.size() && text[i + 1] == 'x' && HexValue(text[i + 2]) >= 0 &&
                   HexValue(text[i + 3]) >= 0) {
            out += static_cast<char>(HexValue(text[i + 2]) * 16 + HexValue(text[i + 3]));
            i += 3;
        } else {
            return std::nullopt;
        }
    }
    return out;
}

// Version 1 wrote its values as they were.
std::optional<std::string> Raw(std::string_view text) {
    return std::string(text);
}

bool TakeValue(std::string_view line, std::string_view key, bool escaped, std::string& value) {
    if (!line.starts_with(key) || line.size() <= key.size() || line[key.size()] != ' ')
        return false;
    const std::string_view text = line.substr(key.size() + 1);
    std::optional<std::string> read = escaped ? Unescaped(text) : Raw(text);
    if (!read)
        return false;
    value = std::move(*read);
    return true;
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
    if (lines.size() < 4 || (lines[0] != MAGIC && lines[0] != MAGIC_V1))
        return {};
    const bool escaped = lines[0] == MAGIC;
    if (!TakeValue(lines[1], "url", escaped, state.m_strUrl) ||
        !TakeValue(lines[2], "collection", escaped, state.m_strCollection) ||
        !TakeValue(lines[3], "token", escaped, state.m_strToken))
        return {};
    for (std::size_t i = 4; i < lines.size(); ++i) {
        const auto fields = Split(lines[i], '\t');
        if (fields.size() != 4)
            return {};
        std::optional<std::string> values[4];
        for (std::size_t f = 0; f < fields.size(); ++f)
            values[f] = escaped ? Unescaped(fields[f]) : Raw(fields[f]);
        if (!values[0] || !values[1] || !values[2] || !values[3] || values[0]->empty() ||
            values[3]->empty())
            return {};
        state.m_entries[*values[0]] = {*values[3], *values[2], *values[1]};
    }
    return state;
}

std::string CSyncState::Encode() const {
    std::string text(MAGIC);
    text += "\nurl " + Escaped(m_strUrl) + "\ncollection " + Escaped(m_strCollection) + "\ntoken " +
            Escaped(m_strToken) + "\n";
    for (const auto& [uid, entry] : m_entries) {
        text += Escaped(uid) + '\t' + Escaped(entry.digest) + '\t' + Escaped(entry.etag) + '\t' +
                Escaped(entry.href) + '\n';
    }
    return text;
}

CFileResult CSyncState::Load(const std::filesystem::path& book, CSyncState& state) {
    state = {};
    const std::filesystem::path path = PathFor(book);
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return {true, {}, 0};
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return {false, CTextFormat::Format(CSyncTexts::STATE_UNSAFE, {CTextEscape::Path(path)}), 0,
                EFileFailure::Other};
    std::string bytes;
    if (CFileReader::Read(path, bytes, MAX_BYTES).ok)
        state = Parse(bytes);
    return {true, {}, 0};
}

CFileResult CSyncState::Save(const std::filesystem::path& book) const {
    return CSafeFileWriter::WritePrivate(PathFor(book), Encode());
}
