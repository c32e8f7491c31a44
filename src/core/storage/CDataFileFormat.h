#pragma once

#include "core/storage/CArchiveClass.h"

#include <cstddef>
#include <cstdint>

// The two classes an address-book file holds, and the least room each item can take in it.
class CDataFileFormat {
public:
    CDataFileFormat() = delete;

    static constexpr std::uint16_t PERSON_SCHEMA = 170;
    static constexpr CArchiveClass GROUP_CLASS{"CGroup", 0, false};
    static constexpr CArchiveClass PERSON_CLASS{"CPersonalData", PERSON_SCHEMA, true};

    // A class reference and an empty name.
    static constexpr std::size_t MIN_GROUP_BYTES = 2 + 1;
    // A class reference, the five texts every schema has, the sex and a membership count.
    static constexpr std::size_t MIN_PERSON_BYTES = 2 + 5 + 4 + 4;
    static constexpr std::size_t SERIAL_BYTES = 4;
};
