#pragma once

#include "core/commands/CCommand.h"
#include "core/commands/CCommandGroup.h"

#include <vector>
class CPersonalData;
class CGroup;

// Adds a group with the members it was built with, each linked by its own sub-command.
class CAddGroupCommand : public CCommand {
public:
    CAddGroupCommand(CGroup* group, bool select) : m_pGroup(group), m_bSelect(select) {}
    std::uint32_t GetSelection() const override;
    std::string GetName() const override;
    void Do(CAddressDoc& doc) override;
    void DoTree(CCommandTree& tree) override;
    void DoList(CCommandList& list) override;
    void Undo(CAddressDoc& doc) override;
    void UndoTree(CCommandTree& tree) override;
    void UndoList(CCommandList& list) override;

private:
    CGroup* m_pGroup;
    std::vector<CPersonalData*> m_memberList;
    CCommandGroup m_commands;
    bool m_bSelect;
    bool m_bMembersTaken = false;
};
