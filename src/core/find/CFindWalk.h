#pragma once

#include "core/document/CDocView.h"
#include "core/find/CFindMatcher.h"
#include "core/find/CFindProgress.h"
#include "core/model/CPersonList.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

class CAddressDoc;
class CCommand;
class CGroup;

enum class EFindStep {
    Progressed, // the progress bar moved
    Paused,     // the time slice is up, or many hits wait to be shown
    Finished,
};

// One search as it runs. It walks the persons in stored order and adds each whose chosen fields
// hold the string to a new result group, handing control back at every progress step so that
// the caller can keep the window alive. The document may change between steps: persons that
// left it are not added, persons that joined it are still looked at, and once the document is
// emptied or the result group has gone the walk ends without touching a record again.
class CFindWalk : public CDocView {
public:
    using CClock = std::chrono::steady_clock;
    // Hits are shown in batches: one notification per batch lets the views sort their rows
    // once. With a deadline a batch is cut to what the views can show in the time left: finding
    // costs little beside showing.
    static constexpr std::size_t MAX_BATCH = 8192;
    static constexpr std::size_t MIN_BATCH = 64;

    // Creates the result group and shows it, selected. Neither the group nor the memberships
    // the walk adds are recorded for undo: undo never takes a search result away.
    CFindWalk(CAddressDoc& doc, std::string_view text, CFindMatcher matcher);
    ~CFindWalk() override;
    CFindWalk(const CFindWalk&) = delete;
    CFindWalk& operator=(const CFindWalk&) = delete;

    // "!検索結果 - " and the string, in CP932.
    static std::string MakeGroupName(std::string_view text);

    // Walks on until the bar moves, the deadline passes or the walk ends.
    EFindStep Step(CClock::time_point deadline = CClock::time_point::max());
    // The walk stops before the next person; what it found stays in the group.
    void Cancel() { m_bCancelled = true; }

    bool IsFinished() const { return m_bFinished; }
    // Ended before the last person: stopped, or its document or group went away.
    bool WasStopped() const { return m_bStopped; }
    // The members of the result group; while it is out of the document, the persons the walk
    // added.
    std::size_t GetHitCount() const;
    const CFindProgress& GetProgress() const { return m_progress; }
    int GetProgressPosition() const { return m_progress.GetPositionAfter(m_nWalked); }
    std::size_t GetWalkedCount() const { return m_nWalked; }
    // Null once the document was emptied.
    CGroup* GetGroup() const { return m_bEmptied ? nullptr : m_pGroup; }

    void OnUpdate(CDocView* sender, EHint hint, const CHintObject& object) override;

private:
    bool CanGoOn();
    // After a change it did not make, the walk looks again at which persons remain.
    void CatchUp();
    bool HasNext() const;
    CPersonalData* Next();
    static void FetchTexts(const CPersonalData& person);
    std::size_t BatchLimit(CClock::time_point start, CClock::time_point deadline) const;
    void AddHits(std::vector<CPersonalData*>& hits);
    void Execute(CCommand& command);
    EFindStep Finish(bool stopped);

    CAddressDoc& m_doc;
    CFindMatcher m_matcher;
    CGroup* m_pGroup;
    CFindProgress m_progress;
    // Until the document changes under it, the walk follows the document's own list and notes
    // whom it looked at; after a change, it walks what a catch-up left in m_order.
    bool m_bFollowingList = true;
    CPersonList::iterator m_itNext;
    std::vector<const CPersonalData*> m_followed;
    // The persons to look at from m_nNext on; those before it were looked at.
    std::vector<CPersonalData*> m_order;
    std::size_t m_nNext = 0;
    // Every person looked at before the last catch-up.
    std::unordered_set<const CPersonalData*> m_looked;
    std::size_t m_nWalked = 0;
    std::size_t m_nAdded = 0;
    // What showing one hit in the views has cost so far.
    CClock::duration m_hitCost = std::chrono::microseconds(5);
    bool m_bApplying = false;
    bool m_bChanged = false;
    bool m_bEmptied = false;
    bool m_bCancelled = false;
    bool m_bFinished = false;
    bool m_bStopped = false;
};
