#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>

// A short list of 32-bit values; a person keeps the handles of the tree items that show it here.
// Most persons are in one group or two, so two values live inside the list itself: showing
// 100,000 persons in the tree then allocates nothing for them.
class CDWordList {
public:
    using const_iterator = const std::uint32_t*;

    CDWordList() = default;
    CDWordList(const CDWordList& other);
    CDWordList& operator=(const CDWordList& other);
    CDWordList(CDWordList&& other) noexcept;
    CDWordList& operator=(CDWordList&& other) noexcept;
    ~CDWordList() = default;

    void AddTail(std::uint32_t value);
    void RemoveAll();
    bool Find(std::uint32_t value) const { return std::find(begin(), end(), value) != end(); }
    // Removes the first occurrence; true when there was one.
    bool RemoveValue(std::uint32_t value);
    std::uint32_t GetHead() const { return IsEmpty() ? 0 : *begin(); }
    int GetCount() const { return static_cast<int>(m_nSize); }
    bool IsEmpty() const { return m_nSize == 0; }
    const_iterator begin() const { return m_heap ? m_heap.get() : m_inline.data(); }
    const_iterator end() const { return begin() + m_nSize; }

private:
    static constexpr std::uint32_t INLINE = 2;
    std::uint32_t* Data() { return m_heap ? m_heap.get() : m_inline.data(); }

    std::unique_ptr<std::uint32_t[]> m_heap; // once the values outgrow the inline ones
    std::array<std::uint32_t, INLINE> m_inline{};
    std::uint32_t m_nSize = 0;
    std::uint32_t m_nCapacity = INLINE;
};
