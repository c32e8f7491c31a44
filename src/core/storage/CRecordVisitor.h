#pragma once

#include "core/model/CPersonalData.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// Told of each record while a data file is read, in file order. The texts are views into the
// file's bytes and live only as long as they do. Does nothing unless overridden, so a plain
// visitor only checks the file.
class CRecordVisitor {
public:
    using CTexts = std::array<std::string_view, CPersonalData::TEXT_COUNT>;

    CRecordVisitor() = default;
    CRecordVisitor(const CRecordVisitor&) = delete;
    CRecordVisitor& operator=(const CRecordVisitor&) = delete;
    virtual ~CRecordVisitor() = default;

    // How many groups and persons follow, each checked against the bytes left.
    virtual void OnGroupCount(std::uint32_t /*count*/) {}
    virtual void OnPersonCount(std::uint32_t /*count*/) {}
    virtual void OnGroup(std::string_view /*name*/) {}
    // `texts` in file order; `groups` are the serials of the person's groups, each naming a
    // group already visited, none twice.
    virtual void OnPerson(const CTexts& /*texts*/, int /*sex*/,
                          std::span<const std::int32_t> /*groups*/) {}
};
