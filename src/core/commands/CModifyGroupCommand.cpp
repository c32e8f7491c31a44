#include "core/commands/CModifyGroupCommand.h"

#include "core/commands/CAddGroupCommand.h"
#include "core/commands/CDeleteGroupCommand.h"
#include "core/commands/CUndoTexts.h"

CModifyGroupCommand::CModifyGroupCommand(CGroup* oldGroup, CGroup* newGroup) {
    m_commands.AddCommand(std::make_unique<CAddGroupCommand>(newGroup, false));
    m_commands.AddCommand(std::make_unique<CDeleteGroupCommand>(oldGroup));
}

std::string CModifyGroupCommand::GetName() const {
    return CUndoTexts::MODIFY_GROUP;
}
void CModifyGroupCommand::Do(CAddressDoc& doc) {
    m_commands.Do(doc);
}
void CModifyGroupCommand::DoTree(CCommandTree& tree) {
    m_commands.DoTree(tree);
}
void CModifyGroupCommand::DoList(CCommandList& list) {
    m_commands.DoList(list);
}
void CModifyGroupCommand::Undo(CAddressDoc& doc) {
    m_commands.Undo(doc);
}
void CModifyGroupCommand::UndoTree(CCommandTree& tree) {
    m_commands.UndoTree(tree);
}
void CModifyGroupCommand::UndoList(CCommandList& list) {
    m_commands.UndoList(list);
}
