#pragma once

#include <vector>

class CProfile;

// The main window's normal (not maximised) rectangle in screen pixels and the width of the group
// tree, kept in section "Window". Right and bottom lie one past the last pixel, as they always
// have in this file.
class CWindowPlacement {
public:
    static constexpr int DEFAULT_SPLITTER = 100;

    // A screen's usable area, right and bottom one past the last pixel.
    struct CScreen {
        int m_nLeft = 0;
        int m_nTop = 0;
        int m_nRight = 0;
        int m_nBottom = 0;
    };

    static CWindowPlacement Load(const CProfile& profile);
    // Makes what was read fit the screens there are now (the primary one first): a window that
    // lies on no screen moves onto the primary one, one larger than its screen shrinks to it, an
    // empty rectangle leaves the place to the desktop, and a tree width that is no width of
    // this window goes back to the default.
    void FitToScreens(const std::vector<CScreen>& screens);
    bool Save(CProfile& profile) const;

    // All four edges 0 means the desktop chooses where the window goes.
    bool HasRectangle() const;
    int GetWidth() const { return m_nRight - m_nLeft; }
    int GetHeight() const { return m_nBottom - m_nTop; }

    int m_nLeft = 0;
    int m_nTop = 0;
    int m_nRight = 0;
    int m_nBottom = 0;
    int m_nSplitter = DEFAULT_SPLITTER;
};
