#include "CCp932.h"

#include <cstring>

namespace {

// The runtime sees C strings, so everything from the first NUL on is invisible to it.
std::string_view UpToNul(std::string_view text) {
    const void* nul = text.empty() ? nullptr : std::memchr(text.data(), '\0', text.size());
    if (nul == nullptr) {
        return text;
    }
    return text.substr(0, static_cast<std::size_t>(static_cast<const char*>(nul) - text.data()));
}

// Reads one character as the runtime does: a lead byte and its trail byte form one unit; a
// lead byte with nothing after it ends the string (unit 0), as a NUL would.
unsigned int NextUnit(std::string_view text, std::size_t& pos) {
    if (pos >= text.size()) {
        return 0;
    }
    const auto first = static_cast<unsigned char>(text[pos++]);
    if (!CCp932::IsLeadByte(first)) {
        return first;
    }
    if (pos >= text.size()) {
        return 0;
    }
    const auto trail = static_cast<unsigned char>(text[pos++]);
    if (trail == 0) {
        return 0;
    }
    return (static_cast<unsigned int>(first) << 8) | trail;
}

} // namespace

int CCp932::Compare(std::string_view a, std::string_view b) {
    // Sorting 100,000 rows calls this millions of times: a NUL ends the walk as it comes, and
    // nothing scans the texts ahead.
    std::size_t posA = 0;
    std::size_t posB = 0;
    for (;;) {
        const unsigned int unitA = NextUnit(a, posA);
        const unsigned int unitB = NextUnit(b, posB);
        if (unitA != unitB) {
            return unitA < unitB ? -1 : 1;
        }
        if (unitA == 0) {
            return 0;
        }
    }
}

std::size_t CCp932::Find(std::string_view haystack, std::string_view needle, std::size_t from) {
    haystack = UpToNul(haystack);
    needle = UpToNul(needle);
    if (from > haystack.size()) {
        return std::string_view::npos;
    }
    if (needle.empty()) {
        return from;
    }
    // `boundary` only moves forward, so the whole search stays linear in the haystack.
    std::size_t boundary = from;
    std::size_t candidate = haystack.find(needle, from);
    while (candidate != std::string_view::npos) {
        while (boundary < candidate) {
            boundary += IsLeadByte(static_cast<unsigned char>(haystack[boundary])) ? 2 : 1;
        }
        if (boundary == candidate) {
            return candidate;
        }
        // The candidate began on a trail byte; the next character starts at `boundary`.
        candidate = haystack.find(needle, boundary);
    }
    return std::string_view::npos;
}
