#include "core/dialogs/CDuplicateDialogModel.h"

#include "core/document/CAddressDoc.h"
#include "core/duplicates/CDuplicateTexts.h"
#include "core/duplicates/CNotDuplicatePairs.h"
#include "core/text/CTextFormat.h"

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<EDuplicateReason, const char*>, 3> REASONS = {{
    {EDuplicateReason::Name, CDuplicateTexts::REASON_NAME},
    {EDuplicateReason::Email, CDuplicateTexts::REASON_EMAIL},
    {EDuplicateReason::Phone, CDuplicateTexts::REASON_PHONE},
}};

std::string Join(const std::vector<std::string>& parts, std::string_view separator) {
    std::string joined;
    for (const std::string& part : parts) {
        if (!joined.empty())
            joined.append(separator);
        joined.append(part);
    }
    return joined;
}
} // namespace

CDuplicateDialogModel::CDuplicateDialogModel(const CAddressDoc& doc, CNotDuplicatePairs& toldApart)
    : m_toldApart(toldApart), m_persons(doc.GetPersonList().begin(), doc.GetPersonList().end()) {
    Find();
}

void CDuplicateDialogModel::Find() {
    const std::vector<const CPersonalData*> persons(m_persons.begin(), m_persons.end());
    m_sets = m_finder.Find(persons, m_toldApart.Among(persons));
    m_selected.reset();
    m_members.clear();
    m_nKeep = 0;
}

std::string CDuplicateDialogModel::GetSetCaption(std::size_t set) const {
    std::vector<std::string> names;
    for (const std::uint32_t index : m_sets.at(set).indexes)
        names.push_back(m_codec.ToUtf8(m_persons[index]->GetText(EPersonText::Name)));
    std::vector<std::string> reasons;
    for (const auto& [reason, text] : REASONS) {
        if (m_sets[set].Has(reason))
            reasons.emplace_back(text);
    }
    return CTextFormat::Format(CDuplicateTexts::SET_CAPTION,
                               {Join(names, CDuplicateTexts::NAME_SEPARATOR),
                                Join(reasons, CDuplicateTexts::REASON_SEPARATOR)});
}

void CDuplicateDialogModel::SelectSet(std::size_t set) {
    m_selected = set;
    m_members.clear();
    for (const std::uint32_t index : m_sets.at(set).indexes)
        m_members.push_back(m_persons[index]);
    m_nKeep = 0;
}

std::string CDuplicateDialogModel::GetMemberName(std::size_t member) const {
    return m_codec.ToUtf8(m_members.at(member)->GetText(EPersonText::Name));
}

void CDuplicateDialogModel::SetKeep(std::size_t member) {
    if (member < m_members.size())
        m_nKeep = member;
}

std::vector<CPersonalData*> CDuplicateDialogModel::Others() const {
    std::vector<CPersonalData*> others = m_members;
    others.erase(others.begin() + static_cast<std::ptrdiff_t>(m_nKeep));
    return others;
}

std::vector<CDuplicateDialogModel::CFieldRow> CDuplicateDialogModel::GetDifferences() const {
    std::vector<CFieldRow> rows;
    for (const EPersonText text : CPersonMerge::MergeOrder()) {
        CFieldRow row{CPersonMerge::Label(text), {}};
        bool differs = false;
        for (const CPersonalData* member : m_members) {
            differs = differs || member->GetText(text) != m_members.front()->GetText(text);
            row.values.push_back(m_codec.ToUtf8(member->GetText(text)));
        }
        if (differs)
            rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<CDuplicateDialogModel::CFieldRow> CDuplicateDialogModel::GetMergedResult() const {
    std::vector<CFieldRow> rows;
    if (!CanMerge())
        return rows;
    CPersonalData merged(*m_members[m_nKeep]);
    const std::vector<CPersonalData*> others = Others();
    m_merge.MergeInto(merged, {others.begin(), others.end()});
    for (const EPersonText text : CPersonMerge::MergeOrder()) {
        if (!merged.GetText(text).empty())
            rows.push_back({CPersonMerge::Label(text), {m_codec.ToUtf8(merged.GetText(text))}});
    }
    return rows;
}

std::unique_ptr<CCommand> CDuplicateDialogModel::MakeCommand(CAddressDoc& doc) const {
    if (!CanMerge())
        return nullptr;
    return m_merge.MakeCommand(doc, m_members[m_nKeep], Others());
}

bool CDuplicateDialogModel::OnNotDuplicates() {
    bool written = true;
    for (std::size_t i = 0; i < m_members.size(); ++i) {
        for (std::size_t j = i + 1; j < m_members.size(); ++j)
            written = m_toldApart.Add(*m_members[i], *m_members[j]) && written;
    }
    Find();
    return written;
}
