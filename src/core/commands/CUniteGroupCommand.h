#pragma once

#include "core/commands/CCommand.h"
#include "core/commands/CCommandGroup.h"

#include <vector>
class CPersonalData;
class CGroup;

// Unites groups into a new one holding every member once, in order of first appearance.
class CUniteGroupCommand : public CCommand {
public:
    CUniteGroupCommand(CAddressDoc& doc, const std::vector<CGroup*>& groups, std::string name);
    std::string GetName() const override;
    void Do(CAddressDoc& doc) override;
    void DoTree(CCommandTree& tree) override;
    void DoList(CCommandList& list) override;
    void Undo(CAddressDoc& doc) override;
    void UndoTree(CCommandTree& tree) override;
    void UndoList(CCommandList& list) override;

private:
    CGroup* m_pNewGroup;
    CCommandGroup m_commands;
};
