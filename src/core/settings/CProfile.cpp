#include "CProfile.h"

#include "storage/CSafeFileWriter.h"
#include "text/CCp932.h"

#include <cstdint>
#include <fstream>
#include <optional>
#include <sstream>
#include <utility>

namespace {

constexpr std::string_view LINE_END = "\r\n";

// Where a key lives in the file, or where it would go. Offsets index the file's bytes.
struct CKeyLocation {
    bool sectionFound = false;
    std::size_t insertAt = 0; // just after the section's last entry line (or its header)
    bool keyFound = false;
    bool hasValue = false; // a key line without '=' has no value
    std::size_t lineStart = 0;
    std::size_t contentEnd = 0; // the line without its line end
    std::size_t lineEnd = 0;    // after the line end
    std::string_view keyName;   // spelled as in the file
    std::string_view value;
};

// The Windows profile functions also count Ctrl+Z as white space.
bool IsProfileSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsProfileSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsProfileSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char ToAsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Folds only single-byte letters: the trail byte of a double-byte character may look like an
// ASCII letter but must match exactly.
bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (CCp932::IsLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) {
                return false;
            }
            ++i;
        } else if (ToAsciiLower(a[i]) != ToAsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

// A header needs its closing bracket; without one the line is an ordinary entry.
std::optional<std::string_view> SectionName(std::string_view trimmedLine) {
    if (trimmedLine.empty() || trimmedLine.front() != '[') {
        return std::nullopt;
    }
    const std::size_t close = trimmedLine.rfind(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return Trim(trimmedLine.substr(1, close - 1));
}

// Only the first section of that name counts, and within it the first line of that key.
CKeyLocation Locate(std::string_view contents, std::string_view section, std::string_view key) {
    CKeyLocation location;
    bool inSection = false;
    std::size_t pos = 0;
    while (pos < contents.size()) {
        const std::size_t newline = contents.find('\n', pos);
        const std::size_t next = newline == std::string_view::npos ? contents.size() : newline + 1;
        std::size_t contentEnd = newline == std::string_view::npos ? contents.size() : newline;
        if (contentEnd > pos && contents[contentEnd - 1] == '\r') {
            --contentEnd;
        }
        const std::string_view line = Trim(contents.substr(pos, contentEnd - pos));
        if (const auto name = SectionName(line)) {
            if (inSection) {
                break;
            }
            inSection = EqualsIgnoringCase(*name, section);
            location.sectionFound = inSection;
            location.insertAt = next;
        } else if (inSection && !line.empty() && line.front() != ';') {
            location.insertAt = next;
            const std::size_t equals = line.find('=');
            const std::string_view name = Trim(line.substr(0, equals));
            if (!location.keyFound && EqualsIgnoringCase(name, key)) {
                location.keyFound = true;
                location.hasValue = equals != std::string_view::npos;
                location.lineStart = pos;
                location.contentEnd = contentEnd;
                location.lineEnd = next;
                location.keyName = name;
                location.value =
                    location.hasValue ? Trim(line.substr(equals + 1)) : std::string_view();
            }
        }
        pos = next;
    }
    return location;
}

// An absent file reads as empty; nullopt means the file is there but cannot be read, which a
// write must not mistake for an empty file.
std::optional<std::string> ReadContents(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        return error && error != std::errc::not_a_directory ? std::nullopt
                                                            : std::optional(std::string());
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) {
        return std::nullopt;
    }
    return std::move(buffer).str();
}

bool EndsWithNewline(std::string_view text) {
    return !text.empty() && text.back() == '\n';
}

bool EndsWithBlankLine(std::string_view text) {
    if (!EndsWithNewline(text)) {
        return false;
    }
    text.remove_suffix(1);
    const std::size_t previous = text.rfind('\n');
    const std::size_t start = previous == std::string_view::npos ? 0 : previous + 1;
    return Trim(text.substr(start)).empty();
}

std::string AppendSection(std::string contents, std::string_view section, std::string_view line) {
    if (!contents.empty() && !EndsWithNewline(contents)) {
        contents += LINE_END;
    }
    if (!contents.empty() && !EndsWithBlankLine(contents)) {
        contents += LINE_END;
    }
    contents.append("[").append(section).append("]").append(LINE_END);
    contents.append(line).append(LINE_END);
    return contents;
}

std::string InsertLine(std::string contents, std::size_t at, std::string_view line) {
    std::string inserted;
    if (at == contents.size() && !contents.empty() && !EndsWithNewline(contents)) {
        inserted += LINE_END;
    }
    inserted.append(line).append(LINE_END);
    contents.insert(at, inserted);
    return contents;
}

} // namespace

CProfile::CProfile(std::filesystem::path file) : m_file(std::move(file)) {}

std::string CProfile::GetProfileString(std::string_view section, std::string_view key,
                                       std::string_view def) const {
    section = Trim(section);
    key = Trim(key);
    const std::optional<std::string> contents = ReadContents(m_file);
    if (!contents || section.empty() || key.empty()) {
        return std::string(def);
    }
    const CKeyLocation location = Locate(*contents, section, key);
    if (!location.keyFound || !location.hasValue) {
        return std::string(def);
    }
    std::string_view value = location.value;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

int CProfile::GetProfileInt(std::string_view section, std::string_view key, int def) const {
    const std::string text = GetProfileString(section, key, "");
    if (text.empty()) {
        return def;
    }
    std::string_view digits = Trim(text);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        digits.remove_prefix(1);
    }
    // Like the Windows parser, the value wraps around in 32 bits instead of saturating.
    std::uint32_t magnitude = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            break;
        }
        magnitude = magnitude * 10U + static_cast<std::uint32_t>(c - '0');
    }
    if (negative) {
        magnitude = 0U - magnitude;
    }
    return static_cast<int>(magnitude);
}

bool CProfile::WriteProfileString(std::string_view section, std::string_view key,
                                  std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    const std::optional<std::string> contents = ReadContents(m_file);
    if (!contents || section.empty() || key.empty()) {
        return false;
    }
    const CKeyLocation location = Locate(*contents, section, key);
    if (location.keyFound && location.hasValue && location.value == value) {
        return true;
    }
    const std::string_view name = location.keyFound ? location.keyName : key;
    const std::string line = std::string(name).append("=").append(value);
    if (location.keyFound) {
        std::string changed = *contents;
        changed.replace(location.lineStart, location.contentEnd - location.lineStart, line);
        return ReplaceContents(changed);
    }
    if (location.sectionFound) {
        return ReplaceContents(InsertLine(*contents, location.insertAt, line));
    }
    return ReplaceContents(AppendSection(*contents, section, line));
}

bool CProfile::WriteProfileInt(std::string_view section, std::string_view key, int value) {
    return WriteProfileString(section, key, std::to_string(value));
}

bool CProfile::DeleteProfileKey(std::string_view section, std::string_view key) {
    const std::optional<std::string> contents = ReadContents(m_file);
    if (!contents) {
        return false;
    }
    const CKeyLocation location = Locate(*contents, Trim(section), Trim(key));
    if (!location.keyFound) {
        return true;
    }
    std::string changed = *contents;
    changed.erase(location.lineStart, location.lineEnd - location.lineStart);
    return ReplaceContents(changed);
}

bool CProfile::ReplaceContents(const std::string& contents) const {
    return CSafeFileWriter::Write(m_file, contents).ok;
}
