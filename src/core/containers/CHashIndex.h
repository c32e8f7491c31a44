#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

// A value for each of a set of keys (addresses or numbers), as a table with open addressing:
// adding a key allocates nothing of its own, and a search is mostly one cache line. Indexes of
// millions of entries are built and searched in bulk, where a node per entry would cost most
// of the time and the memory. The key's zero value is never a key. The table is a power of two
// long and at most MAX_LOAD_EIGHTHS / 8 full: numbers handed out in turn spread so evenly that
// their table can be fuller than one of addresses.
template <class Key, class Value, std::size_t MAX_LOAD_EIGHTHS = 4> class CHashIndex {
    static_assert(MAX_LOAD_EIGHTHS >= 1 && MAX_LOAD_EIGHTHS < 8, "a table needs free entries");

public:
    static constexpr Value NOT_FOUND = static_cast<Value>(-1);

    // The value the key has, or NOT_FOUND.
    Value Find(Key key) const {
        if (m_table.empty())
            return NOT_FOUND;
        const CEntry& entry = m_table[Probe(key)];
        return entry.key != Key{} ? entry.value : NOT_FOUND;
    }
    bool Contains(Key key) const { return Find(key) != NOT_FOUND; }
    // Adds the key or gives it the new value; the zero key is never added.
    void Set(Key key, Value value) {
        if (key == Key{})
            return;
        if (IsTooFull(m_count + 1, m_table.size()))
            Rehash(TableSizeFor(m_count + 1));
        CEntry& entry = m_table[Probe(key)];
        if (entry.key == Key{})
            ++m_count;
        entry = {key, value};
    }
    // True when the key was there.
    bool Erase(Key key);
    void Clear() {
        m_table = {};
        m_count = 0;
    }
    // Room for `count` keys without growing.
    void Reserve(std::size_t count) {
        if (IsTooFull(count, m_table.size()))
            Rehash(TableSizeFor(count));
    }
    std::size_t Size() const { return m_count; }

private:
    struct CEntry {
        Key key{}; // zero marks a free entry
        Value value{};
    };
    static constexpr std::size_t MIN_TABLE = 16;

    static bool IsTooFull(std::size_t count, std::size_t tableSize) {
        return 8 * count > MAX_LOAD_EIGHTHS * tableSize;
    }
    static std::size_t TableSizeFor(std::size_t count) {
        std::size_t size = std::bit_ceil(std::max(MIN_TABLE, count));
        return IsTooFull(count, size) ? 2 * size : size;
    }
    static std::uint64_t Bits(Key key) {
        if constexpr (std::is_pointer_v<Key>)
            return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(key));
        else
            return static_cast<std::uint64_t>(key);
    }
    std::size_t Home(Key key) const {
        // Fibonacci hashing: the product's top bits depend on all of the key, whose low bits
        // are the same for every object of a kind and whose high bits are the same for
        // numbers handed out in turn.
        const int shift = 64 - std::countr_zero(m_table.size());
        return static_cast<std::size_t>((Bits(key) * 0x9E3779B97F4A7C15ull) >> shift);
    }
    // The entry holding the key, or the free entry where the search for it ended.
    std::size_t Probe(Key key) const {
        const std::size_t mask = m_table.size() - 1;
        std::size_t entry = Home(key);
        while (m_table[entry].key != Key{} && m_table[entry].key != key)
            entry = (entry + 1) & mask;
        return entry;
    }
    void Rehash(std::size_t tableSize) {
        std::vector<CEntry> old(tableSize);
        old.swap(m_table);
        for (const CEntry& entry : old) {
            if (entry.key != Key{})
                m_table[Probe(entry.key)] = entry;
        }
    }

    std::vector<CEntry> m_table;
    std::size_t m_count = 0;
};

template <class Key, class Value, std::size_t MAX_LOAD_EIGHTHS>
bool CHashIndex<Key, Value, MAX_LOAD_EIGHTHS>::Erase(Key key) {
    if (m_table.empty())
        return false;
    std::size_t hole = Probe(key);
    if (m_table[hole].key == Key{})
        return false;
    // Entries after the freed one move back into it unless that would put them before their
    // home, so that every search still reaches its entry without meeting a free one.
    const std::size_t mask = m_table.size() - 1;
    for (std::size_t next = (hole + 1) & mask; m_table[next].key != Key{};
         next = (next + 1) & mask) {
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
