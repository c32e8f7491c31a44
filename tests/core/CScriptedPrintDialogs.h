#pragma once

#include "core/print/CListPrintout.h"
#include "core/print/CPostcardPreviewModel.h"
#include "core/ui/CPrintDialogs.h"

#include <functional>
#include <optional>
#include <string>

// Plays the user of the printing windows: the preview runs its script on the model, and what
// each window was shown is kept for the test to read.
class CScriptedPrintDialogs : public CPrintDialogs {
public:
    void RunPostcardPreview(CPostcardPreviewModel& model) override {
        m_nPreviewCards = model.GetPageCount();
        m_previewStatus = model.GetStatusText();
        m_previewSender = model.GetSenderText();
        if (m_preview)
            m_preview(model);
    }
    void PrintList(CListPrintout& printout, bool preview) override {
        printout.Paginate(m_dPageWidth, m_dPageHeight);
        m_printout.emplace(printout);
        m_bListPreview = preview;
    }
    void RunPageSetup() override { ++m_nPageSetups; }

    std::function<void(CPostcardPreviewModel&)> m_preview;
    int m_nPreviewCards = -1;
    std::string m_previewStatus;
    std::string m_previewSender;
    std::optional<CListPrintout> m_printout;
    bool m_bListPreview = false;
    double m_dPageWidth = 210.0;
    double m_dPageHeight = 297.0;
    int m_nPageSetups = 0;
};
