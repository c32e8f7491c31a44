#include "core/sync/CSyncChanges.h"

#include "core/commands/CAddPersonalCommand.h"
#include "core/commands/CCommandGroup.h"
#include "core/commands/CGroupFinder.h"
#include "core/commands/CModifyPersonalCommand.h"
#include "core/commands/CRestoreCommand.h"
#include "core/document/CAddressDoc.h"
#include "core/model/CFieldTable.h"
#include "core/sync/CSyncDigest.h"
#include "core/sync/CSyncTexts.h"
#include "core/text/CTextCodec.h"
#include "core/text/CTextFormat.h"

#include <algorithm>
#include <set>

namespace {
constexpr std::string_view CRLF = "\r\n";

// The label of each text in a conflict's memo lines: the field table's, and the reading's.
std::string LabelOf(EPersonText text) {
    if (text == EPersonText::Initial)
        return CSyncTexts::LABEL_READING;
    for (int field = 0; field < CFieldTable::FIELD_COUNT; ++field) {
        if (CPersonalData::TextOfField(field) == text)
            return std::string(CFieldTable::GetLabel(field));
    }
    return {};
}
} // namespace

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
    for (const std::string& name : card.person.groups)
        CGroupFinder::Join(*person, groups.Get(name));
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
    for (const std::string& name : card.person.groups)
        CGroupFinder::Join(*copy, groups.Get(name));
    step->AddCommand(std::make_unique<CModifyPersonalCommand>(person, copy));
    Apply(std::move(step));
    return copy;
}

bool CSyncChanges::Merge(CPersonalData*& person, const CSyncCard& card,
                         std::vector<std::string>& conflicts) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < card.person.texts.size(); ++i) {
        const auto text = static_cast<EPersonText>(i);
        const std::string& theirs = card.person.texts[i];
        if (!theirs.empty() && theirs != person->GetText(text))
            lines.push_back(
                m_codec.FromUtf8(CTextFormat::Format(CSyncTexts::SERVER_LINE, {LabelOf(text)}))
                    .text +
                theirs);
    }
    if (card.person.sex != CPersonalData::SEX_NONE && card.person.sex != person->m_nSex) {
        const bool male = card.person.sex == CPersonalData::SEX_MALE;
        lines.push_back(
            m_codec
                .FromUtf8(CTextFormat::Format(CSyncTexts::SERVER_LINE, {CSyncTexts::LABEL_SEX}) +
                          (male ? CSyncTexts::SEX_MALE : CSyncTexts::SEX_FEMALE))
                .text);
    }
    const std::set<std::string> ours = CSyncDigest::GroupNames(*person);
    std::vector<std::string> extraGroups;
    for (const std::string& name : card.person.groups) {
        if (!ours.contains(name))
            extraGroups.push_back(name);
    }
    if (lines.empty() && extraGroups.empty())
        return ours != std::set<std::string>(card.person.groups.begin(), card.person.groups.end());

    auto step = std::make_unique<CCommandGroup>();
    std::size_t created = 0;
    CGroupFinder groups(m_doc, *step, created);
    CPersonalData* copy = m_doc.NewPerson(*person);
    copy->m_treeItems.RemoveAll();
    std::string memo(person->GetText(EPersonText::Memo));
    for (const std::string& line : lines)
        memo += (memo.empty() ? "" : std::string(CRLF)) + line;
    copy->SetText(EPersonText::Memo, memo);
    // The server's groups are joined rather than noted: membership is not a text to lose.
    for (const std::string& name : extraGroups)
        CGroupFinder::Join(*copy, groups.Get(name));
    step->AddCommand(std::make_unique<CModifyPersonalCommand>(person, copy));
    Apply(std::move(step));
    if (!lines.empty())
        conflicts.push_back(m_codec.ToUtf8(person->GetText(EPersonText::Name)));
    person = copy;
    return true;
}
