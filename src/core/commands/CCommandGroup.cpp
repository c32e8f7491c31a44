#include "core/commands/CCommandGroup.h"

#include "core/commands/CUndoTexts.h"
#include "core/document/CAddressDoc.h"

CCommandGroup::~CCommandGroup() {
    // Parts are destroyed first to last.
    for (auto& command : m_subCommands)
        command.reset();
}

void CCommandGroup::AddCommand(std::unique_ptr<CCommand> command) {
    m_subCommands.push_back(std::move(command));
}

std::string CCommandGroup::GetName() const {
    if (!m_strCommandName.empty())
        return m_strCommandName;
    if (m_subCommands.empty())
        return CUndoTexts::COMMAND_GROUP;
    return m_subCommands.back()->GetName();
}

void CCommandGroup::Do(CAddressDoc& doc) {
    for (auto& command : m_subCommands)
        command->Do(doc);
    doc.SetModifiedFlag();
}

void CCommandGroup::DoTree(CCommandTree& tree) {
    for (auto& command : m_subCommands)
        command->DoTree(tree);
}

void CCommandGroup::DoList(CCommandList& list) {
    for (auto& command : m_subCommands)
        command->DoList(list);
}

void CCommandGroup::Undo(CAddressDoc& doc) {
    for (auto it = m_subCommands.rbegin(); it != m_subCommands.rend(); ++it)
        (*it)->Undo(doc);
    doc.SetModifiedFlag();
}

void CCommandGroup::UndoTree(CCommandTree& tree) {
    for (auto it = m_subCommands.rbegin(); it != m_subCommands.rend(); ++it)
        (*it)->UndoTree(tree);
}

void CCommandGroup::UndoList(CCommandList& list) {
    for (auto it = m_subCommands.rbegin(); it != m_subCommands.rend(); ++it)
        (*it)->UndoList(list);
}
