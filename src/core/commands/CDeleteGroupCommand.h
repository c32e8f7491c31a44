#pragma once

#include "core/commands/CCommand.h"
#include "core/commands/CCommandGroup.h"
class CPersonalData;
class CGroup;

// Takes a group out of the document after unlinking its members; undo links them again.
class CDeleteGroupCommand : public CCommand {
public:
    explicit CDeleteGroupCommand(CGroup* group);
    std::uint32_t GetSelection() const override { return 0; }
    std::string GetName() const override;
    void Do(CAddressDoc& doc) override;
    void DoTree(CFriendTreeView& tree) override;
    void DoList(CFriendListView& list) override;
    void Undo(CAddressDoc& doc) override;
    void UndoTree(CFriendTreeView& tree) override;
    void UndoList(CFriendListView& list) override;

private:
    CGroup* m_pGroup;
    CCommandGroup m_commands;
};
