#include "storage/CDataFile.h"

#include "commands/CAddGroupCommand.h"
#include "commands/CAddPersonalCommand.h"
#include "document/CAddressDoc.h"
#include "storage/CDataFileReader.h"
#include "storage/CDataFileWriter.h"
#include "storage/CSafeFileWriter.h"

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
constexpr const char* STATUS_SAVED = "保存しました";

std::string Quoted(const fs::path& path) {
    return "「" + path.string() + "」";
}

std::string Reason(int error) {
    return std::generic_category().message(error);
}

CFileResult Failure(std::string message, std::size_t offset = 0) {
    return {false, std::move(message), offset};
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
    CFileResult result = CSafeFileWriter::Write(path, bytes);
    if (result.ok) {
        doc.SetModifiedFlag(false);
        doc.SetStatusText(STATUS_SAVED);
    }
    return result;
}
