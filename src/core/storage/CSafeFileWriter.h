#pragma once

#include "storage/CFileResult.h"

#include <filesystem>
#include <string_view>

// What a write does when the path names a symbolic link.
enum class ELinkRule {
    WriteThrough, // the link stays and the file it names gets the new bytes
    Replace,      // the link itself is replaced by a regular file
};

// The one way the program writes a file: the bytes go to a temporary file beside the target,
// are flushed to disk and renamed over it, so the file is always either the old one or the new
// one. A failure names the file and the reason and leaves the old file as it was.
class CSafeFileWriter {
public:
    CSafeFileWriter() = delete;

    static CFileResult Write(const std::filesystem::path& path, std::string_view bytes,
                             ELinkRule links = ELinkRule::WriteThrough);
};
