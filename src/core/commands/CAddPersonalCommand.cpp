#include "core/commands/CAddPersonalCommand.h"

#include "core/commands/CCommandList.h"
#include "core/commands/CCommandTree.h"
#include "core/commands/CUndoTexts.h"
#include "core/document/CAddressDoc.h"

std::string CAddPersonalCommand::GetName() const {
    return CUndoTexts::ADD_PERSON;
}

void CAddPersonalCommand::Do(CAddressDoc& doc) {
    doc.AddPerson(m_pPerson);
}

void CAddPersonalCommand::DoTree(CCommandTree& tree) {
    tree.InsertPersonalItems(m_pPerson);
}

void CAddPersonalCommand::DoList(CCommandList& list) {
    if (list.GetGroupInfo() && m_pPerson->IsShownIn(*list.GetGroupInfo()))
        list.InsertPersonalRow(m_pPerson);
}

void CAddPersonalCommand::Undo(CAddressDoc& doc) {
    doc.RemovePerson(m_pPerson);
}

void CAddPersonalCommand::UndoTree(CCommandTree& tree) {
    tree.DeletePersonalItems(m_pPerson);
}

void CAddPersonalCommand::UndoList(CCommandList& list) {
    if (m_pPerson->IsMemberOf(list.GetShownGroup()))
        list.DeletePersonalRow(m_pPerson);
}
