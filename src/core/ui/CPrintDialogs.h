#pragma once

class CListPrintout;
class CPostcardPreviewModel;

// The printing windows: the postcard preview and Qt's print, preview and page setup dialogs.
// The window presents them; tests record what was asked.
class CPrintDialogs {
public:
    virtual ~CPrintDialogs() = default;
    // Shows the cards until the user closes the window; printing and saving a PDF happen there.
    virtual void RunPostcardPreview(CPostcardPreviewModel& model) = 0;
    // The list through the print dialog, or through the print preview.
    virtual void PrintList(CListPrintout& printout, bool preview) = 0;
    // The printer and page the list is printed on.
    virtual void RunPageSetup() = 0;
};
