#include "core/model/CPersonalData.h"

#include "core/containers/CByteArena.h"
#include "core/model/CFieldTable.h"
#include "core/model/CGroup.h"
#include "core/model/CGroupInfo.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace {
std::size_t TotalSize(const std::array<std::string_view, CPersonalData::TEXT_COUNT>& texts) {
    std::size_t total = 0;
    for (const std::string_view text : texts)
        total += text.size();
    return total;
}

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
    PutTexts(texts, std::make_unique_for_overwrite<char[]>(TotalSize(texts)).release());
}

CPersonalData::CPersonalData(const std::array<std::string_view, TEXT_COUNT>& texts, int sex,
                             CByteArena& arena)
    : m_nSex(sex), m_bOwnsTexts(false) {
    PutTexts(texts, arena.Allocate(TotalSize(texts)));
}

CPersonalData::CPersonalData(const CPersonalData& other)
    : m_nSex(other.m_nSex), m_groupList(other.m_groupList), m_treeItems(other.m_treeItems),
      m_ends(other.m_ends), m_uid(other.m_uid) {
    const std::string_view texts = other.GetAllTexts();
    m_pTexts = std::make_unique_for_overwrite<char[]>(texts.size()).release();
    std::copy(texts.begin(), texts.end(), m_pTexts);
}

CPersonalData::~CPersonalData() {
    FreeOwnTexts();
}

void CPersonalData::FreeOwnTexts() {
    // A block of the arena's goes with the arena.
    if (m_bOwnsTexts)
        std::unique_ptr<char[]>{m_pTexts}.reset();
}

void CPersonalData::PutTexts(const std::array<std::string_view, TEXT_COUNT>& texts, char* block) {
    m_pTexts = block;
    std::size_t end = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::copy(texts[i].begin(), texts[i].end(), block + end);
        end += texts[i].size();
        m_ends[i] = static_cast<std::uint32_t>(end);
    }
}

void CPersonalData::ReplaceBlock(char* block) {
    FreeOwnTexts();
    m_pTexts = block;
    m_bOwnsTexts = true;
}

std::size_t CPersonalData::Begin(EPersonText text) const {
    const auto index = static_cast<std::size_t>(text);
    return index == 0 ? 0 : m_ends[index - 1];
}

std::string_view CPersonalData::GetText(EPersonText text) const {
    const std::size_t begin = Begin(text);
    return GetAllTexts().substr(begin, m_ends[static_cast<std::size_t>(text)] - begin);
}

EPersonText CPersonalData::TextAt(std::size_t offset) const {
    const auto after = std::upper_bound(m_ends.begin(), m_ends.end(), offset);
    return static_cast<EPersonText>(after - m_ends.begin());
}

void CPersonalData::SetText(EPersonText text, std::string_view value) {
    const auto index = static_cast<std::size_t>(text);
    const std::string_view old = GetAllTexts();
    const std::size_t begin = Begin(text);
    const std::size_t end = m_ends[index];
    const std::size_t total = old.size() - (end - begin) + value.size();
    // A person's texts are one block of exactly their size: an edit makes the block again.
    auto texts = std::make_unique_for_overwrite<char[]>(total);
    char* out =
        std::copy(old.begin(), old.begin() + static_cast<std::ptrdiff_t>(begin), texts.get());
    out = std::copy(value.begin(), value.end(), out);
    std::copy(old.begin() + static_cast<std::ptrdiff_t>(end), old.end(), out);
    ReplaceBlock(texts.release());
    const auto delta =
        static_cast<std::int64_t>(value.size()) - static_cast<std::int64_t>(end - begin);
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
