#pragma once

#include <string>

// The system's reason for a failed file operation, in the program's language. The common
// causes have texts of their own; a rare one keeps the system's words after its number.
class CSystemMessage {
public:
    static std::string Describe(int error);
};
