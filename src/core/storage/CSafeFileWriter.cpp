#include "storage/CSafeFileWriter.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
constexpr int TEMP_NAME_ATTEMPTS = 100;

// Closes the descriptor it holds when it goes.
class CFileHandle {
public:
    explicit CFileHandle(int fd) : m_fd(fd) {}
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;
    ~CFileHandle() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int Get() const { return m_fd; }
    bool IsOpen() const { return m_fd >= 0; }
    // Closing can report a late write error, so the writer closes explicitly.
    int Close() {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

// Removes the temporary file unless the rename has made it the real one.
class CTempFileGuard {
public:
    explicit CTempFileGuard(fs::path path) : m_path(std::move(path)) {}
    CTempFileGuard(const CTempFileGuard&) = delete;
    CTempFileGuard& operator=(const CTempFileGuard&) = delete;
    ~CTempFileGuard() {
        if (!m_bKept)
            ::unlink(m_path.c_str());
    }
    void Keep() { m_bKept = true; }

private:
    fs::path m_path;
    bool m_bKept = false;
};

// `error` is taken before anything else can overwrite errno.
CFileResult Failure(const fs::path& path, const char* step, int error) {
    return {false,
            "「" + path.string() + "」に保存できません: " + step + "（" +
                std::generic_category().message(error) + "）",
            0};
}

fs::path ResolveTarget(const fs::path& path, ELinkRule links) {
    std::error_code error;
    if (links == ELinkRule::WriteThrough && fs::is_symlink(path, error)) {
        fs::path target = fs::canonical(path, error);
        if (!error)
            return target;
    }
    return path;
}

fs::path FolderOf(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

// A new, empty file beside the target, created with the usual permissions.
int CreateTempFile(const fs::path& target, fs::path& tempPath) {
    std::random_device random;
    for (int attempt = 0; attempt < TEMP_NAME_ATTEMPTS; ++attempt) {
        std::string name = ".";
        name.append(target.filename().string()).append(".tmp").append(std::to_string(random()));
        tempPath = FolderOf(target) / name;
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
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
} // namespace

CFileResult CSafeFileWriter::Write(const fs::path& path, std::string_view bytes, ELinkRule links) {
    const fs::path target = ResolveTarget(path, links);
    fs::path tempPath;
    CFileHandle file(CreateTempFile(target, tempPath));
    if (!file.IsOpen())
        return Failure(path, "一時ファイルを作れません", errno);
    CTempFileGuard guard(tempPath);
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0)
        ::fchmod(file.Get(), old.st_mode & 07777);
    if (!WriteAll(file.Get(), bytes))
        return Failure(path, "書き込めません", errno);
    if (::fsync(file.Get()) != 0)
        return Failure(path, "ディスクに書き出せません", errno);
    if (file.Close() != 0)
        return Failure(path, "書き込めません", errno);
    if (::rename(tempPath.c_str(), target.c_str()) != 0)
        return Failure(path, "ファイルを置き換えられません", errno);
    guard.Keep();
    SyncFolder(FolderOf(target));
    return {true, {}, 0};
}
