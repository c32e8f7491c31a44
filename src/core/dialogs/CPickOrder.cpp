#include "core/dialogs/CPickOrder.h"

#include "core/model/CGroup.h"
#include "core/model/CPersonalData.h"
#include "core/text/CCp932.h"

int CPickOrder::ByGroupName(const CPickList<CGroup>& list, const CGroup* group) {
    int lo = 0;
    int hi = list.GetCount();
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (CCp932::Compare(group->m_strGroupName, list.GetAt(mid)->m_strGroupName) < 0)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

int CPickOrder::ByInitial(const CPickList<CPersonalData>& list, const CPersonalData* person) {
    const std::string_view initial = person->GetText(EPersonText::Initial);
    int lo = 0;
    int hi = list.GetCount() - 1;
    while (hi >= lo) {
        const int mid = lo + (hi - lo) / 2;
        const int order = CCp932::Compare(initial, list.GetAt(mid)->GetText(EPersonText::Initial));
        if (order < 0) {
            hi = mid - 1;
        } else if (order > 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            lo = mid;
        }
    }
    return lo;
}
