#include "gui/print/CPostcardPageWidget.h"

#include "core/print/CPostcardGeometry.h"
#include "core/print/CPostcardPreviewModel.h"
#include "core/print/CPrintTexts.h"
#include "gui/print/CPostcardPages.h"
#include "gui/print/CPostcardPainter.h"

#include <QPainter>

namespace {
constexpr int MARGIN = 12;
constexpr int MARK_WIDTH = 3;
} // namespace

CPostcardPageWidget::CPostcardPageWidget(const CPostcardPreviewModel& model, QWidget* parent)
    : QWidget(parent), m_model(model) {
    setBackgroundRole(QPalette::Dark);
    setAutoFillBackground(true);
}

void CPostcardPageWidget::SetZoom(double zoom) {
    m_dZoom = zoom;
    updateGeometry();
    resize(sizeHint());
    update();
}

double CPostcardPageWidget::UnitsPerMm() const {
    return m_dZoom * logicalDpiX() / CPostcardPages::MM_PER_INCH;
}

QSize CPostcardPageWidget::sizeHint() const {
    return {static_cast<int>(CPostcardGeometry::CARD_WIDTH * UnitsPerMm()) + 2 * MARGIN,
            static_cast<int>(CPostcardGeometry::CARD_HEIGHT * UnitsPerMm()) + 2 * MARGIN};
}

void CPostcardPageWidget::paintEvent(QPaintEvent*) {
    const CPostcardLayout* card = m_model.GetCard();
    if (!card)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(MARGIN, MARGIN);
    const CPostcardPainter cardPainter(QString::fromStdString(m_model.GetOptions().m_strFont),
                                       UnitsPerMm());
    cardPainter.PaintCard(painter, *card);
    cardPainter.PaintText(painter, *card);
    if (!card->IsZipUnreadable())
        return;
    const QRectF edge(0, 0, CPostcardGeometry::CARD_WIDTH * UnitsPerMm(),
                      CPostcardGeometry::CARD_HEIGHT * UnitsPerMm());
    painter.setPen(QPen(Qt::red, MARK_WIDTH));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(edge);
    painter.setFont(font());
    painter.drawText(edge.adjusted(MARK_WIDTH * 2, MARK_WIDTH * 2, 0, 0),
                     Qt::AlignLeft | Qt::AlignTop,
                     QString::fromUtf8(CPrintTexts::PREVIEW_ZIP_MARK));
}
