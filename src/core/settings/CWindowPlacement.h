#pragma once

class CProfile;

// The main window's normal (not maximised) rectangle in screen pixels and the width of the group
// tree, kept in section "Window". Right and bottom lie one past the last pixel, as they always
// have in this file.
class CWindowPlacement {
public:
    static constexpr int DEFAULT_SPLITTER = 100;

    static CWindowPlacement Load(const CProfile& profile);
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
