#include "core/print/CPostcardBatch.h"

#include "core/print/CPostcardParty.h"

#include <algorithm>
#include <optional>

CPostcardBatch::CPostcardBatch(const std::vector<const CPersonalData*>& persons,
                               const CPersonalData* sender, const CPostcardOptions& options,
                               const CTextCodec& codec) {
    const std::optional<CPostcardParty> from =
        sender ? std::optional(CPostcardParty::FromPerson(*sender, codec)) : std::nullopt;
    m_cards.reserve(persons.size());
    for (const CPersonalData* person : persons) {
        const CPostcardParty to = CPostcardParty::FromPerson(*person, codec);
        if (to.HasAddress())
            m_cards.push_back(CPostcardLayout::Build(to, from ? &*from : nullptr, options));
        else
            m_skipped.push_back(to.m_strName);
    }
}

std::size_t CPostcardBatch::CountUnreadableZips() const {
    return static_cast<std::size_t>(
        std::count_if(m_cards.begin(), m_cards.end(),
                      [](const CPostcardLayout& card) { return card.IsZipUnreadable(); }));
}

std::vector<CPostcardLayout> CPostcardBatch::GetCards(int first, int last) const {
    if (first < 1)
        return m_cards;
    const auto from = std::min(m_cards.size(), static_cast<std::size_t>(first - 1));
    const auto to = std::clamp(static_cast<std::size_t>(std::max(last, 0)), from, m_cards.size());
    return {m_cards.begin() + static_cast<std::ptrdiff_t>(from),
            m_cards.begin() + static_cast<std::ptrdiff_t>(to)};
}
