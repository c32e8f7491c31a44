#include "core/text/CWidthFolding.h"

#include "core/text/CCp932.h"
#include "core/text/CHalfWidthKana.h"
#include "core/text/CTextCodec.h"

#include <algorithm>
#include <cctype>

namespace {
constexpr unsigned char HALF_KANA_FIRST = 0xA1;
constexpr unsigned char HALF_KANA_LAST = 0xDF;
constexpr char32_t HALF_WIDTH_FIRST = 0xFF61;
constexpr unsigned char FIRST_WIDE_LEAD = 0x81;
constexpr unsigned char KATAKANA_LEAD = 0x83; // every full-width katakana lies under it
constexpr char32_t IDEOGRAPHIC_SPACE = 0x3000;
constexpr char32_t FULLWIDTH_EXCLAMATION = 0xFF01; // the full-width form of 0x21
constexpr char32_t KATAKANA_U = 0x30A6;
constexpr char32_t KATAKANA_VU = 0x30F4;
constexpr char32_t VOICED_MARK = 0x309B;      // ゛
constexpr char32_t SEMI_VOICED_MARK = 0x309C; // ゜

// ｶ-ﾄ and ﾊ-ﾎ take the voiced mark, ﾊ-ﾎ the semi-voiced one; the marked forms follow their
// plain form in Unicode.
bool TakesVoicedMark(unsigned byte) {
    return (byte >= 0xB6 && byte <= 0xC4) || (byte >= 0xCA && byte <= 0xCE);
}
bool TakesSemiVoicedMark(unsigned byte) {
    return byte >= 0xCA && byte <= 0xCE;
}

// CP932's half-width katakana bytes stand for U+FF61..U+FF9F in order.
char32_t FullKana(unsigned byte) {
    return CHalfWidthKana::FullWidthOf(HALF_WIDTH_FIRST + (byte - HALF_KANA_FIRST));
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
