#include "gui/print/CPostcardPainter.h"

#include "core/print/CPostcardGeometry.h"
#include "core/print/CPostcardLayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
// The red of the boxes and frame printed on the post office's cards.
const QColor CARD_PRINT_COLOUR(220, 60, 50);
constexpr double CARD_LINE_MM = 0.2;
} // namespace

CPostcardPainter::CPostcardPainter(QString fontFamily, double unitsPerMm)
    : m_fontFamily(std::move(fontFamily)), m_dUnitsPerMm(unitsPerMm) {}

void CPostcardPainter::PaintText(QPainter& painter, const CPostcardLayout& layout) const {
    QFont font(m_fontFamily);
    painter.setPen(Qt::black);
    int lastSize = -1;
    for (const CGlyphCell& cell : layout.GetCells()) {
        const int size = std::max(1, static_cast<int>(std::lround(cell.m_dEm * m_dUnitsPerMm)));
        if (size != lastSize) {
            font.setPixelSize(size);
            painter.setFont(font);
            lastSize = size;
        }
        const QString text = QString::fromUtf8(cell.m_strText);
        const QFontMetricsF metrics(font, painter.device());
        const double advance = metrics.horizontalAdvance(text);
        const double room = cell.m_dWidth * m_dUnitsPerMm;
        painter.save();
        painter.translate(cell.m_dX * m_dUnitsPerMm, cell.m_dY * m_dUnitsPerMm);
        painter.rotate(cell.m_nRotation);
        if (advance > room && advance > 0)
            painter.scale(room / advance, 1.0);
        // A turned dash or long vowel mark sits on the column's axis by its ink, wherever the
        // font puts it in its square.
        const QPointF origin = cell.m_nRotation != 0
                                   ? -metrics.tightBoundingRect(text).center()
                                   : QPointF(-advance / 2.0, cell.m_dBaseline * m_dUnitsPerMm);
        painter.drawText(origin, text);
        painter.restore();
    }
}

void CPostcardPainter::PaintCard(QPainter& painter, const CPostcardLayout& layout) const {
    painter.save();
    painter.setBrush(Qt::white);
    painter.setPen(QPen(Qt::darkGray, CARD_LINE_MM * m_dUnitsPerMm));
    painter.drawRect(QRectF(0, 0, CPostcardGeometry::CARD_WIDTH * m_dUnitsPerMm,
                            CPostcardGeometry::CARD_HEIGHT * m_dUnitsPerMm));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(CARD_PRINT_COLOUR, CARD_LINE_MM * m_dUnitsPerMm));
    for (const CCardBox& box : layout.GetBoxes())
        painter.drawRect(QRectF(box.m_dLeft * m_dUnitsPerMm, box.m_dTop * m_dUnitsPerMm,
                                box.m_dWidth * m_dUnitsPerMm, box.m_dHeight * m_dUnitsPerMm));
    painter.restore();
}
