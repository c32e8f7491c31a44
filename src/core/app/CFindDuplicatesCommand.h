#pragma once

#include "core/duplicates/CNotDuplicatePairs.h"
#include "core/ui/CCommandTarget.h"

class CAddressDoc;
class CEditDialogs;
class CProfile;

// The command that looks for persons entered twice: it opens the duplicates dialog and, when
// the user merges a set, does the merge as one undoable step.
class CFindDuplicatesCommand : public CCommandTarget {
public:
    // The pairs told apart are kept in `profile`; without one, for as long as this lives.
    CFindDuplicatesCommand(CAddressDoc& doc, CEditDialogs& dialogs, CProfile* profile);

    bool HasCommand(int id) const override;
    // There is something to look for from two persons on.
    void OnUpdateCommand(int id, CCmdUI& ui) override;
    void OnCommand(int id) override;

private:
    CAddressDoc& m_doc;
    CEditDialogs& m_dialogs;
    CNotDuplicatePairs m_toldApart;
};
