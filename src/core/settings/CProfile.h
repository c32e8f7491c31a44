#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The settings file, read and written with the rules of the Windows profile functions so that
// an INI file moves between both programs unchanged: names match without regard to ASCII letter
// case, values are raw CP932 bytes, and a write touches only the one line it changes.
class CProfile {
public:
    explicit CProfile(std::filesystem::path file);

    const std::filesystem::path& GetPath() const { return m_file; }

    // A missing file, section or key gives `def`. Whitespace around the value is dropped, and
    // so is a pair of matching quotes around all of it.
    std::string GetProfileString(std::string_view section, std::string_view key,
                                 std::string_view def) const;
    // Decimal with an optional sign; text after the digits is ignored and a value without
    // digits reads as 0. A missing key or an empty value gives `def`.
    int GetProfileInt(std::string_view section, std::string_view key, int def) const;

    // Each write replaces the file atomically; false leaves the old file as it was.
    bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteProfileInt(std::string_view section, std::string_view key, int value);
    // Removes the key's line; true also when there was nothing to remove.
    bool DeleteProfileKey(std::string_view section, std::string_view key);

private:
    bool ReplaceContents(const std::string& contents) const;

    std::filesystem::path m_file;
};
