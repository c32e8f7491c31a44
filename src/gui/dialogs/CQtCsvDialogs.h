#pragma once

#include "core/ui/CCsvDialogs.h"

#include <QPointer>
#include <QProgressDialog>
#include <QWidget>

#include <memory>

// Runs the CSV dialogs modally over the main window, and the file choosers that offer CSV
// files or every file.
class CQtCsvDialogs : public CCsvDialogs {
public:
    explicit CQtCsvDialogs(QWidget* window) : m_pWindow(window) {}

    std::optional<std::string> GetOpenCsvFileName() override;
    std::optional<std::string> GetSaveCsvFileName() override;
    bool RunImportDialog(CCSVImportModel& model) override;
    bool RunExportDialog(CCSVExportModel& model) override;
    void ShowProgress(int percent) override;

private:
    QPointer<QWidget> m_pWindow;
    std::unique_ptr<QProgressDialog> m_progress;
};
