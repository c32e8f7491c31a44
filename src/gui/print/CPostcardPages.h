#pragma once

#include <QString>

#include <vector>

class CPostcardLayout;
class QPagedPaintDevice;

// Paints cards one to a page on any paged device whose page is the card: a PDF writer or a
// printer fed with postcards.
class CPostcardPages {
public:
    CPostcardPages() = delete;

    static constexpr double MM_PER_INCH = 25.4;

    // Sets the device's page to the card with no margins; `withCard` adds the card's edge and
    // boxes, for looking at a run before printing it. False when painting could not start.
    static bool Paint(QPagedPaintDevice& device, int resolution,
                      const std::vector<CPostcardLayout>& cards, const QString& fontFamily,
                      bool withCard = false);
};
