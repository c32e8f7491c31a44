#pragma once

#include <string>

class CAddressDoc;

// The address book as JSON (UTF-8) for scripts: groups, then persons with their texts, sex
// and the indexes of their groups, all in document order.
class CJsonDump {
public:
    CJsonDump() = delete;

    // Texts are converted from CP932; bytes that are not CP932 become U+FFFD.
    static std::string Dump(const CAddressDoc& doc);
};
