#pragma once

#include "core/containers/CLinkIterator.h"
#include "core/model/CGroup.h"

#include <cstddef>

// The document's groups in their order, linked through the groups themselves: a group costs
// no node of its own, which a book of two million groups feels. A group is in at most one such
// list.
class CGroupList {
public:
    // Gives the groups as the list holds them.
    using iterator = CLinkIterator<CGroup, &CGroup::m_pPrevGroup, &CGroup::m_pNextGroup>;
    using const_iterator = iterator;
    using value_type = CGroup*;
    using size_type = std::size_t;

    CGroupList() = default;
    CGroupList(const CGroupList&) = delete;
    CGroupList& operator=(const CGroupList&) = delete;
    // Touches no group: the groups may have gone before their list.
    ~CGroupList() = default;

    iterator begin() const { return {m_pFront, &m_pBack}; }
    iterator end() const { return {nullptr, &m_pBack}; }
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
