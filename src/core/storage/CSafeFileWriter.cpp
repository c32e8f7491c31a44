#include "core/storage/CSafeFileWriter.h"

#include "core/storage/CBookFiles.h"
#include "core/storage/CFileHandle.h"
#include "core/storage/CStorageTexts.h"
#include "core/storage/CSystemMessage.h"
#include "core/storage/CTempFile.h"
#include "core/text/CTextEscape.h"
#include "core/text/CTextFormat.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
// As many links as the system itself follows before it gives up.
constexpr int MAX_LINKS = 40;

// `error` is taken before anything else can overwrite errno.
CFileResult Failure(const fs::path& path, const char* step, int error) {
    return {false,
            CTextFormat::Format(CStorageTexts::SAVE_STEP_FAILED,
                                {CTextEscape::Path(path), step, CSystemMessage::Describe(error)}),
            0, EFileFailure::Other};
}

fs::path FolderOf(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

// Follows the chain of links by hand, so that a link whose file does not exist yet still gets
// its file rather than being replaced.
fs::path ResolveTarget(const fs::path& path, ELinkRule links) {
    if (links == ELinkRule::Replace)
        return path;
    fs::path target = path;
    for (int hop = 0; hop < MAX_LINKS; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(target, error))
            return target;
        const fs::path next = fs::read_symlink(target, error);
        if (error)
            return target;
        target = next.is_absolute() ? next : FolderOf(target) / next;
    }
    return target;
}

// Editors refuse a file without write permission rather than replacing it behind the
// permission's back; the permission bits count even for the superuser.
std::optional<CFileResult> RefuseTarget(const fs::path& path, const fs::path& target) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0 || S_ISLNK(info.st_mode))
        return std::nullopt;
    if (!S_ISREG(info.st_mode))
        return CFileResult{
            false, CTextFormat::Format(CStorageTexts::SAVE_NOT_REGULAR, {CTextEscape::Path(path)}),
            0, EFileFailure::NotRegularFile};
    if ((info.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
        return CFileResult{
            false,
            CTextFormat::Format(CStorageTexts::SAVE_WRITE_PROTECTED, {CTextEscape::Path(path)}), 0,
            EFileFailure::ReadOnly};
    return std::nullopt;
}

// The new file takes over what the model had; owner and group only where the system lets
// this user give them, which is why failures are no reason to stop. A link being replaced
// passes on nothing of what it points at.
void CopyOwnerAndMode(int fd, const fs::path& model, bool followLinks) {
    struct stat old {};
    const int found = followLinks ? ::stat(model.c_str(), &old) : ::lstat(model.c_str(), &old);
    if (found != 0 || S_ISLNK(old.st_mode))
        return;
    const bool owned = ::fchown(fd, old.st_uid, old.st_gid) == 0;
    const bool grouped = owned || ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
    static_cast<void>(grouped);
    ::fchmod(fd, old.st_mode & 07777);
}

// Only takes bits away; a source that cannot be looked at takes none.
void LimitModeTo(int fd, const fs::path& source) {
    struct stat from {};
    struct stat made {};
    if (source.empty() || ::stat(source.c_str(), &from) != 0 || ::fstat(fd, &made) != 0)
        return;
    const mode_t lacking = ~from.st_mode & 0777;
    if ((made.st_mode & lacking) != 0)
        ::fchmod(fd, made.st_mode & 07777 & ~lacking);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void SyncFolder(const fs::path& folder) {
    // The new file is already in place; a folder that cannot be synced (some file systems
    // refuse) costs only durability across a crash, so it is no reason to report failure.
    const CFileHandle dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.IsOpen())
        ::fsync(dir.Get());
}
CFileResult WriteFile(const fs::path& path, std::string_view bytes, ELinkRule links,
                      CFileStamp* written, const fs::path& like, const fs::path& madeFrom,
                      std::optional<mode_t> mode);
} // namespace

CFileResult CSafeFileWriter::Check(const fs::path& path, ELinkRule links) {
    if (std::optional<CFileResult> refused = RefuseTarget(path, ResolveTarget(path, links)))
        return *refused;
    return {true, {}, 0};
}

CFileResult CSafeFileWriter::Write(const fs::path& path, std::string_view bytes, ELinkRule links,
                                   CFileStamp* written, const fs::path& like,
                                   const fs::path& madeFrom) {
    return WriteFile(path, bytes, links, written, like, madeFrom, std::nullopt);
}

CFileResult CSafeFileWriter::WritePrivate(const fs::path& path, std::string_view bytes) {
    constexpr mode_t PRIVATE = 0600;
    return WriteFile(path, bytes, ELinkRule::Replace, nullptr, {}, {}, PRIVATE);
}

namespace {
CFileResult WriteFile(const fs::path& path, std::string_view bytes, ELinkRule links,
                      CFileStamp* written, const fs::path& like, const fs::path& madeFrom,
                      std::optional<mode_t> mode) {
    const fs::path target = ResolveTarget(path, links);
    if (std::optional<CFileResult> refused = RefuseTarget(path, target))
        return *refused;
    // Whatever is made from a book, an export or a copy, never lands on the files beside it.
    if (CBookFiles::IsSideFile(madeFrom, path) || CBookFiles::IsSideFile(madeFrom, target))
        return {false, *CBookFiles::Refusal(madeFrom, path), 0, EFileFailure::Other};
    CTempFile::RemoveAbandoned(target);
    CTempFile file(target);
    if (!file.IsOpen())
        return Failure(path, CStorageTexts::STEP_CREATE_TEMPORARY, errno);
    if (like.empty())
        CopyOwnerAndMode(file.Get(), target, false);
    else
        CopyOwnerAndMode(file.Get(), like, true);
    LimitModeTo(file.Get(), madeFrom);
    if (mode)
        ::fchmod(file.Get(), *mode);
    if (!WriteAll(file.Get(), bytes))
        return Failure(path, CStorageTexts::STEP_WRITE, errno);
    if (::fsync(file.Get()) != 0)
        return Failure(path, CStorageTexts::STEP_FLUSH, errno);
    struct stat info {};
    const bool stamped = ::fstat(file.Get(), &info) == 0;
    if (!file.Finish())
        return Failure(path, CStorageTexts::STEP_WRITE, errno);
    if (!file.ReplaceTarget())
        return Failure(path, CStorageTexts::STEP_REPLACE, errno);
    SyncFolder(FolderOf(target));
    if (written && stamped)
        *written = CFileStamp::From(info);
    return {true, {}, 0};
}
} // namespace
