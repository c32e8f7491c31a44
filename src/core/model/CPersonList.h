#pragma once

#include "core/containers/CLinkedList.h"
#include "core/model/CPersonalData.h"

// One of the document's two person lists, linked through the persons themselves: a person costs
// no node of its own, and a walk reads the persons where they were made, mostly one after
// another. A person is in at most one such list, the one its m_place names.
class CPersonList : public CLinkedList<CPersonalData, &CPersonalData::m_pPrevPerson,
                                       &CPersonalData::m_pNextPerson> {
public:
    // `place` is what the list writes into the m_place of the persons it takes in.
    explicit CPersonList(EPersonPlace place) : m_place(place) {}

    bool Contains(const CPersonalData* person) const { return person->m_place == m_place; }

    // The person must be in no list; it is put before `position` and given this list's place.
    iterator insert(iterator position, CPersonalData* person);
    void push_back(CPersonalData* person) { insert(end(), person); }
    // Takes out the person at `position` and gives the place after it.
    iterator erase(iterator position);
    void erase(CPersonalData* person) { erase(IteratorTo(person)); }
    // Every person leaves, each in no list afterwards.
    void clear();

private:
    using CLinks =
        CLinkedList<CPersonalData, &CPersonalData::m_pPrevPerson, &CPersonalData::m_pNextPerson>;

    EPersonPlace m_place;
};
