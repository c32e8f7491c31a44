#include "core/views/CTreeControl.h"

#include "core/model/CGroup.h"
#include "core/model/CPersonalData.h"
#include "core/text/CCp932.h"
#include "core/text/CSortPrefix.h"

#include <stdexcept>
#include <utility>

CTreeControl::CBulkChange::CBulkChange(CTreeControl& tree) : m_tree(tree) {
    if (m_tree.m_nBulkDepth++ == 0 && m_tree.m_observer)
        m_tree.m_observer->OnAboutToReset();
}

CTreeControl::CBulkChange::~CBulkChange() {
    if (--m_tree.m_nBulkDepth == 0 && m_tree.m_observer)
        m_tree.m_observer->OnReset();
}

std::pair<ETreeImage, ETreeImage> CTreeControl::ImagesOf(ETreeItemKind kind) {
    switch (kind) {
    case ETreeItemKind::Person:
        return {ETreeImage::Person, ETreeImage::PersonSelected};
    case ETreeItemKind::DeletedFolder:
        return {ETreeImage::Deleted, ETreeImage::DeletedOpen};
    case ETreeItemKind::Group:
        break;
    }
    return {ETreeImage::Group, ETreeImage::GroupOpen};
}

void CTreeControl::SetSelectionHandler(std::function<void()> handler) {
    m_selectionHandler = std::move(handler);
}

namespace {
// The lowest two bits of an item's record address: every record is aligned wider than that.
constexpr std::uintptr_t KIND_BITS = 3;
constexpr std::uintptr_t PERSON_KIND = 1;
constexpr std::uintptr_t PLAIN_KIND = 2;
} // namespace

CTreeItemData CTreeControl::CItem::Data() const {
    switch (m_data & KIND_BITS) {
    case PERSON_KIND:
        return {nullptr, reinterpret_cast<CPersonalData*>(m_data & ~KIND_BITS)};
    case PLAIN_KIND:
        return {};
    default:
        return {reinterpret_cast<CGroup*>(m_data), nullptr};
    }
}

std::string_view CTreeControl::CItem::Text() const {
    if ((m_data & KIND_BITS) == PLAIN_KIND)
        return *reinterpret_cast<const std::string*>(m_data & ~KIND_BITS);
    return ShownText({}, Data());
}

std::string_view CTreeControl::ShownText(std::string_view text, CTreeItemData data) {
    if (data.person != nullptr)
        return data.person->GetText(EPersonText::Name);
    if (data.group != nullptr)
        return data.group->m_strGroupName.View();
    return text;
}

void CTreeControl::SetItemData(CItem& item, HTREEITEM handle, std::string_view text,
                               CTreeItemData data) {
    // An item stands for a group or a person, never both.
    if (data.person != nullptr) {
        item.m_data = reinterpret_cast<std::uintptr_t>(data.person) | PERSON_KIND;
    } else if (data.group != nullptr) {
        item.m_data = reinterpret_cast<std::uintptr_t>(data.group);
    } else {
        std::string& plain = m_plainTexts[handle];
        plain = text;
        item.m_data = reinterpret_cast<std::uintptr_t>(&plain) | PLAIN_KIND;
    }
}

std::uint32_t CTreeControl::SlotOf(HTREEITEM item) const {
    if (!Exists(item))
        throw std::out_of_range("CTreeControl: no such item");
    return SlotPart(item);
}

CChildList& CTreeControl::ChildrenOf(HTREEITEM parent) {
    return parent == TVI_NONE ? m_topItems : Item(parent).children;
}

const CChildList& CTreeControl::GetChildren(HTREEITEM item) const {
    return item == TVI_NONE ? m_topItems : Get(item).children;
}

std::uint64_t CTreeControl::TextPrefix(std::string_view text) {
    std::size_t pos = 0;
    return CSortPrefix::PackFour(text, pos);
}

int CTreeControl::ComparePrefixed(std::uint64_t prefixA, std::string_view a, std::uint64_t prefixB,
                                  std::string_view b) {
    if (prefixA != prefixB)
        return prefixA < prefixB ? -1 : 1;
    if ((prefixA & 0xFFFFu) == 0)
        return 0;
    return CSortPrefix::CompareRest(a, b);
}

