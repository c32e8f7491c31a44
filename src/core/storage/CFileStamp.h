#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

struct stat;

// What tells one version of a file from the next without reading it: where it lives, its size
// and when it was last written. A program that saves by renaming a new file over the old one
// changes the inode, one that writes in place changes the time or the size.
struct CFileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const CFileStamp&) const = default;

    static CFileStamp From(const struct stat& info);
    // Nothing when there is no file at the path (links are followed).
    static std::optional<CFileStamp> Of(const std::filesystem::path& path);
};
