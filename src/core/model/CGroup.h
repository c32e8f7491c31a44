#pragma once

#include "core/containers/CMemberList.h"
#include "core/text/CCompactText.h"

#include <cstdint>
#include <string>

// A named, flat set of persons. A group taken out of the document keeps its members, so
// that undo can put it back as it was.
class CGroup {
public:
    static constexpr int GROUP_TRANSIENT = -1; // a search result, never saved

    CGroup() = default;
    explicit CGroup(std::string_view name) : m_strGroupName(name) {}
    CGroup(const CGroup&) = delete;
    CGroup& operator=(const CGroup&) = delete;
    ~CGroup() = default;

    // The two numbers side by side, so that a group wastes no padding.
    int m_nSerial = 0;
    std::uint32_t m_hTreeItem = 0;
    // The neighbours in the document's group list, null at its ends and outside it.
    CGroup* m_pPrevGroup = nullptr;
    CGroup* m_pNextGroup = nullptr;
    CCompactText m_strGroupName;
    CMemberList m_memberList;
};
