#pragma once

#include "core/model/CGroup.h"
#include "core/model/CPersonalData.h"

#include <deque>
#include <utility>

// Owns every record made while a document's contents live. Records move in and out of the
// document's lists as commands are done and undone, so none is freed before the contents are
// discarded: no command can ever reach a freed record, and nothing is freed twice.
class CRecordStore {
public:
    template <typename... Args> CPersonalData* NewPerson(Args&&... args) {
        return &m_persons.emplace_back(std::forward<Args>(args)...);
    }
    template <typename... Args> CGroup* NewGroup(Args&&... args) {
        return &m_groups.emplace_back(std::forward<Args>(args)...);
    }
    void Clear() {
        std::deque<CPersonalData>().swap(m_persons);
        std::deque<CGroup>().swap(m_groups);
    }

private:
    std::deque<CPersonalData> m_persons;
    std::deque<CGroup> m_groups;
};
