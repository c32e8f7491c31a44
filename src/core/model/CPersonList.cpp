#include "core/model/CPersonList.h"

#include <cassert>

CPersonList::iterator CPersonList::IteratorTo(const CPersonalData* person) const {
    assert(Contains(person));
    // The list hands out its persons as it holds them, for a change through the document.
    return {const_cast<CPersonalData*>(person), &m_pBack};
}

CPersonList::iterator CPersonList::insert(iterator position, CPersonalData* person) {
    assert(person->m_place == EPersonPlace::None && position.Walks(&m_pBack));
    CPersonalData* next = *position;
    CPersonalData* prev = next ? next->m_pPrevPerson : m_pBack;
    person->m_pPrevPerson = prev;
    person->m_pNextPerson = next;
    (prev ? prev->m_pNextPerson : m_pFront) = person;
    (next ? next->m_pPrevPerson : m_pBack) = person;
    person->m_place = m_place;
    ++m_nSize;
    return {person, &m_pBack};
}

CPersonList::iterator CPersonList::erase(iterator position) {
    CPersonalData* person = *position;
    assert(person && Contains(person) && position.Walks(&m_pBack));
    CPersonalData* prev = person->m_pPrevPerson;
    CPersonalData* next = person->m_pNextPerson;
    (prev ? prev->m_pNextPerson : m_pFront) = next;
    (next ? next->m_pPrevPerson : m_pBack) = prev;
    person->m_pPrevPerson = nullptr;
    person->m_pNextPerson = nullptr;
    person->m_place = EPersonPlace::None;
    --m_nSize;
    return {next, &m_pBack};
}

void CPersonList::clear() {
    for (CPersonalData* person = m_pFront; person;) {
        CPersonalData* next = person->m_pNextPerson;
        person->m_pPrevPerson = nullptr;
        person->m_pNextPerson = nullptr;
        person->m_place = EPersonPlace::None;
        person = next;
    }
    m_pFront = nullptr;
    m_pBack = nullptr;
    m_nSize = 0;
}

std::vector<CPersonalData*> CPersonList::ToVector() const {
    std::vector<CPersonalData*> persons;
    persons.reserve(m_nSize);
    for (CPersonalData* person = m_pFront; person != nullptr; person = person->m_pNextPerson)
        persons.push_back(person);
    return persons;
}
