#include "core/storage/CBookLock.h"

#include "core/storage/CStorageTexts.h"
#include "core/text/CTextEscape.h"
#include "core/text/CTextFormat.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace {
bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

int LockFile(int fd, ELockWait wait) {
    const int operation = LOCK_EX | (wait == ELockWait::Never ? LOCK_NB : 0);
    int result = 0;
    do
        result = ::flock(fd, operation);
    while (result != 0 && errno == EINTR);
    return result;
}
} // namespace

CFileResult CBookLock::Lock(const std::filesystem::path& path, ELockWait wait) {
    Unlock();
    for (;;) {
        // Not blocking, so that a named pipe in the book's place cannot stop us here.
        CFileHandle file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
        struct stat locked {};
        if (!file.IsOpen() || ::fstat(file.Get(), &locked) != 0 || !S_ISREG(locked.st_mode))
            return {true, {}, 0};
        if (LockFile(file.Get(), wait) != 0) {
            if (errno != EWOULDBLOCK)
                return {true, {}, 0}; // a file system without locks: nothing more to be done
            return {false,
                    CTextFormat::Format(CStorageTexts::BOOK_IN_USE, {CTextEscape::Path(path)}), 0,
                    EFileFailure::Other};
        }
        struct stat current {};
        if (::stat(path.c_str(), &current) == 0 && SameFile(current, locked)) {
            m_file.Reset(file.Release());
            return {true, {}, 0};
        }
        // The lock's holder replaced the book while we waited: the lock on the new file counts.
    }
}
