#pragma once

#include "core/commands/CCommand.h"

class CPersonalData;
class CGroup;

// Adds a person to the live list and links it into its groups.
class CAddPersonalCommand : public CCommand {
public:
    explicit CAddPersonalCommand(CPersonalData* person) : m_pPerson(person) {}
    std::string GetName() const override;
    void Do(CAddressDoc& doc) override;
    void DoTree(CCommandTree& tree) override;
    void DoList(CCommandList& list) override;
    void Undo(CAddressDoc& doc) override;
    void UndoTree(CCommandTree& tree) override;
    void UndoList(CCommandList& list) override;

private:
    CPersonalData* m_pPerson;
};
