#pragma once

#include "core/print/CGlyphCell.h"

#include <string>
#include <vector>

// One step down a column: a cell's text (empty for a gap), its length in pitches, and whether
// it is part of a number (digits and the dashes between them).
struct CColumnToken {
    std::u32string m_text;
    double m_dAdvance = 1.0;
    bool m_bNumber = false;
};

// Where a run of columns may stand: the first column's right edge (or, centred, its centre),
// the top and bottom of every column, the size wanted, the step between cells in ems and how
// many columns the text may take, right to left.
struct CColumnFrame {
    double m_dX = 0.0;
    bool m_bCentred = false;
    double m_dTop = 0.0;
    double m_dBottom = 0.0;
    double m_dEm = 0.0;
    double m_dPitch = 1.0;
    int m_nMaxColumns = 1;
};

// A text broken into columns at the size it fits at.
struct CColumnFit {
    double m_dEm = 0.0;
    std::vector<std::vector<CColumnToken>> m_columns;
};

// Sets a text in vertical columns that never run past their bottom: a text too long for one
// column goes on in the next one (breaking at a space, else before a number, when the rest
// still fits), and a text too long for all of them is set smaller until it fits.
class CVerticalColumns {
public:
    CVerticalColumns() = delete;

    static CColumnFit Fit(const std::vector<CColumnToken>& tokens, const CColumnFrame& frame);
    // Appends a cell for every token that shows something, in vertical forms.
    static void Place(const CColumnFit& fit, const CColumnFrame& frame, EGlyphRole role,
                      std::vector<CGlyphCell>& cells);
    // A cell for one text at a centre; two digits side by side stay upright as they are.
    static CGlyphCell MakeCell(std::u32string_view text, double x, double y, double em,
                               EGlyphRole role);
};
