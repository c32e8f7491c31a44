#pragma once

#include "core/dialogs/CPickList.h"

class CGroup;
class CPersonalData;

// Where a record goes when it is added to a dialog's list box: groups by name, persons by the
// binary search on their initial kana that the person list boxes have always used.
class CPickOrder {
public:
    CPickOrder() = delete;

    // After every group of the same or a smaller name, in CP932 byte order.
    static int ByGroupName(const CPickList<CGroup>& list, const CGroup* group);
    // The search stops at the first entry with an equal initial and inserts before it, so
    // persons with equal initials stand in the order the search happens to give them.
    static int ByInitial(const CPickList<CPersonalData>& list, const CPersonalData* person);
};
