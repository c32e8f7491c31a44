#include "gui/dialogs/CQtCsvDialogs.h"

#include "core/text/CSharedTexts.h"
#include "gui/dialogs/CCSVExportDlg.h"
#include "gui/dialogs/CCSVImportDlg.h"
#include "gui/dialogs/CDialogTexts.h"
#include "gui/dialogs/CFileColumns.h"

#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>

namespace {
const QString CSV_FILTER = QString::fromUtf8(CDialogTexts::CSV_FILTER);
const QString ALL_FILTER = QString::fromUtf8(CSharedTexts::ALL_FILES_FILTER);

// "*.*" means every file where the filter comes from; many files here have no dot, so the
// chooser lists everything while that filter is chosen.
std::optional<std::string> RunChooser(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    CFileColumns::Install(dialog);
    dialog.setNameFilters({CSV_FILTER, ALL_FILTER});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (auto* model = dialog.findChild<QFileSystemModel*>()) {
        QObject::connect(&dialog, &QFileDialog::filterSelected, model,
                         [model](const QString& filter) {
                             if (filter == ALL_FILTER)
                                 model->setNameFilters({});
                         });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}
} // namespace

std::optional<std::string> CQtCsvDialogs::GetOpenCsvFileName() {
    QFileDialog dialog(m_pWindow, QString::fromUtf8(CSharedTexts::CSV_IMPORT));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return RunChooser(dialog);
}

std::optional<std::string> CQtCsvDialogs::GetSaveCsvFileName() {
    QFileDialog dialog(m_pWindow, QString::fromUtf8(CSharedTexts::CSV_EXPORT));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    return RunChooser(dialog);
}

void CQtCsvDialogs::ShowProgress(int percent) {
    if (percent >= 100) {
        m_progress.reset();
        return;
    }
    if (!m_progress) {
        // Shown only once the import has taken half a second; there is nothing to cancel, as
        // the document changes only after the whole file is read.
        m_progress = std::make_unique<QProgressDialog>(QString::fromUtf8(CSharedTexts::CSV_IMPORT),
                                                       QString(), 0, 100, m_pWindow);
        m_progress->setWindowModality(Qt::WindowModal);
        m_progress->setMinimumDuration(500);
        m_progress->setCancelButton(nullptr);
    }
    m_progress->setValue(percent);
}

bool CQtCsvDialogs::RunImportDialog(CCSVImportModel& model) {
    CCSVImportDlg dialog(model, m_pWindow);
    return dialog.exec() == QDialog::Accepted;
}

bool CQtCsvDialogs::RunExportDialog(CCSVExportModel& model) {
    CCSVExportDlg dialog(model, m_pWindow);
    return dialog.exec() == QDialog::Accepted;
}
