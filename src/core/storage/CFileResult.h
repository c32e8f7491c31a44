#pragma once

#include <cstddef>
#include <string>
#include <utility>

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
    CFileResult() = default;
    // Written as {ok, message, offset, failure}, the warning left out.
    CFileResult(bool isOk, std::string text, std::size_t at = 0,
                EFileFailure kind = EFileFailure::None)
        : ok(isOk), message(std::move(text)), offset(at), failure(kind) {}

    bool ok = false;
    std::string message;
    std::size_t offset = 0;
    EFileFailure failure = EFileFailure::None;
    // Something the user should know of an operation that succeeded, UTF-8; usually empty.
    std::string warning;
};
