#include "core/commands/CDeletePersonalCommand.h"

#include "core/commands/CCommandList.h"
#include "core/commands/CCommandTree.h"
#include "core/commands/CUndoTexts.h"
#include "core/document/CAddressDoc.h"

std::string CDeletePersonalCommand::GetName() const {
    return CUndoTexts::DELETE_PERSON;
}

void CDeletePersonalCommand::Do(CAddressDoc& doc) {
    if (doc.RemovePerson(m_pPerson))
        doc.AddDeletedPerson(m_pPerson);
}

void CDeletePersonalCommand::DoTree(CCommandTree& tree) {
    tree.DeletePersonalItems(m_pPerson);
    tree.InsertPersonUnderDeleted(m_pPerson);
}

void CDeletePersonalCommand::DoList(CCommandList& list) {
    if (m_pPerson->IsMemberOf(list.GetShownGroup()))
        list.DeletePersonalRow(m_pPerson);
}

void CDeletePersonalCommand::Undo(CAddressDoc& doc) {
    if (doc.RemoveDeletedPerson(m_pPerson))
        doc.AddPerson(m_pPerson);
}

void CDeletePersonalCommand::UndoTree(CCommandTree& tree) {
    tree.DeletePersonalItems(m_pPerson);
    tree.InsertPersonalItems(m_pPerson);
}

void CDeletePersonalCommand::UndoList(CCommandList& list) {
    if (list.ShowsDeleted())
        list.DeletePersonalRow(m_pPerson);
    else if (m_pPerson->IsMemberOf(list.GetShownGroup()))
        list.InsertPersonalRow(m_pPerson);
}
