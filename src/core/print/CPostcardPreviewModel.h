#pragma once

#include "core/print/CPostcardBatch.h"
#include "core/print/CPostcardSettings.h"

#include <memory>
#include <string>
#include <vector>

class CPersonalData;
class CTextCodec;

// The postcard preview's decisions: the cards of the chosen persons under the current choices
// (laid out again whenever one changes), the page shown, and what the status line says.
class CPostcardPreviewModel {
public:
    CPostcardPreviewModel(std::vector<const CPersonalData*> persons, const CPersonalData* sender,
                          const CPostcardSettings& settings, const CTextCodec& codec);

    const CPostcardSettings& GetSettings() const { return m_settings; }
    CPostcardOptions GetOptions() const { return m_settings.ToOptions(); }
    void SetHonorific(int index);
    void SetNumerals(ENumeralStyle numerals);
    void SetOffset(int xTenths, int yTenths);
    void SetFont(const std::string& font);

    const CPostcardBatch& GetBatch() const { return *m_pBatch; }
    int GetPageCount() const { return static_cast<int>(m_pBatch->GetCards().size()); }
    int GetPage() const { return m_nPage; }
    // Kept within the pages.
    void SetPage(int page);
    bool CanGoBack() const { return m_nPage > 0; }
    bool CanGoNext() const { return m_nPage + 1 < GetPageCount(); }
    // The card shown, nothing when there is none.
    const CPostcardLayout* GetCard() const;

    // UTF-8: the count of cards, the persons skipped, the cards to look at.
    std::string GetStatusText() const;
    std::string GetPageText() const;
    std::string GetSenderText() const;
    bool CanPrint() const { return GetPageCount() > 0; }

private:
    void Rebuild();

    std::vector<const CPersonalData*> m_persons;
    const CPersonalData* m_pSender;
    CPostcardSettings m_settings;
    const CTextCodec& m_codec;
    std::unique_ptr<CPostcardBatch> m_pBatch;
    int m_nPage = 0;
};
