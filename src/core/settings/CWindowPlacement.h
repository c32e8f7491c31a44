#pragma once

#include <vector>

class CProfile;

// The main window's normal (not maximised) rectangle in screen pixels, whether it is maximised
// and the width of the group tree, kept in section "Window". Right and bottom lie one past the last
// pixel, as they always have in this file.
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
    // What the window manager's frame adds around the window on each side.
    struct CFrame {
        int m_nLeft = 0;
        int m_nTop = 0;
        int m_nRight = 0;
        int m_nBottom = 0;
    };

    // `defaultSplitter` is the tree's width when the file names none or a useless one.
    static CWindowPlacement Load(const CProfile& profile, int defaultSplitter = DEFAULT_SPLITTER);
    // Makes what was read fit the screens there are now (the primary one first), frame and
    // all: a window that lies on no screen moves onto the primary one, one that lies partly
    // off its screen moves wholly onto it, one larger than its screen shrinks to it, an empty
    // rectangle leaves the place to the desktop, and a tree width that is no width of this
    // window goes back to the default.
    void FitToScreens(const std::vector<CScreen>& screens, const CFrame& frame);
    void FitToScreens(const std::vector<CScreen>& screens) { FitToScreens(screens, CFrame()); }
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
    // Shown maximised; the rectangle is then the one it goes back to.
    bool m_bMaximized = false;
    // Not kept in the file: what a useless tree width falls back to.
    int m_nDefaultSplitter = DEFAULT_SPLITTER;
};
