#pragma once

#include "core/containers/CChildList.h"

class CFriendTreeView;

// Which entries of the group tree's context menu stay enabled for the item under the pointer;
// the list has the same for its selection.
struct CTreeContextState {
    bool m_bRemove = false;
    bool m_bDelete = false;
    bool m_bModify = false;
    bool m_bRestore = false;

    static CTreeContextState Of(const CFriendTreeView& tree, HTREEITEM hit);
};
