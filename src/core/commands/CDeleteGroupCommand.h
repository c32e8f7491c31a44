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
    void DoTree(CCommandTree& tree) override;
    void DoList(CCommandList& list) override;
    void Undo(CAddressDoc& doc) override;
    void UndoTree(CCommandTree& tree) override;
    void UndoList(CCommandList& list) override;

private:
    CGroup* m_pGroup;
    CCommandGroup m_commands;
};
