#pragma once

#include "core/model/CFieldTable.h"

#include <array>
#include <string>

// What the user enters in the find dialog.
struct CFindInput {
    std::string m_strText; // CP932
    std::array<bool, CFieldTable::WORKING_FIELDS> m_ticked{};
    bool m_bIgnoreCaseWidth = false;
};

// What the find dialog shows. It outlives the dialog's window, so a reopened window shows the
// last search string and the last status line. Texts other than the search string are UTF-8.
struct CFindForm {
    CFindInput m_input;
    std::string m_strButton;
    std::string m_strStatus;
    std::string m_strHits;
    bool m_bHitsVisible = false;
    bool m_bProgressVisible = false;
    int m_nProgressMax = 0;
    int m_nProgressPos = 0;
    bool m_bSearching = false;
};
