#pragma once

#include <string>
#include <string_view>

// UTF-8 to code points and back: the layout places characters, not bytes. A byte that starts
// no valid sequence becomes U+FFFD, so a damaged text still takes one cell per character.
class CCodePoints {
public:
    CCodePoints() = delete;

    static std::u32string Decode(std::string_view utf8);
    static std::string Encode(std::u32string_view text);
};
