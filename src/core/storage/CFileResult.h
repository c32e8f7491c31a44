#pragma once

#include <cstddef>
#include <string>

// The kinds of failure that callers treat differently; every other one is `Other`.
enum class EFileFailure {
    None,
    Missing,        // nothing at the path
    NotRegularFile, // a folder, a named pipe, a device
    TooLarge,       // more bytes than the reader accepts
    OutOfMemory,
    ReadOnly, // the file may not be written
    Other,
};

// How reading or writing a file went. The message is for the user (UTF-8): it names the file,
// what went wrong and, for a damaged file, the byte offset, which is also kept in `offset`.
struct CFileResult {
    bool ok = false;
    std::string message;
    std::size_t offset = 0;
    EFileFailure failure = EFileFailure::None;
};
