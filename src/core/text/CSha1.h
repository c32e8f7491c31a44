#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The SHA-1 digest of a byte stream: what name-based UUIDs are made from, and how the program
// recognises a book's bytes again. Not for secrets.
class CSha1 {
public:
    using CDigest = std::array<std::uint8_t, 20>;

    CSha1();

    void Update(std::string_view bytes);
    // The digest of everything given so far; the object may not be updated afterwards.
    CDigest Finish();

    static CDigest Of(std::string_view bytes);
    // Lowercase hexadecimal, forty digits.
    static std::string Hex(const CDigest& digest);

private:
    void Block(const std::uint8_t* block);

    std::array<std::uint32_t, 5> m_state;
    std::array<std::uint8_t, 64> m_buffer{};
    std::size_t m_nBuffered = 0;
    std::uint64_t m_nLength = 0;
};
