#include "core/text/CCp932Pattern.h"

#include "core/text/CCp932.h"

#include <cstring>

namespace {
constexpr std::size_t NPOS = std::string_view::npos;

// The quick search may compare this many needle bytes per text byte it moved on, and this many
// besides, before it hands over to the search whose time cannot grow with the needle.
constexpr std::size_t COMPARED_PER_BYTE = 4;
constexpr std::size_t COMPARED_ALLOWANCE = 256;

std::string_view UpToNul(std::string_view text) {
    const std::size_t nul = text.find('\0');
    return nul == NPOS ? text : text.substr(0, nul);
}

// How often a byte turns up in the texts of an address book, roughly: the lead bytes of kana
// and symbols stand in nearly every Japanese text, digits and small letters in every number
// and address, kanji lead bytes often; trail bytes spread over many values.
int Commonness(unsigned char c) {
    if (c >= 0x81 && c <= 0x83)
        return 5;
    if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || c == ' ' || c == '-' || c == '.' ||
        c == '@')
        return 4;
    if (c >= 0x88 && c <= 0x9F)
        return 3;
    if (c >= 0x40 && c <= 0x7E)
        return 2;
    return c >= 0x80 ? 1 : 0;
}
} // namespace

CCp932Pattern::CCp932Pattern(std::string_view needle)
    : m_strNeedle(UpToNul(needle)), m_nRare(RareByteOffset(m_strNeedle)),
      m_borders(m_strNeedle.size(), 0) {
    std::uint32_t border = 0;
    for (std::size_t i = 1; i < m_strNeedle.size(); ++i) {
        while (border > 0 && m_strNeedle[i] != m_strNeedle[border])
            border = m_borders[border - 1];
        if (m_strNeedle[i] == m_strNeedle[border])
            ++border;
        m_borders[i] = border;
    }
}

std::size_t CCp932Pattern::RareByteOffset(std::string_view needle) {
    std::size_t rare = 0;
    for (std::size_t i = 1; i < needle.size(); ++i) {
        // On a tie the later byte: a trail byte says more than its lead byte.
        if (Commonness(static_cast<unsigned char>(needle[i])) <=
            Commonness(static_cast<unsigned char>(needle[rare])))
            rare = i;
    }
    return rare;
}

std::size_t CCp932Pattern::FindIn(std::string_view haystack, std::size_t from) const {
    const std::size_t size = m_strNeedle.size();
    if (size == 0)
        return from > UpToNul(haystack).size() ? NPOS : from;
    if (from > haystack.size() || haystack.size() - from < size)
        return NPOS;
    // Texts are not scanned for a NUL first: only the bytes up to a hit are checked.
    CProgress progress{0, from};
    std::size_t pos = from;
    const std::size_t found = FindByRareByte(haystack, pos, progress);
    return pos == NPOS ? found : FindByBorders(haystack, pos, progress);
}

CCp932Pattern::EVerdict CCp932Pattern::Judge(std::string_view haystack, std::size_t at,
                                             CProgress& progress) const {
    // Places are judged in rising order, so each byte is checked for a NUL and walked over once.
    const std::size_t end = at + m_strNeedle.size();
    if (std::memchr(haystack.data() + progress.checked, '\0', end - progress.checked) != nullptr)
        return EVerdict::End;
    progress.checked = end;
    std::size_t boundary = progress.boundary;
    while (boundary < at)
        boundary += CCp932::IsLeadByte(static_cast<unsigned char>(haystack[boundary])) ? 2 : 1;
    progress.boundary = boundary;
    return boundary == at ? EVerdict::Hit : EVerdict::Miss;
}

std::size_t CCp932Pattern::FindByRareByte(std::string_view haystack, std::size_t& pos,
                                          CProgress& progress) const {
    const std::size_t size = m_strNeedle.size();
    const char* text = haystack.data();
    const char rare = m_strNeedle[m_nRare];
    const std::size_t last = haystack.size() - size;
    const std::size_t first = pos;
    std::size_t compared = 0;
    std::size_t found = NPOS;
    while (pos <= last) {
        const void* seen = std::memchr(text + pos + m_nRare, rare, last - pos + 1);
        if (seen == nullptr)
            break;
        const std::size_t at =
            static_cast<std::size_t>(static_cast<const char*>(seen) - text) - m_nRare;
        if (text[at] == m_strNeedle[0]) {
            compared += size;
            if (std::memcmp(text + at, m_strNeedle.data(), size) == 0) {
                const EVerdict verdict = Judge(haystack, at, progress);
                if (verdict != EVerdict::Miss) {
                    found = verdict == EVerdict::Hit ? at : NPOS;
                    break;
                }
            }
        }
        pos = at + 1;
        if (compared > COMPARED_PER_BYTE * (pos - first) + COMPARED_ALLOWANCE)
            return NPOS;
    }
    pos = NPOS;
    return found;
}

std::size_t CCp932Pattern::FindByBorders(std::string_view haystack, std::size_t pos,
                                         CProgress& progress) const {
    const std::size_t size = m_strNeedle.size();
    std::size_t matched = 0;
    for (std::size_t i = pos; i < haystack.size(); ++i) {
        const char c = haystack[i];
        while (matched > 0 && c != m_strNeedle[matched])
            matched = m_borders[matched - 1];
        if (c == m_strNeedle[matched])
            ++matched;
        if (matched < size)
            continue;
        const std::size_t at = i + 1 - size;
        const EVerdict verdict = Judge(haystack, at, progress);
        if (verdict != EVerdict::Miss)
            return verdict == EVerdict::Hit ? at : NPOS;
        matched = m_borders[size - 1];
    }
    return NPOS;
}
