#pragma once

#include "core/commands/CCommand.h"

class CPersonalData;
class CGroup;

// Changes one field of a person in place, from the person list's cell editor.
class CModifyByListEditCommand : public CCommand {
public:
    CModifyByListEditCommand(CPersonalData* person, int field, std::string text)
        : m_pPerson(person), m_nField(field), m_strText(std::move(text)) {}
    std::string GetName() const override;
    void Do(CAddressDoc& doc) override;
    void DoTree(CCommandTree& tree) override;
    void DoList(CCommandList& list) override;
    void Undo(CAddressDoc& doc) override;
    void UndoTree(CCommandTree& tree) override;
    void UndoList(CCommandList& list) override;

private:
    void Exchange(CAddressDoc& doc);
    void ShowField(CCommandTree& tree) const;
    void ShowField(CCommandList& list) const;

    CPersonalData* m_pPerson;
    int m_nField;
    std::string m_strText; // what the next do or undo writes
};
