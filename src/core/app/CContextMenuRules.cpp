#include "core/app/CContextMenuRules.h"

#include "core/ui/CommandIds.h"

namespace {
void GreyUnless(bool enabled, int id, std::vector<int>& greyed) {
    if (!enabled)
        greyed.push_back(id);
}
} // namespace

std::vector<int> CContextMenuRules::GetGreyedIds(const CTreeContextState& state) {
    std::vector<int> greyed;
    GreyUnless(state.m_bRemove, ID_REMOVE_FROM_GROUP, greyed);
    GreyUnless(state.m_bDelete, ID_DELETE, greyed);
    GreyUnless(state.m_bModify, ID_MODIFY, greyed);
    GreyUnless(state.m_bRestore, ID_RESTORE, greyed);
    return greyed;
}

std::vector<int> CContextMenuRules::GetGreyedIds(const CListContextState& state) {
    std::vector<int> greyed;
    GreyUnless(state.m_bRemove, ID_REMOVE_FROM_GROUP, greyed);
    GreyUnless(state.m_bModify, ID_MODIFY, greyed);
    GreyUnless(state.m_bDelete, ID_DELETE, greyed);
    GreyUnless(state.m_bRestore, ID_RESTORE, greyed);
    GreyUnless(state.m_bWriteMail, ID_MAIL_EMAIL1, greyed);
    GreyUnless(state.m_bWriteMail, ID_MAIL_EMAIL2, greyed);
    return greyed;
}
