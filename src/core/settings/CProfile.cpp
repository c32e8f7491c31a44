#include "core/settings/CProfile.h"

#include "core/settings/CSettingsTexts.h"
#include "core/storage/CFileReader.h"
#include "core/storage/CSafeFileWriter.h"
#include "core/text/CCp932.h"
#include "core/text/CTextFormat.h"

#include <cstdint>
#include <iostream>
#include <optional>
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

std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
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

CProfile::CProfile(std::filesystem::path file) : m_file(std::move(file)) {
    Load();
}

CProfile::CProfile(std::filesystem::path file, std::string contents)
    : m_file(std::move(file)), m_contents(std::move(contents)) {}

CProfile::~CProfile() {
    Flush();
}

void CProfile::Load() {
    const CFileResult read = CFileReader::Read(m_file, m_contents, MAX_FILE_SIZE);
    if (read.ok || read.failure == EFileFailure::Missing)
        return;
    // What could not be read must not be replaced by a file of defaults.
    m_bWritable = false;
    std::cerr << CTextFormat::Format(CSettingsTexts::UNREADABLE, {read.message});
}

std::string CProfile::GetProfileString(std::string_view section, std::string_view key,
                                       std::string_view def) const {
    section = Trim(section);
    key = Trim(key);
    if (section.empty() || key.empty()) {
        return std::string(def);
    }
    const CKeyLocation location = Locate(m_contents, section, key);
    if (!location.keyFound || !location.hasValue) {
        return std::string(def);
    }
    return std::string(Unquoted(location.value));
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
    if (section.empty() || key.empty() || HasLineBreak(section) || HasLineBreak(key) ||
        HasLineBreak(value)) {
        return false;
    }
    const CKeyLocation location = Locate(m_contents, section, key);
    if (location.keyFound && location.hasValue && location.value == value) {
        return true;
    }
    const std::string_view name = location.keyFound ? location.keyName : key;
    const std::string line = std::string(name).append("=").append(value);
    if (location.keyFound) {
        std::string changed = std::move(m_contents);
        changed.replace(location.lineStart, location.contentEnd - location.lineStart, line);
        return ReplaceContents(std::move(changed));
    }
    if (location.sectionFound) {
        return ReplaceContents(InsertLine(std::move(m_contents), location.insertAt, line));
    }
    return ReplaceContents(AppendSection(std::move(m_contents), section, line));
}

bool CProfile::ReadsBackUnchanged(std::string_view value) {
    return !HasLineBreak(value) && Trim(value) == value && Unquoted(value) == value;
}

std::string CProfile::ReadBackForm(std::string_view value) {
    if (Trim(value) == value && Unquoted(value) == value) {
        return std::string(value);
    }
    return std::string("\"").append(value).append("\"");
}

bool CProfile::WriteProfileInt(std::string_view section, std::string_view key, int value) {
    return WriteProfileString(section, key, std::to_string(value));
}

bool CProfile::DeleteProfileKey(std::string_view section, std::string_view key) {
    const CKeyLocation location = Locate(m_contents, Trim(section), Trim(key));
    if (!location.keyFound) {
        return true;
    }
    std::string changed = std::move(m_contents);
    changed.erase(location.lineStart, location.lineEnd - location.lineStart);
    return ReplaceContents(std::move(changed));
}

// The store keeps the change even when the file cannot take it, so the running program sees
// what it wrote.
bool CProfile::ReplaceContents(std::string contents) {
    m_contents = std::move(contents);
    m_bDirty = true;
    if (m_nBatchDepth > 0) {
        return m_bWritable;
    }
    return Flush();
}

bool CProfile::Flush() {
    if (!m_bDirty) {
        return true;
    }
    if (!m_bWritable || m_file.empty()) {
        return false;
    }
    // A link is written through, so that a settings file kept elsewhere stays where it is.
    if (!CSafeFileWriter::Write(m_file, m_contents, ELinkRule::WriteThrough).ok) {
        return false;
    }
    m_bDirty = false;
    return true;
}

CProfile::CBatch::CBatch(CProfile& profile) : m_profile(profile) {
    ++m_profile.m_nBatchDepth;
}

CProfile::CBatch::~CBatch() {
    End();
}

bool CProfile::CBatch::End() {
    if (m_bEnded) {
        return true;
    }
    m_bEnded = true;
    return --m_profile.m_nBatchDepth > 0 || m_profile.Flush();
}
