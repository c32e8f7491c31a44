#pragma once

#include "core/containers/CLinkIterator.h"

#include <cassert>
#include <cstddef>
#include <vector>

// Records in an order, linked through two of their own members, `Prev` and `Next`, null at the
// ends and outside any list: a record costs its list no node, and a walk reads the records
// where they were made. A record is in at most one such list.
template <typename TRecord, TRecord* TRecord::*Prev, TRecord* TRecord::*Next> class CLinkedList {
public:
    using iterator = CLinkIterator<TRecord, Prev, Next>;
    using const_iterator = iterator;
    using value_type = TRecord*;
    using size_type = std::size_t;

    CLinkedList() = default;
    CLinkedList(const CLinkedList&) = delete;
    CLinkedList& operator=(const CLinkedList&) = delete;
    // Touches no record: the records may have gone before their list.
    ~CLinkedList() = default;

    iterator begin() const { return {m_pFront, &m_pBack}; }
    iterator end() const { return {nullptr, &m_pBack}; }
    std::size_t size() const { return m_nSize; }
    bool empty() const { return m_nSize == 0; }
    TRecord* front() const { return m_pFront; }
    TRecord* back() const { return m_pBack; }

    // The records in one walk; a vector built from the iterators would walk twice, to count.
    std::vector<TRecord*> ToVector() const {
        std::vector<TRecord*> records;
        records.reserve(m_nSize);
        for (TRecord* record = m_pFront; record != nullptr; record = record->*Next)
            records.push_back(record);
        return records;
    }

    // Whether the record is in this list, given that it is in this one or in none.
    bool Contains(const TRecord* record) const {
        return record->*Prev != nullptr || record == m_pFront;
    }
    // The place of a record this list holds, found without a search.
    iterator IteratorTo(const TRecord* record) const {
        // The list hands out its records as it holds them, for a change through its owner.
        return {const_cast<TRecord*>(record), &m_pBack};
    }

    // The record must be in no list; it is put before `position`.
    iterator insert(iterator position, TRecord* record) {
        assert(record->*Prev == nullptr && record->*Next == nullptr && position.Walks(&m_pBack));
        TRecord* next = *position;
        TRecord* prev = next ? next->*Prev : m_pBack;
        record->*Prev = prev;
        record->*Next = next;
        (prev ? prev->*Next : m_pFront) = record;
        (next ? next->*Prev : m_pBack) = record;
        ++m_nSize;
        return {record, &m_pBack};
    }
    void push_back(TRecord* record) { insert(end(), record); }
    // Takes out the record at `position` and gives the place after it.
    iterator erase(iterator position) {
        TRecord* record = *position;
        assert(record && position.Walks(&m_pBack));
        TRecord* prev = record->*Prev;
        TRecord* next = record->*Next;
        (prev ? prev->*Next : m_pFront) = next;
        (next ? next->*Prev : m_pBack) = prev;
        record->*Prev = nullptr;
        record->*Next = nullptr;
        --m_nSize;
        return {next, &m_pBack};
    }
    void erase(TRecord* record) {
        assert(Contains(record));
        erase(IteratorTo(record));
    }
    // Every record leaves, each in no list afterwards.
    void clear() {
        for (TRecord* record = m_pFront; record != nullptr;) {
            TRecord* next = record->*Next;
            record->*Prev = nullptr;
            record->*Next = nullptr;
            record = next;
        }
        m_pFront = nullptr;
        m_pBack = nullptr;
        m_nSize = 0;
    }

private:
    TRecord* m_pFront = nullptr;
    TRecord* m_pBack = nullptr;
    std::size_t m_nSize = 0;
};
