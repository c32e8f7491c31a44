#include "core/text/CCp932Pattern.h"

#include "core/text/CCp932.h"

#include <cstring>

namespace {
std::string_view UpToNul(std::string_view text) {
    const std::size_t nul = text.find('\0');
    return nul == std::string_view::npos ? text : text.substr(0, nul);
}
} // namespace

CCp932Pattern::CCp932Pattern(std::string_view needle) : m_strNeedle(UpToNul(needle)) {
    const std::size_t size = m_strNeedle.size();
    m_skip.fill(static_cast<std::uint32_t>(size));
    for (std::size_t i = 0; i + 1 < size; ++i)
        m_skip[static_cast<unsigned char>(m_strNeedle[i])] =
            static_cast<std::uint32_t>(size - 1 - i);
}

std::size_t CCp932Pattern::FindBytes(std::string_view haystack, std::size_t from) const {
    const std::size_t size = m_strNeedle.size();
    if (from > haystack.size() || haystack.size() - from < size)
        return std::string_view::npos;
    const char* text = haystack.data();
    if (size == 1) {
        const void* hit = std::memchr(text + from, m_strNeedle[0], haystack.size() - from);
        return hit == nullptr ? std::string_view::npos
                              : static_cast<std::size_t>(static_cast<const char*>(hit) - text);
    }
    // Horspool's search: the needle's last byte is compared first, and a mismatch moves on by
    // as much as that text byte allows.
    const char last = m_strNeedle[size - 1];
    const std::size_t end = haystack.size() - size;
    for (std::size_t pos = from; pos <= end;) {
        const char under = text[pos + size - 1];
        if (under == last && std::memcmp(text + pos, m_strNeedle.data(), size - 1) == 0)
            return pos;
        pos += m_skip[static_cast<unsigned char>(under)];
    }
    return std::string_view::npos;
}

std::size_t CCp932Pattern::FindIn(std::string_view haystack, std::size_t from) const {
    if (m_strNeedle.empty())
        return from > UpToNul(haystack).size() ? std::string_view::npos : from;
    // Texts are not scanned for a NUL first: only the bytes up to a hit are checked, and a hit
    // that reaches a NUL ends the search, since every later hit reaches it too.
    std::size_t checked = 0;
    // `boundary` only moves forward, so the whole search stays linear in the haystack.
    std::size_t boundary = from;
    std::size_t candidate = FindBytes(haystack, from);
    while (candidate != std::string_view::npos) {
        const std::size_t end = candidate + m_strNeedle.size();
        if (std::memchr(haystack.data() + checked, '\0', end - checked) != nullptr)
            return std::string_view::npos;
        checked = end;
        while (boundary < candidate)
            boundary += CCp932::IsLeadByte(static_cast<unsigned char>(haystack[boundary])) ? 2 : 1;
        if (boundary == candidate)
            return candidate;
        // The candidate began on a trail byte; the next character starts at `boundary`.
        candidate = FindBytes(haystack, boundary);
    }
    return std::string_view::npos;
}
