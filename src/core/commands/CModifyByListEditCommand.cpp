#include "core/commands/CModifyByListEditCommand.h"

#include "core/commands/CCommandList.h"
#include "core/commands/CCommandTree.h"
#include "core/commands/CUndoTexts.h"
#include "core/document/CAddressDoc.h"
#include "core/model/CFieldTable.h"

std::string CModifyByListEditCommand::GetName() const {
    return CUndoTexts::MODIFY_BY_CELL_EDIT;
}

void CModifyByListEditCommand::Exchange(CAddressDoc& doc) {
    m_strText = m_pPerson->ReplaceField(m_nField, m_strText);
    doc.SetModifiedFlag();
}

void CModifyByListEditCommand::ShowField(CCommandTree& tree) const {
    if (m_nField != CFieldTable::FIELD_NAME || !tree.ShowsPersons())
        return;
    tree.RenamePersonalItems(m_pPerson);
}

void CModifyByListEditCommand::ShowField(CCommandList& list) const {
    if (!list.ShowsDeleted() && m_pPerson->IsMemberOf(list.GetShownGroup()))
        list.UpdatePersonalRow(m_pPerson);
}

void CModifyByListEditCommand::Do(CAddressDoc& doc) {
    Exchange(doc);
}
void CModifyByListEditCommand::DoTree(CCommandTree& tree) {
    ShowField(tree);
}
void CModifyByListEditCommand::DoList(CCommandList& list) {
    ShowField(list);
}
void CModifyByListEditCommand::Undo(CAddressDoc& doc) {
    Exchange(doc);
}
void CModifyByListEditCommand::UndoTree(CCommandTree& tree) {
    ShowField(tree);
}
void CModifyByListEditCommand::UndoList(CCommandList& list) {
    ShowField(list);
}
