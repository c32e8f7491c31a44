#include "core/text/CTextEscape.h"

#include <cstdio>

namespace {
bool IsC1Control(std::string_view text, std::size_t pos) {
    return static_cast<unsigned char>(text[pos]) == 0xC2 && pos + 1 < text.size() &&
           static_cast<unsigned char>(text[pos + 1]) >= 0x80 &&
           static_cast<unsigned char>(text[pos + 1]) <= 0x9F;
}

std::string Escape(const char* format, unsigned code) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, format, code);
    return buffer;
}
} // namespace

std::string CTextEscape::ControlCharacters(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size(); ++pos) {
        const auto byte = static_cast<unsigned char>(utf8[pos]);
        if (byte == '\t') {
            out += "\\t";
        } else if (byte == '\n') {
            out += "\\n";
        } else if (byte == '\r') {
            out += "\\r";
        } else if (byte < 0x20 || byte == 0x7F) {
            out += Escape("\\x%02X", byte);
        } else if (IsC1Control(utf8, pos)) {
            out += Escape("\\u%04X", static_cast<unsigned char>(utf8[++pos]));
        } else {
            out += utf8[pos];
        }
    }
    return out;
}
