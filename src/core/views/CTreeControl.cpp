#include "views/CTreeControl.h"

#include "text/CCp932.h"

#include <algorithm>

void CTreeControl::SetSelectionHandler(std::function<void()> handler) {
    m_selectionHandler = std::move(handler);
}

std::vector<HTREEITEM>& CTreeControl::ChildrenOf(HTREEITEM parent) {
    return parent == TVI_NONE ? m_topItems : m_items.at(parent).children;
}

const std::vector<HTREEITEM>& CTreeControl::GetChildren(HTREEITEM item) const {
    return item == TVI_NONE ? m_topItems : m_items.at(item).children;
}

std::vector<std::uint64_t>& CTreeControl::PrefixesOf(HTREEITEM parent) {
    return parent == TVI_NONE ? m_topPrefixes : m_items.at(parent).childPrefixes;
}

const std::vector<std::uint64_t>& CTreeControl::PrefixesOf(HTREEITEM parent) const {
    return parent == TVI_NONE ? m_topPrefixes : m_items.at(parent).childPrefixes;
}

std::uint64_t CTreeControl::TextPrefix(std::string_view text) {
    constexpr int UNITS = 4;
    std::uint64_t prefix = 0;
    std::size_t pos = 0;
    for (int i = 0; i < UNITS; ++i) {
        unsigned int unit = 0;
        if (pos < text.size()) {
            const auto first = static_cast<unsigned char>(text[pos++]);
            unit = first;
            if (CCp932::IsLeadByte(first)) {
                const auto trail = pos < text.size() ? static_cast<unsigned char>(text[pos++]) : 0u;
                // A lead byte without its trail byte ends the text, as a NUL does.
                unit = trail == 0 ? 0u : (static_cast<unsigned int>(first) << 8) | trail;
            }
            if (unit == 0)
                pos = text.size();
        }
        prefix = (prefix << 16) | unit;
    }
    return prefix;
}

int CTreeControl::ComparePrefixed(std::uint64_t prefixA, std::string_view a, std::uint64_t prefixB,
                                  std::string_view b) {
    if (prefixA != prefixB)
        return prefixA < prefixB ? -1 : 1;
    if ((prefixA & 0xFFFFu) == 0)
        return 0;
    return CCp932::Compare(a, b);
}

int CTreeControl::CompareWithChild(const CSiblings& siblings, std::size_t row, std::uint64_t prefix,
                                   const std::string& text) const {
    const std::uint64_t childPrefix = siblings.prefixes[row];
    if (childPrefix != prefix)
        return prefix < childPrefix ? -1 : 1;
    if ((prefix & 0xFFFFu) == 0)
        return 0;
    return CCp932::Compare(text, m_items.at(siblings.items[row]).text);
}

HTREEITEM CTreeControl::GetParent(HTREEITEM item) const {
    const auto found = m_items.find(item);
    return found == m_items.end() ? TVI_NONE : found->second.parent;
}

std::size_t CTreeControl::SortedPosition(HTREEITEM parent, std::uint64_t prefix,
                                         const std::string& text) const {
    // After the last sibling that is not greater, so equal texts keep their order of arrival.
    const CSiblings siblings{GetChildren(parent), PrefixesOf(parent)};
    std::size_t high = siblings.items.size();
    // Items that come in order, as when persons are shown, go straight to the end.
    if (high == 0 || CompareWithChild(siblings, high - 1, prefix, text) >= 0)
        return high;
    std::size_t low = 0;
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        if (CompareWithChild(siblings, mid, prefix, text) < 0)
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

int CTreeControl::GetRow(HTREEITEM item) const {
    const auto found = m_items.find(item);
    if (found == m_items.end())
        return -1;
    const CItem& entry = found->second;
    const CSiblings siblings{GetChildren(entry.parent), PrefixesOf(entry.parent)};
    const std::vector<HTREEITEM>& items = siblings.items;
    const auto hint = static_cast<std::size_t>(entry.rowHint);
    if (entry.rowHint >= 0 && hint < items.size() && items[hint] == item)
        return entry.rowHint;
    // Siblings are usually sorted by text, so look there first; a renamed person item may sit
    // out of order, which the plain search still finds.
    const std::uint64_t prefix = TextPrefix(entry.text);
    std::size_t low = 0;
    std::size_t high = items.size();
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        if (CompareWithChild(siblings, mid, prefix, entry.text) > 0)
            low = mid + 1;
        else
            high = mid;
    }
    while (low < items.size() && items[low] != item &&
           CompareWithChild(siblings, low, prefix, entry.text) == 0)
        ++low;
    if (low >= items.size() || items[low] != item)
        low = static_cast<std::size_t>(std::find(items.begin(), items.end(), item) - items.begin());
    entry.rowHint = static_cast<int>(low);
    return entry.rowHint;
}

