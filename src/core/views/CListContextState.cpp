#include "core/views/CListContextState.h"

#include "core/views/CFriendListView.h"

CListContextState CListContextState::Of(const CFriendListView& list) {
    const int selected = list.GetSelectedCount();
    const bool deletedShown = list.ShowsDeleted();
    CListContextState state;
    state.m_bRemove = selected > 0 && list.GetShownGroup() != nullptr;
    state.m_bModify = selected == 1 && !deletedShown;
    state.m_bDelete = selected > 0 && !deletedShown;
    state.m_bRestore = selected > 0 && deletedShown;
    state.m_bWriteMail = selected > 0;
    return state;
}
