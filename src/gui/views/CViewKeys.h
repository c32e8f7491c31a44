#pragma once

class QEvent;
class QKeyEvent;

// What a pane does with an event before Qt sees it.
enum class EViewKeyEvent { PassOn, Consumed, SwitchPane };

// The keys both panes handle themselves rather than leave to Qt or to the window's shortcuts.
class CViewKeys {
public:
    static bool IsPaneSwitch(const QKeyEvent& key);
    // The command a key sends (Enter modifies, Delete deletes); 0 for any other key.
    static int CommandOf(const QKeyEvent& key);
    // Tab, line feed and carriage return typed as characters would only beep.
    static bool IsSwallowedCharacter(const QKeyEvent& key);
    static bool IsOwnKey(const QKeyEvent& key) { return IsPaneSwitch(key) || CommandOf(key) != 0; }
    // Keeps the panes' own keys from the window's shortcuts, and turns Tab into a pane switch
    // instead of a move along the window.
    static EViewKeyEvent Filter(QEvent& event);
};
