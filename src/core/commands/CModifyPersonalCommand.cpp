#include "core/commands/CModifyPersonalCommand.h"

#include "core/commands/CCommandList.h"
#include "core/commands/CCommandTree.h"
#include "core/commands/CUndoTexts.h"
#include "core/document/CAddressDoc.h"

#include <utility>

CModifyPersonalCommand::CModifyPersonalCommand(CPersonalData* oldPerson, CPersonalData* newPerson)
    : m_pOld(oldPerson), m_pNew(newPerson) {
    m_pNew->SetUid(m_pOld->GetUid());
}

std::string CModifyPersonalCommand::GetName() const {
    return CUndoTexts::MODIFY_PERSON;
}

void CModifyPersonalCommand::Do(CAddressDoc& doc) {
    doc.RemovePerson(m_pOld);
    doc.AddPerson(m_pNew);
}

void CModifyPersonalCommand::DoTree(CCommandTree& tree) {
    tree.DeletePersonalItems(m_pOld);
    tree.InsertPersonalItems(m_pNew);
}

void CModifyPersonalCommand::DoList(CCommandList& list) {
    if (list.ShowsDeleted())
        return;
    if (m_pOld->IsMemberOf(list.GetShownGroup()))
        list.DeletePersonalRow(m_pOld);
    if (m_pNew->IsMemberOf(list.GetShownGroup()))
        list.InsertPersonalRow(m_pNew);
}

void CModifyPersonalCommand::Undo(CAddressDoc& doc) {
    doc.RemovePerson(m_pNew);
    doc.AddPerson(m_pOld);
    std::swap(m_pOld, m_pNew);
}

void CModifyPersonalCommand::UndoTree(CCommandTree& tree) {
    DoTree(tree);
}

void CModifyPersonalCommand::UndoList(CCommandList& list) {
    DoList(list);
}
