#pragma once

#include "core/containers/CByteArena.h"
#include "core/model/CGroup.h"
#include "core/model/CPersonalData.h"

#include <deque>
#include <random>
#include <type_traits>
#include <utility>

// Owns every record made while a document's contents live. Records move in and out of the
// document's lists as commands are done and undone, so none is freed before the contents are
// discarded: no command can ever reach a freed record, and nothing is freed twice. A new person
// gets a random UID unless it is a copy that brings one; a person made from texts keeps them in
// the store's arena.
class CRecordStore {
public:
    CRecordStore();

    template <typename... Args> CPersonalData* NewPerson(Args&&... args) {
        CPersonalData& person = MakePerson(std::forward<Args>(args)...);
        if (person.GetUid().IsNil())
            person.SetUid(CUid(CUuid::Random(m_random)));
        return &person;
    }
    template <typename... Args> CGroup* NewGroup(Args&&... args) {
        return &m_groups.emplace_back(std::forward<Args>(args)...);
    }
    void Clear() {
        std::deque<CPersonalData>().swap(m_persons);
        std::deque<CGroup>().swap(m_groups);
        m_texts.Clear();
    }

private:
    template <typename... Args> CPersonalData& MakePerson(Args&&... args) {
        if constexpr (std::is_constructible_v<CPersonalData, Args..., CByteArena&>)
            return m_persons.emplace_back(std::forward<Args>(args)..., m_texts);
        else
            return m_persons.emplace_back(std::forward<Args>(args)...);
    }

    // Before the persons, so that it goes after them.
    CByteArena m_texts;
    std::deque<CPersonalData> m_persons;
    std::deque<CGroup> m_groups;
    std::mt19937_64 m_random;
};

inline CRecordStore::CRecordStore() {
    std::random_device device;
    std::seed_seq seed{device(), device(), device(), device()};
    m_random.seed(seed);
}