int CTreeControl::CompareWithChild(std::uint64_t prefix, std::string_view text, HTREEITEM child,
                                   const CChildList::CKey& key) const {
    // The child's text is looked up only where the prefixes leave the order open.
    if (key.prefix != prefix)
        return prefix < key.prefix ? -1 : 1;
    if ((prefix & 0xFFFFu) == 0)
        return 0;
    return CSortPrefix::CompareRest(text, Get(child).Text());
}

HTREEITEM CTreeControl::GetParent(HTREEITEM item) const {
    return Exists(item) ? Get(item).parent : TVI_NONE;
}

std::size_t CTreeControl::SortedPosition(HTREEITEM parent, std::uint64_t prefix,
                                         std::string_view text) const {
    const CChildList& siblings = GetChildren(parent);
    // Items that come in order, as when persons are shown, go straight to the end.
    if (siblings.empty() ||
        CompareWithChild(prefix, text, siblings.back(), siblings.BackKey()) >= 0)
        return siblings.size();
    // After the last sibling that is not greater, so equal texts keep their order of arrival.
    return siblings.PartitionPoint([&](HTREEITEM child, const CChildList::CKey& key) {
        return CompareWithChild(prefix, text, child, key) >= 0;
    });
}

int CTreeControl::GetRow(HTREEITEM item) const {
    if (!Exists(item))
        return -1;
    const CItem& entry = Get(item);
    const CChildList& siblings = GetChildren(entry.parent);
    const auto hint = static_cast<std::size_t>(entry.rowHint);
    if (entry.rowHint >= 0 && hint < siblings.size() && siblings[hint] == item)
        return entry.rowHint;
    // Siblings are usually sorted by text, and equal texts by arrival, which handles follow, so
    // look there first; a renamed person item may sit out of order, which the plain search
    // still finds.
    const std::string_view text = entry.Text();
    const std::uint64_t prefix = TextPrefix(text);
    std::size_t row =
        siblings.PartitionPoint([&](HTREEITEM child, const CChildList::CKey& childKey) {
            const int order = CompareWithChild(prefix, text, child, childKey);
            return order > 0 || (order == 0 && Get(child).arrival < entry.arrival);
        });
    if (row >= siblings.size() || siblings[row] != item)
        row = siblings.IndexOf(item);
    entry.rowHint = static_cast<int>(row);
    return entry.rowHint;
}

HTREEITEM CTreeControl::InsertItem(HTREEITEM parent, std::string_view text, ETreeImage image,
                                   ETreeImage selectedImage, CTreeItemData data,
                                   ETreeInsert where) {
    // Undoing a whole-group deletion re-inserts members before their group's item is back;
    // those items come with the group, so an insertion under a missing parent is skipped.
    if (parent != TVI_NONE && !Exists(parent))
        return TVI_NONE;
    const std::string_view shown = ShownText(text, data);
    const std::uint64_t prefix = TextPrefix(shown);
    const std::size_t row = where == ETreeInsert::Sort ? SortedPosition(parent, prefix, shown)
                                                       : GetChildren(parent).size();
    const HTREEITEM handle = NewItem(parent, text, data, {image, selectedImage}, row);
    if (handle == TVI_NONE)
        return TVI_NONE;
    if (CTreeControlObserver* observer = Observer())
        observer->OnAboutToInsert(parent, static_cast<int>(row));
    ChildrenOf(parent).Insert(row, handle, {prefix});
    if (CTreeControlObserver* observer = Observer())
        observer->OnInserted(handle);
    return handle;
}

HTREEITEM CTreeControl::NewItem(HTREEITEM parent, std::string_view text, CTreeItemData data,
                                std::pair<ETreeImage, ETreeImage> images, std::size_t row) {
    const HTREEITEM handle = TakeHandle();
    if (handle == TVI_NONE)
        return TVI_NONE;
    CItem& item = AtSlot(SlotPart(handle));
    item.generation = GenerationPart(handle);
    item.parent = parent;
    item.arrival = m_nextArrival++;
    SetItemData(item, handle, text, data);
    item.image = images.first;
    item.selectedImage = images.second;
    item.rowHint = static_cast<int>(row);
    return handle;
}

