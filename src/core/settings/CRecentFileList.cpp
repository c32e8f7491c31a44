#include "core/settings/CRecentFileList.h"

#include "core/settings/CProfile.h"

#include <algorithm>
#include <filesystem>

namespace {
constexpr const char* SECTION = "Recent File List";
// Longer names keep only their last folder and file name.
constexpr std::size_t MAX_MENU_NAME = 40;
constexpr const char* ELLIPSIS = "…";

// Strings are built by appending: GCC 12 warns falsely about "literal" + temporary at -O3.
std::string KeyOf(int index) {
    return std::string("File").append(std::to_string(index + 1));
}

std::string ShortName(const std::string& path, const std::string& home) {
    std::string name = path;
    if (!home.empty() && name.size() > home.size() && name.compare(0, home.size(), home) == 0 &&
        name[home.size()] == '/')
        name = std::string("~").append(name, home.size());
    if (name.size() <= MAX_MENU_NAME)
        return name;
    const std::filesystem::path full(path);
    const std::filesystem::path folder = full.parent_path().filename();
    const std::string tail =
        folder.empty() ? full.filename().string() : (folder / full.filename()).string();
    return std::string(ELLIPSIS) + "/" + tail;
}

std::string EscapeMnemonics(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        escaped += c;
        if (c == '&')
            escaped += '&';
    }
    return escaped;
}
} // namespace

void CRecentFileList::Load(const CProfile& profile) {
    m_files.clear();
    for (int index = 0; index < SIZE; ++index) {
        std::string path = profile.GetProfileString(SECTION, KeyOf(index), "");
        if (!path.empty() && std::find(m_files.begin(), m_files.end(), path) == m_files.end())
            m_files.push_back(std::move(path));
    }
}

bool CRecentFileList::Save(CProfile& profile) const {
    CProfile::CBatch batch(profile);
    bool ok = true;
    for (int index = 0; index < SIZE; ++index) {
        if (index < GetCount())
            ok = profile.WriteProfileString(SECTION, KeyOf(index),
                                            CProfile::ReadBackForm(Get(index))) &&
                 ok;
        else
            ok = profile.DeleteProfileKey(SECTION, KeyOf(index)) && ok;
    }
    return batch.End() && ok;
}

void CRecentFileList::Add(const std::string& path) {
    // A line break would split the entry in the settings file, so such a name is not kept.
    if (path.empty() || path.find_first_of("\r\n") != std::string::npos)
        return;
    m_files.erase(std::remove(m_files.begin(), m_files.end(), path), m_files.end());
    m_files.insert(m_files.begin(), path);
    if (m_files.size() > static_cast<std::size_t>(SIZE))
        m_files.resize(SIZE);
}

void CRecentFileList::Remove(int index) {
    if (index >= 0 && index < GetCount())
        m_files.erase(m_files.begin() + index);
}

std::string CRecentFileList::Get(int index) const {
    return index >= 0 && index < GetCount() ? m_files[static_cast<std::size_t>(index)] : "";
}

std::string CRecentFileList::GetMenuText(int index, const std::string& home) const {
    return std::string("&")
        .append(std::to_string(index + 1))
        .append(" ")
        .append(EscapeMnemonics(ShortName(Get(index), home)));
}
