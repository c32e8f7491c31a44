#pragma once

#include <optional>
#include <string>
#include <string_view>

// Reads the seven digits of a postal code as people write it: with or without the hyphen, in
// full-width digits, after the postal mark. Also the digit rules the address's numbers share.
class CPostalDigits {
public:
    static constexpr std::size_t DIGIT_COUNT = 7;

    CPostalDigits() = delete;

    // Seven ASCII digits, or nothing when the text holds another count of digits or anything
    // beside digits, hyphens, spaces and the postal mark.
    static std::optional<std::string> Extract(std::u32string_view code);

    // The value 0-9 of an ASCII or full-width digit, -1 for anything else.
    static int DigitValue(char32_t c);
    // The hyphens and dashes people put between the numbers of a code or an address.
    static bool IsHyphen(char32_t c);
};
