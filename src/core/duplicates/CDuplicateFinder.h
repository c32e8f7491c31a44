#pragma once

#include "core/duplicates/CDuplicateSet.h"

#include <cstdint>
#include <utility>
#include <vector>

class CPersonalData;

// Gathers persons that may be the same person into sets: two are candidates when their names,
// an e-mail address or a phone number give the same key, and candidates of candidates join the
// same set. Keys are hashed and sorted, so the time grows with the number of persons, not of
// pairs.
class CDuplicateFinder {
public:
    // Two positions in the list searched that the user said are different persons.
    using CPair = std::pair<std::uint32_t, std::uint32_t>;

    // The sets of two or more, each with its positions ascending, ordered by their first.
    std::vector<CDuplicateSet> Find(const std::vector<const CPersonalData*>& persons,
                                    const std::vector<CPair>& notDuplicates = {}) const;
};
