#pragma once

#include "core/storage/CFileResult.h"
#include "core/storage/CFileStamp.h"

#include <filesystem>
#include <string_view>

// What a write does when the path names a symbolic link.
enum class ELinkRule {
    WriteThrough, // the link stays and the file it names gets the new bytes
    Replace,      // the link itself is replaced by a regular file
};

// The one way the program writes a file: the bytes go to a temporary file beside the target,
// are flushed to disk and renamed over it, so the file is always either the old one or the new
// one. The new file keeps the old one's permissions and, where the system allows, its owner and
// group; hard links to the old file keep the old bytes. A target the user may not write, or one
// that is no regular file, is refused. A failure names the file and the reason and leaves the
// old file as it was.
class CSafeFileWriter {
public:
    CSafeFileWriter() = delete;

    // `written`, when given, receives the version of the file that the write left. The new file
    // takes permissions, owner and group from `like` when it is given (a copy is as private as
    // its original), else from the file it replaces. A file made from another (a book copied,
    // exported or imported) names it as `madeFrom` and gets none of the permission bits that
    // one lacks, so a private book never yields a copy others may read, and is never written
    // over one of the files beside that one (its UIDs, sync state or backup).
    static CFileResult Write(const std::filesystem::path& path, std::string_view bytes,
                             ELinkRule links = ELinkRule::WriteThrough,
                             CFileStamp* written = nullptr, const std::filesystem::path& like = {},
                             const std::filesystem::path& madeFrom = {});
    // A side file only its owner may read or write (mode 0600 whatever the old file had): a
    // link in its place is replaced, never followed.
    static CFileResult WritePrivate(const std::filesystem::path& path, std::string_view bytes);
    // Whether a write to the path would be refused before anything is written: ok, or the
    // refusal that Write would give.
    static CFileResult Check(const std::filesystem::path& path,
                             ELinkRule links = ELinkRule::WriteThrough);
};
