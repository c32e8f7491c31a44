#include "storage/CDataFile.h"

#include "commands/CAddGroupCommand.h"
#include "commands/CAddPersonalCommand.h"
#include "document/CAddressDoc.h"
#include "storage/CDataFileReader.h"
#include "storage/CDataFileWriter.h"

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
constexpr const char* STATUS_SAVED = "保存しました";
constexpr int TEMP_NAME_ATTEMPTS = 100;

std::string Quoted(const fs::path& path) {
    return "「" + path.string() + "」";
}

std::string Reason(int error) {
    return std::generic_category().message(error);
}

CFileResult Failure(std::string message, std::size_t offset = 0) {
    return {false, std::move(message), offset};
}

// `error` is taken before anything else can overwrite errno.
CFileResult SaveFailure(const std::string& prefix, const char* step, int error) {
    return Failure(prefix + step + "（" + Reason(error) + "）");
}

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

// Returns errno on failure, 0 on success.
int ReadWholeFile(const fs::path& path, std::string& bytes) {
    const CFileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.IsOpen())
        return errno;
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0)
        return errno;
    if (S_ISDIR(info.st_mode))
        return EISDIR;
    // One byte more than the size, so that the end shows without another buffer; a file that
    // grows meanwhile is still read whole.
    bytes.assign(static_cast<std::size_t>(info.st_size) + 1, '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size())
            bytes.resize(bytes.size() * 2);
        const ssize_t got = ::read(file.Get(), bytes.data() + used, bytes.size() - used);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            bytes.clear();
            return error;
        }
        if (got == 0) {
            bytes.resize(used);
            return 0;
        }
        used += static_cast<std::size_t>(got);
    }
}

CFileResult OutOfMemory(const fs::path& path) {
    return Failure(Quoted(path) + "を読み込めません: メモリが足りません");
}

void InsertRecords(CAddressDoc& doc, const CReadResult& records) {
    for (CGroup* group : records.groups) {
        CAddGroupCommand command(group, false);
        command.Do(doc);
        doc.UpdateAllViews(nullptr, EHint::CommandDone, {&command, nullptr});
    }
    for (CPersonalData* person : records.persons) {
        CAddPersonalCommand command(person);
        command.Do(doc);
        doc.UpdateAllViews(nullptr, EHint::BulkAdded, {&command, nullptr});
    }
    doc.UpdateAllViews(nullptr, EHint::BulkComplete);
}

// The file the new bytes replace: a symbolic link stays a link to the file it named.
fs::path ResolveTarget(const fs::path& path) {
    std::error_code error;
    if (fs::is_symlink(path, error)) {
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

CFileResult ReplaceFile(const fs::path& path, std::string_view bytes) {
    const fs::path target = ResolveTarget(path);
    const std::string prefix = Quoted(path) + "に保存できません: ";
    fs::path tempPath;
    CFileHandle file(CreateTempFile(target, tempPath));
    if (!file.IsOpen())
        return SaveFailure(prefix, "一時ファイルを作れません", errno);
    CTempFileGuard guard(tempPath);
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0)
        ::fchmod(file.Get(), old.st_mode & 07777);
    if (!WriteAll(file.Get(), bytes))
        return SaveFailure(prefix, "書き込めません", errno);
    if (::fsync(file.Get()) != 0)
        return SaveFailure(prefix, "ディスクに書き出せません", errno);
    if (file.Close() != 0)
        return SaveFailure(prefix, "書き込めません", errno);
    if (::rename(tempPath.c_str(), target.c_str()) != 0)
        return SaveFailure(prefix, "ファイルを置き換えられません", errno);
    guard.Keep();
    SyncFolder(FolderOf(target));
    return {true, {}, 0};
}

// The backup is a courtesy: failing to make it does not stop the save.
void MakeBackup(const fs::path& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return;
    fs::path backup = path;
    backup += ".bak";
    fs::copy_file(path, backup, fs::copy_options::overwrite_existing, error);
}
} // namespace

CFileResult CDataFile::Load(CAddressDoc& doc, const fs::path& path) {
    try {
        std::string bytes;
        if (CFileResult read = ReadBytes(path, bytes); !read.ok)
            return read;
        doc.DeleteContents();
        const CReadResult records = CDataFileReader::Read(bytes, doc);
        if (!records.ok) {
            doc.DeleteContents();
            doc.SetModifiedFlag(false);
            return Damaged(path, {records.message, records.offset});
        }
        InsertRecords(doc, records);
    } catch (const std::bad_alloc&) {
        doc.DeleteContents();
        doc.SetModifiedFlag(false);
        return OutOfMemory(path);
    }
    doc.SetModifiedFlag(false);
    return {true, {}, 0};
}

CFileResult CDataFile::ReadBytes(const fs::path& path, std::string& bytes) {
    if (const int error = ReadWholeFile(path, bytes); error != 0)
        return Failure(Quoted(path) + "を読み込めません: " + Reason(error));
    return {true, {}, 0};
}

CFileResult CDataFile::Damaged(const fs::path& path, const CReadError& error) {
    return Failure(Quoted(path) + "はアドレス帳ファイルとして読めません（オフセット " +
                       std::to_string(error.offset) + "）: " + error.message,
                   error.offset);
}

CFileResult CDataFile::Save(CAddressDoc& doc, const fs::path& path) {
    std::string bytes;
    try {
        bytes = CDataFileWriter::Write(doc.GetGroupList(), doc.GetPersonList());
    } catch (const std::exception&) {
        return Failure(Quoted(path) + "に保存できません: メモリが足りません");
    }
    MakeBackup(path);
    CFileResult result = ReplaceFile(path, bytes);
    if (result.ok) {
        doc.SetModifiedFlag(false);
        doc.SetStatusText(STATUS_SAVED);
    }
    return result;
}
