#pragma once

#include "core/commands/CCommand.h"

class CPersonalData;
class CGroup;

// Replaces a person by its edited copy; the copy goes to the end of the person order. The copy
// is the same person to the world outside, so it takes the old record's UID whatever it was
// made with.
class CModifyPersonalCommand : public CCommand {
public:
    CModifyPersonalCommand(CPersonalData* oldPerson, CPersonalData* newPerson);
    std::string GetName() const override;
    void Do(CAddressDoc& doc) override;
    void DoTree(CCommandTree& tree) override;
    void DoList(CCommandList& list) override;
    void Undo(CAddressDoc& doc) override;
    void UndoTree(CCommandTree& tree) override;
    void UndoList(CCommandList& list) override;

private:
    CPersonalData* m_pOld; // always the record that is out of the document
    CPersonalData* m_pNew;
};
