#pragma once

#include <string_view>

// The texts of a command: its menu caption ("&" mnemonic, shortcut after a tab), the prompt the
// status bar shows while it is highlighted, and the tooltip of its toolbar button. UTF-8.
struct CCommandText {
    int m_nId;
    std::string_view m_caption;
    std::string_view m_prompt;
    std::string_view m_tooltip;
};

// The program's string table of command texts.
class CCommandTexts {
public:
    // Nothing for an id the table does not know.
    static const CCommandText* Find(int id);
};
