#pragma once

// The keys cell editing tells apart; every other key is `Other`.
enum class ECellKey {
    Shift,
    Tab,
    Enter,
    Escape,
    End,
    Home,
    Left,
    Right,
    Up,
    Down,
    Delete,
    F2,
    Other
};

// Where a key moves the cell cursor.
enum class ECellMove { None, Left, Right, Up, Down, First, Last };

// What the person list does with a key before, or instead of, its own handling.
enum class EListKeyAction {
    Nothing,
    SwitchPane,   // the frame's switch to the other pane
    SendModify,   // the modify command
    SendDelete,   // the delete command
    ShowEditor,   // enter cell edit mode at the cursor
    HideEditor,   // leave cell edit mode, committing nothing
    Move,         // hidden: move and bring into range; visible: commit, move and show
    PassToEditor, // the editor takes the focus (text selected) and the same key
    EditCell,     // the editor takes the focus with the caret after its text, as spreadsheets do
};

struct CListKeyRule {
    EListKeyAction action = EListKeyAction::Nothing;
    ECellMove move = ECellMove::None;
    // The list's own key handling (moving its own selection) runs after the action.
    bool ownHandling = false;
};

struct CEditorKeyRule {
    // The key the list gets first, or Other for none.
    ECellKey toList = ECellKey::Other;
    // The line edit's own handling (caret, text) runs afterwards.
    bool ownHandling = true;
};

// The key tables of cell editing: what a key does on the list, with the editor hidden or shown,
// and on the editor itself. Arrows with Shift leave the text and move to the next cell; without
// Shift they move the caret.
class CCellKeys {
public:
    CCellKeys() = delete;

    static CListKeyRule ForList(ECellKey key, bool shift, bool editorVisible);
    static CEditorKeyRule ForEditor(ECellKey key, bool shift);
};
