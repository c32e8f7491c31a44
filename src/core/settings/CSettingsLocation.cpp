#include "core/settings/CSettingsLocation.h"

#include <cstdlib>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
constexpr const char* CONFIG_SUBFOLDER = "tarnvale";

// The system's own program folders: a program installed there by a package is shared by every
// user, and root, who may write there, must not leave settings among the programs.
bool IsSystemProgramFolder(const fs::path& folder) {
    static const fs::path SYSTEM[] = {"/bin",      "/sbin",          "/usr/bin",
                                      "/usr/sbin", "/usr/local/bin", "/usr/local/sbin"};
    const fs::path normal = folder.lexically_normal();
    for (const fs::path& system : SYSTEM) {
        if (normal == system)
            return true;
    }
    return false;
}

std::string GetVariable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}
} // namespace

fs::path CSettingsLocation::GetFileName(const fs::path& program) {
    return program.filename().replace_extension(".ini");
}

fs::path CSettingsLocation::GetConfigFolder(const CEnvironment& environment) {
    // A relative XDG_CONFIG_HOME is invalid and must be ignored.
    const fs::path xdg = environment.m_strXdgConfigHome;
    if (!xdg.empty() && xdg.is_absolute())
        return xdg / CONFIG_SUBFOLDER;
    if (!environment.m_strHome.empty())
        return fs::path(environment.m_strHome) / ".config" / CONFIG_SUBFOLDER;
    return {};
}

fs::path CSettingsLocation::Resolve(const fs::path& program, const CEnvironment& environment,
                                    const CWritableTest& isWritable) {
    const fs::path programFolder = program.parent_path();
    const fs::path fileName = GetFileName(program);
    if (!IsSystemProgramFolder(programFolder) && isWritable(programFolder))
        return programFolder / fileName;
    const fs::path configFolder = GetConfigFolder(environment);
    // Without a home there is nowhere better; reading still works beside the program.
    return configFolder.empty() ? programFolder / fileName : configFolder / fileName;
}

fs::path CSettingsLocation::Resolve(const fs::path& program) {
    return Resolve(program, GetProcessEnvironment(), IsFolderWritable);
}

CSettingsLocation::CEnvironment CSettingsLocation::GetProcessEnvironment() {
    return {GetVariable("XDG_CONFIG_HOME"), GetVariable("HOME")};
}

bool CSettingsLocation::IsFolderWritable(const fs::path& folder) {
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}
