#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// Test bytes written the way a file dump shows them: "01 00 FF", spaces and '|' ignored.
class CHexBytes {
public:
    CHexBytes() = delete;

    static std::string From(std::string_view hex) {
        std::string bytes;
        int high = -1;
        for (const char c : hex) {
            if (c == ' ' || c == '|')
                continue;
            const int digit = Digit(c);
            if (high < 0) {
                high = digit;
            } else {
                bytes += static_cast<char>((high << 4) | digit);
                high = -1;
            }
        }
        if (high >= 0)
            throw std::invalid_argument("odd number of hex digits");
        return bytes;
    }

    static std::string U32(std::uint32_t value) {
        return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                static_cast<char>((value >> 16) & 0xFF), static_cast<char>(value >> 24)};
    }

private:
    static int Digit(char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        throw std::invalid_argument("not a hex digit");
    }
};
