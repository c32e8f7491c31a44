#pragma once

#include "CDialogCheck.h"
#include "core/ui/CEditDialogs.h"
#include "gui/dialogs/CCategoryDialog.h"
#include "gui/dialogs/CDuplicateDlg.h"
#include "gui/dialogs/CPersonalDialog.h"
#include "gui/dialogs/CPickListBox.h"
#include "gui/dialogs/CUniteGroupDlg.h"

#include <QApplication>
#include <QFocusEvent>
#include <QItemSelection>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

// Opens the real Qt dialogs without a modal loop: a script plays the user on the dialog, and
// the dialog counts as confirmed when the script's clicks accepted it.
class CDrivenEditDialogs : public CEditDialogs {
public:
    bool RunPersonalDialog(CPersonalDialogModel& model) override {
        CPersonalDialog dialog(model);
        return Drive(dialog, m_personal);
    }
    bool RunCategoryDialog(CCategoryDialogModel& model) override {
        CCategoryDialog dialog(model);
        return Drive(dialog, m_category);
    }
    bool RunUniteGroupDialog(CUniteGroupModel& model) override {
        CUniteGroupDlg dialog(model);
        return Drive(dialog, m_unite);
    }
    bool RunDuplicateDialog(CDuplicateDialogModel& model) override {
        CDuplicateDlg dialog(model);
        return Drive(dialog, m_duplicate);
    }

    // What a user's click on a list row does: the list gets the focus, then the selection.
    static void ClickRows(CPickListBox& box, const std::vector<int>& rows) {
        QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(&box, &focusIn);
        QItemSelection selection;
        for (const int row : rows)
            selection.select(box.model()->index(row, 0), box.model()->index(row, 0));
        box.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    }

    static void Click(QWidget& dialog, const char* button) {
        dialog.findChild<QPushButton*>(QLatin1String(button))->click();
    }

    static QStringList Rows(const QWidget& dialog, const char* box) {
        const auto* view = dialog.findChild<CPickListBox*>(QLatin1String(box));
        QStringList rows;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            rows << view->model()->index(row, 0).data().toString();
        return rows;
    }

    std::function<void(CPersonalDialog&)> m_personal;
    std::function<void(CCategoryDialog&)> m_category;
    std::function<void(CUniteGroupDlg&)> m_unite;
    std::function<void(CDuplicateDlg&)> m_duplicate;

private:
    template <typename Dialog>
    static bool Drive(Dialog& dialog, const std::function<void(Dialog&)>& script) {
        CDialogCheck::Expect(dialog);
        if (script)
            script(dialog);
        return dialog.result() == QDialog::Accepted;
    }
};
