#include "gui/print/CPostcardPages.h"

#include "core/print/CPostcardGeometry.h"
#include "core/print/CPostcardLayout.h"
#include "gui/print/CPostcardPainter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

bool CPostcardPages::Paint(QPagedPaintDevice& device, int resolution,
                           const std::vector<CPostcardLayout>& cards, const QString& fontFamily,
                           bool withCard) {
    device.setPageLayout(
        QPageLayout(QPageSize(QSizeF(CPostcardGeometry::CARD_WIDTH, CPostcardGeometry::CARD_HEIGHT),
                              QPageSize::Millimeter),
                    QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const CPostcardPainter cardPainter(fontFamily, resolution / MM_PER_INCH);
    for (std::size_t at = 0; at < cards.size(); ++at) {
        if (at > 0)
            device.newPage();
        if (withCard)
            cardPainter.PaintCard(painter, cards[at]);
        cardPainter.PaintText(painter, cards[at]);
    }
    return painter.end();
}
