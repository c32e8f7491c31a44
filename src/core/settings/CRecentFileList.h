#pragma once

#include <string>
#include <vector>

class CProfile;

// The files opened or saved last, newest first, as the File menu lists them. The settings file
// keeps them under "Recent File List", "File1" being the newest. Names are the file system's
// own bytes, stored raw (quoted where reading would trim them) so that every name comes back
// exactly; a name with a line break is not remembered.
class CRecentFileList {
public:
    static constexpr int SIZE = 4;

    void Load(const CProfile& profile);
    // Keys of empty entries are removed, so a shorter list leaves no stale names behind. The
    // settings file is written once for the whole list.
    bool Save(CProfile& profile) const;

    // Puts the file at the head; a file already listed moves there, the oldest drops out.
    void Add(const std::string& path);
    void Remove(int index);

    int GetCount() const { return static_cast<int>(m_files.size()); }
    bool IsEmpty() const { return m_files.empty(); }
    // Empty for an index past the end.
    std::string Get(int index) const;

    // "&1 ~/docs/friends.dat": a numbered mnemonic and a name short enough for a menu, with
    // the menus' own "&" doubled. `home` is replaced by "~".
    std::string GetMenuText(int index, const std::string& home) const;

private:
    std::vector<std::string> m_files;
};
