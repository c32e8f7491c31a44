#include "core/app/CDocumentEditor.h"

#include "core/commands/CAddGroupCommand.h"
#include "core/commands/CCommandGroup.h"
#include "core/commands/CModifyGroupCommand.h"
#include "core/dialogs/CCategoryDialogModel.h"
#include "core/dialogs/CPersonalDialogModel.h"
#include "core/dialogs/CUniteGroupModel.h"
#include "core/document/CAddressDoc.h"
#include "core/ui/CEditDialogs.h"
#include "core/ui/CommandIds.h"

#include <vector>

namespace {
std::vector<CPersonalData*> Persons(const CAddressDoc& doc) {
    return doc.GetPersonList().ToVector();
}
std::vector<CGroup*> Groups(const CAddressDoc& doc) {
    return doc.GetGroupList().ToVector();
}
} // namespace

CDocumentEditor::CDocumentEditor(CAddressDoc& doc, CUserInterface& ui, CEditDialogs& dialogs,
                                 std::function<CGroup*()> shownGroup)
    : m_doc(doc), m_ui(ui), m_dialogs(dialogs), m_shownGroup(std::move(shownGroup)) {}

bool CDocumentEditor::HasCommand(int id) const {
    return id == ID_NEW_PERSON || id == ID_NEW_GROUP || id == ID_UNITE_GROUPS;
}

void CDocumentEditor::OnCommand(int id) {
    switch (id) {
    case ID_NEW_PERSON:
        OnNewPerson();
        break;
    case ID_NEW_GROUP:
        OnNewGroup();
        break;
    case ID_UNITE_GROUPS:
        OnUniteGroups();
        break;
    default:
        break;
    }
}

void CDocumentEditor::OnNewPerson() {
    CGroup* initialGroup = m_shownGroup ? m_shownGroup() : nullptr;
    CPersonalDialogModel dialog(m_doc, m_ui, m_dialogs, initialGroup);
    if (m_dialogs.RunPersonalDialog(dialog))
        m_doc.ExecuteCommand(dialog.MakeCommand());
}

void CDocumentEditor::OnNewGroup() {
    CCategoryDialogModel dialog(m_ui, Persons(m_doc), Groups(m_doc));
    if (m_dialogs.RunCategoryDialog(dialog))
        m_doc.ExecuteCommand(std::make_unique<CAddGroupCommand>(dialog.MakeGroup(m_doc), false));
}

void CDocumentEditor::OnUniteGroups() {
    CUniteGroupModel dialog(m_ui, Groups(m_doc));
    if (m_dialogs.RunUniteGroupDialog(dialog))
        m_doc.ExecuteCommand(dialog.MakeCommand(m_doc));
}

void CDocumentEditor::EditPerson(CPersonalData* person, int focusField) {
    if (!person || person->m_place == EPersonPlace::None)
        return;
    CPersonalDialogModel dialog(m_doc, m_ui, m_dialogs, *person);
    dialog.SetFocusField(focusField);
    if (!m_dialogs.RunPersonalDialog(dialog))
        return;
    m_doc.SetModifiedFlag();
    m_doc.ExecuteCommand(dialog.MakeCommand());
}

bool CDocumentEditor::EditGroup(CGroup* group) {
    if (!group || !m_doc.ContainsGroup(group))
        return false;
    CCategoryDialogModel dialog(m_ui, Persons(m_doc), Groups(m_doc), *group);
    if (!m_dialogs.RunCategoryDialog(dialog))
        return false;
    m_doc.SetModifiedFlag();
    m_doc.ExecuteCommand(std::make_unique<CModifyGroupCommand>(group, dialog.MakeGroup(m_doc)));
    return true;
}
