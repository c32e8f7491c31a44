#pragma once

#include "core/commands/CCommand.h"

#include <memory>
#include <vector>

// A composite: done by doing its parts in order, undone by undoing them in reverse.
class CCommandGroup : public CCommand {
public:
    CCommandGroup() = default;
    ~CCommandGroup() override;

    void AddCommand(std::unique_ptr<CCommand> command);
    void SetName(std::string name) { m_strCommandName = std::move(name); }
    int GetCount() const { return static_cast<int>(m_subCommands.size()); }

    std::string GetName() const override;
    void Do(CAddressDoc& doc) override;
    void DoTree(CCommandTree& tree) override;
    void DoList(CCommandList& list) override;
    void Undo(CAddressDoc& doc) override;
    void UndoTree(CCommandTree& tree) override;
    void UndoList(CCommandList& list) override;

private:
    std::string m_strCommandName;
    std::vector<std::unique_ptr<CCommand>> m_subCommands;
};
