#include "core/text/CCp932.h"

#include "core/text/CCp932Pattern.h"

#include <cstring>

namespace {

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
    return CCp932Pattern(needle).FindIn(haystack, from);
}
