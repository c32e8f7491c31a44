#include "core/commands/CDeleteGroupCommand.h"

#include "core/commands/CCommandTree.h"
#include "core/commands/CRemoveCommand.h"
#include "core/commands/CUndoTexts.h"
#include "core/document/CAddressDoc.h"

CDeleteGroupCommand::CDeleteGroupCommand(CGroup* group) : m_pGroup(group) {
    for (CPersonalData* person : group->m_memberList)
        m_commands.AddCommand(std::make_unique<CRemoveCommand>(person, group));
}

std::string CDeleteGroupCommand::GetName() const {
    return CUndoTexts::DELETE_GROUP;
}

void CDeleteGroupCommand::Do(CAddressDoc& doc) {
    m_commands.Do(doc);
    doc.RemoveGroup(m_pGroup);
}

void CDeleteGroupCommand::DoTree(CCommandTree& tree) {
    if (tree.ShowsPersons())
        m_commands.DoTree(tree);
    tree.DeleteGroupItem(m_pGroup);
}

void CDeleteGroupCommand::DoList(CCommandList&) {}

void CDeleteGroupCommand::Undo(CAddressDoc& doc) {
    doc.SetModifiedFlag();
    doc.AddGroup(m_pGroup);
    m_commands.Undo(doc);
}

void CDeleteGroupCommand::UndoTree(CCommandTree& tree) {
    tree.InsertGroupItem(m_pGroup, false);
    if (tree.ShowsPersons())
        m_commands.UndoTree(tree);
}

void CDeleteGroupCommand::UndoList(CCommandList&) {}
