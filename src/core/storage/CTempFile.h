#pragma once

#include "core/storage/CFileHandle.h"

#include <filesystem>
#include <functional>
#include <string>

// The new bytes of a file before they replace it. Where the file system allows, the file has
// no name until it is complete (O_TMPFILE), so a save cut short by a kill or a power loss
// leaves nothing behind. Elsewhere it has a hidden name that tells which file it belongs to and
// is locked while in use, so that the next save of that file removes what a killed save left.
class CTempFile {
public:
    // Opens a new file beside `target`; IsOpen() is false, with errno set, when none can be made.
    explicit CTempFile(const std::filesystem::path& target);
    CTempFile(const CTempFile&) = delete;
    CTempFile& operator=(const CTempFile&) = delete;
    // Removes the file unless ReplaceTarget has made it the target.
    ~CTempFile();

    bool IsOpen() const { return m_file.IsOpen(); }
    int Get() const { return m_file.Get(); }
    // Names and closes the complete file; false, with errno set, when that fails (closing can
    // report a late write error).
    bool Finish();
    // Renames the finished file over the target; false, with errno set, when that fails.
    bool ReplaceTarget();

    // The start of the hidden names of the temporary files of `target`.
    static std::string NamePrefix(const std::filesystem::path& target);
    // Removes the temporary files of `target` that no running save holds.
    static void RemoveAbandoned(const std::filesystem::path& target);

private:
    int Open();
    int OpenUnnamed() const;
    int OpenNamed();
    bool GiveName();
    // Tries fresh hidden names until `create` makes one, or fails other than for a name taken.
    bool CreateName(const std::function<bool(const std::filesystem::path&)>& create);

    std::filesystem::path m_target;
    std::filesystem::path m_path; // empty while the file has no name
    CFileHandle m_file;
    bool m_bReplaced = false;
};
