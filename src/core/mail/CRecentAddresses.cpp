#include "core/mail/CRecentAddresses.h"

#include <algorithm>

namespace {
std::size_t StringsFor(int capacity) {
    return 2 * static_cast<std::size_t>(std::clamp(capacity, 0, CRecentAddresses::MAX_CAPACITY));
}
} // namespace

void CRecentAddresses::Remember(std::string_view address, std::string_view label, int capacity) {
    // Only address texts are compared: a label that happens to read like an address must not
    // take its neighbour with it and leave the pairs out of step.
    for (std::size_t i = 0; i + 1 < m_strings.size(); i += 2) {
        if (m_strings[i] == address) {
            m_strings.erase(m_strings.begin() + static_cast<std::ptrdiff_t>(i),
                            m_strings.begin() + static_cast<std::ptrdiff_t>(i + 2));
            break;
        }
    }
    m_strings.insert(m_strings.begin(), {std::string(address), std::string(label)});
    Trim(capacity);
}

void CRecentAddresses::Trim(int capacity) {
    if (m_strings.size() > StringsFor(capacity))
        m_strings.resize(StringsFor(capacity));
}

bool CRecentAddresses::MoveToHead(std::size_t position) {
    if (position % 2 != 0 || position + 1 >= m_strings.size())
        return false;
    const auto first = m_strings.begin() + static_cast<std::ptrdiff_t>(position);
    std::rotate(m_strings.begin(), first, first + 2);
    return true;
}

void CRecentAddresses::SetStrings(std::vector<std::string> strings) {
    m_strings = std::move(strings);
    if (m_strings.size() % 2 != 0)
        m_strings.pop_back();
}
