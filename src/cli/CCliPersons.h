#pragma once

#include <optional>
#include <string>
#include <vector>

class CAddressDoc;
class CPersonalData;
class CTextCodec;

// The persons a sub-command works on: everyone in stored order, or the members of the first
// group of the name given (UTF-8, as the command line has it) in their order.
class CCliPersons {
public:
    CCliPersons() = delete;

    // A group's name given on the command line, in code page 932; a name that code page cannot
    // hold names no group, so it comes back as a name that matches nothing.
    static std::optional<std::string> GroupName(const std::optional<std::string>& utf8,
                                                const CTextCodec& codec);
    // Nothing when no group has the name.
    static std::optional<std::vector<CPersonalData*>>
    Select(const CAddressDoc& doc, const CTextCodec& codec,
           const std::optional<std::string>& group);
};
