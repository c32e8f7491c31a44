#pragma once

#include "storage/CReadResult.h"

#include <string_view>

class CAddressDoc;
class CRecordFactory;

// Reads the records of an address-book file from its bytes. Pure: it touches no document
// list and sends no hint; the caller puts the records in (see CDataFile).
class CDataFileReader {
public:
    CDataFileReader() = delete;

    // Persons come back with their m_groupList filled; no group's member list is touched.
    static CReadResult Read(std::string_view bytes, CRecordFactory& factory);
    // Makes the records in the document's store, which frees them with its contents.
    static CReadResult Read(std::string_view bytes, CAddressDoc& doc);
};
