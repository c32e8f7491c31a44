#pragma once

#include <cstddef>
#include <string>

// How loading or saving a file went. The message is for the user (UTF-8): it names the file,
// what went wrong and, for a damaged file, the byte offset, which is also kept in `offset`.
struct CFileResult {
    bool ok = false;
    std::string message;
    std::size_t offset = 0;
};
