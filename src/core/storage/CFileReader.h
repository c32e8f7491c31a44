#pragma once

#include "core/storage/CFileResult.h"
#include "core/storage/CFileStamp.h"

#include <cstddef>
#include <filesystem>
#include <limits>
#include <string>

// The one way the program reads a whole file. Only regular files are opened: a folder, a named
// pipe or a device is refused before anything could block on it or read without end, and a
// file larger than the caller allows, or larger than memory, is a failure with a message.
class CFileReader {
public:
    static constexpr std::size_t NO_LIMIT = std::numeric_limits<std::size_t>::max();

    CFileReader() = delete;

    // On success `bytes` holds the file and `stamp`, when given, the version that was read.
    static CFileResult Read(const std::filesystem::path& path, std::string& bytes,
                            std::size_t maxBytes = NO_LIMIT, CFileStamp* stamp = nullptr);
};
