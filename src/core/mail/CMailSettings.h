#pragma once

#include <string>
#include <string_view>

class CProfile;

// How mail is written: the text between two addresses, how many uses are remembered and
// whether the addresses go to the clipboard instead of the mail program. Kept in the settings
// file's section "CopyEmail".
class CMailSettings {
public:
    static constexpr const char* SECTION = "CopyEmail";

    void Load(const CProfile& profile);
    void Save(CProfile& profile) const;

    // A separator that reading would not give back unchanged (a line break or other control
    // character, blanks at either end, quotes around it) is written escaped and marked so.
    // Every other separator is written as it is.
    static bool NeedsEscape(std::string_view separator);
    static std::string Escape(std::string_view separator);
    static std::string Unescape(std::string_view stored);

    std::string m_strMailSeparator = ";";
    int m_nRecentCapacity = 10;
    bool m_bMailToClipboard = false;
};
