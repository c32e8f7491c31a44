#pragma once

#include <QString>

class CPostcardLayout;
class QPainter;

// Paints a card's layout with QPainter: printer, PDF and preview alike. Everything it draws
// comes from the layout; it only turns millimetres into the device's units.
class CPostcardPainter {
public:
    // `unitsPerMm`: the painter's units in one millimetre of the card.
    CPostcardPainter(QString fontFamily, double unitsPerMm);

    void PaintText(QPainter& painter, const CPostcardLayout& layout) const;
    // The card's edge and its printed boxes, for the preview only: the card carries them.
    void PaintCard(QPainter& painter, const CPostcardLayout& layout) const;

private:
    QString m_fontFamily;
    double m_dUnitsPerMm;
};
