#pragma once

#include "core/commands/CCommand.h"

class CPersonalData;
class CGroup;

// Moves a person to the deleted persons; it keeps its groups so that it can come back.
class CDeletePersonalCommand : public CCommand {
public:
    explicit CDeletePersonalCommand(CPersonalData* person) : m_pPerson(person) {}
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
