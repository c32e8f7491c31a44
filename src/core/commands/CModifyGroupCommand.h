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
    void DoTree(CFriendTreeView& tree) override;
    void DoList(CFriendListView& list) override;
    void Undo(CAddressDoc& doc) override;
    void UndoTree(CFriendTreeView& tree) override;
    void UndoList(CFriendListView& list) override;

private:
    CCommandGroup m_commands;
};
