#pragma once

class CFriendListView;

// Which entries of the person list's context menu stay enabled for its selection and for what
// it shows; the tree has the same for the item under the pointer.
struct CListContextState {
    bool m_bRemove = false;
    bool m_bDelete = false;
    bool m_bModify = false;
    bool m_bRestore = false;
    bool m_bWriteMail = false;

    static CListContextState Of(const CFriendListView& list);
};
