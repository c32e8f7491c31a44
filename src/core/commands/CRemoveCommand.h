#pragma once

#include "core/commands/CCommand.h"

class CPersonalData;
class CGroup;

// Takes one person out of one group.
class CRemoveCommand : public CCommand {
public:
    CRemoveCommand(CPersonalData* person, CGroup* group) : m_pPerson(person), m_pGroup(group) {}
    std::string GetName() const override;
    void Do(CAddressDoc& doc) override;
    void DoTree(CCommandTree& tree) override;
    void DoList(CCommandList& list) override;
    void Undo(CAddressDoc& doc) override;
    void UndoTree(CCommandTree& tree) override;
    void UndoList(CCommandList& list) override;

private:
    CPersonalData* m_pPerson;
    CGroup* m_pGroup;
};
