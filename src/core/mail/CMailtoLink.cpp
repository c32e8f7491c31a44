#include "core/mail/CMailtoLink.h"

namespace {
bool MustEncode(unsigned char byte) {
    // "?" would start the header fields, "#" a fragment, "%" an escape of its own.
    return byte <= 0x20 || byte >= 0x7F || byte == '%' || byte == '?' || byte == '#';
}
} // namespace

std::string CMailtoLink::Build(std::string_view addresses) {
    static constexpr char HEX[] = "0123456789ABCDEF";
    std::string link(SCHEME);
    link.reserve(SCHEME.size() + addresses.size() * 3 / 2);
    for (const char c : addresses) {
        const auto byte = static_cast<unsigned char>(c);
        if (!MustEncode(byte)) {
            link += c;
            continue;
        }
        link += '%';
        link += HEX[byte >> 4];
        link += HEX[byte & 0x0F];
    }
    return link;
}
