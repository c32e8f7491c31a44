#include "core/settings/CProgramFiles.h"

#include <array>
#include <string>

namespace fs = std::filesystem;

namespace {
// Relative to the program folder: beside it, then the install layout bin/ + share/tarnvale/.
const std::array<fs::path, 2> SEARCH_FOLDERS = {fs::path("."), fs::path("../share/tarnvale")};

bool IsPlainUrlByte(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '/';
}
} // namespace

CProgramFiles::CProgramFiles(fs::path programFolder) : m_programFolder(std::move(programFolder)) {}

std::vector<fs::path> CProgramFiles::GetCandidates(std::string_view name) const {
    std::vector<fs::path> candidates;
    for (const fs::path& folder : SEARCH_FOLDERS)
        candidates.push_back((m_programFolder / folder / name).lexically_normal());
    return candidates;
}

std::optional<fs::path> CProgramFiles::Find(std::string_view name) const {
    for (const fs::path& candidate : GetCandidates(name)) {
        std::error_code error;
        if (fs::is_regular_file(candidate, error))
            return candidate;
    }
    return std::nullopt;
}

fs::path CProgramFiles::GetExpectedPath(std::string_view name) const {
    return GetCandidates(name).front();
}

std::string CProgramFiles::ToFileUrl(const fs::path& path) {
    static constexpr const char* HEX = "0123456789ABCDEF";
    std::string url = "file://";
    for (const char c : fs::absolute(path).string()) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsPlainUrlByte(byte)) {
            url += c;
        } else {
            url += '%';
            url += HEX[byte >> 4];
            url += HEX[byte & 0x0F];
        }
    }
    return url;
}
