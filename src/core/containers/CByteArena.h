#pragma once

#include <cstddef>
#include <memory>
#include <vector>

// Bytes handed out one piece after another from large blocks and given back all at once: the
// texts of a book's 100,000 persons then cost no allocation each, and lie in the order they were
// made.
class CByteArena {
public:
    CByteArena() = default;
    CByteArena(const CByteArena&) = delete;
    CByteArena& operator=(const CByteArena&) = delete;
    ~CByteArena() = default;

    // Room for `size` bytes, kept until Clear.
    char* Allocate(std::size_t size);
    void Clear();

private:
    static constexpr std::size_t BLOCK_SIZE = 64 * 1024;

    std::vector<std::unique_ptr<char[]>> m_blocks;
    char* m_pFree = nullptr;
    std::size_t m_nFree = 0;
};
