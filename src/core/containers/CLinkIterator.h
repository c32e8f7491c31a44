#pragma once

#include <cstddef>
#include <iterator>

// Walks a list whose records link to each other through two of their own members, `Prev` and
// `Next`, null at the ends; a record then costs its list no node. From end() it steps back to
// the list's last record, which it reads through `back`, the list's own pointer to it.
template <typename TRecord, TRecord* TRecord::*Prev, TRecord* TRecord::*Next> class CLinkIterator {
public:
    using iterator_category = std::bidirectional_iterator_tag;
    using value_type = TRecord*;
    using difference_type = std::ptrdiff_t;
    using pointer = TRecord* const*;
    using reference = TRecord*;

    CLinkIterator() = default;
    CLinkIterator(TRecord* record, TRecord* const* back) : m_pRecord(record), m_ppBack(back) {}

    reference operator*() const { return m_pRecord; }
    CLinkIterator& operator++() {
        m_pRecord = m_pRecord->*Next;
        return *this;
    }
    CLinkIterator operator++(int) {
        const CLinkIterator before = *this;
        ++*this;
        return before;
    }
    CLinkIterator& operator--() {
        m_pRecord = m_pRecord ? m_pRecord->*Prev : *m_ppBack;
        return *this;
    }
    CLinkIterator operator--(int) {
        const CLinkIterator before = *this;
        --*this;
        return before;
    }
    bool operator==(const CLinkIterator& other) const = default;
    // Whether the iterator walks the list whose pointer to its last record is `back`.
    bool Walks(TRecord* const* back) const { return m_ppBack == back; }

private:
    TRecord* m_pRecord = nullptr; // nullptr at the end
    TRecord* const* m_ppBack = nullptr;
};
