#include "core/commands/CAddPersonalCommand.h"

#include "core/commands/CUndoTexts.h"
#include "core/document/CAddressDoc.h"
#include "core/views/CFriendListView.h"
#include "core/views/CFriendTreeView.h"

std::string CAddPersonalCommand::GetName() const {
    return CUndoTexts::ADD_PERSON;
}

void CAddPersonalCommand::Do(CAddressDoc& doc) {
    doc.AddPerson(m_pPerson);
}

void CAddPersonalCommand::DoTree(CFriendTreeView& tree) {
    tree.InsertPersonalItems(m_pPerson);
}

void CAddPersonalCommand::DoList(CFriendListView& list) {
    if (list.GetGroupInfo() && m_pPerson->IsShownIn(*list.GetGroupInfo()))
        list.InsertPersonalRow(m_pPerson);
}

void CAddPersonalCommand::Undo(CAddressDoc& doc) {
    doc.RemovePerson(m_pPerson);
}

void CAddPersonalCommand::UndoTree(CFriendTreeView& tree) {
    tree.DeletePersonalItems(m_pPerson);
}

void CAddPersonalCommand::UndoList(CFriendListView& list) {
    if (m_pPerson->IsMemberOf(list.GetShownGroup()))
        list.DeletePersonalRow(m_pPerson);
}
