#pragma once

#include <string>
#include <string_view>

// Half-width katakana, as phones write readings, made full-width: ｶﾞ becomes ガ, ﾊﾟ パ. A
// reading is a sort key, and the program's own readings are full-width.
class CHalfWidthKana {
public:
    CHalfWidthKana() = delete;

    // UTF-8 in and out; everything else passes unchanged.
    static std::string ToFullWidth(std::string_view utf8);
};
