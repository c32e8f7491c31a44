#pragma once

#include <string>
#include <string_view>

// The mailto: link that hands the joined addresses to the desktop's mail program, so that it
// receives exactly those addresses: only what a link cannot carry literally is percent-encoded.
class CMailtoLink {
public:
    static constexpr std::string_view SCHEME = "mailto:";

    // `addresses` is UTF-8. Encodes blanks, control characters (line breaks among them), every
    // byte outside ASCII, "%", "?" and "#"; everything else stays as it is.
    static std::string Build(std::string_view addresses);
};
