#pragma once

#include "core/commands/CCommand.h"
#include "core/commands/CRemoveCommand.h"
class CPersonalData;
class CGroup;

// Puts one person into one group: the exact inverse of a removal.
class CAddPersonalToGroupCommand : public CCommand {
public:
    CAddPersonalToGroupCommand(CPersonalData* person, CGroup* group) : m_remove(person, group) {}
    std::string GetName() const override;
    void Do(CAddressDoc& doc) override;
    void DoTree(CCommandTree& tree) override;
    void DoList(CCommandList& list) override;
    void Undo(CAddressDoc& doc) override;
    void UndoTree(CCommandTree& tree) override;
    void UndoList(CCommandList& list) override;

private:
    CRemoveCommand m_remove; // done backwards
};
