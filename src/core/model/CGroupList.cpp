#include "core/model/CGroupList.h"

#include <cassert>

void CGroupList::push_back(CGroup* group) {
    assert(group->m_pPrevGroup == nullptr && group->m_pNextGroup == nullptr);
    group->m_pPrevGroup = m_pBack;
    if (m_pBack != nullptr)
        m_pBack->m_pNextGroup = group;
    else
        m_pFront = group;
    m_pBack = group;
    ++m_nSize;
}

void CGroupList::erase(CGroup* group) {
    assert(Contains(group));
    (group->m_pPrevGroup ? group->m_pPrevGroup->m_pNextGroup : m_pFront) = group->m_pNextGroup;
    (group->m_pNextGroup ? group->m_pNextGroup->m_pPrevGroup : m_pBack) = group->m_pPrevGroup;
    group->m_pPrevGroup = nullptr;
    group->m_pNextGroup = nullptr;
    --m_nSize;
}

void CGroupList::clear() {
    for (CGroup* group = m_pFront; group != nullptr;) {
        CGroup* next = group->m_pNextGroup;
        group->m_pPrevGroup = nullptr;
        group->m_pNextGroup = nullptr;
        group = next;
    }
    m_pFront = nullptr;
    m_pBack = nullptr;
    m_nSize = 0;
}
