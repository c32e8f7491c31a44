#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

class CPostcardLayout;

// The cards as a PDF, one postcard-sized page each, with real text that can be searched and
// copied.
class CPostcardPdf {
public:
    CPostcardPdf() = delete;

    // The device resolution: fine enough that whole device pixels place glyphs to 0.03 mm.
    static constexpr int RESOLUTION = 1200;

    // `withCard` adds the card's edge and boxes, for looking at a run before printing it.
    static QByteArray Render(const std::vector<CPostcardLayout>& cards, const QString& fontFamily,
                             bool withCard = false);
};
