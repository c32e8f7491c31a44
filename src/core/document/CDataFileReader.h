#pragma once

#include "core/storage/CReadError.h"
#include "core/storage/CReadResult.h"

#include <optional>
#include <string_view>

class CAddressDoc;
class CRecordVisitor;

// Reads the records of an address-book file from its bytes. Pure: it touches no document
// list and sends no hint; the caller puts the records in (see CDataFile).
class CDataFileReader {
public:
    CDataFileReader() = delete;

    // Walks the whole file, telling the visitor of each record; nothing when it is sound.
    static std::optional<CReadError> Visit(std::string_view bytes, CRecordVisitor& visitor);

    // Makes the records in the document's store, which frees them with its contents. Persons
    // come back with their m_groupList filled; no group's member list is touched.
    static CReadResult Read(std::string_view bytes, CAddressDoc& doc);
};
