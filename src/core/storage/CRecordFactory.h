#pragma once

#include "model/CPersonalData.h"

#include <array>
#include <string_view>

class CGroup;

// Makes the records a reader finds. Whoever implements it owns them: a reader that fails
// half-way leaves what it made behind for the owner to discard.
class CRecordFactory {
public:
    using CTexts = std::array<std::string_view, CPersonalData::TEXT_COUNT>;

    CRecordFactory() = default;
    CRecordFactory(const CRecordFactory&) = delete;
    CRecordFactory& operator=(const CRecordFactory&) = delete;
    virtual ~CRecordFactory() = default;

    virtual CGroup* NewGroup(std::string_view name) = 0;
    // The texts in file order.
    virtual CPersonalData* NewPerson(const CTexts& texts, int sex) = 0;
};
