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

HTREEITEM CTreeControl::GetParent(HTREEITEM item) const {
    const auto found = m_items.find(item);
    return found == m_items.end() ? TVI_NONE : found->second.parent;
}

std::size_t CTreeControl::SortedPosition(const std::vector<HTREEITEM>& siblings,
                                         const std::string& text) const {
    const auto it =
        std::upper_bound(siblings.begin(), siblings.end(), text,
                         [this](const std::string& value, HTREEITEM sibling) {
                             return CCp932::Compare(value, m_items.at(sibling).text) < 0;
                         });
    return static_cast<std::size_t>(it - siblings.begin());
}

int CTreeControl::GetRow(HTREEITEM item) const {
    const auto found = m_items.find(item);
    if (found == m_items.end())
        return -1;
    const std::vector<HTREEITEM>& siblings = GetChildren(found->second.parent);
    // Siblings are usually sorted by text, so look there first; a renamed person item may sit
    // out of order, which the plain search still finds.
    const std::string& text = found->second.text;
    auto it = std::lower_bound(siblings.begin(), siblings.end(), text,
                               [this](HTREEITEM sibling, const std::string& value) {
                                   return CCp932::Compare(m_items.at(sibling).text, value) < 0;
                               });
    for (; it != siblings.end() && m_items.at(*it).text == text; ++it) {
        if (*it == item)
            return static_cast<int>(it - siblings.begin());
    }
    const auto plain = std::find(siblings.begin(), siblings.end(), item);
    return static_cast<int>(plain - siblings.begin());
}

HTREEITEM CTreeControl::InsertItem(HTREEITEM parent, std::string text, int image, int selectedImage,
                                   CTreeItemData data, ETreeInsert where) {
    // Undoing a whole-group deletion re-inserts members before their group's item is back;
    // those items come with the group, so an insertion under a missing parent is skipped.
    if (parent != TVI_NONE && !Exists(parent))
        return TVI_NONE;
    std::vector<HTREEITEM>& siblings = ChildrenOf(parent);
    const std::size_t row =
        where == ETreeInsert::Sort ? SortedPosition(siblings, text) : siblings.size();
    if (m_observer)
        m_observer->OnAboutToInsert(parent, static_cast<int>(row));
    const HTREEITEM handle = m_nextHandle++;
    CItem& item = m_items[handle];
    item.parent = parent;
    item.text = std::move(text);
    item.image = image;
    item.selectedImage = selectedImage;
    item.data = data;
    ChildrenOf(parent).insert(ChildrenOf(parent).begin() + static_cast<std::ptrdiff_t>(row),
                              handle);
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
    std::vector<HTREEITEM>& siblings = ChildrenOf(GetParent(item));
    siblings.erase(siblings.begin() + row);
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
    m_caret = TVI_NONE;
    if (m_observer)
        m_observer->OnReset();
}

void CTreeControl::SetItemText(HTREEITEM item, std::string text) {
    m_items.at(item).text = std::move(text);
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
