#include "gui/app/CInstanceLock.h"

#include <QDir>
#include <QStandardPaths>

CInstanceLock::CInstanceLock(const QString& path) : m_lock(path) {
    // Age never makes a lock stale: only the death of its process does.
    m_lock.setStaleLockTime(0);
}

bool CInstanceLock::TryLock() {
    return m_lock.tryLock(0);
}

QString CInstanceLock::GetDefaultPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QDir().mkpath(folder);
    return QDir(folder).filePath(QStringLiteral("tarnvale.lock"));
}
