#include "core/commands/CAddPersonalToGroupCommand.h"

#include "core/commands/CUndoTexts.h"

std::string CAddPersonalToGroupCommand::GetName() const {
    return CUndoTexts::ADD_TO_GROUP;
}
void CAddPersonalToGroupCommand::Do(CAddressDoc& doc) {
    m_remove.Undo(doc);
}
void CAddPersonalToGroupCommand::DoTree(CCommandTree& tree) {
    m_remove.UndoTree(tree);
}
void CAddPersonalToGroupCommand::DoList(CCommandList& list) {
    m_remove.UndoList(list);
}
void CAddPersonalToGroupCommand::Undo(CAddressDoc& doc) {
    m_remove.Do(doc);
}
void CAddPersonalToGroupCommand::UndoTree(CCommandTree& tree) {
    m_remove.DoTree(tree);
}
void CAddPersonalToGroupCommand::UndoList(CCommandList& list) {
    m_remove.DoList(list);
}
