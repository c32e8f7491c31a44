#pragma once

#include "core/find/CFindController.h"
#include "core/find/CFindWindow.h"

#include <optional>
#include <vector>

// A find window that gives back what the test typed and remembers what it was shown.
class CScriptedFindWindow : public CFindWindow {
public:
    explicit CScriptedFindWindow(CFindController& controller) : m_controller(controller) {}

    std::optional<CFindInput> ReadInput() override { return m_input; }
    void ShowInput(const CFindInput& input) override { m_shownInput = input; }
    void ShowState(const CFindForm& form) override { m_states.push_back(form); }
    void FocusText() override { m_focus.push_back(-1); }
    void FocusField(int field) override { m_focus.push_back(field); }
    void Destroy() override { m_bDestroyed = true; }

    // The close button.
    void Close() { m_controller.OnWindowClosed(*this); }
    const CFindForm& Shown() const { return m_states.back(); }

    CFindController& m_controller;
    std::optional<CFindInput> m_input = CFindInput{};
    CFindInput m_shownInput;
    std::vector<CFindForm> m_states;
    std::vector<int> m_focus; // -1 for the search string
    bool m_bDestroyed = false;
};
