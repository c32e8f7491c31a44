#include "model/CMemberList.h"

CMemberList::CMemberList(const CMemberList& other) {
    for (CPersonalData* person : other)
        AddTail(person);
}

CMemberList& CMemberList::operator=(const CMemberList& other) {
    if (this != &other) {
        RemoveAll();
        for (CPersonalData* person : other)
            AddTail(person);
    }
    return *this;
}

void CMemberList::AddTail(CPersonalData* person) {
    if (Contains(person))
        return;
    m_index.emplace(person, m_members.insert(m_members.end(), person));
}

bool CMemberList::Remove(const CPersonalData* person) {
    const auto found = m_index.find(person);
    if (found == m_index.end())
        return false;
    m_members.erase(found->second);
    m_index.erase(found);
    return true;
}

void CMemberList::RemoveAll() {
    m_members.clear();
    m_index.clear();
}
