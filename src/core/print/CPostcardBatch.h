#pragma once

#include "core/print/CPostcardLayout.h"
#include "core/print/CPostcardOptions.h"

#include <string>
#include <vector>

class CPersonalData;
class CTextCodec;

// The cards of one run, one per person with an address, in the order given; the persons
// without an address are named instead, so that the user hears who got no card.
class CPostcardBatch {
public:
    CPostcardBatch(const std::vector<const CPersonalData*>& persons, const CPersonalData* sender,
                   const CPostcardOptions& options, const CTextCodec& codec);

    const std::vector<CPostcardLayout>& GetCards() const { return m_cards; }
    // The cards of pages `first` to `last` (1 the first card, both included), as a print
    // dialog's page range names them; 0 for `first` names them all.
    std::vector<CPostcardLayout> GetCards(int first, int last) const;
    // UTF-8 names.
    const std::vector<std::string>& GetSkippedNames() const { return m_skipped; }
    std::size_t CountUnreadableZips() const;

private:
    std::vector<CPostcardLayout> m_cards;
    std::vector<std::string> m_skipped;
};
