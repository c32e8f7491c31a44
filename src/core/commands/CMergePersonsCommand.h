#pragma once

#include "core/commands/CCommand.h"

#include <vector>

class CPersonalData;

// Merges persons found to be one: the kept person is replaced, in its place, by its merged
// copy, and the others go to the deleted persons, from where they can be restored. Undo puts
// every person back where it stood in the person order.
class CMergePersonsCommand : public CCommand {
public:
    // `merged` is a record of the document made from `keep` with the others merged in.
    CMergePersonsCommand(CPersonalData* keep, CPersonalData* merged,
                         std::vector<CPersonalData*> others);
    std::string GetName() const override;
    void Do(CAddressDoc& doc) override;
    void DoTree(CCommandTree& tree) override;
    void DoList(CCommandList& list) override;
    void Undo(CAddressDoc& doc) override;
    void UndoTree(CCommandTree& tree) override;
    void UndoList(CCommandList& list) override;

private:
    // A person taken out of the person order, and the live person that followed it then.
    struct CTakenOut {
        CPersonalData* person;
        const CPersonalData* next;
    };

    static const CPersonalData* NextLive(const CAddressDoc& doc, const CPersonalData* person);

    CPersonalData* m_pKeep;
    CPersonalData* m_pMerged;
    std::vector<CTakenOut> m_others;
    const CPersonalData* m_pKeepNext = nullptr;
};
