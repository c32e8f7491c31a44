#include "find/CFindMatcher.h"

#include "model/CPersonalData.h"
#include "text/CCp932.h"

CFindMatcher::CFindMatcher(std::string_view text, std::vector<int> fields, bool ignoreCaseWidth)
    : m_fields(std::move(fields)) {
    if (ignoreCaseWidth) {
        m_folding.emplace();
        m_strNeedle = m_folding->Fold(text);
    } else {
        m_strNeedle = text;
    }
}

bool CFindMatcher::Contains(std::string_view text) const {
    if (!m_folding)
        return CCp932::Find(text, m_strNeedle) != std::string_view::npos;
    m_folding->Fold(text, m_folded);
    return CCp932::Find(m_folded, m_strNeedle) != std::string_view::npos;
}

bool CFindMatcher::Matches(const CPersonalData& person) const {
    for (const int field : m_fields) {
        if (Contains(person.GetFieldView(field)))
            return true;
    }
    return false;
}
