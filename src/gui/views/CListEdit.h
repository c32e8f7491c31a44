#pragma once

#include "core/views/CCellEditorWindow.h"
#include "core/views/CCellKeys.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QLineEdit>

#include <functional>

class CListCellEditor;
class QTableView;

// The person list's single-line cell editor: lies over the cell at the cursor, inside the list's
// viewport, and follows it through scrolling, resizing and column moves. Keys that leave the
// cell go to the list's cell editing rules; the rest edit the text.
class CListEdit : public QLineEdit, public CCellEditorWindow {
    Q_OBJECT

public:
    // What the cell asks of the input method; the desktop's unless tests stand in for it.
    struct CInputMethodCalls {
        std::function<void()> commit;
        std::function<void()> reset;
    };

    CListEdit(QTableView& list, CListCellEditor& editing);

    // The key as cell editing tells keys apart.
    static ECellKey CellKeyOf(const QKeyEvent& key);
    // A key the list handed on: the editor takes the focus with its text selected, then the key.
    void TakeKey(const QKeyEvent& key);
    void SetInputMethodCalls(CInputMethodCalls calls);
    // F2: the focus, and the caret after the text, nothing selected.
    void EditText();
    // Back over its cell after the list scrolled or its columns moved or changed width.
    void FollowCell();

    void Place(int row, int field, bool scrollIntoView) override;
    void SetText(const std::string& text) override;
    std::string GetText() const override;
    bool IsModified() const override { return isModified(); }
    void SetModified(bool modified) override { setModified(modified); }
    void CommitComposition() override;
    void ShowEditor(bool focusEditor) override;
    void HideEditor() override;
    void FocusEditor() override;
    void Cut() override { cut(); }
    void Copy() override { copy(); }
    void Paste() override { paste(); }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void SelectAllFromStart();
    void TellInputMethod() const;
    // Whether the input method serves this editor now: itself or the list that answers for it.
    bool IsInputMethodHere() const;

    QTableView& m_list;
    CListCellEditor& m_editing;
    int m_nRow = -1;
    int m_nField = -1;
    // What the input method is converting: shown in the cell, not yet part of the text.
    QString m_composing;
    // A conversion the cell took by itself, until the input method's next word.
    QString m_confirmedHere;
    CInputMethodCalls m_inputMethod{[] { QGuiApplication::inputMethod()->commit(); },
                                    [] {
                                        QGuiApplication::inputMethod()->reset();
                                    }};
};
