#pragma once

#include "core/model/CGroup.h"

#include <cstddef>
#include <iterator>

// The document's groups in their order, linked through the groups themselves: a group costs
// no node of its own, which a book of two million groups feels. A group is in at most one such
// list.
class CGroupList {
public:
    // Gives the groups as the list holds them; from end() it steps back to the last.
    class iterator {
    public:
        using iterator_category = std::bidirectional_iterator_tag;
        using value_type = CGroup*;
        using difference_type = std::ptrdiff_t;
        using pointer = CGroup* const*;
        using reference = CGroup*;

        iterator() = default;
        reference operator*() const { return m_pGroup; }
        iterator& operator++() {
            m_pGroup = m_pGroup->m_pNextGroup;
            return *this;
        }
        iterator operator++(int) {
            const iterator before = *this;
            ++*this;
            return before;
        }
        iterator& operator--() {
            m_pGroup = m_pGroup ? m_pGroup->m_pPrevGroup : m_pList->m_pBack;
            return *this;
        }
        iterator operator--(int) {
            const iterator before = *this;
            --*this;
            return before;
        }
        bool operator==(const iterator& other) const = default;

    private:
        friend class CGroupList;
        iterator(CGroup* group, const CGroupList* list) : m_pGroup(group), m_pList(list) {}

        CGroup* m_pGroup = nullptr; // nullptr at the end
        const CGroupList* m_pList = nullptr;
    };
    using const_iterator = iterator;
    using value_type = CGroup*;
    using size_type = std::size_t;

    CGroupList() = default;
    CGroupList(const CGroupList&) = delete;
    CGroupList& operator=(const CGroupList&) = delete;
    // Touches no group: the groups may have gone before their list.
    ~CGroupList() = default;

    iterator begin() const { return {m_pFront, this}; }
    iterator end() const { return {nullptr, this}; }
    std::size_t size() const { return m_nSize; }
    bool empty() const { return m_nSize == 0; }
    CGroup* front() const { return m_pFront; }
    CGroup* back() const { return m_pBack; }

    bool Contains(const CGroup* group) const {
        return group->m_pPrevGroup != nullptr || group == m_pFront;
    }
    // The group must be in no list.
    void push_back(CGroup* group);
    void erase(CGroup* group);
    // Every group leaves, each in no list afterwards.
    void clear();

private:
    CGroup* m_pFront = nullptr;
    CGroup* m_pBack = nullptr;
    std::size_t m_nSize = 0;
};
