#pragma once

enum class EPane { Tree, List };
enum class EFrameBar { ToolBar, StatusBar };

// What the main frame's commands need from the window that draws it.
class CFrameWindow {
public:
    virtual ~CFrameWindow() = default;
    // Gives the pane the keyboard focus.
    virtual void FocusPane(EPane pane) = 0;
    virtual bool IsBarVisible(EFrameBar bar) const = 0;
    virtual void ShowBar(EFrameBar bar, bool show) = 0;
};
