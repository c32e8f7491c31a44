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

// Both ways keep their records, so that the command can be done again after an undo.
void CModifyPersonalCommand::Exchange(CAddressDoc& doc, CPersonalData* out, CPersonalData* in) {
    doc.RemovePerson(out);
    doc.AddPerson(in);
}

void CModifyPersonalCommand::Exchange(CCommandTree& tree, CPersonalData* out, CPersonalData* in) {
    tree.DeletePersonalItems(out);
    tree.InsertPersonalItems(in);
}

void CModifyPersonalCommand::Exchange(CCommandList& list, CPersonalData* out, CPersonalData* in) {
    if (list.ShowsDeleted())
        return;
    if (out->IsMemberOf(list.GetShownGroup()))
        list.DeletePersonalRow(out);
    if (in->IsMemberOf(list.GetShownGroup()))
        list.InsertPersonalRow(in);
}

void CModifyPersonalCommand::Do(CAddressDoc& doc) {
    Exchange(doc, m_pOld, m_pNew);
}
void CModifyPersonalCommand::DoTree(CCommandTree& tree) {
    Exchange(tree, m_pOld, m_pNew);
}
void CModifyPersonalCommand::DoList(CCommandList& list) {
    Exchange(list, m_pOld, m_pNew);
}
void CModifyPersonalCommand::Undo(CAddressDoc& doc) {
    Exchange(doc, m_pNew, m_pOld);
}
void CModifyPersonalCommand::UndoTree(CCommandTree& tree) {
    Exchange(tree, m_pNew, m_pOld);
}
void CModifyPersonalCommand::UndoList(CCommandList& list) {
    Exchange(list, m_pNew, m_pOld);
}
