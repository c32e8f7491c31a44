#include "core/commands/CUniteGroupCommand.h"

#include "core/commands/CAddGroupCommand.h"
#include "core/commands/CAddGroupToGroupCommand.h"
#include "core/commands/CDeleteGroupCommand.h"
#include "core/commands/CUndoTexts.h"
#include "core/document/CAddressDoc.h"

CUniteGroupCommand::CUniteGroupCommand(CAddressDoc& doc, const std::vector<CGroup*>& groups,
                                       std::string name)
    : m_pNewGroup(doc.NewGroup(std::move(name))) {
    m_commands.AddCommand(std::make_unique<CAddGroupCommand>(m_pNewGroup, false));
    for (CGroup* group : groups) {
        m_commands.AddCommand(std::make_unique<CAddGroupToGroupCommand>(group, m_pNewGroup));
        m_commands.AddCommand(std::make_unique<CDeleteGroupCommand>(group));
    }
}

std::string CUniteGroupCommand::GetName() const {
    return CUndoTexts::UNITE_GROUPS;
}
void CUniteGroupCommand::Do(CAddressDoc& doc) {
    m_commands.Do(doc);
}
void CUniteGroupCommand::DoTree(CCommandTree& tree) {
    m_commands.DoTree(tree);
}
void CUniteGroupCommand::DoList(CCommandList& list) {
    m_commands.DoList(list);
}
void CUniteGroupCommand::Undo(CAddressDoc& doc) {
    m_commands.Undo(doc);
}
void CUniteGroupCommand::UndoTree(CCommandTree& tree) {
    m_commands.UndoTree(tree);
}
void CUniteGroupCommand::UndoList(CCommandList& list) {
    m_commands.UndoList(list);
}
