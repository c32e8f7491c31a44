#include "gui/app/CDesktopHandlers.h"

#include <QProcess>

namespace {
// xdg-mime reads a few small files; a desktop that takes longer is not waited for.
constexpr int ANSWER_WAIT_MS = 3000;
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
