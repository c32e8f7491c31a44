#include "gui/print/CListPrintPainter.h"

#include "core/print/CListPrintout.h"
#include "gui/print/CPdfUnicodeMap.h"
#include "gui/print/CPostcardPages.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace {
constexpr double RULE_MM = 0.2;

// Draws one line of text in a box given in millimetres, cut short with "…" only where core's
// measure of it was too short for the font.
class CLinePainter {
public:
    CLinePainter(QPainter& painter, double unitsPerMm)
        : m_painter(painter), m_dUnitsPerMm(unitsPerMm) {}

    void Text(const std::string& utf8, double left, double top, double width,
              Qt::Alignment align = Qt::AlignLeft, double height = CListPrintout::ROW_HEIGHT) {
        const QRectF box(left * m_dUnitsPerMm, top * m_dUnitsPerMm, width * m_dUnitsPerMm,
                         height * m_dUnitsPerMm);
        const QString text = QFontMetricsF(m_painter.font(), m_painter.device())
                                 .elidedText(QString::fromUtf8(utf8), Qt::ElideRight, box.width());
        m_painter.drawText(box, static_cast<int>(align | Qt::AlignVCenter), text);
    }

    void Rule(double left, double right, double y) {
        m_painter.drawLine(QPointF(left * m_dUnitsPerMm, y * m_dUnitsPerMm),
                           QPointF(right * m_dUnitsPerMm, y * m_dUnitsPerMm));
    }

private:
    QPainter& m_painter;
    double m_dUnitsPerMm;
};

void PaintPage(QPainter& painter, CLinePainter& lines, const CListPrintout& printout, int page,
               double pageWidth, QFont font) {
    const double right = pageWidth - CListPrintout::MARGIN;
    const double textWidth = right - CListPrintout::MARGIN;
    painter.setFont(font);
    lines.Text(printout.GetHeader(), CListPrintout::MARGIN, CListPrintout::MARGIN, textWidth);
    const double top = CListPrintout::TitleTop();
    font.setBold(true);
    painter.setFont(font);
    for (const CListPrintColumn& column : printout.GetColumns())
        lines.Text(column.m_strTitle, column.m_dLeft + CListPrintout::CELL_PADDING, top,
                   column.m_dWidth - 2 * CListPrintout::CELL_PADDING);
    lines.Rule(CListPrintout::MARGIN, right, top + CListPrintout::ROW_HEIGHT);
    font.setBold(false);
    painter.setFont(font);
    for (const CListPrintRow& row : printout.GetPageRows(page)) {
        for (std::size_t column = 0; column < row.m_cells.size(); ++column) {
            const CListPrintColumn& place = printout.GetColumns()[column];
            double lineTop = row.m_dTop;
            // The first line sits where a row of one line would; the others below it.
            for (const std::string& line : row.m_cells[column]) {
                lines.Text(line, place.m_dLeft + CListPrintout::CELL_PADDING, lineTop,
                           place.m_dWidth - 2 * CListPrintout::CELL_PADDING);
                lineTop += CListPrintout::LINE_HEIGHT;
            }
        }
    }
    lines.Text(printout.GetFooter(page), CListPrintout::MARGIN, printout.FooterTop(), textWidth,
               Qt::AlignHCenter);
}
} // namespace

void CListPrintPainter::Paint(QPrinter& printer, CListPrintout& printout) {
    printer.setFullPage(true);
    const QSizeF paper = printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
    printout.Paginate(paper.width(), paper.height());
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const double unitsPerMm = printer.resolution() / CPostcardPages::MM_PER_INCH;
    painter.setPen(QPen(Qt::black, RULE_MM * unitsPerMm));
    QFont font = painter.font();
    font.setPixelSize(static_cast<int>(std::lround(CListPrintout::TEXT_EM * unitsPerMm)));
    CLinePainter lines(painter, unitsPerMm);
    const int from = printer.fromPage() > 0 ? printer.fromPage() - 1 : 0;
    const int to = printer.toPage() > 0 ? std::min(printer.toPage(), printout.GetPageCount())
                                        : printout.GetPageCount();
    for (int page = from; page < to; ++page) {
        if (page > from)
            printer.newPage();
        PaintPage(painter, lines, printout, page, paper.width(), font);
    }
    painter.end();
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        CPdfUnicodeMap::MendFile(printer.outputFileName(), font);
}
