#pragma once

#include <cstddef>
#include <vector>

// A number for each of a set of addresses, as a table with open addressing: adding an address
// allocates nothing of its own, and a search is mostly one cache line. Indexes of 100,000
// persons are built and searched in bulk, where a node per entry costs most of the time.
class CPointerIndex {
public:
    static constexpr std::size_t NOT_FOUND = static_cast<std::size_t>(-1);

    // The number the address has, or NOT_FOUND.
    std::size_t Find(const void* key) const;
    bool Contains(const void* key) const { return Find(key) != NOT_FOUND; }
    // Adds the address or gives it the new number; nullptr is never added.
    void Set(const void* key, std::size_t value);
    // True when the address was there.
    bool Erase(const void* key);
    void Clear();
    // Room for `count` addresses without growing.
    void Reserve(std::size_t count);
    std::size_t Size() const { return m_count; }

private:
    struct CEntry {
        const void* key = nullptr; // nullptr marks a free entry
        std::size_t value = 0;
    };

    std::size_t Home(const void* key) const;
    // The entry holding the address, or the free entry where the search for it ended.
    std::size_t Probe(const void* key) const;
    void Rehash(std::size_t tableSize);

    std::vector<CEntry> m_table; // a power of two long, at most half full
    std::size_t m_count = 0;
};
