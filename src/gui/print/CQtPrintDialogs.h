#pragma once

#include "core/ui/CPrintDialogs.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class CUserInterface;
class QPrinter;

// Runs the printing windows modally over the main window. The printer and page chosen in the
// page setup stay for the session's next list printout; A4 portrait until then.
class CQtPrintDialogs : public CPrintDialogs {
public:
    CQtPrintDialogs(QWidget* window, CUserInterface& ui);
    ~CQtPrintDialogs() override;
    CQtPrintDialogs(const CQtPrintDialogs&) = delete;
    CQtPrintDialogs& operator=(const CQtPrintDialogs&) = delete;

    void RunPostcardPreview(CPostcardPreviewModel& model) override;
    void PrintList(CListPrintout& printout, bool preview) override;
    void RunPageSetup() override;

private:
    QPrinter& Printer();

    QPointer<QWidget> m_pWindow;
    CUserInterface& m_ui;
    std::unique_ptr<QPrinter> m_printer;
};
