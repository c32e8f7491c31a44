#include "core/storage/CTempFile.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <functional>
#include <random>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
constexpr int NAME_ATTEMPTS = 100;
constexpr const char* NAME_START = ".tarnvale-";
constexpr std::string_view NAME_END = ".tmp";

fs::path FolderOf(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

std::string Hex(std::uint32_t bits) {
    static constexpr const char* HEX = "0123456789abcdef";
    std::string digits;
    for (int digit = 0; digit < 8; ++digit, bits >>= 4)
        digits += HEX[bits & 0xF];
    return digits;
}

// FNV-1a: the same target name always gives the same tag.
std::uint32_t NameTag(const std::string& name) {
    std::uint32_t hash = 2166136261U;
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619U;
    return hash;
}

// A save in progress holds its file locked; a save that was killed holds nothing any more.
void LockWhileInUse(int fd) {
    ::flock(fd, LOCK_EX | LOCK_NB);
}
} // namespace

CTempFile::CTempFile(const fs::path& target) : m_target(target), m_file(Open()) {}

CTempFile::~CTempFile() {
    if (!m_bReplaced && !m_path.empty())
        ::unlink(m_path.c_str());
}

int CTempFile::Open() {
    int fd = OpenUnnamed();
    if (fd < 0)
        fd = OpenNamed();
    if (fd >= 0)
        LockWhileInUse(fd);
    return fd;
}

int CTempFile::OpenUnnamed() const {
    // Naming the file later goes through /proc; without it the file could never be named.
    if (::access("/proc/self/fd", X_OK) != 0)
        return -1;
    return ::open(FolderOf(m_target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
}

// A short name of its own, so that a target whose name is as long as names may be still gets
// a temporary file beside it.
int CTempFile::OpenNamed() {
    int fd = -1;
    CreateName([&fd](const fs::path& path) {
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        return fd >= 0;
    });
    return fd;
}

// The complete file gets a hidden name only for the moment before the rename.
bool CTempFile::GiveName() {
    if (!m_path.empty())
        return true;
    const std::string self = "/proc/self/fd/" + std::to_string(m_file.Get());
    return CreateName([&self](const fs::path& path) {
        return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0;
    });
}

bool CTempFile::CreateName(const std::function<bool(const fs::path&)>& create) {
    std::random_device random;
    for (int attempt = 0; attempt < NAME_ATTEMPTS; ++attempt) {
        const fs::path path =
            FolderOf(m_target) / (NamePrefix(m_target) + Hex(random()) + std::string(NAME_END));
        if (create(path)) {
            m_path = path;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool CTempFile::Finish() {
    return GiveName() && m_file.Close() == 0;
}

bool CTempFile::ReplaceTarget() {
    if (::rename(m_path.c_str(), m_target.c_str()) != 0)
        return false;
    m_bReplaced = true;
    return true;
}

std::string CTempFile::NamePrefix(const fs::path& target) {
    return NAME_START + Hex(NameTag(target.filename().string())) + "-";
}

void CTempFile::RemoveAbandoned(const fs::path& target) {
    const std::string prefix = NamePrefix(target);
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(FolderOf(target), error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix) || !name.ends_with(NAME_END))
            continue;
        // Not blocking, so that a named pipe of such a name cannot stop the save here.
        const CFileHandle file(
            ::open(entry.path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat info {};
        if (file.IsOpen() && ::fstat(file.Get(), &info) == 0 && S_ISREG(info.st_mode) &&
            ::flock(file.Get(), LOCK_EX | LOCK_NB) == 0)
            ::unlink(entry.path().c_str());
    }
}
