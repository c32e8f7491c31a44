#pragma once

#include <QLockFile>
#include <QString>

// Marks the one running copy of the program for this user. The lock file names the process
// holding it, so a lock left behind by a copy that crashed is taken over, never waited for.
class CInstanceLock {
public:
    explicit CInstanceLock(const QString& path);
    CInstanceLock(const CInstanceLock&) = delete;
    CInstanceLock& operator=(const CInstanceLock&) = delete;

    // False while another live copy holds the lock.
    bool TryLock();

    // In the user's runtime folder, which the desktop empties at log-out.
    static QString GetDefaultPath();

private:
    QLockFile m_lock;
};
