#include "core/storage/CFileReader.h"

#include "core/storage/CFileHandle.h"
#include "core/storage/CStorageTexts.h"
#include "core/storage/CSystemMessage.h"
#include "core/text/CTextEscape.h"
#include "core/text/CTextFormat.h"

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
// Large enough to read quickly, small enough that only what the file holds is touched.
constexpr std::size_t CHUNK = 1 << 20;

CFileResult Failure(const fs::path& path, const std::string& reason, EFileFailure failure) {
    return {false,
            CTextFormat::Format(CStorageTexts::CANNOT_READ, {CTextEscape::Path(path), reason}), 0,
            failure};
}

CFileResult SystemFailure(const fs::path& path, int error) {
    const bool missing = error == ENOENT || error == ENOTDIR;
    return Failure(path, CSystemMessage::Describe(error),
                   missing ? EFileFailure::Missing : EFileFailure::Other);
}

CFileResult NotRegular(const fs::path& path, const struct stat& info) {
    const char* what = S_ISDIR(info.st_mode)    ? CStorageTexts::IS_FOLDER
                       : S_ISFIFO(info.st_mode) ? CStorageTexts::NAMED_PIPE
                       : S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)
                           ? CStorageTexts::DEVICE
                           : CStorageTexts::NOT_REGULAR_FILE;
    return Failure(path, what, EFileFailure::NotRegularFile);
}

CFileResult TooLarge(const fs::path& path, std::size_t maxBytes) {
    return Failure(path, CTextFormat::Format(CStorageTexts::TOO_LARGE, {std::to_string(maxBytes)}),
                   EFileFailure::TooLarge);
}

// Reads to the end in chunks; the file may have grown since its size was taken.
CFileResult ReadAll(const fs::path& path, int fd, std::size_t maxBytes, std::string& bytes) {
    std::size_t used = 0;
    for (;;) {
        if (used > maxBytes)
            return TooLarge(path, maxBytes);
        bytes.resize(used + CHUNK);
        const ssize_t got = ::read(fd, bytes.data() + used, CHUNK);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return SystemFailure(path, errno);
        if (got == 0)
            break;
        used += static_cast<std::size_t>(got);
    }
    bytes.resize(used);
    return {true, {}, 0};
}
} // namespace

CFileResult CFileReader::Read(const fs::path& path, std::string& bytes, std::size_t maxBytes,
                              CFileStamp* stamp) {
    bytes.clear();
    struct stat info {};
    // Looked at before opening: opening a pipe or a terminal can block or have effects.
    if (::stat(path.c_str(), &info) != 0)
        return SystemFailure(path, errno);
    if (!S_ISREG(info.st_mode))
        return NotRegular(path, info);
    const CFileHandle file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.IsOpen())
        return SystemFailure(path, errno);
    // The path may have been swapped between the look and the open.
    if (::fstat(file.Get(), &info) != 0)
        return SystemFailure(path, errno);
    if (!S_ISREG(info.st_mode))
        return NotRegular(path, info);
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        return TooLarge(path, maxBytes);
    try {
        bytes.reserve(static_cast<std::size_t>(info.st_size) + CHUNK);
        CFileResult result = ReadAll(path, file.Get(), maxBytes, bytes);
        if (!result.ok) {
            bytes.clear();
            return result;
        }
    } catch (const std::bad_alloc&) {
        bytes = std::string();
        return Failure(path, CStorageTexts::OUT_OF_MEMORY, EFileFailure::OutOfMemory);
    } catch (const std::length_error&) {
        bytes = std::string();
        return Failure(path, CStorageTexts::OUT_OF_MEMORY, EFileFailure::OutOfMemory);
    }
    if (stamp)
        *stamp = CFileStamp::From(info);
    return {true, {}, 0};
}
