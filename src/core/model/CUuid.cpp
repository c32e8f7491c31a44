#include "core/model/CUuid.h"

#include "core/text/CHexDigit.h"
#include "core/text/CSha1.h"

#include <algorithm>

namespace {
constexpr std::string_view URN_PREFIX = "urn:uuid:";
// Where the hexadecimal text has a hyphen.
constexpr std::array<std::size_t, 4> HYPHENS = {8, 13, 18, 23};
constexpr std::size_t TEXT_SIZE = 36;

bool IsHyphenAt(std::size_t index) {
    return std::find(HYPHENS.begin(), HYPHENS.end(), index) != HYPHENS.end();
}
} // namespace

void CUuid::SetVersion(std::uint8_t version) {
    m_bytes[6] = static_cast<std::uint8_t>((m_bytes[6] & 0x0F) | (version << 4));
    m_bytes[8] = static_cast<std::uint8_t>((m_bytes[8] & 0x3F) | 0x80); // the RFC variant
}

CUuid CUuid::Random(std::mt19937_64& random) {
    CUuid uuid;
    for (std::size_t half = 0; half < 2; ++half) {
        const std::uint64_t bits = random();
        for (std::size_t i = 0; i < 8; ++i)
            uuid.m_bytes[half * 8 + i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
    uuid.SetVersion(4);
    return uuid;
}

CUuid CUuid::NameBased(const CUuid& ns, std::string_view name) {
    CSha1 sha;
    return NameBased(ns, name, sha);
}

CUuid CUuid::NameBased(const CUuid& ns, std::string_view name, CSha1& sha) {
    sha.Restart();
    sha.Update(std::string_view(reinterpret_cast<const char*>(ns.m_bytes.data()), 16));
    sha.Update(name);
    const CSha1::CDigest digest = sha.Finish();
    CUuid uuid;
    std::copy_n(digest.begin(), uuid.m_bytes.size(), uuid.m_bytes.begin());
    uuid.SetVersion(5);
    return uuid;
}

std::string CUuid::ToString() const {
    static constexpr char DIGITS[] = "0123456789abcdef";
    std::string text;
    text.reserve(TEXT_SIZE);
    for (const std::uint8_t byte : m_bytes) {
        if (IsHyphenAt(text.size()))
            text.push_back('-');
        text.push_back(DIGITS[byte >> 4]);
        text.push_back(DIGITS[byte & 0x0F]);
    }
    return text;
}

std::optional<CUuid> CUuid::Parse(std::string_view text) {
    if (text.size() > URN_PREFIX.size() &&
        std::equal(URN_PREFIX.begin(), URN_PREFIX.end(), text.begin(),
                   [](char a, char b) { return a == (b | 0x20); }))
        text.remove_prefix(URN_PREFIX.size());
    if (text.size() != TEXT_SIZE)
        return std::nullopt;
    CUuid uuid;
    std::size_t byte = 0;
    for (std::size_t i = 0; i < TEXT_SIZE; i += 2) {
        if (IsHyphenAt(i)) {
            if (text[i] != '-')
                return std::nullopt;
            ++i;
        }
        const int high = CHexDigit::Value(text[i]);
        const int low = CHexDigit::Value(text[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        uuid.m_bytes[byte++] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return uuid;
}

bool CUuid::IsNil() const {
    return std::all_of(m_bytes.begin(), m_bytes.end(), [](std::uint8_t b) { return b == 0; });
}
