#include "core/settings/CWindowPlacement.h"

#include "core/settings/CProfile.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr const char* SECTION = "Window";

// Edges read from the file may be any 32-bit values, so sizes are taken in 64 bits.
std::int64_t Span(int from, int to) {
    return static_cast<std::int64_t>(to) - from;
}

std::int64_t Overlap(const CWindowPlacement& window, const CWindowPlacement::CScreen& screen) {
    const std::int64_t width =
        Span(std::max(window.m_nLeft, screen.m_nLeft), std::min(window.m_nRight, screen.m_nRight));
    const std::int64_t height =
        Span(std::max(window.m_nTop, screen.m_nTop), std::min(window.m_nBottom, screen.m_nBottom));
    return width > 0 && height > 0 ? width * height : 0;
}

// The window's edge along one axis after it has been given `size` on a screen from `low` to
// `high`: unchanged when it fits, pushed inside when it does not.
int PlaceWithin(int edge, int size, int low, int high, bool moved) {
    if (moved)
        return low;
    return static_cast<int>(std::clamp<std::int64_t>(edge, low, Span(size, high)));
}

// Where the window itself may lie on `screen` once its frame has room around it.
CWindowPlacement::CScreen InsideFrame(const CWindowPlacement::CScreen& screen,
                                      const CWindowPlacement::CFrame& frame) {
    CWindowPlacement::CScreen inside{screen.m_nLeft + frame.m_nLeft, screen.m_nTop + frame.m_nTop,
                                     screen.m_nRight - frame.m_nRight,
                                     screen.m_nBottom - frame.m_nBottom};
    inside.m_nRight = std::max(inside.m_nRight, inside.m_nLeft + 1);
    inside.m_nBottom = std::max(inside.m_nBottom, inside.m_nTop + 1);
    return inside;
}
} // namespace

CWindowPlacement CWindowPlacement::Load(const CProfile& profile, int defaultSplitter) {
    CWindowPlacement placement;
    placement.m_nDefaultSplitter = defaultSplitter;
    placement.m_nLeft = profile.GetProfileInt(SECTION, "left", 0);
    placement.m_nTop = profile.GetProfileInt(SECTION, "top", 0);
    placement.m_nRight = profile.GetProfileInt(SECTION, "right", 0);
    placement.m_nBottom = profile.GetProfileInt(SECTION, "bottom", 0);
    placement.m_nSplitter = profile.GetProfileInt(SECTION, "splitter", defaultSplitter);
    placement.m_bMaximized = profile.GetProfileInt(SECTION, "maximized", 0) != 0;
    return placement;
}

bool CWindowPlacement::Save(CProfile& profile) const {
    CProfile::CBatch batch(profile);
    bool ok = profile.WriteProfileInt(SECTION, "left", m_nLeft);
    ok = profile.WriteProfileInt(SECTION, "top", m_nTop) && ok;
    ok = profile.WriteProfileInt(SECTION, "right", m_nRight) && ok;
    ok = profile.WriteProfileInt(SECTION, "bottom", m_nBottom) && ok;
    ok = profile.WriteProfileInt(SECTION, "splitter", m_nSplitter) && ok;
    ok = profile.WriteProfileInt(SECTION, "maximized", m_bMaximized ? 1 : 0) && ok;
    return batch.End() && ok;
}

void CWindowPlacement::FitToScreens(const std::vector<CScreen>& screens, const CFrame& frame) {
    if (screens.empty())
        return;
    const CScreen* best = &screens.front();
    std::int64_t bestOverlap = 0;
    for (const CScreen& screen : screens) {
        if (const std::int64_t overlap = Overlap(*this, screen); overlap > bestOverlap) {
            bestOverlap = overlap;
            best = &screen;
        }
    }
    const CScreen screen = InsideFrame(*best, frame);
    if (HasRectangle() && (Span(m_nLeft, m_nRight) <= 0 || Span(m_nTop, m_nBottom) <= 0)) {
        m_nLeft = m_nTop = m_nRight = m_nBottom = 0;
    }
    if (HasRectangle()) {
        const bool moved = bestOverlap == 0;
        const int width = static_cast<int>(
            std::min(Span(m_nLeft, m_nRight), Span(screen.m_nLeft, screen.m_nRight)));
        const int height = static_cast<int>(
            std::min(Span(m_nTop, m_nBottom), Span(screen.m_nTop, screen.m_nBottom)));
        m_nLeft = PlaceWithin(m_nLeft, width, screen.m_nLeft, screen.m_nRight, moved);
        m_nTop = PlaceWithin(m_nTop, height, screen.m_nTop, screen.m_nBottom, moved);
        m_nRight = m_nLeft + width;
        m_nBottom = m_nTop + height;
    }
    const std::int64_t room =
        HasRectangle() ? Span(m_nLeft, m_nRight) : Span(screen.m_nLeft, screen.m_nRight);
    if (m_nSplitter < 1 || m_nSplitter >= room)
        m_nSplitter = static_cast<int>(std::min<std::int64_t>(m_nDefaultSplitter, room / 2));
}

bool CWindowPlacement::HasRectangle() const {
    return m_nLeft != 0 || m_nTop != 0 || m_nRight != 0 || m_nBottom != 0;
}
