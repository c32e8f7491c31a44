#include "core/containers/CMemberList.h"

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

const CMemberList::CSlots& CMemberList::Slots() const {
    static const CSlots none;
    return m_pData ? m_pData->members : none;
}

void CMemberList::AddTail(CPersonalData* person) {
    if (person == nullptr || Contains(person))
        return;
    if (!m_pData)
        m_pData = std::make_unique<CSlotTable>();
    m_pData->slotOf.Set(person, m_pData->members.size());
    m_pData->members.push_back(person);
}

bool CMemberList::Remove(const CPersonalData* person) {
    if (!m_pData)
        return false;
    CSlots& slots = m_pData->members;
    const std::size_t slot = m_pData->slotOf.Find(person);
    if (slot == CPointerIndex::NOT_FOUND)
        return false;
    m_pData->slotOf.Erase(person);
    slots[slot] = nullptr;
    while (!slots.empty() && slots.back() == nullptr)
        slots.pop_back();
    if (slots.empty()) {
        m_pData.reset();
        return true;
    }
    // Closing the holes costs a pass over the members, paid for by as many removals.
    if (slots.size() - GetCount() > std::max(GetCount(), MIN_HOLES))
        CloseHoles();
    return true;
}

void CMemberList::CloseHoles() {
    CSlots& slots = m_pData->members;
    std::erase(slots, nullptr);
    for (std::size_t slot = 0; slot < slots.size(); ++slot)
        m_pData->slotOf.Set(slots[slot], slot);
}
