#pragma once

#include <string>
#include <vector>

// Text converted to code page 932, with the characters that code page could not hold. Those are
// left out of `text`, and the caller tells the user about them instead of saving something else.
struct CEncodeResult {
    std::string text;
    // Each character once, in order of first appearance; U+FFFD stands for malformed input.
    std::vector<char32_t> unmappable;

    bool ok() const { return unmappable.empty(); }
};
