#pragma once

#include <cstdint>
#include <string_view>

// A class as the archive encoding names it: its name, its schema number and whether files of
// older schemas can still be read (a non-versionable class accepts exactly its own schema).
struct CArchiveClass {
    std::string_view name;
    std::uint16_t schema = 0;
    bool versionable = false;
};
