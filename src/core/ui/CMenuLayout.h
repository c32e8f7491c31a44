#pragma once

#include <string_view>
#include <vector>

enum class EMenuEntry { Command, Separator, Popup };

// One entry of a menu: a command (its caption comes from the command texts), a separator, or a
// pop-up with a caption of its own.
struct CMenuEntry {
    EMenuEntry m_kind = EMenuEntry::Command;
    int m_nId = 0;
    std::string_view m_caption;
    std::vector<CMenuEntry> m_children;
};

// A key combination in Qt's portable notation ("Ctrl+Shift+P") and the command it sends.
struct CAccelerator {
    std::string_view m_keys;
    int m_nId;
};

// The menus, toolbar and accelerator table of the main window, and which commands carry a
// picture in menus: what the resource file once held.
class CMenuLayout {
public:
    static constexpr int TOOLBAR_SEPARATOR = 0;

    // The top-level pop-ups, left to right.
    static const std::vector<CMenuEntry>& GetMainMenu();
    // "普通の操作（&I）", which the two panes also show as their context menu.
    static const CMenuEntry& GetContextMenu();
    static const std::vector<int>& GetToolbar();
    static const std::vector<CAccelerator>& GetAccelerators();
    static const std::vector<int>& GetMenuPictureIds();
};
