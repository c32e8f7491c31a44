#pragma once

#include <string>

// The single-line editor that lies over one cell of the person list, as the cell editing rules
// drive it. The window implements it over a line edit; tests script it. Texts are UTF-8.
class CCellEditorWindow {
public:
    virtual ~CCellEditorWindow() = default;

    // Lays the editor over the cell of `row` and field `field` and shows that row as the only
    // selected and current one; with `scrollIntoView` the list first scrolls the cell into view.
    virtual void Place(int row, int field, bool scrollIntoView) = 0;
    // Replaces the text and clears the modified flag, as placing the editor anew does.
    virtual void SetText(const std::string& text) = 0;
    virtual std::string GetText() const = 0;
    // Whether the user changed the text since it was last set.
    virtual bool IsModified() const = 0;
    virtual void SetModified(bool modified) = 0;
    // Takes a conversion the input method still holds into the text, as confirming it would:
    // the composition belongs to this cell, whatever took the focus or the click meanwhile.
    virtual void CommitComposition() = 0;
    // Shows the editor with all its text selected; the keyboard focus goes to the list, or to
    // the editor itself with `focusEditor`.
    virtual void ShowEditor(bool focusEditor) = 0;
    virtual void HideEditor() = 0;
    // Gives the editor the focus again, its text as it is.
    virtual void FocusEditor() = 0;
    virtual void Cut() = 0;
    virtual void Copy() = 0;
    virtual void Paste() = 0;
};
