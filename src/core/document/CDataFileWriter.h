#pragma once

#include "core/document/CAddressDoc.h"

#include <string>

// Writes the groups and persons of a document as the bytes of an address-book file.
class CDataFileWriter {
public:
    CDataFileWriter() = delete;

    // Renumbers the saved groups' serials 0, 1, 2 ... on the way, as persons refer to them by
    // serial; search-result groups (GROUP_TRANSIENT) and memberships in them are left out.
    static std::string Write(const CGroupList& groups, const CPersonList& persons);
};
