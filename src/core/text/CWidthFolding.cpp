#include "core/text/CWidthFolding.h"

#include "core/text/CCp932.h"
#include "core/text/CTextCodec.h"

#include <algorithm>
#include <cctype>

namespace {
constexpr unsigned char HALF_KANA_FIRST = 0xA1;
constexpr unsigned char HALF_KANA_LAST = 0xDF;
constexpr unsigned char FIRST_WIDE_LEAD = 0x81;
constexpr unsigned char KATAKANA_LEAD = 0x83; // every full-width katakana lies under it
constexpr char32_t IDEOGRAPHIC_SPACE = 0x3000;
constexpr char32_t FULLWIDTH_EXCLAMATION = 0xFF01; // the full-width form of 0x21
constexpr char32_t KATAKANA_U = 0x30A6;
constexpr char32_t KATAKANA_VU = 0x30F4;
constexpr char32_t VOICED_MARK = 0x309B;      // ゛
constexpr char32_t SEMI_VOICED_MARK = 0x309C; // ゜

// The full-width form of each half-width katakana byte 0xA1-0xDF, punctuation included.
constexpr std::array<char16_t, HALF_KANA_LAST - HALF_KANA_FIRST + 1> FULL_KANA = {
    0x3002, 0x300C, 0x300D, 0x3001, 0x30FB, 0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9,
    0x30E3, 0x30E5, 0x30E7, 0x30C3, 0x30FC, 0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA, 0x30AB,
    0x30AD, 0x30AF, 0x30B1, 0x30B3, 0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD, 0x30BF, 0x30C1,
    0x30C4, 0x30C6, 0x30C8, 0x30CA, 0x30CB, 0x30CC, 0x30CD, 0x30CE, 0x30CF, 0x30D2, 0x30D5,
    0x30D8, 0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2, 0x30E4, 0x30E6, 0x30E8, 0x30E9,
    0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF, 0x30F3, 0x309B, 0x309C};

// ｶ-ﾄ and ﾊ-ﾎ take the voiced mark, ﾊ-ﾎ the semi-voiced one; the marked forms follow their
// plain form in Unicode.
bool TakesVoicedMark(unsigned byte) {
    return (byte >= 0xB6 && byte <= 0xC4) || (byte >= 0xCA && byte <= 0xCE);
}
bool TakesSemiVoicedMark(unsigned byte) {
    return byte >= 0xCA && byte <= 0xCE;
}

char32_t FullKana(unsigned byte) {
    return FULL_KANA[static_cast<std::size_t>(byte - HALF_KANA_FIRST)];
}

char Lower(unsigned char byte) {
    return static_cast<char>(byte < 0x80 ? std::tolower(byte) : byte);
}
} // namespace

CWidthFolding::CWidthFolding() {
    const CTextCodec codec;
    const auto encode = [&codec](std::u32string_view text) {
        std::string utf8;
        for (const char32_t c : text)
            utf8 += CTextCodec::EncodeUtf8(c);
        const std::string bytes = codec.FromUtf8(utf8).text;
        CUnit unit;
        unit.size = static_cast<std::uint8_t>(std::min(bytes.size(), unit.bytes.size()));
        std::copy_n(bytes.begin(), unit.size, unit.bytes.begin());
        return unit;
    };
    // A kana with a mark reads as its plain form followed by the mark, as ｶﾞ does.
    const auto takeApart = [&](char32_t marked, char32_t plain, char32_t mark) {
        const CUnit whole = encode(std::u32string(1, marked));
        if (whole.size == 2 && static_cast<unsigned char>(whole.bytes[0]) == KATAKANA_LEAD)
            m_marked[static_cast<unsigned char>(whole.bytes[1])] =
                encode(std::u32string{plain, mark});
    };
    for (std::size_t byte = 0; byte < m_single.size(); ++byte)
        m_single[byte] = {{Lower(static_cast<unsigned char>(byte))}, 1};
    for (unsigned byte = HALF_KANA_FIRST; byte <= HALF_KANA_LAST; ++byte) {
        const char32_t plain = FullKana(byte);
        m_single[byte] = encode(std::u32string(1, plain));
        if (TakesVoicedMark(byte))
            takeApart(plain + 1, plain, VOICED_MARK);
        if (TakesSemiVoicedMark(byte))
            takeApart(plain + 2, plain, SEMI_VOICED_MARK);
    }
    takeApart(KATAKANA_VU, KATAKANA_U, VOICED_MARK);
    for (char ascii = ' '; ascii <= '~'; ++ascii) {
        const char32_t wide =
            ascii == ' ' ? IDEOGRAPHIC_SPACE : FULLWIDTH_EXCLAMATION + (ascii - '!');
        const CUnit unit = encode(std::u32string(1, wide));
        const auto lead = static_cast<unsigned char>(unit.bytes[0]);
        if (unit.size == 2 && lead >= FIRST_WIDE_LEAD && lead < FIRST_WIDE_LEAD + WIDE_LEADS)
            m_wide[(lead - FIRST_WIDE_LEAD) * 256u + static_cast<unsigned char>(unit.bytes[1])] =
                Lower(static_cast<unsigned char>(ascii));
    }
}

char* CWidthFolding::Append(const CUnit& unit, char* out) {
    return std::copy_n(unit.bytes.begin(), unit.size, out);
}

std::string_view CWidthFolding::Fold(std::string_view text, std::string& buffer) const {
    // No character grows to more than twice its size.
    if (buffer.size() < 2 * text.size() + 1)
        buffer.resize(2 * text.size() + 1);
    char* out = buffer.data();
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            *out++ = m_single[byte].bytes[0];
            ++i;
        } else if (CCp932::IsLeadByte(byte)) {
            if (i + 1 >= size) {
                *out++ = text[i++]; // a lead byte that ends the text stays as it is
                continue;
            }
            const auto trail = static_cast<unsigned char>(text[i + 1]);
            const unsigned lead = byte - FIRST_WIDE_LEAD;
            const char ascii = lead < WIDE_LEADS ? m_wide[lead * 256u + trail] : '\0';
            if (ascii != '\0') {
                *out++ = ascii;
            } else if (byte == KATAKANA_LEAD && m_marked[trail].size != 0) {
                out = Append(m_marked[trail], out);
            } else {
                out[0] = text[i];
                out[1] = text[i + 1];
                out += 2;
            }
            i += 2;
        } else {
            out = Append(m_single[byte], out);
            ++i;
        }
    }
    return std::string_view(buffer.data(), static_cast<std::size_t>(out - buffer.data()));
}

std::string CWidthFolding::Fold(std::string_view text) const {
    std::string buffer;
    return std::string(Fold(text, buffer));
}
