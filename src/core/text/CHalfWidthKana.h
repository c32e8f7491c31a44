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
    // The full-width form of one of U+FF61..U+FF9F (punctuation and the marks included, a
    // mark standing alone); any other code point as it is.
    static char32_t FullWidthOf(char32_t halfWidth);
    // Full-width katakana made hiragana, as the program's own readings are written; the few
    // katakana whose hiragana code page 932 lacks (ヴ ヵ ヶ) stay.
    static std::string ToHiragana(std::string_view utf8);
};
