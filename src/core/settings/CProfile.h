#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// The settings file, read and written with the rules of the Windows profile functions so that
// an INI file moves between both programs unchanged: names match without regard to ASCII letter
// case, values are raw CP932 bytes, and a write touches only the one line it changes.
// The file is read once, when the store is made; later changes by others are not seen and are
// overwritten by the next write. A file that is there but cannot be read (no regular file, too
// large, no permission) gives the defaults and is never written over.
class CProfile {
public:
    // Larger files are no settings file of this program's; reading them would only cost time.
    static constexpr std::size_t MAX_FILE_SIZE = 16 * 1024 * 1024;

    explicit CProfile(std::filesystem::path file);
    // A store over contents already at hand; with an empty path it is never written anywhere.
    CProfile(std::filesystem::path file, std::string contents);
    // Writes what a batch left unwritten.
    ~CProfile();
    CProfile(const CProfile&) = delete;
    CProfile& operator=(const CProfile&) = delete;

    const std::filesystem::path& GetPath() const { return m_file; }
    // The file's bytes as they are or will be written.
    const std::string& GetContents() const { return m_contents; }

    // A missing file, section or key gives `def`. Whitespace around the value is dropped, and
    // so is a pair of matching quotes around all of it.
    std::string GetProfileString(std::string_view section, std::string_view key,
                                 std::string_view def) const;
    // Decimal with an optional sign; text after the digits is ignored and a value without
    // digits reads as 0. A missing key or an empty value gives `def`.
    int GetProfileInt(std::string_view section, std::string_view key, int def) const;

    // Outside a batch each write replaces the file atomically; false leaves the old file as it
    // was. A name or value holding a line break is refused, since it would become lines of
    // its own.
    bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteProfileInt(std::string_view section, std::string_view key, int value);
    // The form of `value` to write so that reading gives back exactly `value`: quoted when white
    // space at its ends or quotes around it would otherwise be dropped.
    static std::string ReadBackForm(std::string_view value);
    // Whether reading gives back exactly `value` as written on its line.
    static bool ReadsBackUnchanged(std::string_view value);
    // Removes the key's line; true also when there was nothing to remove.
    bool DeleteProfileKey(std::string_view section, std::string_view key);

    // Writes the changes not yet in the file; true when there were none.
    bool Flush();
    bool HasUnwrittenChanges() const { return m_bDirty; }

    // While one is open, writes only change the store; the file is written once when the
    // outermost batch ends.
    class CBatch {
    public:
        explicit CBatch(CProfile& profile);
        ~CBatch();
        CBatch(const CBatch&) = delete;
        CBatch& operator=(const CBatch&) = delete;

        // Ends the batch now: false when it was the outermost one and the file could not be
        // written; an inner batch leaves the writing to the outer one.
        bool End();

    private:
        CProfile& m_profile;
        bool m_bEnded = false;
    };

private:
    void Load();
    bool ReplaceContents(std::string contents);

    std::filesystem::path m_file;
    std::string m_contents;
    bool m_bWritable = true;
    bool m_bDirty = false;
    int m_nBatchDepth = 0;
};
