#include "core/duplicates/CDuplicateKeys.h"

#include "core/text/CCp932.h"
#include "core/text/CTextCodec.h"

#include <algorithm>

namespace {
constexpr unsigned char HIRAGANA_LEAD = 0x82;
constexpr unsigned char KATAKANA_LEAD = 0x83;
constexpr char32_t FIRST_HIRAGANA = 0x3041;     // ぁ
constexpr char32_t LAST_HIRAGANA = 0x3093;      // ん
constexpr char32_t HIRAGANA_TO_KATAKANA = 0x60; // the distance of the two blocks in Unicode
constexpr std::string_view COUNTRY_CODE = "81";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

CDuplicateKeys::CDuplicateKeys() {
    const CTextCodec codec;
    const auto encode = [&codec](char32_t c) {
        return codec.FromUtf8(CTextCodec::EncodeUtf8(c));
    };
    for (char32_t c = FIRST_HIRAGANA; c <= LAST_HIRAGANA; ++c) {
        const CEncodeResult hiragana = encode(c);
        const CEncodeResult katakana = encode(c + HIRAGANA_TO_KATAKANA);
        if (hiragana.ok() && katakana.ok() && hiragana.text.size() == 2 &&
            katakana.text.size() == 2 &&
            static_cast<unsigned char>(hiragana.text[0]) == HIRAGANA_LEAD &&
            static_cast<unsigned char>(katakana.text[0]) == KATAKANA_LEAD)
            m_katakanaTrail[static_cast<unsigned char>(hiragana.text[1])] =
                static_cast<unsigned char>(katakana.text[1]);
    }
}

std::string CDuplicateKeys::ToKatakana(std::string_view text) const {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto lead = static_cast<unsigned char>(out[i]);
        if (!CCp932::IsLeadByte(lead) || i + 1 >= out.size())
            continue;
        const unsigned char trail = m_katakanaTrail[static_cast<unsigned char>(out[i + 1])];
        if (lead == HIRAGANA_LEAD && trail != 0) {
            out[i] = static_cast<char>(KATAKANA_LEAD);
            out[i + 1] = static_cast<char>(trail);
        }
        ++i;
    }
    return out;
}

std::string CDuplicateKeys::NameKey(std::string_view name) const {
    // Katakana first: the folding takes a voiced katakana apart, as it does a half-width one.
    std::string key = m_folding.Fold(ToKatakana(name));
    std::erase_if(key, IsBlank);
    return key;
}

std::string CDuplicateKeys::EmailKey(std::string_view email) const {
    return std::string(Trim(m_folding.Fold(email)));
}

std::string CDuplicateKeys::PhoneKey(std::string_view phone) const {
    const std::string folded = m_folding.Fold(phone);
    std::string digits;
    std::copy_if(folded.begin(), folded.end(), std::back_inserter(digits), IsDigit);
    const auto firstDigit = std::find_if(folded.begin(), folded.end(), IsDigit);
    const bool international = std::find(folded.begin(), firstDigit, '+') != firstDigit;
    if (international && digits.starts_with(COUNTRY_CODE)) {
        // +81 (0)3 ... is written both with and without the domestic 0.
        digits.erase(0, COUNTRY_CODE.size());
        if (!digits.starts_with('0'))
            digits.insert(digits.begin(), '0');
    }
    return digits.size() < MIN_PHONE_DIGITS ? std::string() : digits;
}
