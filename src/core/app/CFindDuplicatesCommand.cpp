#include "core/app/CFindDuplicatesCommand.h"

#include "core/commands/CCommand.h"
#include "core/dialogs/CDuplicateDialogModel.h"
#include "core/document/CAddressDoc.h"
#include "core/ui/CCmdUI.h"
#include "core/ui/CEditDialogs.h"
#include "core/ui/CommandIds.h"

CFindDuplicatesCommand::CFindDuplicatesCommand(CAddressDoc& doc, CEditDialogs& dialogs,
                                               CProfile* profile)
    : m_doc(doc), m_dialogs(dialogs), m_toldApart(profile) {}

bool CFindDuplicatesCommand::HasCommand(int id) const {
    return id == ID_FIND_DUPLICATES;
}

void CFindDuplicatesCommand::OnUpdateCommand(int /*id*/, CCmdUI& ui) {
    ui.Enable(m_doc.GetPersonList().size() >= 2);
}

void CFindDuplicatesCommand::OnCommand(int id) {
    if (id != ID_FIND_DUPLICATES || m_doc.GetPersonList().size() < 2)
        return;
    CDuplicateDialogModel dialog(m_doc, m_toldApart);
    if (m_dialogs.RunDuplicateDialog(dialog) && dialog.CanMerge())
        m_doc.ExecuteCommand(dialog.MakeCommand(m_doc));
}
