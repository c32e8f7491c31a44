#pragma once

#include <QString>

#include <optional>

// Asks the desktop whether a program opens a kind of link. Starting xdg-open only tells that the
// script ran, so a mailto: link nobody handles would otherwise fail without a word.
class CDesktopHandlers {
public:
    CDesktopHandlers() = delete;

    // What xdg-mime names as the default program for `scheme`: true when it names one, false
    // when it names none, nothing when it cannot be asked (missing, failing or hanging).
    static std::optional<bool> HasDefaultFor(const QString& scheme);
    // Opens `url` with xdg-open: false when it cannot start or exits with a failure soon. One
    // still running after a moment opened a program that has not ended, which is success.
    static bool Open(const QString& url);
};
