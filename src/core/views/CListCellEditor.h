#pragma once

#include "core/text/CTextCodec.h"
#include "core/views/CCellKeys.h"

class CAddressDoc;
class CCellEditorWindow;
class CCmdUI;
class CFriendListView;
class CPersonalData;
class CUserInterface;

// Spreadsheet-style editing of the person list: the cell cursor (a row and a display position),
// the editor's two modes, the keys and clicks that move it, and the commit of a changed cell as
// one undoable command.
class CListCellEditor {
public:
    CListCellEditor(CFriendListView& list, CAddressDoc& doc, CUserInterface& ui);

    // Until a window is set the editor does not exist, and nothing shows it.
    void SetWindow(CCellEditorWindow* window) { m_pWindow = window; }
    CCellEditorWindow* GetWindow() const { return m_pWindow; }
    // Cell edit mode; hidden, the list is in column select mode.
    bool IsVisible() const { return m_bVisible; }
    // The field shown at the cursor's display position.
    int GetField() const;
    // The cursor may lie outside the rows and columns until the editor brings it into range.
    int GetCursorRow() const { return m_nEditRow; }
    int GetCursorPosition() const { return m_nEditColumn; }
    void SetCursor(int row, int position);
    // Whether a double click on a cell starts the editor there (an option of the user's).
    bool GetEditByDblClk() const { return m_bEditByDblClk; }
    void SetEditByDblClk(bool edit) { m_bEditByDblClk = edit; }

    void BringIntoRange();
    void Show(bool focusEditor, bool scrollIntoView);
    // Drops typing that was not committed: it never travels to another cell.
    void Hide();
    // Writes a changed text into the cell the editor was placed on, wherever the cursor, the
    // rows or the columns went since. False when the text was refused (it holds
    // characters CP932 cannot); the editor then keeps its text and the focus.
    bool Commit();
    // For a drag that starts from the list: false when the text was refused and the editor stays.
    bool CommitAndHide();

    // What the list does with a key; the caller carries out the parts that need the window
    // (switching panes, sending a command, handing the key to the editor, its own handling).
    CListKeyRule OnListKey(ECellKey key, bool shift);
    // A press on the cell of `field` at display position `position`; row -1 is below the rows.
    void OnLeftButtonDown(int field, int row, int position);
    // True when the editor took the click, so that no context menu opens.
    bool OnRightButtonDown(int field, int row, int position);
    // True when the editor started on the cell; otherwise the caller modifies the person.
    bool OnDoubleClick(int field, int row, int position);
    void OnMouseWheel();
    void OnResized();
    void OnEditorKillFocus();
    // A column was dragged to another place: the cursor's position now shows another field.
    void OnColumnsMoved();
    // The list was refilled; the cursor is on the first cell.
    void OnRefilled();
    // A command changed rows; an unchanged editor shows the cell's text as it is now.
    void OnRowsChanged();

    // Cell edit mode, column select mode, cut, copy, paste and, while the editor is shown, undo.
    static bool IsEditorCommand(int id);
    bool HasCommand(int id) const;
    void OnUpdateCommand(int id, CCmdUI& ui);
    void OnCommand(int id);

private:
    void Move(ECellMove move);
    void Clamp();
    bool CanShow() const;
    void CommitThenUndo();
    // Whether the text was changed since the editor was placed, a composition counted in.
    bool HasTyping();

    CFriendListView& m_list;
    CAddressDoc& m_doc;
    CUserInterface& m_ui;
    CCellEditorWindow* m_pWindow = nullptr;
    CTextCodec m_codec;
    int m_nEditRow = 0;
    int m_nEditColumn = 0;
    bool m_bEditByDblClk = true;
    bool m_bVisible = false;
    // The cell the editor lies over: its typing belongs to this person and field alone.
    CPersonalData* m_pEditedPerson = nullptr;
    int m_nEditedField = -1;
    // A refusal's message takes the focus from the editor; that must not commit again.
    bool m_bCommitting = false;
};
