#include "gui/dialogs/CQtMailDialogs.h"

#include "gui/dialogs/CCopiedAddressDialog.h"
#include "gui/dialogs/COptionSheet.h"

#include <QApplication>

QWidget* CQtMailDialogs::Parent() const {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return m_pWindow;
}

std::optional<std::size_t>
CQtMailDialogs::RunCopiedAddressDialog(const std::vector<std::string>& recent) {
    CCopiedAddressDialog dialog(recent, Parent());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.GetChosen();
}

bool CQtMailDialogs::RunOptionSheet(COptionSheetModel& model) {
    COptionSheet sheet(model, Parent());
    return sheet.exec() == QDialog::Accepted;
}
