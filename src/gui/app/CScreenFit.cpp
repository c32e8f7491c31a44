#include "gui/app/CScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

void CScreenFit::Fit(QWidget& window) {
    if (window.isMaximized() || window.isFullScreen())
        return;
    const QRect normal = window.geometry();
    CWindowPlacement placement = PlacementOf(normal);
    placement.FitToScreens(GetScreens(), GetFrame(window));
    const QRect fitted(placement.m_nLeft, placement.m_nTop, placement.GetWidth(),
                       placement.GetHeight());
    if (fitted != normal)
        window.setGeometry(fitted);
}

std::vector<CWindowPlacement::CScreen> CScreenFit::GetScreens() {
    std::vector<CWindowPlacement::CScreen> screens;
    const QScreen* primary = QGuiApplication::primaryScreen();
    QList<QScreen*> all = QGuiApplication::screens();
    std::stable_partition(all.begin(), all.end(),
                          [primary](const QScreen* s) { return s == primary; });
    for (const QScreen* screen : all) {
        const QRect area = screen->availableGeometry();
        screens.push_back({area.x(), area.y(), area.x() + area.width(), area.y() + area.height()});
    }
    return screens;
}

CWindowPlacement::CFrame CScreenFit::GetFrame(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

CWindowPlacement CScreenFit::PlacementOf(const QRect& normal) {
    CWindowPlacement placement;
    placement.m_nLeft = normal.x();
    placement.m_nTop = normal.y();
    placement.m_nRight = normal.x() + normal.width();
    placement.m_nBottom = normal.y() + normal.height();
    return placement;
}
