#include "core/commands/CAddGroupCommand.h"

#include "core/commands/CAddPersonalToGroupCommand.h"
#include "core/commands/CCommandTree.h"
#include "core/commands/CUndoTexts.h"
#include "core/document/CAddressDoc.h"

std::string CAddGroupCommand::GetName() const {
    return CUndoTexts::ADD_GROUP;
}

std::uint32_t CAddGroupCommand::GetSelection() const {
    return m_bSelect ? m_pGroup->m_hTreeItem : m_hSelectItem;
}

void CAddGroupCommand::Do(CAddressDoc& doc) {
    // The group enters with exactly the members it was built with, each linked by an
    // undoable sub-command; done again after an undo, it finds them in those sub-commands.
    if (!m_bMembersTaken) {
        for (CPersonalData* person : m_pGroup->m_memberList)
            m_memberList.push_back(person);
        m_pGroup->m_memberList.RemoveAll();
        for (CPersonalData* person : m_memberList)
            m_commands.AddCommand(std::make_unique<CAddPersonalToGroupCommand>(person, m_pGroup));
        m_bMembersTaken = true;
    }
    doc.AddGroup(m_pGroup);
    m_commands.Do(doc);
}

void CAddGroupCommand::DoTree(CCommandTree& tree) {
    tree.InsertGroupItem(m_pGroup, m_bSelect);
    m_commands.DoTree(tree);
}

void CAddGroupCommand::DoList(CCommandList&) {}

void CAddGroupCommand::Undo(CAddressDoc& doc) {
    m_commands.Undo(doc);
    doc.RemoveGroup(m_pGroup);
}

void CAddGroupCommand::UndoTree(CCommandTree& tree) {
    m_commands.UndoTree(tree);
    tree.DeleteGroupItem(m_pGroup);
}

void CAddGroupCommand::UndoList(CCommandList&) {}
