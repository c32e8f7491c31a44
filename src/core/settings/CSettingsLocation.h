#pragma once

#include <filesystem>
#include <functional>
#include <string>

// Where the settings file lives: beside the program and named after it, as it always was; an
// installed program cannot write its own folder, so then the file moves to the user's
// configuration folder under the same name.
class CSettingsLocation {
public:
    // The parts of the environment the rule depends on; empty when unset.
    struct CEnvironment {
        std::string m_strXdgConfigHome;
        std::string m_strHome;
    };
    using CWritableTest = std::function<bool(const std::filesystem::path& folder)>;

    static std::filesystem::path Resolve(const std::filesystem::path& program,
                                         const CEnvironment& environment,
                                         const CWritableTest& isWritable);
    // The rule with this process's environment and the real file system.
    static std::filesystem::path Resolve(const std::filesystem::path& program);

    // "tarnvale" keeps its settings in "tarnvale.ini".
    static std::filesystem::path GetFileName(const std::filesystem::path& program);
    // The user's configuration folder for the program, or nothing without a usable home.
    static std::filesystem::path GetConfigFolder(const CEnvironment& environment);
    static CEnvironment GetProcessEnvironment();
    static bool IsFolderWritable(const std::filesystem::path& folder);
};
