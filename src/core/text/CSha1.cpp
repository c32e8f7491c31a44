#include "core/text/CSha1.h"

#include <bit>
#include <cstring>

namespace {
std::uint32_t BigEndian32(const std::uint8_t* bytes) {
    return (static_cast<std::uint32_t>(bytes[0]) << 24) |
           (static_cast<std::uint32_t>(bytes[1]) << 16) |
           (static_cast<std::uint32_t>(bytes[2]) << 8) | static_cast<std::uint32_t>(bytes[3]);
}
} // namespace

CSha1::CSha1() : m_state{0x67452301U, 0xEFCDAB89U, 0x98BADCFEU, 0x10325476U, 0xC3D2E1F0U} {}

void CSha1::Block(const std::uint8_t* block) {
    // The message schedule is kept as a ring of sixteen words, and each group of twenty rounds
    // has a loop of its own, so that the loops carry no branch: books are digested whole on
    // every load and save.
    std::array<std::uint32_t, 16> w{};
    for (std::size_t i = 0; i < 16; ++i)
        w[i] = BigEndian32(block + 4 * i);
    std::uint32_t a = m_state[0];
    std::uint32_t b = m_state[1];
    std::uint32_t c = m_state[2];
    std::uint32_t d = m_state[3];
    std::uint32_t e = m_state[4];
    const auto schedule = [&w](std::size_t i) {
        if (i < 16)
            return w[i];
        const std::uint32_t next =
            std::rotl(w[(i - 3) & 15] ^ w[(i - 8) & 15] ^ w[(i - 14) & 15] ^ w[i & 15], 1);
        w[i & 15] = next;
        return next;
    };
    const auto round = [&](std::uint32_t f, std::uint32_t k, std::uint32_t word) {
        const std::uint32_t next = std::rotl(a, 5) + f + e + k + word;
        e = d;
        d = c;
        c = std::rotl(b, 30);
        b = a;
        a = next;
    };
    for (std::size_t i = 0; i < 20; ++i)
        round(d ^ (b & (c ^ d)), 0x5A827999U, schedule(i));
    for (std::size_t i = 20; i < 40; ++i)
        round(b ^ c ^ d, 0x6ED9EBA1U, schedule(i));
    for (std::size_t i = 40; i < 60; ++i)
        round((b & c) | (d & (b | c)), 0x8F1BBCDCU, schedule(i));
    for (std::size_t i = 60; i < 80; ++i)
        round(b ^ c ^ d, 0xCA62C1D6U, schedule(i));
    m_state[0] += a;
    m_state[1] += b;
    m_state[2] += c;
    m_state[3] += d;
    m_state[4] += e;
}

void CSha1::Update(std::string_view bytes) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    std::size_t size = bytes.size();
    m_nLength += size;
    if (m_nBuffered > 0) {
        const std::size_t take = std::min(size, m_buffer.size() - m_nBuffered);
        std::memcpy(m_buffer.data() + m_nBuffered, data, take);
        m_nBuffered += take;
        data += take;
        size -= take;
        if (m_nBuffered < m_buffer.size())
            return;
        Block(m_buffer.data());
        m_nBuffered = 0;
    }
    for (; size >= m_buffer.size(); data += m_buffer.size(), size -= m_buffer.size())
        Block(data);
    std::memcpy(m_buffer.data(), data, size);
    m_nBuffered = size;
}

CSha1::CDigest CSha1::Finish() {
    const std::uint64_t bits = m_nLength * 8;
    static constexpr char PAD[64] = {'\x80'};
    const std::size_t padding = (m_nBuffered < 56 ? 56 : 120) - m_nBuffered;
    Update(std::string_view(PAD, padding));
    std::array<char, 8> length{};
    for (std::size_t i = 0; i < length.size(); ++i)
        length[i] = static_cast<char>(bits >> (56 - 8 * i));
    Update(std::string_view(length.data(), length.size()));
    CDigest digest{};
    for (std::size_t i = 0; i < digest.size(); ++i)
        digest[i] = static_cast<std::uint8_t>(m_state[i / 4] >> (24 - 8 * (i % 4)));
    return digest;
}

CSha1::CDigest CSha1::Of(std::string_view bytes) {
    CSha1 sha;
    sha.Update(bytes);
    return sha.Finish();
}

std::string CSha1::Hex(const CDigest& digest) {
    static constexpr char DIGITS[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(digest.size() * 2);
    for (const std::uint8_t byte : digest) {
        hex.push_back(DIGITS[byte >> 4]);
        hex.push_back(DIGITS[byte & 0x0F]);
    }
    return hex;
}
