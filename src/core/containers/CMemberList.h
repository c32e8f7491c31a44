#pragma once

#include "core/containers/CPointerIndex.h"

#include <cstddef>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

class CPersonalData;

// A group's members in the order they joined. Groups of 100,000 members are common enough
// that removing one member must not search the list, so each member's place is indexed, but
// only once a member is looked for: a book just opened has its groups filled and nothing
// searched, and keeps the memory. The members sit in one array where a member that left leaves
// a hole until holes outnumber them, so that joining allocates nothing per member; any change
// may move the members. An empty list holds nothing at all, and a list of one member holds it
// inline: a file can name millions of groups that nobody or one person joins.
class CMemberList {
    using CSlots = std::vector<CPersonalData*>;

public:
    // Steps over the holes.
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = CPersonalData*;
        using difference_type = std::ptrdiff_t;
        using pointer = CPersonalData* const*;
        using reference = CPersonalData* const&;

        const_iterator() = default;
        reference operator*() const { return *m_at; }
        pointer operator->() const { return m_at; }
        const_iterator& operator++();
        const_iterator operator++(int);
        bool operator==(const const_iterator& other) const { return m_at == other.m_at; }

    private:
        friend class CMemberList;
        const_iterator(pointer at, pointer end);

        pointer m_at = nullptr;
        pointer m_end = nullptr;
    };

    CMemberList() = default;
    CMemberList(const CMemberList& other)
        : m_pOne(other.m_pOne),
          m_pData(other.m_pData ? std::make_unique<CSlotTable>(*other.m_pData) : nullptr) {}
    CMemberList& operator=(const CMemberList& other) {
        CMemberList copy(other);
        return *this = std::move(copy);
    }
    CMemberList(CMemberList&& other) noexcept
        : m_pOne(std::exchange(other.m_pOne, nullptr)), m_pData(std::move(other.m_pData)) {}
    CMemberList& operator=(CMemberList&& other) noexcept {
        m_pOne = std::exchange(other.m_pOne, nullptr);
        m_pData = std::move(other.m_pData);
        return *this;
    }
    ~CMemberList() = default;

    // A person is at most once in the list; appending a member again, or nullptr, is ignored.
    void AddTail(CPersonalData* person);
    // For a caller that knows the person is no member unless it was the last to join: the
    // list is not searched.
    void AddNewTail(CPersonalData* person);
    // True when the person was a member.
    bool Remove(const CPersonalData* person);
    bool Contains(const CPersonalData* person) const {
        return m_pData ? IndexedSlots().Contains(person) : person != nullptr && person == m_pOne;
    }
    void RemoveAll() {
        m_pOne = nullptr;
        m_pData.reset();
    }
    std::size_t GetCount() const { return m_pData ? m_pData->count : m_pOne != nullptr; }
    bool IsEmpty() const { return GetCount() == 0; }
    const_iterator begin() const { return {SlotsBegin(), SlotsEnd()}; }
    const_iterator end() const { return {SlotsEnd(), SlotsEnd()}; }

private:
    struct CSlotTable {
        CSlots members; // nullptr where a member left
        std::size_t count = 0;
        // Right for the first `indexed` slots.
        mutable CPointerIndex slotOf;
        mutable std::size_t indexed = 0;
    };

    // The slots as one range: the table's, or the one member's.
    CPersonalData* const* SlotsBegin() const;
    CPersonalData* const* SlotsEnd() const;
    CPersonalData* Last() const;
    // The index of every slot, brought up to date.
    CPointerIndex& IndexedSlots() const;
    void Append(CPersonalData* person);
    void CloseHoles();
    // A table left with one member gives it back to the inline place.
    void ShrinkToOne();

    // The only member while there is no table; a table holds two members or more.
    CPersonalData* m_pOne = nullptr;
    std::unique_ptr<CSlotTable> m_pData;
};
