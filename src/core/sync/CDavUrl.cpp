#include "core/sync/CDavUrl.h"

#include "core/text/CHexDigit.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {
constexpr std::size_t MAX_PORT_DIGITS = 5;
constexpr const char* HEX = "0123456789ABCDEF";

std::string Lower(std::string_view text) {
    std::string out(text);
    std::ranges::transform(out, out.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

bool IsUnreserved(unsigned char c) {
    return std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~';
}

// What a path segment may hold as it is (RFC 3986 pchar without the escapes).
bool IsPathChar(unsigned char c) {
    return IsUnreserved(c) ||
           std::string_view("!$&'()*+,;=:@").find(static_cast<char>(c)) != std::string_view::npos;
}

void Escape(unsigned char c, std::string& out) {
    out += '%';
    out += HEX[c >> 4];
    out += HEX[c & 0xF];
}

// One segment's bytes in their canonical spelling.
std::string CanonicalSegment(std::string_view segment) {
    std::string out;
    for (std::size_t i = 0; i < segment.size(); ++i) {
        const auto c = static_cast<unsigned char>(segment[i]);
        if (c == '%' && i + 2 < segment.size() && CHexDigit::Value(segment[i + 1]) >= 0 &&
            CHexDigit::Value(segment[i + 2]) >= 0) {
            const auto decoded = static_cast<unsigned char>(CHexDigit::Value(segment[i + 1]) * 16 +
                                                            CHexDigit::Value(segment[i + 2]));
            if (IsPathChar(decoded))
                out += static_cast<char>(decoded);
            else
                Escape(decoded, out);
            i += 2;
        } else if (IsPathChar(c)) {
            out += static_cast<char>(c);
        } else {
            Escape(c, out);
        }
    }
    return out;
}

std::string Decoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && CHexDigit::Value(text[i + 1]) >= 0 &&
            CHexDigit::Value(text[i + 2]) >= 0) {
            out += static_cast<char>(CHexDigit::Value(text[i + 1]) * 16 +
                                     CHexDigit::Value(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string DefaultPort(std::string_view scheme) {
    return scheme == "https" ? "443" : "80";
}
} // namespace

std::string CDavUrl::CanonicalPath(std::string_view path) {
    const std::size_t query = path.find('?');
    const std::string_view part = path.substr(0, query);
    std::vector<std::string> segments;
    bool folder = true; // the path ends in a slash
    for (std::size_t begin = part.starts_with('/') ? 1 : 0; begin <= part.size();) {
        const std::size_t end = std::min(part.find('/', begin), part.size());
        const std::string segment = CanonicalSegment(part.substr(begin, end - begin));
        folder = segment == "." || segment == ".." || (segment.empty() && end == part.size());
        if (segment == ".." && !segments.empty())
            segments.pop_back();
        else if (!folder)
            segments.push_back(segment);
        begin = end + 1;
    }
    std::string out;
    for (const std::string& segment : segments)
        out += '/' + segment;
    if (folder)
        out += '/';
    if (query != std::string_view::npos)
        out += '?' + CanonicalSegment(path.substr(query + 1));
    return out;
}

std::optional<CDavUrl> CDavUrl::Parse(std::string_view text) {
    const std::size_t colon = text.find("://");
    if (colon == std::string_view::npos)
        return std::nullopt;
    CDavUrl url;
    url.scheme = Lower(text.substr(0, colon));
    if (url.scheme != "http" && url.scheme != "https")
        return std::nullopt;
    const std::string_view rest = text.substr(colon + 3);
    const std::size_t authorityEnd = std::min(rest.find_first_of("/?#"), rest.size());
    std::string_view authority = rest.substr(0, authorityEnd);
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
        url.userInfo = authority.substr(0, at);
        authority.remove_prefix(at + 1);
    }
    std::size_t portColon = authority.rfind(':');
    if (authority.starts_with('[')) {
        const std::size_t close = authority.find(']');
        if (close == std::string_view::npos)
            return std::nullopt;
        portColon = close + 1 < authority.size() && authority[close + 1] == ':'
                        ? close + 1
                        : std::string_view::npos;
    }
    url.host = Lower(authority.substr(0, portColon));
    if (portColon != std::string_view::npos)
        url.port = authority.substr(portColon + 1);
    const bool hostClean = std::ranges::all_of(url.host, [](unsigned char c) {
        return c > ' ' && c < 0x7F && c != '/' && c != '\\' && c != '@';
    });
    const bool portClean =
        url.port.size() <= MAX_PORT_DIGITS &&
        std::ranges::all_of(url.port, [](unsigned char c) { return std::isdigit(c) != 0; });
    if (url.host.empty() || !hostClean || !portClean)
        return std::nullopt;
    url.port.erase(0, std::min(url.port.find_first_not_of('0'), url.port.size()));
    if (url.port == DefaultPort(url.scheme))
        url.port.clear();
    std::string_view path = rest.substr(authorityEnd);
    path = path.substr(0, path.find('#'));
    url.path = CanonicalPath(path);
    return url;
}

std::optional<CDavUrl> CDavUrl::Resolve(const CDavUrl& base, std::string_view href) {
    href = href.substr(0, href.find('#'));
    const std::size_t scheme = href.find("://");
    if (scheme != std::string_view::npos && href.find_first_of("/?") > scheme)
        return Parse(href);
    if (href.starts_with("//"))
        return Parse(base.scheme + ":" + std::string(href));
    CDavUrl url = base;
    url.userInfo.clear();
    if (href.starts_with('/')) {
        url.path = CanonicalPath(href);
    } else {
        const std::string_view basePath =
            std::string_view(base.path).substr(0, base.path.find('?'));
        url.path = CanonicalPath(std::string(basePath.substr(0, basePath.rfind('/') + 1)) +
                                 std::string(href));
    }
    return url;
}

std::string CDavUrl::Safe(std::string_view text) {
    if (const std::optional<CDavUrl> url = Parse(text))
        return url->ToString();
    // Not a URL the sync can use, but it may still carry a password.
    const std::size_t colon = text.find("://");
    const std::size_t at = text.find('@');
    if (colon == std::string_view::npos || at == std::string_view::npos || at < colon)
        return std::string(text);
    return std::string(text.substr(0, colon + 3)) + std::string(text.substr(at + 1));
}

std::string CDavUrl::Origin() const {
    return scheme + "://" + host + ":" + (port.empty() ? DefaultPort(scheme) : port);
}

std::string CDavUrl::User() const {
    return Decoded(std::string_view(userInfo).substr(0, userInfo.find(':')));
}

std::string CDavUrl::Password() const {
    const std::size_t colon = userInfo.find(':');
    return colon == std::string::npos ? std::string() : Decoded(userInfo.substr(colon + 1));
}

std::string CDavUrl::HostText() const {
    return port.empty() ? host : host + ":" + port;
}

std::string CDavUrl::ToString() const {
    return scheme + "://" + HostText() + path;
}

bool CDavUrl::IsInside(const CDavUrl& collection) const {
    if (!SameOrigin(collection))
        return false;
    std::string folder = collection.path.substr(0, collection.path.find('?'));
    if (!folder.ends_with('/'))
        folder += '/';
    const std::string own = path.substr(0, path.find('?'));
    return own.size() > folder.size() && own.starts_with(folder) &&
           own.find_first_not_of('/', folder.size()) != std::string::npos;
}

std::string CDavUrl::EncodeSegment(std::string_view text) {
    std::string segment;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsUnreserved(byte))
            segment += c;
        else
            Escape(byte, segment);
    }
    return segment;
}
