#include "core/text/CTextFormat.h"

std::string CTextFormat::Format(std::string_view pattern,
                                std::initializer_list<std::string_view> arguments) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool placeholder = pattern[i] == '%' && i + 1 < pattern.size() &&
                                 pattern[i + 1] >= '1' && pattern[i + 1] <= '9' &&
                                 static_cast<std::size_t>(pattern[i + 1] - '0') <= arguments.size();
        if (placeholder) {
            text += *(arguments.begin() + (pattern[i + 1] - '1'));
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string CTextFormat::WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        if (text[i] == '\n' || text[i] == '\r')
            out += "\r\n";
        else
            out.push_back(text[i]);
    }
    return out;
}
