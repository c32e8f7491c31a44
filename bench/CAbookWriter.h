#pragma once

#include <string>

class CAddressDoc;

// The persons of a document in abook's own addressbook format (UTF-8), so that the two
// programs can be timed on the same contacts.
class CAbookWriter {
public:
    CAbookWriter() = delete;

    static std::string Write(const CAddressDoc& doc);
};
