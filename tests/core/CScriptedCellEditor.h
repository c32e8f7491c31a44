#pragma once

#include "core/views/CCellEditorWindow.h"

#include <string>

// The cell editor as a person types into it: the text, the modified flag and where it lies.
class CScriptedCellEditor : public CCellEditorWindow {
public:
    void Place(int row, int field, bool scrollIntoView) override {
        m_nRow = row;
        m_nField = field;
        m_bScrolled = scrollIntoView;
    }
    void SetText(const std::string& text) override {
        m_text = text;
        m_bModified = false;
    }
    std::string GetText() const override { return m_text; }
    bool IsModified() const override { return m_bModified; }
    void SetModified(bool modified) override { m_bModified = modified; }
    void CommitComposition() override {
        m_text += m_composing;
        m_composing.clear();
    }
    void ShowEditor(bool focusEditor) override {
        m_bShown = true;
        m_bFocused = focusEditor;
    }
    void HideEditor() override {
        m_bShown = false;
        m_bFocused = false;
    }
    void FocusEditor() override { m_bFocused = true; }
    void Cut() override {
        m_clipboard = m_text;
        Type("");
    }
    void Copy() override { m_clipboard = m_text; }
    void Paste() override { Type(m_clipboard); }

    // Replaces the whole text, as typing over the selected text does.
    void Type(const std::string& text) {
        m_text = text;
        m_bModified = true;
    }

    // Starts a conversion over the selected text, as an input method does: the text goes, the
    // composition is shown but not yet part of it.
    void Compose(const std::string& composing) {
        Type("");
        m_composing = composing;
    }

    std::string m_text;
    std::string m_composing;
    std::string m_clipboard;
    bool m_bModified = false;
    bool m_bShown = false;
    bool m_bFocused = false;
    bool m_bScrolled = false;
    int m_nRow = -1;
    int m_nField = -1;
};
