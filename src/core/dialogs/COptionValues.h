#pragma once

#include <cstdint>
#include <string>

// The plain values the option sheet takes in and gives back. Colours are 0x00BBGGRR.
struct COptionValues {
    std::uint32_t m_listBackground = 0;
    std::uint32_t m_treeBackground = 0;
    std::uint32_t m_listText = 0;
    std::uint32_t m_treeText = 0;
    std::string m_strMailSeparator;
    // Never loaded and never changed by the person: they pass through as they came.
    bool m_bResetColumns = false;
    bool m_bShowPersonal = false;
    bool m_bStatusBar = false;
    bool m_bToolBar = false;
    bool m_bEditByDblClk = false;
    int m_nRecentCapacity = 0;
    // 0 the mail program, 1 the clipboard.
    int m_nDelivery = 0;

    bool operator==(const COptionValues&) const = default;
};
