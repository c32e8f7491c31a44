#pragma once

#include "core/commands/CCommand.h"
#include "core/commands/CCommandGroup.h"

#include <memory>
class CPersonalData;
class CGroup;

// Copies the members of one group into another; groups never nest.
class CAddGroupToGroupCommand : public CCommand {
public:
    CAddGroupToGroupCommand(CGroup* source, CGroup* target)
        : m_pSource(source), m_pTarget(target) {}
    std::string GetName() const override;
    void Do(CAddressDoc& doc) override;
    void DoTree(CCommandTree& tree) override;
    void DoList(CCommandList& list) override;
    void Undo(CAddressDoc& doc) override;
    void UndoTree(CCommandTree& tree) override;
    void UndoList(CCommandList& list) override;

private:
    std::unique_ptr<CCommandGroup> m_commands; // made when done
    CGroup* m_pSource;
    CGroup* m_pTarget;
};
