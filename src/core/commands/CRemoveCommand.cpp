#include "core/commands/CRemoveCommand.h"

#include "core/commands/CCommandList.h"
#include "core/commands/CCommandTree.h"
#include "core/commands/CUndoTexts.h"
#include "core/document/CAddressDoc.h"

std::string CRemoveCommand::GetName() const {
    return CUndoTexts::REMOVE_FROM_GROUP;
}

void CRemoveCommand::Do(CAddressDoc& doc) {
    doc.RemovePersonFromGroup(m_pPerson, m_pGroup);
}

void CRemoveCommand::DoTree(CCommandTree& tree) {
    tree.RemovePersonFromGroupItem(m_pPerson, m_pGroup);
}

void CRemoveCommand::DoList(CCommandList& list) {
    if (list.GetShownGroup() == m_pGroup)
        list.DeletePersonalRow(m_pPerson);
}

void CRemoveCommand::Undo(CAddressDoc& doc) {
    doc.LinkPersonToGroup(m_pPerson, m_pGroup);
}

void CRemoveCommand::UndoTree(CCommandTree& tree) {
    tree.AddPersonToGroupItem(m_pPerson, m_pGroup);
}

void CRemoveCommand::UndoList(CCommandList& list) {
    if (list.GetShownGroup() == m_pGroup)
        list.InsertPersonalRow(m_pPerson);
}
