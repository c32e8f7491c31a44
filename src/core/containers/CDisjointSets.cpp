#include "core/containers/CDisjointSets.h"

#include <numeric>
#include <utility>

CDisjointSets::CDisjointSets(std::size_t count) : m_parent(count), m_size(count, 1) {
    std::iota(m_parent.begin(), m_parent.end(), 0u);
}

std::uint32_t CDisjointSets::Find(std::uint32_t item) {
    while (m_parent[item] != item) {
        m_parent[item] = m_parent[m_parent[item]];
        item = m_parent[item];
    }
    return item;
}

void CDisjointSets::Join(std::uint32_t a, std::uint32_t b) {
    a = Find(a);
    b = Find(b);
    if (a == b)
        return;
    if (m_size[a] < m_size[b])
        std::swap(a, b);
    m_parent[b] = a;
    m_size[a] += m_size[b];
}
