#pragma once

#include <cstdint>
#include <vector>

// Why persons were found to be the same person; a set may have several reasons.
enum class EDuplicateReason : std::uint8_t { Name = 1, Email = 2, Phone = 4 };

// Persons that may be one person, by their positions in the list searched, ascending.
struct CDuplicateSet {
    std::vector<std::uint32_t> indexes;
    std::uint8_t reasons = 0;

    bool Has(EDuplicateReason reason) const {
        return (reasons & static_cast<std::uint8_t>(reason)) != 0;
    }
    void Add(EDuplicateReason reason) { reasons |= static_cast<std::uint8_t>(reason); }
};