std::vector<std::uint32_t> CTreeControl::ByParent(const std::vector<CAppend>& appends) const {
    // A counting sort by the parent's slot, the top level first: stable and without compares.
    // A parent that names no slot joins the top level's bucket, where its own run is skipped.
    const auto bucketOf = [this](HTREEITEM parent) {
        return parent == TVI_NONE || SlotPart(parent) >= m_nSlots
                   ? 0
                   : std::size_t{SlotPart(parent)} + 1;
    };
    std::vector<std::uint32_t> starts(std::size_t{m_nSlots} + 2, 0);
    for (const CAppend& append : appends)
        ++starts[bucketOf(append.parent) + 1];
    for (std::size_t bucket = 1; bucket < starts.size(); ++bucket)
        starts[bucket] += starts[bucket - 1];
    std::vector<std::uint32_t> order(appends.size());
    for (std::uint32_t i = 0; i < appends.size(); ++i)
        order[starts[bucketOf(appends[i].parent)]++] = i;
    return order;
}

std::vector<HTREEITEM> CTreeControl::AppendItems(const std::vector<CAppend>& appends) {
    const CBulkChange bulk(*this);
    std::vector<HTREEITEM> handles(appends.size(), TVI_NONE);
    const std::vector<std::uint32_t> order = ByParent(appends);
    std::vector<HTREEITEM> run;
    std::vector<CChildList::CKey> keys;
    for (std::size_t first = 0; first < order.size();) {
        const HTREEITEM parent = appends[order[first]].parent;
        std::size_t last = first;
        while (last < order.size() && appends[order[last]].parent == parent)
            ++last;
        if (parent == TVI_NONE || Exists(parent)) {
            CChildList& children = ChildrenOf(parent);
            run.clear();
            keys.clear();
            for (std::size_t at = first; at < last; ++at) {
                const CAppend& append = appends[order[at]];
                const HTREEITEM handle =
                    NewItem(parent, {}, append.data, {append.image, append.selectedImage},
                            children.size() + run.size());
                if (handle == TVI_NONE)
                    break;
                run.push_back(handle);
                keys.push_back({append.firstFour});
                handles[order[at]] = handle;
            }
            children.Append(run, keys);
        }
        first = last;
    }
    return handles;
}

HTREEITEM CTreeControl::TakeHandle() {
    if (!m_freeHandles.empty()) {
        const HTREEITEM handle = m_freeHandles.back();
        m_freeHandles.pop_back();
        ++m_nCount;
        return handle;
    }
    // The last slot stays unused: its last handle would be all ones, which a window may keep
    // as its mark for no item.
    if (m_nSlots >= SLOT_MASK)
        return TVI_NONE;
    // Whole chunks, so that the items never move and cost nothing beside themselves.
    if (m_nSlots % CHUNK == 0)
        m_chunks.push_back(std::make_unique<CItem[]>(CHUNK));
    ++m_nCount;
    return (HTREEITEM{1} << SLOT_BITS) | m_nSlots++;
}

void CTreeControl::FreeSlot(std::uint32_t slot) {
    CItem& item = AtSlot(slot);
    const std::uint8_t generation = item.generation;
    if ((item.m_data & KIND_BITS) == PLAIN_KIND)
        m_plainTexts.erase((HTREEITEM{generation} << SLOT_BITS) | slot);
    item = CItem{};
    --m_nCount;
    if (generation != 0xFF)
        m_freeHandles.push_back((HTREEITEM{generation + 1u} << SLOT_BITS) | slot);
}

void CTreeControl::Forget(HTREEITEM item) {
    if (!Exists(item))
        return;
    const std::uint32_t slot = SlotPart(item);
    for (const HTREEITEM child : AtSlot(slot).children)
        Forget(child);
    if (AtSlot(slot).expanded)
        m_expandedItems.erase(item);
    FreeSlot(slot);
}

HTREEITEM CTreeControl::CaretAfterDeleting(HTREEITEM item) const {
    const HTREEITEM parent = GetParent(item);
    const CChildList& siblings = GetChildren(parent);
    const auto row = static_cast<std::size_t>(GetRow(item));
    if (row + 1 < siblings.size())
        return siblings[row + 1];
    if (row > 0)
        return siblings[row - 1];
    return parent;
}

