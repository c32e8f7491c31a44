#pragma once

#include "core/commands/CCommand.h"

class CPersonalData;
class CGroup;

// Brings a deleted person back as a copy that belongs only to the groups that still exist.
class CRestoreCommand : public CCommand {
public:
    CRestoreCommand(CAddressDoc& doc, CPersonalData* deleted);
    // The copy that comes back.
    CPersonalData* GetRestored() const { return m_pCopy; }
    std::string GetName() const override;
    void Do(CAddressDoc& doc) override;
    void DoTree(CCommandTree& tree) override;
    void DoList(CCommandList& list) override;
    void Undo(CAddressDoc& doc) override;
    void UndoTree(CCommandTree& tree) override;
    void UndoList(CCommandList& list) override;

private:
    CPersonalData* m_pCopy;
    CPersonalData* m_pDeleted;
};
