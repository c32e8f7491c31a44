#include "core/find/CFindWalk.h"

#include "core/commands/CAddGroupCommand.h"
#include "core/commands/CAddPersonalToGroupCommand.h"
#include "core/commands/CCommandGroup.h"
#include "core/document/CAddressDoc.h"
#include "core/find/CFindTexts.h"
#include "core/model/CGroup.h"

#include <algorithm>
#include <cstdint>

namespace {
// The clock is read after this many persons, which take a few microseconds together.
constexpr std::size_t CLOCK_INTERVAL = 64;
// How many bytes of the next person's texts are asked for ahead.
constexpr std::uintptr_t TEXT_BYTES_AHEAD = 256;
} // namespace

CFindWalk::CFindWalk(CAddressDoc& doc, std::string_view text, CFindMatcher matcher)
    : m_doc(doc), m_matcher(std::move(matcher)), m_pGroup(doc.NewGroup(MakeGroupName(text))),
      m_progress(doc.GetPersonList().size()), m_itNext(doc.GetPersonList().begin()) {
    m_followed.reserve(doc.GetPersonList().size());
    m_pGroup->m_nSerial = CGroup::GROUP_TRANSIENT;
    CAddGroupCommand add(m_pGroup, true);
    Execute(add);
    m_doc.AddView(this);
}

CFindWalk::~CFindWalk() {
    m_doc.RemoveView(this);
}

std::string CFindWalk::MakeGroupName(std::string_view text) {
    std::string name(CFindTexts::RESULT_GROUP_PREFIX_CP932);
    name += text;
    return name;
}

EFindStep CFindWalk::Step(CClock::time_point deadline) {
    if (m_bFinished)
        return EFindStep::Finished;
    if (!CanGoOn())
        return Finish(true);
    const std::size_t batchLimit = BatchLimit(CClock::now(), deadline);
    std::vector<CPersonalData*> hits;
    std::size_t sinceClock = 0;
    while (HasNext()) {
        CPersonalData* person = Next();
        if (m_matcher.Matches(*person) && !m_pGroup->m_memberList.Contains(person))
            hits.push_back(person);
        ++m_nWalked;
        const bool progressed = m_progress.IsStepAfter(m_nWalked);
        const bool due = hits.size() >= batchLimit ||
                         (++sinceClock % CLOCK_INTERVAL == 0 && CClock::now() >= deadline);
        if ((progressed || due) && HasNext()) {
            AddHits(hits);
            return progressed ? EFindStep::Progressed : EFindStep::Paused;
        }
    }
    AddHits(hits);
    return Finish(false);
}

bool CFindWalk::CanGoOn() {
    if (m_bEmptied || m_bCancelled)
        return false;
    if (m_bChanged) {
        if (!m_doc.ContainsGroup(m_pGroup))
            return false;
        CatchUp();
    }
    return true;
}

bool CFindWalk::HasNext() const {
    if (m_bFollowingList)
        return m_itNext != m_doc.GetPersonList().end();
    return m_nNext < m_order.size();
}

CPersonalData* CFindWalk::Next() {
    CPersonalData* person = nullptr;
    if (m_bFollowingList) {
        person = *m_itNext++;
        m_followed.push_back(person);
    } else {
        person = m_order[m_nNext++];
    }
    // The texts lie elsewhere in memory than the person; asking for the next person's now lets
    // the wait for them overlap the looking at this one.
    if (HasNext())
        FetchTexts(m_bFollowingList ? **m_itNext : *m_order[m_nNext]);
    return person;
}

void CFindWalk::FetchTexts(const CPersonalData& person) {
    // A person keeps its texts in one buffer from the name to the home page; its first lines
    // hold most persons' texts whole, and a long memo is read on as the search goes. Asking for
    // memory never faults, so were the texts kept otherwise, this would only cost its time.
    const auto begin = reinterpret_cast<std::uintptr_t>(person.GetText(EPersonText::Name).data());
    const std::string_view last = person.GetText(EPersonText::HomePage);
    const auto end = reinterpret_cast<std::uintptr_t>(last.data() + last.size());
    for (std::uintptr_t line = begin; line < end && line < begin + TEXT_BYTES_AHEAD; line += 64)
        __builtin_prefetch(reinterpret_cast<const void*>(line));
}

void CFindWalk::CatchUp() {
    // The person the walk was to go on with may have left the list, so the walk gives up its
    // place there and goes on with every person of the list it has not looked at yet.
    m_looked.insert(m_followed.begin(), m_followed.end());
    m_followed = {};
    m_bFollowingList = false;
    for (std::size_t i = 0; i < m_nNext; ++i)
        m_looked.insert(m_order[i]);
    std::vector<CPersonalData*> rest;
    for (CPersonalData* person : m_doc.GetPersonList()) {
        if (!m_looked.contains(person))
            rest.push_back(person);
    }
    m_order = std::move(rest);
    m_nNext = 0;
    m_bChanged = false;
}

std::size_t CFindWalk::BatchLimit(CClock::time_point start, CClock::time_point deadline) const {
    if (deadline == CClock::time_point::max())
        return MAX_BATCH;
    const auto left = deadline > start ? deadline - start : CClock::duration::zero();
    const auto fits = static_cast<std::size_t>(left / std::max(m_hitCost, CClock::duration(1)));
    return std::clamp(fits, MIN_BATCH, MAX_BATCH);
}

void CFindWalk::AddHits(std::vector<CPersonalData*>& hits) {
    if (hits.empty())
        return;
    const auto start = CClock::now();
    // One notification for the batch: the views then sort their rows once, not once per hit.
    CCommandGroup batch;
    for (CPersonalData* person : hits)
        batch.AddCommand(std::make_unique<CAddPersonalToGroupCommand>(person, m_pGroup));
    Execute(batch);
    // Small batches say more about the fixed cost of a notification than about a hit.
    if (hits.size() >= MIN_BATCH)
        m_hitCost = (CClock::now() - start) / static_cast<int>(hits.size());
    m_nAdded += hits.size();
    hits.clear();
}

void CFindWalk::Execute(CCommand& command) {
    m_bApplying = true;
    command.Do(m_doc);
    m_doc.UpdateAllViews(nullptr, EHint::CommandDone, {&command, nullptr});
    m_bApplying = false;
}

EFindStep CFindWalk::Finish(bool stopped) {
    m_bFinished = true;
    m_bStopped = stopped;
    return EFindStep::Finished;
}

std::size_t CFindWalk::GetHitCount() const {
    if (m_bEmptied || !m_doc.ContainsGroup(m_pGroup))
        return m_nAdded;
    return m_pGroup->m_memberList.GetCount();
}

void CFindWalk::OnUpdate(CDocView*, EHint hint, const CHintObject&) {
    if (m_bApplying)
        return;
    if (hint == EHint::Emptied)
        m_bEmptied = true;
    else if (hint != EHint::SelectionChanged)
        m_bChanged = true;
}
