#include "core/commands/CMergePersonsCommand.h"

#include "core/commands/CCommandList.h"
#include "core/commands/CCommandTree.h"
#include "core/commands/CUndoTexts.h"
#include "core/document/CAddressDoc.h"

CMergePersonsCommand::CMergePersonsCommand(CPersonalData* keep, CPersonalData* merged,
                                           std::vector<CPersonalData*> others)
    : m_pKeep(keep), m_pMerged(merged) {
    for (CPersonalData* other : others)
        m_others.push_back({other, nullptr});
}

std::string CMergePersonsCommand::GetName() const {
    return CUndoTexts::MERGE_DUPLICATES;
}

const CPersonalData* CMergePersonsCommand::NextLive(const CAddressDoc& doc,
                                                    const CPersonalData* person) {
    const auto next = std::next(doc.GetPersonList().IteratorTo(person));
    return next == doc.GetPersonList().end() ? nullptr : *next;
}

void CMergePersonsCommand::Do(CAddressDoc& doc) {
    // Each person's follower is taken when it goes, so that undoing in reverse finds every
    // follower back in the list.
    for (CTakenOut& other : m_others) {
        other.next = NextLive(doc, other.person);
        if (doc.RemovePerson(other.person))
            doc.AddDeletedPerson(other.person);
    }
    m_pKeepNext = NextLive(doc, m_pKeep);
    doc.RemovePerson(m_pKeep);
    doc.InsertPerson(m_pMerged, m_pKeepNext);
}

void CMergePersonsCommand::DoTree(CCommandTree& tree) {
    for (const CTakenOut& other : m_others) {
        tree.DeletePersonalItems(other.person);
        tree.InsertPersonUnderDeleted(other.person);
    }
    tree.DeletePersonalItems(m_pKeep);
    tree.InsertPersonalItems(m_pMerged);
}

void CMergePersonsCommand::DoList(CCommandList& list) {
    for (const CTakenOut& other : m_others) {
        if (list.ShowsDeleted())
            list.InsertPersonalRow(other.person);
        else if (other.person->IsMemberOf(list.GetShownGroup()))
            list.DeletePersonalRow(other.person);
    }
    if (list.ShowsDeleted())
        return;
    if (m_pKeep->IsMemberOf(list.GetShownGroup()))
        list.DeletePersonalRow(m_pKeep);
    if (m_pMerged->IsMemberOf(list.GetShownGroup()))
        list.InsertPersonalRow(m_pMerged);
}

void CMergePersonsCommand::Undo(CAddressDoc& doc) {
    doc.RemovePerson(m_pMerged);
    doc.InsertPerson(m_pKeep, m_pKeepNext);
    for (auto it = m_others.rbegin(); it != m_others.rend(); ++it) {
        if (doc.RemoveDeletedPerson(it->person))
            doc.InsertPerson(it->person, it->next);
    }
}

void CMergePersonsCommand::UndoTree(CCommandTree& tree) {
    tree.DeletePersonalItems(m_pMerged);
    tree.InsertPersonalItems(m_pKeep);
    for (const CTakenOut& other : m_others) {
        tree.DeletePersonalItems(other.person);
        tree.InsertPersonalItems(other.person);
    }
}

void CMergePersonsCommand::UndoList(CCommandList& list) {
    for (const CTakenOut& other : m_others) {
        if (list.ShowsDeleted())
            list.DeletePersonalRow(other.person);
        else if (other.person->IsMemberOf(list.GetShownGroup()))
            list.InsertPersonalRow(other.person);
    }
    if (list.ShowsDeleted())
        return;
    if (m_pMerged->IsMemberOf(list.GetShownGroup()))
        list.DeletePersonalRow(m_pMerged);
    if (m_pKeep->IsMemberOf(list.GetShownGroup()))
        list.InsertPersonalRow(m_pKeep);
}
