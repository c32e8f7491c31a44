#include "core/model/CPersonList.h"

#include <cassert>

CPersonList::iterator CPersonList::insert(iterator position, CPersonalData* person) {
    assert(person->m_place == EPersonPlace::None);
    person->m_place = m_place;
    return CLinks::insert(position, person);
}

CPersonList::iterator CPersonList::erase(iterator position) {
    assert(*position && Contains(*position));
    (*position)->m_place = EPersonPlace::None;
    return CLinks::erase(position);
}

void CPersonList::clear() {
    for (CPersonalData* person : *this)
        person->m_place = EPersonPlace::None;
    CLinks::clear();
}
