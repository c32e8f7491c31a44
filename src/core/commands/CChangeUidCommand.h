#pragma once

#include "core/commands/CCommand.h"
#include "core/model/CUid.h"

class CPersonalData;

// Gives a person the UID it had before it was lost: the sync recognises a person by what it
// says when the file that kept its UID is gone. Nothing the views show changes.
class CChangeUidCommand : public CCommand {
public:
    CChangeUidCommand(CPersonalData* person, CUid uid) : m_pPerson(person), m_uid(std::move(uid)) {}
    std::string GetName() const override;
    void Do(CAddressDoc& doc) override;
    void DoTree(CCommandTree&) override {}
    void DoList(CCommandList&) override {}
    void Undo(CAddressDoc& doc) override;
    void UndoTree(CCommandTree&) override {}
    void UndoList(CCommandList&) override {}

private:
    void Swap(CAddressDoc& doc);

    CPersonalData* m_pPerson;
    CUid m_uid; // the UID the person does not have now
};
