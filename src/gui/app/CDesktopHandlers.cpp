#include "gui/app/CDesktopHandlers.h"

#include <QCoreApplication>
#include <QProcess>

namespace {
// xdg-mime reads a few small files; a desktop that takes longer is not waited for.
constexpr int ANSWER_WAIT_MS = 3000;
// xdg-open that finds no program fails at once; one that found a program may wait for it.
constexpr int OPEN_WAIT_MS = 1500;
} // namespace

std::optional<bool> CDesktopHandlers::HasDefaultFor(const QString& scheme) {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("x-scheme-handler/") + scheme});
    if (!query.waitForStarted(ANSWER_WAIT_MS))
        return std::nullopt;
    if (!query.waitForFinished(ANSWER_WAIT_MS)) {
        query.kill();
        query.waitForFinished(ANSWER_WAIT_MS);
        return std::nullopt;
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return std::nullopt;
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

bool CDesktopHandlers::Open(const QString& url) {
    // Owned by the application, so that a program still open outlives this call.
    auto* process = new QProcess(QCoreApplication::instance());
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             process->deleteLater();
                     });
    process->start(QStringLiteral("xdg-open"), {url});
    if (!process->waitForStarted(ANSWER_WAIT_MS))
        return false;
    if (!process->waitForFinished(OPEN_WAIT_MS))
        return true;
    return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
}
