#pragma once

#include "core/storage/CFileHandle.h"
#include "core/storage/CFileResult.h"

#include <filesystem>

// What a lock request does while another program holds the book.
enum class ELockWait {
    UntilFree, // the command line: runs take their turns
    Never,     // the window: it must not freeze, so it says the book is busy
};

// An advisory lock on an address book for the whole of a read-change-save, which the window
// and the command line both take. It is flock(2) on the book itself: nothing is left beside the
// book, a killed program lets go at once, and, unlike a POSIX record lock, reading the book
// through another descriptor of the same program does not drop it. Since a save renames a new
// file over the book, a lock taken on the file it replaced is let go and taken again on the new
// one.
class CBookLock {
public:
    CBookLock() = default;
    CBookLock(const CBookLock&) = delete;
    CBookLock& operator=(const CBookLock&) = delete;

    // Locks the book at `path` (links followed). A book that is not there yet, or that is no
    // regular file, holds nothing to lock and is no failure: reading or saving it tells the rest.
    CFileResult Lock(const std::filesystem::path& path, ELockWait wait);
    bool IsHeld() const { return m_file.IsOpen(); }
    void Unlock() { m_file.Reset(-1); }

private:
    CFileHandle m_file{-1};
};
