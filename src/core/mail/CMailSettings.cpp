#include "core/mail/CMailSettings.h"

#include "core/mail/CRecentAddresses.h"
#include "core/settings/CProfile.h"

#include <algorithm>

namespace {
constexpr const char* KEY_SEPARATOR = "sep";
constexpr const char* KEY_CAPACITY = "capa";
constexpr const char* KEY_CLIPBOARD = "clipboard";
// Set while "sep" holds an escaped separator.
constexpr const char* KEY_ESCAPED = "sepEscaped";
constexpr char ESCAPE = '\\';

bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

// Bytes the reading of a value would change: control characters (line ends among them), the
// blanks it trims at either end, the quotes it strips, and the escape character itself.
bool IsEscaped(char c) {
    return IsControl(c) || c == ' ' || c == '"' || c == '\'' || c == ESCAPE;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}
} // namespace

bool CMailSettings::NeedsEscape(std::string_view separator) {
    return std::any_of(separator.begin(), separator.end(), IsControl) ||
           !CProfile::ReadsBackUnchanged(separator);
}

// Escaped bytes are written as \xHH, so that the value has no blank, quote or line break left.
std::string CMailSettings::Escape(std::string_view separator) {
    static constexpr char HEX[] = "0123456789ABCDEF";
    std::string stored;
    for (const char c : separator) {
        if (!IsEscaped(c)) {
            stored += c;
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        stored += ESCAPE;
        stored += 'x';
        stored += HEX[byte >> 4];
        stored += HEX[byte & 0x0F];
    }
    return stored;
}

std::string CMailSettings::Unescape(std::string_view stored) {
    std::string separator;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == ESCAPE && i + 3 < stored.size() && stored[i + 1] == 'x') {
            const int high = HexValue(stored[i + 2]);
            const int low = HexValue(stored[i + 3]);
            if (high >= 0 && low >= 0) {
                separator += static_cast<char>(high * 16 + low);
                i += 3;
                continue;
            }
        }
        // A stray escape character is kept as it stands.
        separator += stored[i];
    }
    return separator;
}

void CMailSettings::Load(const CProfile& profile) {
    const std::string stored = profile.GetProfileString(SECTION, KEY_SEPARATOR, ";");
    m_strMailSeparator =
        profile.GetProfileInt(SECTION, KEY_ESCAPED, 0) != 0 ? Unescape(stored) : stored;
    // A hand-edited capacity outside the range the options allow is brought into it.
    m_nRecentCapacity = std::clamp(profile.GetProfileInt(SECTION, KEY_CAPACITY, 10), 0,
                                   CRecentAddresses::MAX_CAPACITY);
    m_bMailToClipboard = profile.GetProfileInt(SECTION, KEY_CLIPBOARD, 0) != 0;
}

void CMailSettings::Save(CProfile& profile) const {
    const bool escaped = NeedsEscape(m_strMailSeparator);
    profile.WriteProfileString(SECTION, KEY_SEPARATOR,
                               escaped ? Escape(m_strMailSeparator) : m_strMailSeparator);
    // The mark is written only while needed, so a plain separator leaves the file as it was.
    if (escaped || profile.GetProfileInt(SECTION, KEY_ESCAPED, 0) != 0)
        profile.WriteProfileInt(SECTION, KEY_ESCAPED, escaped ? 1 : 0);
    profile.WriteProfileInt(SECTION, KEY_CAPACITY, m_nRecentCapacity);
    profile.WriteProfileInt(SECTION, KEY_CLIPBOARD, m_bMailToClipboard ? 1 : 0);
}
