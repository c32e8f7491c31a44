#include "core/model/CDWordList.h"

#include <utility>

CDWordList::CDWordList(const CDWordList& other) {
    for (const std::uint32_t value : other)
        AddTail(value);
}

CDWordList& CDWordList::operator=(const CDWordList& other) {
    if (this != &other) {
        RemoveAll();
        for (const std::uint32_t value : other)
            AddTail(value);
    }
    return *this;
}

CDWordList::CDWordList(CDWordList&& other) noexcept
    : m_heap(std::move(other.m_heap)), m_inline(other.m_inline),
      m_nSize(std::exchange(other.m_nSize, 0)),
      m_nCapacity(std::exchange(other.m_nCapacity, INLINE)) {}

CDWordList& CDWordList::operator=(CDWordList&& other) noexcept {
    if (this != &other) {
        m_heap = std::move(other.m_heap);
        m_inline = other.m_inline;
        m_nSize = std::exchange(other.m_nSize, 0);
        m_nCapacity = std::exchange(other.m_nCapacity, INLINE);
    }
    return *this;
}

void CDWordList::AddTail(std::uint32_t value) {
    if (m_nSize == m_nCapacity) {
        const std::uint32_t capacity = m_nCapacity * 2;
        auto grown = std::make_unique_for_overwrite<std::uint32_t[]>(capacity);
        std::copy(begin(), end(), grown.get());
        m_heap = std::move(grown);
        m_nCapacity = capacity;
    }
    Data()[m_nSize++] = value;
}

void CDWordList::RemoveAll() {
    m_heap.reset();
    m_nSize = 0;
    m_nCapacity = INLINE;
}

bool CDWordList::RemoveValue(std::uint32_t value) {
    std::uint32_t* const first = Data();
    std::uint32_t* const last = first + m_nSize;
    std::uint32_t* const found = std::find(first, last, value);
    if (found == last)
        return false;
    std::copy(found + 1, last, found);
    --m_nSize;
    return true;
}
