#include "gui/print/CQtPrintDialogs.h"

#include "core/print/CListPrintout.h"
#include "gui/print/CListPrintPainter.h"
#include "gui/print/CPostcardPreviewDialog.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>

CQtPrintDialogs::CQtPrintDialogs(QWidget* window, CUserInterface& ui)
    : m_pWindow(window), m_ui(ui) {}

CQtPrintDialogs::~CQtPrintDialogs() = default;

QPrinter& CQtPrintDialogs::Printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageSize(QPageSize(QPageSize::A4));
        m_printer->setPageOrientation(QPageLayout::Portrait);
    }
    return *m_printer;
}

void CQtPrintDialogs::RunPostcardPreview(CPostcardPreviewModel& model) {
    CPostcardPreviewDialog dialog(model, m_ui, m_pWindow);
    dialog.exec();
}

void CQtPrintDialogs::PrintList(CListPrintout& printout, bool preview) {
    QPrinter& printer = Printer();
    // Turned as the columns need; the dialog still lets the user turn it back.
    const QSizeF portrait = printer.pageLayout().pageSize().size(QPageSize::Millimeter);
    printer.setPageOrientation(
        printout.WantsLandscape(std::min(portrait.width(), portrait.height()))
            ? QPageLayout::Landscape
            : QPageLayout::Portrait);
    if (preview) {
        QPrintPreviewDialog dialog(&printer, m_pWindow);
        QObject::connect(
            &dialog, &QPrintPreviewDialog::paintRequested,
            [&printout](QPrinter* target) { CListPrintPainter::Paint(*target, printout); });
        dialog.exec();
        return;
    }
    QPrintDialog dialog(&printer, m_pWindow);
    if (dialog.exec() == QDialog::Accepted)
        CListPrintPainter::Paint(printer, printout);
}

void CQtPrintDialogs::RunPageSetup() {
    QPageSetupDialog dialog(&Printer(), m_pWindow);
    dialog.exec();
}
