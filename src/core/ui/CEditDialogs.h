#pragma once

class CCategoryDialogModel;
class CDuplicateDialogModel;
class CPersonalDialogModel;
class CUniteGroupModel;

// Runs the editing dialogs modally. Each dialog works on its model, which holds every decision;
// the window presents it, tests fill it in and confirm or cancel. True when the user confirmed.
class CEditDialogs {
public:
    virtual ~CEditDialogs() = default;
    virtual bool RunPersonalDialog(CPersonalDialogModel& model) = 0;
    virtual bool RunCategoryDialog(CCategoryDialogModel& model) = 0;
    virtual bool RunUniteGroupDialog(CUniteGroupModel& model) = 0;
    // True when the user chose to merge the set the model holds.
    virtual bool RunDuplicateDialog(CDuplicateDialogModel& model) = 0;
};
