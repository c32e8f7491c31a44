#include "core/find/CFindMatcher.h"

#include "core/model/CPersonalData.h"

namespace {
std::optional<CWidthFolding> MakeFolding(bool ignoreCaseWidth) {
    return ignoreCaseWidth ? std::optional<CWidthFolding>(std::in_place) : std::nullopt;
}

std::uint32_t Bit(EPersonText text) {
    return std::uint32_t{1} << static_cast<unsigned>(text);
}
} // namespace

CFindMatcher::CFindMatcher(std::string_view text, std::vector<int> fields, bool ignoreCaseWidth)
    : m_folding(MakeFolding(ignoreCaseWidth)),
      m_pattern(m_folding ? std::string_view(m_folding->Fold(text)) : text),
      m_fields(std::move(fields)) {
    for (const int field : m_fields)
        m_chosenTexts |= Bit(CPersonalData::TextOfField(field));
}

bool CFindMatcher::Contains(std::string_view text) const {
    if (!m_folding)
        return m_pattern.FindIn(text) != std::string_view::npos;
    return m_pattern.FindIn(m_folding->Fold(text, m_folded)) != std::string_view::npos;
}

bool CFindMatcher::Matches(const CPersonalData& person) const {
    if (m_folding || m_pattern.IsEmpty())
        return MatchesFieldByField(person);
    // A field holds the string only where the string's rarest byte stands in it, so one look
    // for that byte over all the texts, as they lie, finds the few fields worth searching, and
    // each of those is searched once.
    const std::string_view texts = person.GetAllTexts();
    std::size_t at = 0;
    while ((at = m_pattern.FindRareByte(texts, at)) != std::string_view::npos) {
        const EPersonText text = person.TextAt(at);
        const std::string_view field = person.GetText(text);
        if ((m_chosenTexts & Bit(text)) != 0 && m_pattern.FindIn(field) != std::string_view::npos)
            return true;
        at = static_cast<std::size_t>(field.data() + field.size() - texts.data());
    }
    return false;
}

bool CFindMatcher::MatchesFieldByField(const CPersonalData& person) const {
    for (const int field : m_fields) {
        if (Contains(person.GetFieldView(field)))
            return true;
    }
    return false;
}
