#include "core/commands/CAddGroupToGroupCommand.h"

#include "core/commands/CAddPersonalToGroupCommand.h"
#include "core/commands/CUndoTexts.h"
#include "core/document/CAddressDoc.h"

std::string CAddGroupToGroupCommand::GetName() const {
    return CUndoTexts::ADD_TO_GROUP;
}

void CAddGroupToGroupCommand::Do(CAddressDoc& doc) {
    m_commands = std::make_unique<CCommandGroup>();
    for (CPersonalData* person : m_pSource->m_memberList) {
        if (!person->IsMemberOf(m_pTarget))
            m_commands->AddCommand(std::make_unique<CAddPersonalToGroupCommand>(person, m_pTarget));
    }
    m_commands->Do(doc);
}

void CAddGroupToGroupCommand::DoTree(CCommandTree& tree) {
    m_commands->DoTree(tree);
}
void CAddGroupToGroupCommand::DoList(CCommandList& list) {
    m_commands->DoList(list);
}
void CAddGroupToGroupCommand::Undo(CAddressDoc& doc) {
    m_commands->Undo(doc);
}
void CAddGroupToGroupCommand::UndoTree(CCommandTree& tree) {
    m_commands->UndoTree(tree);
}
void CAddGroupToGroupCommand::UndoList(CCommandList& list) {
    m_commands->UndoList(list);
}