HTREEITEM CTreeControl::InsertItem(HTREEITEM parent, std::string text, int image, int selectedImage,
                                   CTreeItemData data, ETreeInsert where) {
    // Undoing a whole-group deletion re-inserts members before their group's item is back;
    // those items come with the group, so an insertion under a missing parent is skipped.
    if (parent != TVI_NONE && !Exists(parent))
        return TVI_NONE;
    const std::uint64_t prefix = TextPrefix(text);
    const std::size_t row = where == ETreeInsert::Sort ? SortedPosition(parent, prefix, text)
                                                       : GetChildren(parent).size();
    if (m_observer)
        m_observer->OnAboutToInsert(parent, static_cast<int>(row));
    const HTREEITEM handle = m_nextHandle++;
    CItem& item = m_items[handle];
    item.parent = parent;
    item.text = std::move(text);
    item.image = image;
    item.selectedImage = selectedImage;
    item.data = data;
    item.rowHint = static_cast<int>(row);
    const auto at = static_cast<std::ptrdiff_t>(row);
    ChildrenOf(parent).insert(ChildrenOf(parent).begin() + at, handle);
    PrefixesOf(parent).insert(PrefixesOf(parent).begin() + at, prefix);
    if (m_observer)
        m_observer->OnInserted(handle);
    return handle;
}

void CTreeControl::Forget(HTREEITEM item) {
    const auto found = m_items.find(item);
    if (found == m_items.end())
        return;
    for (const HTREEITEM child : found->second.children)
        Forget(child);
    m_items.erase(found);
}

HTREEITEM CTreeControl::CaretAfterDeleting(HTREEITEM item) const {
    const HTREEITEM parent = GetParent(item);
    const std::vector<HTREEITEM>& siblings = GetChildren(parent);
    const auto it = std::find(siblings.begin(), siblings.end(), item);
    if (it != siblings.end() && it + 1 != siblings.end())
        return *(it + 1);
    if (it != siblings.begin() && it != siblings.end())
        return *(it - 1);
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
    if (m_observer)
        m_observer->OnAboutToRemove(item, row);
    const HTREEITEM parent = GetParent(item);
    ChildrenOf(parent).erase(ChildrenOf(parent).begin() + row);
    PrefixesOf(parent).erase(PrefixesOf(parent).begin() + row);
    Forget(item);
    if (m_observer)
        m_observer->OnRemoved(item);
    if (caretMoves) {
        m_caret = TVI_NONE;
        SelectItem(caret);
    }
    return true;
}

void CTreeControl::DeleteChildren(HTREEITEM item) {
    while (Exists(item) && !m_items.at(item).children.empty())
        DeleteItem(m_items.at(item).children.back());
}

void CTreeControl::DeleteAllItems() {
    if (m_observer)
        m_observer->OnAboutToReset();
    m_items.clear();
    m_topItems.clear();
    m_topPrefixes.clear();
    m_caret = TVI_NONE;
    if (m_observer)
        m_observer->OnReset();
}

void CTreeControl::SetItemText(HTREEITEM item, std::string text) {
    const auto row = static_cast<std::size_t>(GetRow(item));
    CItem& entry = m_items.at(item);
    PrefixesOf(entry.parent)[row] = TextPrefix(text);
    entry.text = std::move(text);
    if (m_observer)
        m_observer->OnChanged(item);
}

void CTreeControl::SetItemImage(HTREEITEM item, int image, int selectedImage) {
    CItem& entry = m_items.at(item);
    if (entry.image == image && entry.selectedImage == selectedImage)
        return;
    entry.image = image;
    entry.selectedImage = selectedImage;
    if (m_observer)
        m_observer->OnChanged(item);
}

void CTreeControl::SetExpanded(HTREEITEM item, bool expanded) {
    CItem& entry = m_items.at(item);
    if (entry.expanded == expanded)
        return;
    entry.expanded = expanded;
    if (m_observer)
        m_observer->OnExpandChanged(item, expanded);
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
    m_items.at(item).expandedOnce = once;
}

void CTreeControl::SelectItem(HTREEITEM item) {
    if (item != TVI_NONE && !Exists(item))
        return;
    if (item == m_caret)
        return;
    m_caret = item;
    if (m_observer)
        m_observer->OnCaretChanged(item);
    if (m_selectionHandler)
        m_selectionHandler();
}
