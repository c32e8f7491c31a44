#pragma once

#include "core/storage/CBookLock.h"
#include "core/storage/CFileResult.h"
#include "core/storage/CFileStamp.h"

#include <filesystem>
#include <optional>

class CAddressDoc;

// The book a command saves, locked from before it is read until after it is saved, so that
// runs on one book take turns. A program that ignores the lock and writes the book meanwhile
// makes the save refuse, as the window asks before it overwrites such a change.
class CLockedBook {
public:
    explicit CLockedBook(std::filesystem::path path) : m_path(std::move(path)) {}

    // Waits while another program holds the book.
    CFileResult Lock() { return m_lock.Lock(m_path, ELockWait::UntilFree); }
    // For a command that makes the book when it is missing: makes it exclusively, as an empty
    // file that is locked at once, so that another run waits for this one and a book another
    // program made meanwhile is found (Created() false) rather than overwritten.
    CFileResult LockOrCreate();
    bool Created() const { return m_bCreated; }
    // Takes away the empty file LockOrCreate made, when nothing was saved in it.
    void RemoveUnsaved();
    // A warning of the load (damaged UIDs) goes to standard error.
    CFileResult Load(CAddressDoc& doc);
    // A book read but not written back, so not locked; warnings as Load.
    static CFileResult LoadUnlocked(CAddressDoc& doc, const std::filesystem::path& path);
    // `madeFrom` as CDataFile::Save takes it.
    CFileResult Save(CAddressDoc& doc, const std::filesystem::path& madeFrom = {});

private:
    std::filesystem::path m_path;
    CBookLock m_lock;
    std::optional<CFileStamp> m_readStamp; // the version read; nothing when none was read
    bool m_bCreated = false;
};
