#pragma once

#include "core/mail/EMailDelivery.h"

#include <cstdint>
#include <string>

// The plain values the option sheet takes in and gives back. Colours are 0x00BBGGRR.
struct COptionValues {
    std::uint32_t m_listBackground = 0;
    std::uint32_t m_treeBackground = 0;
    std::uint32_t m_listText = 0;
    std::uint32_t m_treeText = 0;
    std::string m_strMailSeparator;
    bool m_bEditByDblClk = false;
    int m_nRecentCapacity = 0;
    EMailDelivery m_eDelivery = EMailDelivery::MailProgram;

    bool operator==(const COptionValues&) const = default;
};
