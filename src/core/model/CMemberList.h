#pragma once

#include <cstddef>
#include <list>
#include <unordered_map>

class CPersonalData;

// A group's members in the order they joined. Groups of 100,000 members are common enough
// that removing one member must not search the list, so each member's node is indexed.
class CMemberList {
public:
    using const_iterator = std::list<CPersonalData*>::const_iterator;

    CMemberList() = default;
    CMemberList(const CMemberList& other);
    CMemberList& operator=(const CMemberList& other);
    CMemberList(CMemberList&&) noexcept = default;
    CMemberList& operator=(CMemberList&&) noexcept = default;
    ~CMemberList() = default;

    // A person is at most once in the list; appending a member again is ignored.
    void AddTail(CPersonalData* person);
    // True when the person was a member.
    bool Remove(const CPersonalData* person);
    bool Contains(const CPersonalData* person) const { return m_index.count(person) != 0; }
    void RemoveAll();
    std::size_t GetCount() const { return m_members.size(); }
    bool IsEmpty() const { return m_members.empty(); }
    const_iterator begin() const { return m_members.begin(); }
    const_iterator end() const { return m_members.end(); }

private:
    std::list<CPersonalData*> m_members;
    std::unordered_map<const CPersonalData*, std::list<CPersonalData*>::iterator> m_index;
};
