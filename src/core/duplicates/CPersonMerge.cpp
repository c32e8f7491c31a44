#include "core/duplicates/CPersonMerge.h"

#include "core/document/CAddressDoc.h"
#include "core/duplicates/CDuplicateTexts.h"
#include "core/model/CFieldTable.h"
#include "core/text/CSharedTexts.h"
#include "core/text/CTextCodec.h"
#include "core/text/CTextFormat.h"

#include <algorithm>

namespace {
// Memos are written with Windows line breaks.
constexpr std::string_view LINE_BREAK = "\r\n";

void AppendLine(std::string& memo, std::string_view line) {
    if (!memo.empty())
        memo.append(LINE_BREAK);
    memo.append(line);
}

bool HoldsLine(std::string_view memo, std::string_view line) {
    std::size_t start = 0;
    while (start <= memo.size()) {
        std::size_t end = memo.find(LINE_BREAK, start);
        if (end == std::string_view::npos)
            end = memo.size();
        if (memo.substr(start, end - start) == line)
            return true;
        start = end + LINE_BREAK.size();
    }
    return false;
}
} // namespace

CPersonMerge::CPersonMerge(const char* memoLine) {
    const CTextCodec codec;
    m_strMemoLine = codec.FromUtf8(memoLine).text;
    for (int index = 0; index < CPersonalData::TEXT_COUNT; ++index)
        m_labels[static_cast<std::size_t>(index)] =
            codec.FromUtf8(Label(static_cast<EPersonText>(index))).text;
}

const std::array<EPersonText, CPersonalData::TEXT_COUNT>& CPersonMerge::MergeOrder() {
    static constexpr std::array<EPersonText, CPersonalData::TEXT_COUNT> order = {
        EPersonText::Name,    EPersonText::Initial,     EPersonText::Zip,     EPersonText::Address,
        EPersonText::Tel1,    EPersonText::Tel2,        EPersonText::Email1,  EPersonText::Email2,
        EPersonText::HomeZip, EPersonText::HomeAddress, EPersonText::HomeTel, EPersonText::HomePage,
        EPersonText::Memo};
    return order;
}

std::string CPersonMerge::Label(EPersonText text) {
    if (text == EPersonText::Initial)
        return CSharedTexts::PERSON_INITIAL;
    for (int field = 0; field < CFieldTable::FIELD_COUNT; ++field) {
        if (CPersonalData::TextOfField(field) == text)
            return std::string(CFieldTable::GetLabel(field));
    }
    return {};
}

void CPersonMerge::MergeInto(CPersonalData& merged,
                             const std::vector<const CPersonalData*>& others) const {
    std::string memo(merged.GetText(EPersonText::Memo));
    for (const CPersonalData* other : others) {
        CTexts theirs;
        for (std::size_t i = 0; i < theirs.size(); ++i)
            theirs[i] = other->GetText(static_cast<EPersonText>(i));
        MergeTexts(merged, theirs, other->m_nSex, memo);
        for (CGroup* group : other->m_groupList) {
            if (std::find(merged.m_groupList.begin(), merged.m_groupList.end(), group) ==
                merged.m_groupList.end())
                merged.m_groupList.push_back(group);
        }
    }
    merged.SetText(EPersonText::Memo, memo);
}

std::unique_ptr<CMergePersonsCommand>
CPersonMerge::MakeCommand(CAddressDoc& doc, CPersonalData* keep,
                          const std::vector<CPersonalData*>& others) const {
    CPersonalData* merged = doc.NewPerson(*keep);
    merged->m_treeItems.RemoveAll(); // the tree gives the copy items of its own
    MergeInto(*merged, {others.begin(), others.end()});
    return std::make_unique<CMergePersonsCommand>(keep, merged, others);
}

void CPersonMerge::MergeTexts(CPersonalData& merged, const CTexts& theirs, int sex,
                              std::string& memo) const {
    for (const EPersonText text : MergeOrder())
        MergeText(merged, theirs[static_cast<std::size_t>(text)], text, memo);
    if (merged.m_nSex == CPersonalData::SEX_NONE)
        merged.m_nSex = sex;
}

void CPersonMerge::MergeText(CPersonalData& merged, std::string_view theirs, EPersonText text,
                             std::string& memo) const {
    if (text == EPersonText::Memo) {
        // Another memo is already a memo: it is added as it stands.
        if (!theirs.empty() && memo.find(theirs) == std::string::npos)
            AppendLine(memo, theirs);
        return;
    }
    const std::string_view ours = merged.GetText(text);
    if (theirs.empty() || theirs == ours || HoldsAlready(merged, text, theirs))
        return;
    if (ours.empty()) {
        merged.SetText(text, theirs);
        return;
    }
    const std::string line = CTextFormat::Format(
        m_strMemoLine, {m_labels[static_cast<std::size_t>(text)], std::string(theirs)});
    if (!HoldsLine(memo, line))
        AppendLine(memo, line);
}

bool CPersonMerge::HoldsAlready(const CPersonalData& merged, EPersonText text,
                                std::string_view theirs) const {
    static constexpr std::array PHONES = {EPersonText::Tel1, EPersonText::Tel2,
                                          EPersonText::HomeTel};
    static constexpr std::array EMAILS = {EPersonText::Email1, EPersonText::Email2};
    const auto among = [&merged, theirs](auto key, const auto& texts) {
        const std::string wanted(key(theirs));
        return !wanted.empty() && std::any_of(texts.begin(), texts.end(), [&](EPersonText t) {
            return key(merged.GetText(t)) == wanted;
        });
    };
    if (std::find(PHONES.begin(), PHONES.end(), text) != PHONES.end())
        return among([this](std::string_view v) { return m_keys.PhoneKey(v); }, PHONES);
    if (std::find(EMAILS.begin(), EMAILS.end(), text) != EMAILS.end())
        return among([this](std::string_view v) { return m_keys.EmailKey(v); }, EMAILS);
    return among([this](std::string_view v) { return m_keys.NameKey(v); }, std::array{text});
}
