#include "gui/print/CPostcardPdf.h"

#include "core/print/CPostcardGeometry.h"
#include "core/print/CPostcardLayout.h"
#include "gui/print/CPdfUnicodeMap.h"
#include "gui/print/CPostcardPainter.h"

#include <QBuffer>
#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {
constexpr double MM_PER_INCH = 25.4;
} // namespace

QByteArray CPostcardPdf::Render(const std::vector<CPostcardLayout>& cards,
                                const QString& fontFamily, bool withCard) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(RESOLUTION);
        writer.setPageSize(
            QPageSize(QSizeF(CPostcardGeometry::CARD_WIDTH, CPostcardGeometry::CARD_HEIGHT),
                      QPageSize::Millimeter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        const CPostcardPainter cardPainter(fontFamily, RESOLUTION / MM_PER_INCH);
        for (std::size_t at = 0; at < cards.size(); ++at) {
            if (at > 0)
                writer.newPage();
            if (withCard)
                cardPainter.PaintCard(painter, cards[at]);
            cardPainter.PaintText(painter, cards[at]);
        }
    }
    CPdfUnicodeMap::PreferIdeographs(bytes, CPdfUnicodeMap::RadicalsOf(QFont(fontFamily)));
    return bytes;
}
