#include "core/print/CPostcardSettings.h"

#include "core/print/CPrintTexts.h"
#include "core/settings/CProfile.h"

#include <algorithm>

namespace {
constexpr const char* SECTION = "Postcard";
constexpr const char* KEY_HONORIFIC = "Honorific";
constexpr const char* KEY_NUMERALS = "ArabicNumerals";
constexpr const char* KEY_OFFSET_X = "OffsetX";
constexpr const char* KEY_OFFSET_Y = "OffsetY";
constexpr const char* KEY_FONT = "Font";
constexpr const char* KEY_SENDER = "Sender";
constexpr double TENTHS_PER_MM = 10.0;

int Offset(const CProfile& profile, const char* key) {
    return std::clamp(profile.GetProfileInt(SECTION, key, 0), -CPostcardSettings::MAX_OFFSET_TENTHS,
                      CPostcardSettings::MAX_OFFSET_TENTHS);
}
} // namespace

const std::array<const char*, CPostcardSettings::HONORIFIC_COUNT>&
CPostcardSettings::HonorificChoices() {
    static constexpr std::array<const char*, HONORIFIC_COUNT> choices = {
        CPrintTexts::HONORIFIC_SAMA, CPrintTexts::HONORIFIC_DONO, CPrintTexts::HONORIFIC_ONCHU,
        CPrintTexts::HONORIFIC_SENSEI, CPrintTexts::HONORIFIC_NONE};
    return choices;
}

void CPostcardSettings::Load(const CProfile& profile) {
    const int honorific = profile.GetProfileInt(SECTION, KEY_HONORIFIC, 0);
    m_nHonorific = honorific >= 0 && honorific < static_cast<int>(HONORIFIC_COUNT) ? honorific : 0;
    m_numerals = profile.GetProfileInt(SECTION, KEY_NUMERALS, 0) != 0 ? ENumeralStyle::Arabic
                                                                      : ENumeralStyle::Kanji;
    m_nOffsetXTenths = Offset(profile, KEY_OFFSET_X);
    m_nOffsetYTenths = Offset(profile, KEY_OFFSET_Y);
    m_strFont = profile.GetProfileString(SECTION, KEY_FONT, "");
    m_strSenderKey = profile.GetProfileString(SECTION, KEY_SENDER, "");
}

void CPostcardSettings::Save(CProfile& profile) const {
    CProfile::CBatch batch(profile);
    profile.WriteProfileInt(SECTION, KEY_HONORIFIC, m_nHonorific);
    profile.WriteProfileInt(SECTION, KEY_NUMERALS, m_numerals == ENumeralStyle::Arabic ? 1 : 0);
    profile.WriteProfileInt(SECTION, KEY_OFFSET_X, m_nOffsetXTenths);
    profile.WriteProfileInt(SECTION, KEY_OFFSET_Y, m_nOffsetYTenths);
    profile.WriteProfileString(SECTION, KEY_FONT, CProfile::ReadBackForm(m_strFont));
    profile.WriteProfileString(SECTION, KEY_SENDER, CProfile::ReadBackForm(m_strSenderKey));
}

CPostcardOptions CPostcardSettings::ToOptions() const {
    CPostcardOptions options;
    if (m_nHonorific != HONORIFIC_NONE)
        options.m_strHonorific = HonorificChoices().at(static_cast<std::size_t>(m_nHonorific));
    options.m_numerals = m_numerals;
    options.m_dOffsetX = m_nOffsetXTenths / TENTHS_PER_MM;
    options.m_dOffsetY = m_nOffsetYTenths / TENTHS_PER_MM;
    options.m_strFont = m_strFont.empty() ? CPrintTexts::DEFAULT_FONT : m_strFont;
    return options;
}
