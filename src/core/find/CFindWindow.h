#pragma once

#include "core/find/CFindForm.h"

#include <optional>

// The find dialog's window as the search sees it; the Qt dialog implements it, tests script it.
class CFindWindow {
public:
    virtual ~CFindWindow() = default;
    // The controls' contents; nothing when the string holds a character that CP932 lacks, after
    // telling the user.
    virtual std::optional<CFindInput> ReadInput() = 0;
    virtual void ShowInput(const CFindInput& input) = 0;
    virtual void ShowState(const CFindForm& form) = 0;
    virtual void FocusText() = 0;
    virtual void FocusField(int field) = 0;
    // Closes and frees the window without telling the search again.
    virtual void Destroy() = 0;
};
