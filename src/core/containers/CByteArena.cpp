#include "core/containers/CByteArena.h"

char* CByteArena::Allocate(std::size_t size) {
    // A large piece gets a block of its own, so that the free end of the current one is kept.
    if (size > BLOCK_SIZE / 4)
        return m_blocks.emplace_back(std::make_unique_for_overwrite<char[]>(size)).get();
    if (size > m_nFree) {
        m_pFree = m_blocks.emplace_back(std::make_unique_for_overwrite<char[]>(BLOCK_SIZE)).get();
        m_nFree = BLOCK_SIZE;
    }
    char* piece = m_pFree;
    m_pFree += size;
    m_nFree -= size;
    return piece;
}

void CByteArena::Clear() {
    std::vector<std::unique_ptr<char[]>>().swap(m_blocks);
    m_pFree = nullptr;
    m_nFree = 0;
}
