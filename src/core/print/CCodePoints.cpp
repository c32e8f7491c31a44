#include "core/print/CCodePoints.h"

#include "core/text/CTextCodec.h"

namespace {
constexpr char32_t REPLACEMENT = 0xFFFD;

// The length of the sequence a lead byte starts, 0 for a byte that starts none.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

char32_t LeadBits(unsigned char lead, std::size_t length) {
    static constexpr unsigned char MASKS[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    return lead & MASKS[length];
}
} // namespace

std::u32string CCodePoints::Decode(std::string_view utf8) {
    std::u32string text;
    text.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        const std::size_t length = SequenceLength(lead);
        char32_t c = length ? LeadBits(lead, length) : REPLACEMENT;
        std::size_t used = 1;
        for (; length && used < length && at + used < utf8.size(); ++used) {
            const auto next = static_cast<unsigned char>(utf8[at + used]);
            if ((next & 0xC0) != 0x80)
                break;
            c = (c << 6) | (next & 0x3F);
        }
        if (length && used < length)
            c = REPLACEMENT;
        text.push_back(c);
        at += used;
    }
    return text;
}

std::string CCodePoints::Encode(std::u32string_view text) {
    std::string utf8;
    utf8.reserve(text.size() * 3);
    for (const char32_t c : text)
        utf8 += CTextCodec::EncodeUtf8(c);
    return utf8;
}
