#pragma once

#include "core/commands/CCommand.h"
#include "core/commands/CCommandGroup.h"
class CPersonalData;
class CGroup;

// Replaces a group by its edited copy, which goes to the end of the group order.
class CModifyGroupCommand : public CCommand {
public:
    CModifyGroupCommand(CGroup* oldGroup, CGroup* newGroup);
    std::string GetName() const override;
    void Do(CAddressDoc& doc) override;
    void DoTree(CCommandTree& tree) override;
    void DoList(CCommandList& list) override;
    void Undo(CAddressDoc& doc) override;
    void UndoTree(CCommandTree& tree) override;
    void UndoList(CCommandList& list) override;

private:
    CCommandGroup m_commands;
};
