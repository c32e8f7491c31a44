#include "core/commands/CDeleteGroupCommand.h"

#include "core/commands/CRemoveCommand.h"
#include "core/commands/CUndoTexts.h"
#include "core/document/CAddressDoc.h"
#include "core/views/CFriendTreeView.h"

CDeleteGroupCommand::CDeleteGroupCommand(CGroup* group) : m_pGroup(group) {
    for (CPersonalData* person : group->m_memberList)
        m_commands.AddCommand(std::make_unique<CRemoveCommand>(person, group));
}

std::string CDeleteGroupCommand::GetName() const {
    return CUndoTexts::DELETE_GROUP;
}

void CDeleteGroupCommand::Do(CAddressDoc& doc) {
    m_commands.Do(doc);
    doc.RemoveGroup(*m_pGroup->m_posList);
}

void CDeleteGroupCommand::DoTree(CFriendTreeView& tree) {
    if (tree.m_bShowPersonal)
        m_commands.DoTree(tree);
    tree.GetTreeCtrl().DeleteItem(m_pGroup->m_hTreeItem);
}

void CDeleteGroupCommand::DoList(CFriendListView&) {}

void CDeleteGroupCommand::Undo(CAddressDoc& doc) {
    doc.SetModifiedFlag();
    doc.AddGroup(m_pGroup);
    m_commands.Undo(doc);
}

void CDeleteGroupCommand::UndoTree(CFriendTreeView& tree) {
    tree.InsertGroupItem(m_pGroup, false);
    if (tree.m_bShowPersonal)
        m_commands.UndoTree(tree);
}

void CDeleteGroupCommand::UndoList(CFriendListView&) {}
