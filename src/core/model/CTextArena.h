#pragma once

#include <cstddef>
#include <memory>
#include <vector>

// Hands out room for persons' texts from large chunks, so that the texts of a loaded book lie
// one after another in memory, in the order they are read, and cost no allocation each. Room
// is never given back on its own: an edited person takes a block of its own, and everything
// goes when the arena does.
class CTextArena {
public:
    char* Allocate(std::size_t size);
    void Clear();

private:
    static constexpr std::size_t CHUNK = 256 * 1024;
    // Larger texts get a chunk of their own, so that a long memo wastes no chunk's tail.
    static constexpr std::size_t LARGE = CHUNK / 8;

    std::vector<std::unique_ptr<char[]>> m_chunks;
    std::vector<std::unique_ptr<char[]>> m_large;
    char* m_pFree = nullptr;
    std::size_t m_nLeft = 0;
};
