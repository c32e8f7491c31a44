#include "core/containers/CPointerIndex.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace {
constexpr std::size_t MIN_TABLE = 16;

// A power of two that keeps `count` entries at most half the table.
std::size_t TableSizeFor(std::size_t count) {
    return std::bit_ceil(std::max(MIN_TABLE, 2 * count));
}
} // namespace

std::size_t CPointerIndex::Home(const void* key) const {
    // Fibonacci hashing: the product's top bits depend on the whole address, whose low bits
    // are the same for every object of a kind.
    const auto bits = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(key));
    const int shift = 64 - std::countr_zero(m_table.size());
    return static_cast<std::size_t>((bits * 0x9E3779B97F4A7C15ull) >> shift);
}

std::size_t CPointerIndex::Probe(const void* key) const {
    const std::size_t mask = m_table.size() - 1;
    std::size_t entry = Home(key);
    while (m_table[entry].key != nullptr && m_table[entry].key != key)
        entry = (entry + 1) & mask;
    return entry;
}

std::size_t CPointerIndex::Find(const void* key) const {
    if (m_table.empty())
        return NOT_FOUND;
    const CEntry& entry = m_table[Probe(key)];
    return entry.key != nullptr ? entry.value : NOT_FOUND;
}

void CPointerIndex::Set(const void* key, std::size_t value) {
    if (key == nullptr)
        return;
    if (2 * (m_count + 1) > m_table.size())
        Rehash(TableSizeFor(m_count + 1));
    CEntry& entry = m_table[Probe(key)];
    if (entry.key == nullptr)
        ++m_count;
    entry = {key, value};
}

bool CPointerIndex::Erase(const void* key) {
    if (m_table.empty())
        return false;
    std::size_t hole = Probe(key);
    if (m_table[hole].key == nullptr)
        return false;
    // Entries after the freed one move back into it unless that would put them before their
    // home, so that every search still reaches its entry without meeting a free one.
    const std::size_t mask = m_table.size() - 1;
    for (std::size_t next = (hole + 1) & mask; m_table[next].key; next = (next + 1) & mask) {
        const std::size_t home = Home(m_table[next].key);
        const bool homeAfterHole = ((next - home) & mask) < ((next - hole) & mask);
        if (!homeAfterHole) {
            m_table[hole] = m_table[next];
            hole = next;
        }
    }
    m_table[hole] = {};
    --m_count;
    return true;
}

void CPointerIndex::Clear() {
    m_table = {};
    m_count = 0;
}

void CPointerIndex::Reserve(std::size_t count) {
    if (2 * count > m_table.size())
        Rehash(TableSizeFor(count));
}

void CPointerIndex::Rehash(std::size_t tableSize) {
    std::vector<CEntry> old(tableSize);
    old.swap(m_table);
    for (const CEntry& entry : old) {
        if (entry.key != nullptr)
            m_table[Probe(entry.key)] = entry;
    }
}
