#pragma once

#include <optional>
#include <string>

// What an update rule says about a command: enabled, checked, and a caption when it changes.
class CCmdUI {
public:
    explicit CCmdUI(bool fromToolbar = false) : m_bFromToolbar(fromToolbar) {}

    void Enable(bool enabled = true) { m_bEnabled = enabled; }
    void SetCheck(bool checked = true) { m_bChecked = checked; }
    void SetText(std::string text) { m_text = std::move(text); }

    bool IsEnabled() const { return m_bEnabled; }
    bool IsChecked() const { return m_bChecked; }
    const std::optional<std::string>& GetText() const { return m_text; }
    // Asked for a toolbar button rather than a menu entry or a key.
    bool IsFromToolbar() const { return m_bFromToolbar; }

private:
    bool m_bEnabled = true;
    bool m_bChecked = false;
    bool m_bFromToolbar;
    std::optional<std::string> m_text;
};
