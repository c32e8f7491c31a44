#pragma once

#include "core/views/CTreeControl.h"

#include <vector>

class CPersonList;
class CPersonalData;

// The person items a tree shows for a whole book, gathered in name order so that the tree can
// append them under their parents at once: in name order each goes last among its siblings,
// where sorting would have put it.
class CPersonItemBatch {
public:
    // Each person under each of its groups. A person in no group is shown under the root,
    // among the groups, so it is kept apart to be sorted in there.
    void AddUnderGroups(const CPersonList& persons);
    void AddUnder(HTREEITEM folder, const CPersonList& persons);

    const std::vector<CTreeControl::CAppend>& Appends() const { return m_appends; }
    const std::vector<CPersonalData*>& Ungrouped() const { return m_ungrouped; }
    // The persons lie scattered in name order: a walk that gives each its items asks for a
    // person some appends ahead of `at`.
    void FetchAhead(std::size_t at) const;

private:
    std::vector<CTreeControl::CAppend> m_appends;
    std::vector<CPersonalData*> m_ungrouped;
};
