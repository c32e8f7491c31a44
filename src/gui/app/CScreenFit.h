#pragma once

#include "core/settings/CWindowPlacement.h"

#include <QRect>

#include <vector>

class QWidget;

// Keeps windows on the screens there are: the main window as it opens, and every dialog as it
// is shown, frame and all, by the rule the window's placement follows.
class CScreenFit {
public:
    CScreenFit() = delete;

    // Moves and shrinks a window that is not maximised onto its screen; nothing when it fits.
    static void Fit(QWidget& window);
    // The usable areas of the screens, the primary one first.
    static std::vector<CWindowPlacement::CScreen> GetScreens();
    // What the window manager's frame adds on each side; nothing before the window is shown.
    static CWindowPlacement::CFrame GetFrame(const QWidget& window);
    static CWindowPlacement PlacementOf(const QRect& normal);
};
