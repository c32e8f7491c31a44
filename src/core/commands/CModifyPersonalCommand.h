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
    static void Exchange(CAddressDoc& doc, CPersonalData* out, CPersonalData* in);
    static void Exchange(CCommandTree& tree, CPersonalData* out, CPersonalData* in);
    static void Exchange(CCommandList& list, CPersonalData* out, CPersonalData* in);

    CPersonalData* m_pOld;
    CPersonalData* m_pNew;
};
