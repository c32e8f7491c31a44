#pragma once

#include "core/ui/CCommandTarget.h"
#include "core/ui/CRecordEditor.h"

#include <functional>

class CAddressDoc;
class CEditDialogs;
class CGroup;
class CPersonalData;
class CUserInterface;

// The document's commands that create and edit records through the editing dialogs: new
// person, new group, unite groups, and the tree's and list's modify command. Each opens its
// dialog and, when the user confirms, does the dialog's one command and records it for undo.
class CDocumentEditor : public CRecordEditor, public CCommandTarget {
public:
    // `shownGroup` answers which group the person list shows, null for none.
    CDocumentEditor(CAddressDoc& doc, CUserInterface& ui, CEditDialogs& dialogs,
                    std::function<CGroup*()> shownGroup);
    CDocumentEditor(const CDocumentEditor&) = delete;
    CDocumentEditor& operator=(const CDocumentEditor&) = delete;
    ~CDocumentEditor() override = default;

    bool HasCommand(int id) const override;
    void OnCommand(int id) override;

    // The new person starts in the group the person list shows.
    void OnNewPerson();
    void OnNewGroup();
    void OnUniteGroups();
    void EditPerson(CPersonalData* person, int focusField) override;
    bool EditGroup(CGroup* group) override;

private:
    CAddressDoc& m_doc;
    CUserInterface& m_ui;
    CEditDialogs& m_dialogs;
    std::function<CGroup*()> m_shownGroup;
};
