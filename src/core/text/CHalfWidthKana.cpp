#include "core/text/CHalfWidthKana.h"

#include "core/text/CTextCodec.h"

#include <array>

namespace {
constexpr char32_t FIRST = 0xFF61;
constexpr char32_t LAST = 0xFF9F;
constexpr char32_t VOICED_MARK = 0xFF9E;
constexpr char32_t SEMI_VOICED_MARK = 0xFF9F;

// U+FF61 to U+FF9F in order.
constexpr std::array<char32_t, LAST - FIRST + 1> FULL_WIDTH = {
    0x3002, 0x300C, 0x300D, 0x3001, 0x30FB, 0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9,
    0x30E3, 0x30E5, 0x30E7, 0x30C3, 0x30FC, 0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA, 0x30AB,
    0x30AD, 0x30AF, 0x30B1, 0x30B3, 0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD, 0x30BF, 0x30C1,
    0x30C4, 0x30C6, 0x30C8, 0x30CA, 0x30CB, 0x30CC, 0x30CD, 0x30CE, 0x30CF, 0x30D2, 0x30D5,
    0x30D8, 0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2, 0x30E4, 0x30E6, 0x30E8, 0x30E9,
    0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF, 0x30F3, 0x309B, 0x309C};

bool IsHaRow(char32_t c) {
    return c == 0x30CF || c == 0x30D2 || c == 0x30D5 || c == 0x30D8 || c == 0x30DB;
}

// The voiced form of a full-width kana with the mark that follows it, or 0 when they do not
// join.
char32_t Joined(char32_t base, char32_t mark) {
    if (mark == VOICED_MARK) {
        if (base == 0x30A6)
            return 0x30F4; // ヴ
        if ((base >= 0x30AB && base <= 0x30C8 && base != 0x30C3) || IsHaRow(base))
            return base + 1;
    }
    if (mark == SEMI_VOICED_MARK && IsHaRow(base))
        return base + 2;
    return 0;
}

// The code point of the three-byte sequence at `pos`, or 0 when it is none of U+FF61..U+FF9F.
char32_t HalfWidthAt(std::string_view text, std::size_t pos) {
    if (pos + 3 > text.size() || static_cast<unsigned char>(text[pos]) != 0xEF)
        return 0;
    const auto b1 = static_cast<unsigned char>(text[pos + 1]);
    const auto b2 = static_cast<unsigned char>(text[pos + 2]);
    if ((b2 & 0xC0) != 0x80)
        return 0;
    const char32_t c = 0xF000 | static_cast<char32_t>((b1 & 0x3F) << 6) | (b2 & 0x3F);
    return c >= FIRST && c <= LAST && (b1 & 0xC0) == 0x80 ? c : 0;
}
} // namespace

std::string CHalfWidthKana::ToFullWidth(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t half = HalfWidthAt(utf8, pos);
        if (half == 0) {
            out.push_back(utf8[pos++]);
            continue;
        }
        char32_t full = FullWidthOf(half);
        pos += 3;
        if (const char32_t joined = Joined(full, HalfWidthAt(utf8, pos))) {
            full = joined;
            pos += 3;
        }
        out += CTextCodec::EncodeUtf8(full);
    }
    return out;
}

std::string CHalfWidthKana::ToHiragana(std::string_view utf8) {
    constexpr char32_t FIRST_KATAKANA = 0x30A1; // ァ
    constexpr char32_t LAST_KATAKANA = 0x30F3;  // ン
    constexpr char32_t TO_HIRAGANA = 0x60;
    std::string out(utf8);
    // Both ranges are three bytes in UTF-8, so each character keeps its place.
    for (std::size_t pos = 0; pos + 3 <= out.size(); ++pos) {
        const auto b0 = static_cast<unsigned char>(out[pos]);
        if (b0 != 0xE3)
            continue;
        const auto b1 = static_cast<unsigned char>(out[pos + 1]);
        const auto b2 = static_cast<unsigned char>(out[pos + 2]);
        const char32_t c = 0x3000 | static_cast<char32_t>((b1 & 0x3F) << 6) | (b2 & 0x3F);
        if ((b1 & 0xC0) != 0x80 || (b2 & 0xC0) != 0x80 || c < FIRST_KATAKANA || c > LAST_KATAKANA) {
            continue;
        }
        const std::string hiragana = CTextCodec::EncodeUtf8(c - TO_HIRAGANA);
        out.replace(pos, 3, hiragana);
        pos += 2;
    }
    return out;
}

char32_t CHalfWidthKana::FullWidthOf(char32_t halfWidth) {
    return halfWidth >= FIRST && halfWidth <= LAST ? FULL_WIDTH[halfWidth - FIRST] : halfWidth;
}
