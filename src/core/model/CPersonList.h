#pragma once

#include "core/containers/CLinkIterator.h"
#include "core/model/CPersonalData.h"

#include <cstddef>
#include <vector>

// One of the document's two person lists, linked through the persons themselves: a person costs
// no node of its own, and a walk reads the persons where they were made, mostly one after
// another. A person is in at most one such list, the one its m_place names.
class CPersonList {
public:
    // Gives the persons as the list holds them.
    using iterator =
        CLinkIterator<CPersonalData, &CPersonalData::m_pPrevPerson, &CPersonalData::m_pNextPerson>;
    using const_iterator = iterator;
    using value_type = CPersonalData*;
    using size_type = std::size_t;

    // `place` is what the list writes into the m_place of the persons it takes in.
    explicit CPersonList(EPersonPlace place) : m_place(place) {}
    CPersonList(const CPersonList&) = delete;
    CPersonList& operator=(const CPersonList&) = delete;
    // Touches no person: the persons may have gone before their list.
    ~CPersonList() = default;

    iterator begin() const { return {m_pFront, &m_pBack}; }
    iterator end() const { return {nullptr, &m_pBack}; }
    std::size_t size() const { return m_nSize; }
    bool empty() const { return m_nSize == 0; }
    CPersonalData* front() const { return m_pFront; }
    CPersonalData* back() const { return m_pBack; }

    // The persons in one walk; a vector built from the iterators would walk twice, to count.
    std::vector<CPersonalData*> ToVector() const;

    bool Contains(const CPersonalData* person) const { return person->m_place == m_place; }
    // The place of a person this list holds, found without a search.
    iterator IteratorTo(const CPersonalData* person) const;

    // The person must be in no list; it is put before `position` and given this list's place.
    iterator insert(iterator position, CPersonalData* person);
    // Takes out the person at `position` and gives the place after it.
    iterator erase(iterator position);
    // Every person leaves, each in no list afterwards.
    void clear();

private:
    EPersonPlace m_place;
    CPersonalData* m_pFront = nullptr;
    CPersonalData* m_pBack = nullptr;
    std::size_t m_nSize = 0;
};
