#include "gui/dialogs/CQtEditDialogs.h"

#include "gui/dialogs/CCategoryDialog.h"
#include "gui/dialogs/CDuplicateDlg.h"
#include "gui/dialogs/CPersonalDialog.h"
#include "gui/dialogs/CUniteGroupDlg.h"

#include <QApplication>

QWidget* CQtEditDialogs::Parent() const {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return m_pWindow;
}

bool CQtEditDialogs::RunPersonalDialog(CPersonalDialogModel& model) {
    CPersonalDialog dialog(model, Parent());
    QObject::connect(&dialog, &CPersonalDialog::commandRequested, &dialog, [this](int id) {
        if (m_sendCommand)
            m_sendCommand(id);
    });
    return dialog.exec() == QDialog::Accepted;
}

bool CQtEditDialogs::RunCategoryDialog(CCategoryDialogModel& model) {
    CCategoryDialog dialog(model, Parent());
    return dialog.exec() == QDialog::Accepted;
}

bool CQtEditDialogs::RunUniteGroupDialog(CUniteGroupModel& model) {
    CUniteGroupDlg dialog(model, Parent());
    return dialog.exec() == QDialog::Accepted;
}

bool CQtEditDialogs::RunDuplicateDialog(CDuplicateDialogModel& model) {
    CDuplicateDlg dialog(model, Parent());
    return dialog.exec() == QDialog::Accepted;
}
