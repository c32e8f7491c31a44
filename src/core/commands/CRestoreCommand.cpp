#include "core/commands/CRestoreCommand.h"

#include "core/commands/CCommandList.h"
#include "core/commands/CCommandTree.h"
#include "core/commands/CUndoTexts.h"
#include "core/document/CAddressDoc.h"

#include <algorithm>

CRestoreCommand::CRestoreCommand(CAddressDoc& doc, CPersonalData* deleted)
    : m_pCopy(doc.NewPerson(*deleted)), m_pDeleted(deleted) {
    // Groups deleted since the person was have left the document and are not brought back.
    std::erase_if(m_pCopy->m_groupList,
                  [&doc](const CGroup* group) { return !doc.ContainsGroup(group); });
    m_pCopy->m_treeItems.RemoveAll();
}

std::string CRestoreCommand::GetName() const {
    return CUndoTexts::RESTORE;
}

void CRestoreCommand::Do(CAddressDoc& doc) {
    doc.AddPerson(m_pCopy);
    doc.RemoveDeletedPerson(m_pDeleted);
}

void CRestoreCommand::DoTree(CCommandTree& tree) {
    tree.InsertPersonalItems(m_pCopy);
    tree.DeletePersonalItems(m_pDeleted);
}

void CRestoreCommand::DoList(CCommandList& list) {
    if (list.ShowsDeleted())
        list.DeletePersonalRow(m_pDeleted);
    else if (m_pCopy->IsMemberOf(list.GetShownGroup()))
        list.InsertPersonalRow(m_pCopy);
}

void CRestoreCommand::Undo(CAddressDoc& doc) {
    doc.RemovePerson(m_pCopy);
    doc.AddDeletedPerson(m_pDeleted);
}

void CRestoreCommand::UndoTree(CCommandTree& tree) {
    tree.DeletePersonalItems(m_pCopy);
    tree.InsertPersonUnderDeleted(m_pDeleted);
}

void CRestoreCommand::UndoList(CCommandList& list) {
    if (list.ShowsDeleted())
        list.InsertPersonalRow(m_pDeleted);
    else if (m_pCopy->IsMemberOf(list.GetShownGroup()))
        list.DeletePersonalRow(m_pCopy);
}
