#pragma once

#include "core/containers/CLinkedList.h"
#include "core/model/CGroup.h"

// The document's groups in their order, linked through the groups themselves: a group costs
// no node of its own, which a book of two million groups feels.
class CGroupList : public CLinkedList<CGroup, &CGroup::m_pPrevGroup, &CGroup::m_pNextGroup> {};
