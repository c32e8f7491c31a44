#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Fills a message's template: "%1" to "%9" stand for the arguments in order, so a message with a
// file name or a number inside stays one text, written once. A placeholder without an argument
// stays as it is.
class CTextFormat {
public:
    static std::string Format(std::string_view pattern,
                              std::initializer_list<std::string_view> arguments);
    // Every line end (CR LF, LF, a lone CR) made CR LF, as a memo's lines end in the book.
    static std::string WithCrLf(std::string_view text);
};
