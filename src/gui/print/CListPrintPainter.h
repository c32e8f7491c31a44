#pragma once

class CListPrintout;
class QPrinter;

// Paints the person list on a printer or a print preview's printer: the printout's pages laid
// out for the printer's paper.
class CListPrintPainter {
public:
    CListPrintPainter() = delete;

    static void Paint(QPrinter& printer, CListPrintout& printout);
};
