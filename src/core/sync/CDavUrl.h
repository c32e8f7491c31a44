#pragma once

#include <optional>
#include <string>
#include <string_view>

// An http or https URL taken apart, so that the sync can tell where a request goes: the origin
// (scheme, host and port) that alone receives the user's password, and a path compared after
// its spelling is made canonical.
struct CDavUrl {
    std::string scheme;   // lower case
    std::string userInfo; // "user" or "user:password", percent-encoded; never stored
    std::string host;     // lower case, brackets kept around an IPv6 address
    std::string port;     // digits, empty for the scheme's own port
    std::string path;     // from the first '/', with any query; "/" when there is none

    // Nothing for anything but an absolute http or https URL with a host.
    static std::optional<CDavUrl> Parse(std::string_view text);
    // `href` (a whole URL, //host/path, /path or a relative path) read against `base`.
    static std::optional<CDavUrl> Resolve(const CDavUrl& base, std::string_view href);
    // The path with unreserved characters decoded, other escapes in capitals, bytes a path may
    // not hold escaped and "." and ".." segments taken out: two spellings of one resource give
    // the same text.
    static std::string CanonicalPath(std::string_view path);
    // Any text as one path segment: unreserved characters as they are, every other byte
    // percent-encoded, so that a card's UID of any text names the address meant.
    static std::string EncodeSegment(std::string_view text);
    // `url` as a user may see and a file may keep it: no user, no password.
    static std::string Safe(std::string_view url);

    // "scheme://host:port" with the port always written.
    std::string Origin() const;
    bool SameOrigin(const CDavUrl& other) const { return Origin() == other.Origin(); }
    bool HasPassword() const { return userInfo.find(':') != std::string::npos; }
    // The user of the userinfo, percent-decoded.
    std::string User() const;
    // The password of the userinfo, percent-decoded.
    std::string Password() const;
    // The URL without userinfo and with its path canonical.
    std::string ToString() const;
    // Whether this URL names a resource inside `collection` (never the collection itself).
    bool IsInside(const CDavUrl& collection) const;
    // The host (and port when one was given), for messages.
    std::string HostText() const;
};
