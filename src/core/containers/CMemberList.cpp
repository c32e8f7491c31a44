#include "core/containers/CMemberList.h"

#include <algorithm>

namespace {
// Fewer holes than this are left alone, so that small groups never compact.
constexpr std::size_t MIN_HOLES = 16;
} // namespace

CMemberList::const_iterator::const_iterator(pointer at, pointer end) : m_at(at), m_end(end) {
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

CPersonalData* const* CMemberList::SlotsBegin() const {
    return m_pData ? m_pData->members.data() : &m_pOne;
}

CPersonalData* const* CMemberList::SlotsEnd() const {
    return m_pData ? m_pData->members.data() + m_pData->members.size()
                   : &m_pOne + (m_pOne != nullptr);
}

CPersonalData* CMemberList::Last() const {
    return m_pData ? m_pData->members.back() : m_pOne;
}

CPointerIndex& CMemberList::IndexedSlots() const {
    const CSlots& slots = m_pData->members;
    if (m_pData->indexed < slots.size()) {
        m_pData->slotOf.Reserve(m_pData->count);
        for (std::size_t slot = m_pData->indexed; slot < slots.size(); ++slot) {
            if (slots[slot] != nullptr)
                m_pData->slotOf.Set(slots[slot], slot);
        }
        m_pData->indexed = slots.size();
    }
    return m_pData->slotOf;
}

void CMemberList::AddTail(CPersonalData* person) {
    if (person == nullptr || Contains(person))
        return;
    Append(person);
}

void CMemberList::AddNewTail(CPersonalData* person) {
    if (person == nullptr || Last() == person)
        return;
    Append(person);
}

void CMemberList::Append(CPersonalData* person) {
    if (!m_pData && m_pOne == nullptr) {
        m_pOne = person;
        return;
    }
    if (!m_pData) {
        m_pData = std::make_unique<CSlotTable>();
        m_pData->members.push_back(std::exchange(m_pOne, nullptr));
        m_pData->count = 1;
    }
    // A list that is searched keeps its index whole as members join.
    if (m_pData->indexed == m_pData->members.size() && m_pData->indexed != 0) {
        m_pData->slotOf.Set(person, m_pData->members.size());
        ++m_pData->indexed;
    }
    m_pData->members.push_back(person);
    ++m_pData->count;
}

bool CMemberList::Remove(const CPersonalData* person) {
    if (!m_pData) {
        if (person == nullptr || person != m_pOne)
            return false;
        m_pOne = nullptr;
        return true;
    }
    CPointerIndex& slotOf = IndexedSlots();
    CSlots& slots = m_pData->members;
    const std::size_t slot = slotOf.Find(person);
    if (slot == CPointerIndex::NOT_FOUND)
        return false;
    slotOf.Erase(person);
    slots[slot] = nullptr;
    --m_pData->count;
    while (!slots.empty() && slots.back() == nullptr)
        slots.pop_back();
    m_pData->indexed = slots.size();
    if (GetCount() == 1) {
        ShrinkToOne();
        return true;
    }
    // Closing the holes costs a pass over the members, paid for by as many removals.
    if (slots.size() - GetCount() > std::max(GetCount(), MIN_HOLES))
        CloseHoles();
    return true;
}

void CMemberList::ShrinkToOne() {
    m_pOne = m_pData->members.back();
    m_pData.reset();
}

void CMemberList::CloseHoles() {
    std::erase(m_pData->members, nullptr);
    m_pData->slotOf.Clear();
    m_pData->indexed = 0;
}
