#include "core/find/CFindMatcher.h"

#include "core/model/CPersonalData.h"

namespace {
std::optional<CWidthFolding> MakeFolding(bool ignoreCaseWidth) {
    return ignoreCaseWidth ? std::optional<CWidthFolding>(std::in_place) : std::nullopt;
}
} // namespace

CFindMatcher::CFindMatcher(std::string_view text, std::vector<int> fields, bool ignoreCaseWidth)
    : m_folding(MakeFolding(ignoreCaseWidth)),
      m_pattern(m_folding ? std::string_view(m_folding->Fold(text)) : text),
      m_fields(std::move(fields)) {}

bool CFindMatcher::Contains(std::string_view text) const {
    if (!m_folding)
        return m_pattern.FindIn(text) != std::string_view::npos;
    return m_pattern.FindIn(m_folding->Fold(text, m_folded)) != std::string_view::npos;
}

bool CFindMatcher::Matches(const CPersonalData& person) const {
    for (const int field : m_fields) {
        if (Contains(person.GetFieldView(field)))
            return true;
    }
    return false;
}
