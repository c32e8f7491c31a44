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
    void DoTree(CFriendTreeView& tree) override;
    void DoList(CFriendListView& list) override;
    void Undo(CAddressDoc& doc) override;
    void UndoTree(CFriendTreeView& tree) override;
    void UndoList(CFriendListView& list) override;

private:
    CPersonalData* m_pPerson;
};
