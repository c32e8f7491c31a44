#pragma once

#include "core/ui/CEditDialogs.h"

#include <functional>

// Plays the user of the editing dialogs: each script fills the model in and says whether the
// user confirms. A dialog without a script is cancelled.
class CScriptedEditDialogs : public CEditDialogs {
public:
    bool RunPersonalDialog(CPersonalDialogModel& model) override {
        ++m_nPersonalRuns;
        return m_personal && m_personal(model);
    }
    bool RunCategoryDialog(CCategoryDialogModel& model) override {
        ++m_nCategoryRuns;
        return m_category && m_category(model);
    }
    bool RunUniteGroupDialog(CUniteGroupModel& model) override {
        ++m_nUniteRuns;
        return m_unite && m_unite(model);
    }

    bool RunDuplicateDialog(CDuplicateDialogModel& model) override {
        ++m_nDuplicateRuns;
        return m_duplicate && m_duplicate(model);
    }

    std::function<bool(CPersonalDialogModel&)> m_personal;
    std::function<bool(CCategoryDialogModel&)> m_category;
    std::function<bool(CUniteGroupModel&)> m_unite;
    std::function<bool(CDuplicateDialogModel&)> m_duplicate;
    int m_nPersonalRuns = 0;
    int m_nCategoryRuns = 0;
    int m_nUniteRuns = 0;
    int m_nDuplicateRuns = 0;
};
