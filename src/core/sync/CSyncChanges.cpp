#include "core/sync/CSyncChanges.h"

#include "core/commands/CAddPersonalCommand.h"
#include "core/commands/CCommandGroup.h"
#include "core/commands/CGroupFinder.h"
#include "core/commands/CModifyPersonalCommand.h"
#include "core/commands/CRestoreCommand.h"
#include "core/document/CAddressDoc.h"
#include "core/duplicates/CPersonMerge.h"
#include "core/sync/CSyncDigest.h"
#include "core/sync/CSyncTexts.h"
#include "core/text/CTextCodec.h"

#include <algorithm>
#include <set>

void CSyncChanges::Apply(std::unique_ptr<CCommand> command) {
    command->Do(m_doc);
    m_changes.AddCommand(std::move(command));
}

CPersonalData* CSyncChanges::Add(const CSyncCard& card) {
    auto step = std::make_unique<CCommandGroup>();
    std::size_t created = 0;
    CGroupFinder groups(m_doc, *step, created);
    std::array<std::string_view, CPersonalData::TEXT_COUNT> texts;
    std::copy(card.person.texts.begin(), card.person.texts.end(), texts.begin());
    CPersonalData* person = m_doc.NewPerson(texts, card.person.sex);
    if (card.person.uid) // else a UID of its own
        person->SetUid(*card.person.uid);
    groups.JoinAll(*person, card.person.groups);
    step->AddCommand(std::make_unique<CAddPersonalCommand>(person));
    Apply(std::move(step));
    return person;
}

CPersonalData* CSyncChanges::Restore(CPersonalData* deleted) {
    auto restore = std::make_unique<CRestoreCommand>(m_doc, deleted);
    CPersonalData* restored = restore->GetRestored();
    Apply(std::move(restore));
    return restored;
}

CPersonalData* CSyncChanges::Replace(CPersonalData* person, const CSyncCard& card) {
    auto step = std::make_unique<CCommandGroup>();
    std::size_t created = 0;
    CGroupFinder groups(m_doc, *step, created);
    CPersonalData* copy = m_doc.NewPerson(*person);
    copy->m_treeItems.RemoveAll();
    for (std::size_t i = 0; i < card.person.texts.size(); ++i)
        copy->SetText(static_cast<EPersonText>(i), card.person.texts[i]);
    copy->m_nSex = card.person.sex;
    copy->m_groupList.clear();
    groups.JoinAll(*copy, card.person.groups);
    step->AddCommand(std::make_unique<CModifyPersonalCommand>(person, copy));
    Apply(std::move(step));
    return copy;
}

bool CSyncChanges::Merge(CPersonalData*& person, const CSyncCard& card,
                         std::vector<std::string>& conflicts) {
    CPersonalData merged(*person);
    std::string memo(person->GetText(EPersonText::Memo));
    CPersonMerge::CTexts theirs;
    std::copy(card.person.texts.begin(), card.person.texts.end(), theirs.begin());
    m_merge.MergeTexts(merged, theirs, card.person.sex, memo);
    merged.SetText(EPersonText::Memo, memo);
    bool changed = merged.m_nSex != person->m_nSex;
    for (std::size_t i = 0; i < theirs.size(); ++i) {
        const auto text = static_cast<EPersonText>(i);
        changed = changed || merged.GetText(text) != person->GetText(text);
    }
    const std::set<std::string> ours = CSyncDigest::GroupNames(*person);
    std::vector<std::string> extraGroups;
    for (const std::string& name : card.person.groups) {
        if (!ours.contains(name))
            extraGroups.push_back(name);
    }
    if (!changed && extraGroups.empty())
        return ours != std::set<std::string>(card.person.groups.begin(), card.person.groups.end());

    auto step = std::make_unique<CCommandGroup>();
    std::size_t created = 0;
    CGroupFinder groups(m_doc, *step, created);
    CPersonalData* copy = m_doc.NewPerson(merged);
    copy->m_treeItems.RemoveAll();
    // The server's groups are joined rather than noted: membership is not a text to lose.
    for (const std::string& name : extraGroups)
        CGroupFinder::Join(*copy, groups.Get(name));
    step->AddCommand(std::make_unique<CModifyPersonalCommand>(person, copy));
    Apply(std::move(step));
    // A value kept in the memo is a conflict to tell; a field filled from the server is not.
    if (memo != person->GetText(EPersonText::Memo))
        conflicts.push_back(m_codec.ToUtf8(person->GetText(EPersonText::Name)));
    person = copy;
    return true;
}
