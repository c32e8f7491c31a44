#include "core/commands/CRemoveCommand.h"

#include "core/commands/CUndoTexts.h"
#include "core/document/CAddressDoc.h"
#include "core/views/CFriendListView.h"
#include "core/views/CFriendTreeView.h"

std::string CRemoveCommand::GetName() const {
    return CUndoTexts::REMOVE_FROM_GROUP;
}

void CRemoveCommand::Do(CAddressDoc& doc) {
    doc.RemovePersonFromGroup(*m_pPerson->m_posList, *m_pGroup->m_posList);
}

void CRemoveCommand::DoTree(CFriendTreeView& tree) {
    if (!tree.m_bShowPersonal)
        return;
    CTreeControl& control = tree.GetTreeCtrl();
    for (const HTREEITEM item : m_pPerson->m_treeItems) {
        if (control.GetParent(item) == m_pGroup->m_hTreeItem) {
            control.DeleteItem(item);
            m_pPerson->m_treeItems.RemoveValue(item);
            break;
        }
    }
    // A person in no group is shown under the root item.
    if (m_pPerson->m_treeItems.IsEmpty()) {
        const HTREEITEM item =
            tree.InsertTreeItem(tree.m_hRootItem, ETreeItemKind::Person,
                                std::string(m_pPerson->GetText(EPersonText::Name)),
                                {nullptr, m_pPerson}, false, ETreeInsert::Sort);
        if (item != TVI_NONE)
            m_pPerson->m_treeItems.AddTail(item);
    }
}

void CRemoveCommand::DoList(CFriendListView& list) {
    if (list.GetShownGroup() == m_pGroup)
        list.DeletePersonalRow(m_pPerson);
}

void CRemoveCommand::Undo(CAddressDoc& doc) {
    doc.LinkPersonToGroup(m_pPerson, m_pGroup);
}

void CRemoveCommand::UndoTree(CFriendTreeView& tree) {
    if (!tree.m_bShowPersonal)
        return;
    CTreeControl& control = tree.GetTreeCtrl();
    if (m_pPerson->m_treeItems.GetCount() == 1 &&
        control.GetParent(m_pPerson->m_treeItems.GetHead()) == tree.m_hRootItem) {
        control.DeleteItem(m_pPerson->m_treeItems.GetHead());
        m_pPerson->m_treeItems.RemoveAll();
    }
    const HTREEITEM item = tree.InsertTreeItem(m_pGroup->m_hTreeItem, ETreeItemKind::Person,
                                               std::string(m_pPerson->GetText(EPersonText::Name)),
                                               {nullptr, m_pPerson}, false, ETreeInsert::Sort);
    if (item != TVI_NONE)
        m_pPerson->m_treeItems.AddTail(item);
}

void CRemoveCommand::UndoList(CFriendListView& list) {
    if (list.GetShownGroup() == m_pGroup)
        list.InsertPersonalRow(m_pPerson);
}
