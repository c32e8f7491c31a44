#include "core/duplicates/CDuplicateKeys.h"

#include "core/text/CCp932.h"
#include "core/text/CTextCodec.h"

#include <algorithm>

namespace {
constexpr unsigned char HIRAGANA_LEAD = 0x82;   // every full-width hiragana lies under it
constexpr char32_t FIRST_HIRAGANA = 0x3041;     // ぁ
constexpr char32_t LAST_HIRAGANA = 0x3093;      // ん
constexpr char32_t HIRAGANA_TO_KATAKANA = 0x60; // the distance of the two blocks in Unicode
constexpr std::string_view COUNTRY_CODE = "81";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
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
        if (!hiragana.ok() || !katakana.ok() || hiragana.text.size() != 2 ||
            static_cast<unsigned char>(hiragana.text[0]) != HIRAGANA_LEAD)
            continue;
        const std::string folded = m_folding.Fold(katakana.text);
        CKana& kana = m_katakana[static_cast<unsigned char>(hiragana.text[1])];
        kana.size = static_cast<std::uint8_t>(std::min(folded.size(), kana.bytes.size()));
        std::copy_n(folded.begin(), kana.size, kana.bytes.begin());
    }
}

std::string_view CDuplicateKeys::NameKey(std::string_view name) {
    // Folded first, so that the hiragana put in afterwards are already in the folded form.
    const std::string_view folded = m_folding.Fold(name, m_folded);
    m_key.resize(2 * folded.size());
    char* out = m_key.data();
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const auto byte = static_cast<unsigned char>(folded[i]);
        if (!CCp932::IsLeadByte(byte) || i + 1 == folded.size()) {
            if (!IsBlank(folded[i]))
                *out++ = folded[i];
            continue;
        }
        const CKana& kana = m_katakana[static_cast<unsigned char>(folded[i + 1])];
        if (byte == HIRAGANA_LEAD && kana.size != 0) {
            out = std::copy_n(kana.bytes.begin(), kana.size, out);
        } else {
            *out++ = folded[i];
            *out++ = folded[i + 1];
        }
        ++i;
    }
    return std::string_view(m_key.data(), static_cast<std::size_t>(out - m_key.data()));
}

std::string_view CDuplicateKeys::EmailKey(std::string_view email) {
    std::string_view key = m_folding.Fold(email, m_folded);
    while (!key.empty() && IsBlank(key.front()))
        key.remove_prefix(1);
    while (!key.empty() && IsBlank(key.back()))
        key.remove_suffix(1);
    return key;
}

std::string_view CDuplicateKeys::PhoneKey(std::string_view phone) {
    const std::string_view folded = m_folding.Fold(phone, m_folded);
    m_key.clear();
    std::copy_if(folded.begin(), folded.end(), std::back_inserter(m_key), IsDigit);
    const auto firstDigit = std::find_if(folded.begin(), folded.end(), IsDigit);
    const bool international = std::find(folded.begin(), firstDigit, '+') != firstDigit;
    if (international && m_key.starts_with(COUNTRY_CODE)) {
        // +81 (0)3 ... is written both with and without the domestic 0.
        m_key.erase(0, COUNTRY_CODE.size());
        if (!m_key.starts_with('0'))
            m_key.insert(m_key.begin(), '0');
    }
    return m_key.size() < MIN_PHONE_DIGITS ? std::string_view() : std::string_view(m_key);
}
