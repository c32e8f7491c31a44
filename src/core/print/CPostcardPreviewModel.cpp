#include "core/print/CPostcardPreviewModel.h"

#include "core/model/CPersonalData.h"
#include "core/print/CPrintTexts.h"
#include "core/text/CTextCodec.h"
#include "core/text/CTextFormat.h"

#include <algorithm>

CPostcardPreviewModel::CPostcardPreviewModel(std::vector<const CPersonalData*> persons,
                                             const CPersonalData* sender,
                                             const CPostcardSettings& settings,
                                             const CTextCodec& codec)
    : m_persons(std::move(persons)), m_pSender(sender), m_settings(settings), m_codec(codec) {
    Rebuild();
}

void CPostcardPreviewModel::SetHonorific(int index) {
    m_settings.m_nHonorific =
        std::clamp(index, 0, static_cast<int>(CPostcardSettings::HONORIFIC_COUNT) - 1);
    Rebuild();
}

void CPostcardPreviewModel::SetNumerals(ENumeralStyle numerals) {
    m_settings.m_numerals = numerals;
    Rebuild();
}

void CPostcardPreviewModel::SetOffset(int xTenths, int yTenths) {
    m_settings.m_nOffsetXTenths = std::clamp(xTenths, -CPostcardSettings::MAX_OFFSET_TENTHS,
                                             CPostcardSettings::MAX_OFFSET_TENTHS);
    m_settings.m_nOffsetYTenths = std::clamp(yTenths, -CPostcardSettings::MAX_OFFSET_TENTHS,
                                             CPostcardSettings::MAX_OFFSET_TENTHS);
    Rebuild();
}

void CPostcardPreviewModel::SetFont(const std::string& font) {
    m_settings.m_strFont = font;
}

void CPostcardPreviewModel::SetPage(int page) {
    m_nPage = std::clamp(page, 0, std::max(0, GetPageCount() - 1));
}

const CPostcardLayout* CPostcardPreviewModel::GetCard() const {
    if (GetPageCount() == 0)
        return nullptr;
    return &m_pBatch->GetCards()[static_cast<std::size_t>(m_nPage)];
}

std::string CPostcardPreviewModel::GetStatusText() const {
    std::string text =
        CTextFormat::Format(CPrintTexts::PREVIEW_CARDS, {std::to_string(GetPageCount())});
    if (const std::size_t skipped = m_pBatch->GetSkippedNames().size())
        text += CPrintTexts::PREVIEW_SEPARATOR +
                CTextFormat::Format(CPrintTexts::PREVIEW_SKIPPED, {std::to_string(skipped)});
    if (const std::size_t unreadable = m_pBatch->CountUnreadableZips())
        text += CPrintTexts::PREVIEW_SEPARATOR +
                CTextFormat::Format(CPrintTexts::PREVIEW_UNREADABLE, {std::to_string(unreadable)});
    return text;
}

std::string CPostcardPreviewModel::GetPageText() const {
    return CTextFormat::Format(
        CPrintTexts::PREVIEW_PAGE,
        {std::to_string(GetPageCount() ? m_nPage + 1 : 0), std::to_string(GetPageCount())});
}

std::string CPostcardPreviewModel::GetSenderText() const {
    if (!m_pSender)
        return CPrintTexts::PREVIEW_NO_SENDER;
    return CTextFormat::Format(CPrintTexts::PREVIEW_SENDER,
                               {m_codec.ToUtf8(m_pSender->GetText(EPersonText::Name))});
}

void CPostcardPreviewModel::Rebuild() {
    m_pBatch =
        std::make_unique<CPostcardBatch>(m_persons, m_pSender, m_settings.ToOptions(), m_codec);
    SetPage(m_nPage);
}
