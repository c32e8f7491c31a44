#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// A user's text that a message echoes (a file name, a group name) with its control characters
// written as escapes, so that a name can neither break the message's line nor steer a terminal.
class CTextEscape {
public:
    CTextEscape() = delete;

    // UTF-8 in and out: tab, line feed and carriage return become \t, \n and \r, the other C0
    // controls and DEL \xHH, the C1 controls \u00HH; every other byte stays as it is.
    static std::string ControlCharacters(std::string_view utf8);
    static std::string Path(const std::filesystem::path& path) {
        return ControlCharacters(path.string());
    }
};
