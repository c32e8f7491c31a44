#pragma once

#include "core/print/CGlyphCell.h"

#include <array>
#include <string>
#include <vector>

struct CPostcardOptions;
struct CPostcardParty;

// A box printed on the card itself; the preview draws it, the printer never does.
struct CCardBox {
    double m_dLeft = 0.0;
    double m_dTop = 0.0;
    double m_dWidth = 0.0;
    double m_dHeight = 0.0;
};

// The address side of one postcard: every character's cell in millimetres, laid out from the
// addressee, the sender (if any) and the options, ready for any painter.
class CPostcardLayout {
public:
    using CBoxCentres = std::array<double, 7>;

    static CPostcardLayout Build(const CPostcardParty& addressee, const CPostcardParty* sender,
                                 const CPostcardOptions& options);

    // The horizontal centres of the seven boxes, from the left edge.
    static CBoxCentres ZipBoxCentres();
    static CBoxCentres SenderBoxCentres();

    const std::vector<CGlyphCell>& GetCells() const { return m_cells; }
    const std::vector<CCardBox>& GetBoxes() const { return m_boxes; }
    // The addressee's postal code is not seven digits: the card needs a look before it goes.
    bool IsZipUnreadable() const { return m_bZipUnreadable; }

private:
    void AddZip(const std::string& zip, bool sender);
    void AddAddressee(const CPostcardParty& addressee, const CPostcardOptions& options);
    void AddSender(const CPostcardParty& sender, const CPostcardOptions& options);
    void AddBoxes(bool sender);
    void Shift(double dx, double dy);

    std::vector<CGlyphCell> m_cells;
    std::vector<CCardBox> m_boxes;
    bool m_bZipUnreadable = false;
};