bool CTreeControl::DeleteItem(HTREEITEM item) {
    if (!Exists(item))
        return false;
    // The caret inside the deleted subtree moves to what remains, as the control does.
    HTREEITEM caret = m_caret;
    bool caretMoves = false;
    for (HTREEITEM up = m_caret; up != TVI_NONE; up = GetParent(up)) {
        if (up == item) {
            caret = CaretAfterDeleting(item);
            caretMoves = true;
            break;
        }
    }
    const int row = GetRow(item);
    if (CTreeControlObserver* observer = Observer())
        observer->OnAboutToRemove(item, row);
    const HTREEITEM parent = GetParent(item);
    ChildrenOf(parent).Erase(static_cast<std::size_t>(row));
    Forget(item);
    if (CTreeControlObserver* observer = Observer())
        observer->OnRemoved(item);
    if (caretMoves) {
        m_caret = TVI_NONE;
        SelectItem(caret);
    }
    return true;
}

void CTreeControl::DeleteChildren(HTREEITEM item) {
    if (!Exists(item) || Get(item).children.empty())
        return;
    // Deleted one by one from the last, the children would hand a caret among them on to the
    // one before until it reached the item: it goes there at once, and the window's tree is
    // reset once rather than told of every child.
    const bool caretInside = IsAncestor(item, m_caret);
    {
        const CBulkChange bulk(*this);
        CChildList& children = Item(item).children;
        for (const HTREEITEM child : children)
            Forget(child);
        children.Clear();
        if (caretInside)
            m_caret = TVI_NONE;
    }
    if (caretInside)
        SelectItem(item);
}

void CTreeControl::DeleteAllItems() {
    if (CTreeControlObserver* observer = Observer())
        observer->OnAboutToReset();
    // The slots stay, with their generations, so that no handle of the old items comes back.
    // Freed from the last, they are taken again from the first.
    for (std::uint32_t slot = m_nSlots; slot-- > 0;) {
        if (AtSlot(slot).generation != 0)
            FreeSlot(slot);
    }
    m_topItems.Clear();
    m_expandedItems.clear();
    m_caret = TVI_NONE;
    if (CTreeControlObserver* observer = Observer())
        observer->OnReset();
}

void CTreeControl::SetItemText(HTREEITEM item, std::string_view text) {
    const auto row = static_cast<std::size_t>(GetRow(item));
    CItem& entry = Item(item);
    if ((entry.m_data & KIND_BITS) == PLAIN_KIND)
        m_plainTexts[item] = text;
    ChildrenOf(entry.parent).SetKey(row, {TextPrefix(entry.Text())});
    if (CTreeControlObserver* observer = Observer())
        observer->OnChanged(item);
}

void CTreeControl::SetItemImage(HTREEITEM item, ETreeImage image, ETreeImage selectedImage) {
    CItem& entry = Item(item);
    if (entry.image == image && entry.selectedImage == selectedImage)
        return;
    entry.image = image;
    entry.selectedImage = selectedImage;
    if (CTreeControlObserver* observer = Observer())
        observer->OnChanged(item);
}

void CTreeControl::SetExpanded(HTREEITEM item, bool expanded) {
    CItem& entry = Item(item);
    if (entry.expanded == expanded)
        return;
    entry.expanded = expanded;
    if (expanded)
        m_expandedItems.insert(item);
    else
        m_expandedItems.erase(item);
    if (CTreeControlObserver* observer = Observer())
        observer->OnExpandChanged(item, expanded);
    if (!expanded && IsAncestor(item, m_caret))
        SelectItem(item);
}

bool CTreeControl::IsAncestor(HTREEITEM ancestor, HTREEITEM item) const {
    for (HTREEITEM up = GetParent(item); up != TVI_NONE; up = GetParent(up)) {
        if (up == ancestor)
            return true;
    }
    return false;
}

void CTreeControl::SetExpandedOnce(HTREEITEM item, bool once) {
    Item(item).expandedOnce = once;
}

void CTreeControl::SelectItem(HTREEITEM item) {
    if (item != TVI_NONE && !Exists(item))
        return;
    if (item == m_caret)
        return;
    m_caret = item;
    if (CTreeControlObserver* observer = Observer())
        observer->OnCaretChanged(item);
    if (m_selectionHandler)
        m_selectionHandler();
}
