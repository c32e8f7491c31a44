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
    void DoTree(CFriendTreeView& tree) override;
    void DoList(CFriendListView& list) override;
    void Undo(CAddressDoc& doc) override;
    void UndoTree(CFriendTreeView& tree) override;
    void UndoList(CFriendListView& list) override;

private:
    CPersonalData* m_pPerson;
};
