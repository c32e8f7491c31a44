#pragma once

#include "model/CMemberList.h"

#include <cstdint>
#include <list>
#include <optional>
#include <string>

// A named, flat set of persons. A group taken out of the document keeps its members, so
// that undo can put it back as it was.
class CGroup {
public:
    static constexpr int GROUP_TRANSIENT = -1; // a search result, never saved

    using CPosition = std::list<CGroup*>::iterator;

    CGroup() = default;
    explicit CGroup(std::string name) : m_strGroupName(std::move(name)) {}
    CGroup(const CGroup&) = delete;
    CGroup& operator=(const CGroup&) = delete;
    ~CGroup() = default;

    int m_nSerial = 0;
    std::optional<CPosition> m_posList;
    std::uint32_t m_hTreeItem = 0;
    std::string m_strGroupName;
    CMemberList m_memberList;
};
