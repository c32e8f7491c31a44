#include "core/commands/CModifyByListEditCommand.h"

#include "core/commands/CUndoTexts.h"
#include "core/document/CAddressDoc.h"
#include "core/model/CFieldTable.h"
#include "core/views/CFriendListView.h"
#include "core/views/CFriendTreeView.h"

std::string CModifyByListEditCommand::GetName() const {
    return CUndoTexts::MODIFY_BY_CELL_EDIT;
}

void CModifyByListEditCommand::Exchange(CAddressDoc& doc) {
    m_strText = m_pPerson->ReplaceField(m_nField, m_strText);
    doc.SetModifiedFlag();
}

void CModifyByListEditCommand::ShowField(CFriendTreeView& tree) const {
    if (m_nField != CFieldTable::FIELD_NAME || !tree.m_bShowPersonal)
        return;
    for (const HTREEITEM item : m_pPerson->m_treeItems) {
        if (tree.GetTreeCtrl().Exists(item))
            tree.GetTreeCtrl().SetItemText(item, m_pPerson->GetFieldText(CFieldTable::FIELD_NAME));
    }
}

void CModifyByListEditCommand::ShowField(CFriendListView& list) const {
    if (!list.ShowsDeleted() && m_pPerson->IsMemberOf(list.GetShownGroup()))
        list.UpdatePersonalRow(m_pPerson);
}

void CModifyByListEditCommand::Do(CAddressDoc& doc) {
    Exchange(doc);
}
void CModifyByListEditCommand::DoTree(CFriendTreeView& tree) {
    ShowField(tree);
}
void CModifyByListEditCommand::DoList(CFriendListView& list) {
    ShowField(list);
}
void CModifyByListEditCommand::Undo(CAddressDoc& doc) {
    Exchange(doc);
}
void CModifyByListEditCommand::UndoTree(CFriendTreeView& tree) {
    ShowField(tree);
}
void CModifyByListEditCommand::UndoList(CFriendListView& list) {
    ShowField(list);
}
