#include "core/model/CPersonalData.h"

#include "core/model/CFieldTable.h"
#include "core/model/CGroup.h"
#include "core/model/CGroupInfo.h"

#include <algorithm>
#include <stdexcept>

namespace {
// The display form of a memo is its first line, without the line break; files written by other
// programs may break lines with LF alone.
std::string_view FirstLine(std::string_view memo) {
    const std::size_t lf = memo.find('\n');
    if (lf == std::string_view::npos)
        return memo;
    const bool crlf = lf > 0 && memo[lf - 1] == '\r';
    return memo.substr(0, crlf ? lf - 1 : lf);
}
} // namespace

EPersonText CPersonalData::TextOfField(int field) {
    static constexpr std::array<EPersonText, CFieldTable::FIELD_COUNT> texts = {
        EPersonText::Name,    EPersonText::Zip,     EPersonText::Address,
        EPersonText::Tel1,    EPersonText::Tel2,    EPersonText::Email1,
        EPersonText::Email2,  EPersonText::HomeZip, EPersonText::HomeAddress,
        EPersonText::HomeTel, EPersonText::Memo,    EPersonText::HomePage};
    if (field < 0 || field >= CFieldTable::FIELD_COUNT)
        throw std::out_of_range("field number");
    return texts[static_cast<std::size_t>(field)];
}

CPersonalData::CPersonalData() = default;

CPersonalData::CPersonalData(const std::array<std::string_view, TEXT_COUNT>& texts, int sex)
    : m_nSex(sex) {
    std::size_t total = 0;
    for (const std::string_view text : texts)
        total += text.size();
    m_texts.reserve(total);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        m_texts.append(texts[i]);
        m_ends[i] = static_cast<std::uint32_t>(m_texts.size());
    }
}

CPersonalData::CPersonalData(const CPersonalData& other)
    : m_nSex(other.m_nSex), m_groupList(other.m_groupList), m_treeItems(other.m_treeItems),
      m_texts(other.m_texts), m_ends(other.m_ends), m_uid(other.m_uid) {}

std::size_t CPersonalData::Begin(EPersonText text) const {
    const auto index = static_cast<std::size_t>(text);
    return index == 0 ? 0 : m_ends[index - 1];
}

std::string_view CPersonalData::GetText(EPersonText text) const {
    const std::size_t begin = Begin(text);
    return std::string_view(m_texts).substr(begin, m_ends[static_cast<std::size_t>(text)] - begin);
}

void CPersonalData::SetText(EPersonText text, std::string_view value) {
    const auto index = static_cast<std::size_t>(text);
    const std::size_t begin = Begin(text);
    const std::size_t oldSize = m_ends[index] - begin;
    m_texts.replace(begin, oldSize, value);
    const auto delta = static_cast<std::int64_t>(value.size()) - static_cast<std::int64_t>(oldSize);
    for (std::size_t i = index; i < m_ends.size(); ++i)
        m_ends[i] = static_cast<std::uint32_t>(static_cast<std::int64_t>(m_ends[i]) + delta);
}

std::string CPersonalData::GetFieldText(int field) const {
    const std::string_view text = GetText(TextOfField(field));
    return std::string(field == CFieldTable::FIELD_MEMO ? FirstLine(text) : text);
}

std::string CPersonalData::GetFieldFullText(int field) const {
    return std::string(GetFieldView(field));
}

std::string_view CPersonalData::GetFieldView(int field) const {
    return GetText(TextOfField(field));
}

std::string CPersonalData::ReplaceField(int field, std::string_view text) {
    const EPersonText which = TextOfField(field);
    std::string previous(GetText(which));
    SetText(which, text);
    return previous;
}

std::string_view CPersonalData::GetSortKey() const {
    const std::string_view initial = GetText(EPersonText::Initial);
    return initial.empty() ? GetText(EPersonText::Name) : initial;
}

bool CPersonalData::IsMemberOf(const CGroup* group) const {
    return group == nullptr ||
           std::find(m_groupList.begin(), m_groupList.end(), group) != m_groupList.end();
}

bool CPersonalData::IsShownIn(const CGroupInfo& info) const {
    if (info.IsAll())
        return true;
    if (info.IsDeleted())
        return false;
    return std::find(m_groupList.begin(), m_groupList.end(), info.GetGroup()) != m_groupList.end();
}
