#include "core/views/CTreeContextState.h"

#include "core/views/CFriendTreeView.h"

CTreeContextState CTreeContextState::Of(const CFriendTreeView& tree, HTREEITEM hit) {
    CTreeContextState state;
    const CTreeControl& control = tree.GetTreeCtrl();
    if (!control.Exists(hit))
        return state;
    const HTREEITEM parent = control.GetParent(hit);
    const HTREEITEM root = tree.m_hRootItem;
    const HTREEITEM deleted = tree.m_hDeletedItem;
    state.m_bRemove = tree.IsPersonItem(hit) && parent != root && parent != deleted;
    state.m_bDelete = hit != root && hit != deleted && parent != deleted;
    state.m_bModify = state.m_bDelete;
    state.m_bRestore = parent == deleted;
    return state;
}
