#include "model/CMemberList.h"

#include <algorithm>

namespace {
// Fewer holes than this are left alone, so that small groups never compact.
constexpr std::size_t MIN_HOLES = 16;
} // namespace

CMemberList::const_iterator::const_iterator(CSlots::const_iterator at, CSlots::const_iterator end)
    : m_at(at), m_end(end) {
    while (m_at != m_end && *m_at == nullptr)
        ++m_at;
}

CMemberList::const_iterator& CMemberList::const_iterator::operator++() {
    do
        ++m_at;
    while (m_at != m_end && *m_at == nullptr);
    return *this;
}

CMemberList::const_iterator CMemberList::const_iterator::operator++(int) {
    const const_iterator before = *this;
    ++*this;
    return before;
}

void CMemberList::AddTail(CPersonalData* person) {
    if (person == nullptr || Contains(person))
        return;
    m_slotOf.Set(person, m_slots.size());
    m_slots.push_back(person);
}

bool CMemberList::Remove(const CPersonalData* person) {
    const std::size_t slot = m_slotOf.Find(person);
    if (slot == CPointerIndex::NOT_FOUND)
        return false;
    m_slotOf.Erase(person);
    m_slots[slot] = nullptr;
    while (!m_slots.empty() && m_slots.back() == nullptr)
        m_slots.pop_back();
    // Closing the holes costs a pass over the members, paid for by as many removals.
    if (m_slots.size() - GetCount() > std::max(GetCount(), MIN_HOLES))
        CloseHoles();
    return true;
}

void CMemberList::CloseHoles() {
    std::erase(m_slots, nullptr);
    for (std::size_t slot = 0; slot < m_slots.size(); ++slot)
        m_slotOf.Set(m_slots[slot], slot);
}

void CMemberList::RemoveAll() {
    m_slots = {};
    m_slotOf.Clear();
}
