#include "core/model/CTextArena.h"

char* CTextArena::Allocate(std::size_t size) {
    if (size > LARGE)
        return m_large.emplace_back(std::make_unique_for_overwrite<char[]>(size)).get();
    if (size > m_nLeft) {
        m_pFree = m_chunks.emplace_back(std::make_unique_for_overwrite<char[]>(CHUNK)).get();
        m_nLeft = CHUNK;
    }
    char* const block = m_pFree;
    m_pFree += size;
    m_nLeft -= size;
    return block;
}

void CTextArena::Clear() {
    std::vector<std::unique_ptr<char[]>>().swap(m_chunks);
    std::vector<std::unique_ptr<char[]>>().swap(m_large);
    m_pFree = nullptr;
    m_nLeft = 0;
}
