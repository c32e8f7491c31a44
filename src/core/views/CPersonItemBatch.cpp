#include "core/views/CPersonItemBatch.h"

#include "core/model/CGroup.h"
#include "core/model/CPersonList.h"
#include "core/model/CPersonalData.h"
#include "core/views/CNameOrder.h"

#include <cstdint>

void CPersonItemBatch::AddUnderGroups(const CPersonList& persons) {
    std::vector<std::uint64_t> firstFour;
    const std::vector<CPersonalData*> ordered = CNameOrder::Of(persons, &firstFour);
    const auto [image, selectedImage] = CTreeControl::ImagesOf(ETreeItemKind::Person);
    m_appends.reserve(m_appends.size() + ordered.size());
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        CNameOrder::FetchAhead(ordered, i);
        CPersonalData* person = ordered[i];
        if (person->m_groupList.empty())
            m_ungrouped.push_back(person);
        for (const CGroup* group : person->m_groupList) {
            if (group->m_hTreeItem == TVI_NONE) // a tree full to its last handle
                continue;
            m_appends.push_back(
                {group->m_hTreeItem, image, selectedImage, firstFour[i], {nullptr, person}});
        }
    }
}

void CPersonItemBatch::AddUnder(HTREEITEM folder, const CPersonList& persons) {
    std::vector<std::uint64_t> firstFour;
    const std::vector<CPersonalData*> ordered = CNameOrder::Of(persons, &firstFour);
    const auto [image, selectedImage] = CTreeControl::ImagesOf(ETreeItemKind::Person);
    for (std::size_t i = 0; i < ordered.size(); ++i)
        m_appends.push_back({folder, image, selectedImage, firstFour[i], {nullptr, ordered[i]}});
}

void CPersonItemBatch::FetchAhead(std::size_t at) const {
    constexpr std::size_t AHEAD = 8;
    if (at + AHEAD < m_appends.size())
        __builtin_prefetch(&m_appends[at + AHEAD].data.person->m_treeItems);
}
