#pragma once

#include "core/containers/CChildList.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

class CGroup;
class CPersonalData;

constexpr HTREEITEM TVI_NONE = 0;

enum class ETreeInsert { Sort, Last };

// What an item stands for; the root and the deleted folder carry neither.
struct CTreeItemData {
    CGroup* group = nullptr;
    CPersonalData* person = nullptr;
};

// Told of every change, so that a Qt item model can present the items.
class CTreeControlObserver {
public:
    virtual ~CTreeControlObserver() = default;
    virtual void OnAboutToInsert(HTREEITEM parent, int row) = 0;
    virtual void OnInserted(HTREEITEM item) = 0;
    virtual void OnAboutToRemove(HTREEITEM item, int row) = 0;
    virtual void OnRemoved(HTREEITEM item) = 0;
    virtual void OnChanged(HTREEITEM item) = 0;
    virtual void OnAboutToReset() = 0;
    virtual void OnReset() = 0;
    virtual void OnCaretChanged(HTREEITEM item) = 0;
    virtual void OnExpandChanged(HTREEITEM item, bool expanded) = 0;
};

// The group tree's items as plain data: handles, parents, ordered children, texts, images,
// expansion and the caret. Handles are never reused, so a stale handle is simply not an item.
class CTreeControl {
public:
    struct CItem {
        HTREEITEM parent = TVI_NONE;
        // Each child beside its key, which points at the child's own text: entries of m_items
        // never move.
        CChildList children;
        std::string text; // CP932
        int image = 0;
        int selectedImage = 0;
        bool expanded = false;
        bool expandedOnce = false;
        CTreeItemData data;
        // Where the item was last found among its siblings; checked before searching.
        mutable int rowHint = -1;
    };

    // The first four characters of a text as CCp932::Compare sees them, packed so that
    // texts whose prefixes differ compare as their prefixes do; a prefix whose last character
    // is 0 is the whole text.
    static std::uint64_t TextPrefix(std::string_view text);
    // CCp932::Compare, deciding by the prefixes where they differ.
    static int ComparePrefixed(std::uint64_t prefixA, std::string_view a, std::uint64_t prefixB,
                               std::string_view b);

    void SetObserver(CTreeControlObserver* observer) { m_observer = observer; }
    // Called whenever the caret moved, the way the control reports a selection change.
    void SetSelectionHandler(std::function<void()> handler);

    HTREEITEM InsertItem(HTREEITEM parent, std::string text, int image, int selectedImage,
                         CTreeItemData data, ETreeInsert where);
    // Deletes the item with everything under it; a deleted caret moves to a neighbour.
    bool DeleteItem(HTREEITEM item);
    void DeleteChildren(HTREEITEM item);
    void DeleteAllItems();

    bool Exists(HTREEITEM item) const { return item != TVI_NONE && m_items.count(item) != 0; }
    const CItem& Get(HTREEITEM item) const { return m_items.at(item); }
    HTREEITEM GetParent(HTREEITEM item) const;
    const CChildList& GetChildren(HTREEITEM item) const;
    const CChildList& GetTopItems() const { return m_topItems; }
    int GetRow(HTREEITEM item) const;
    std::size_t GetCount() const { return m_items.size(); }

    void SetItemText(HTREEITEM item, std::string text);
    void SetItemImage(HTREEITEM item, int image, int selectedImage);
    // Collapsing an item whose subtree holds the caret moves the caret up to it, as the control
    // does, so that the caret is never hidden.
    void SetExpanded(HTREEITEM item, bool expanded);
    void SetExpandedOnce(HTREEITEM item, bool once);

    HTREEITEM GetCaret() const { return m_caret; }
    // Moves the caret and reports the change; selecting the caret again reports nothing.
    void SelectItem(HTREEITEM item);

private:
    // CCp932::Compare for texts whose prefixes agree.
    static int CompareRest(std::string_view a, std::string_view b);
    CChildList& ChildrenOf(HTREEITEM parent);
    // How the text compares with the child's.
    static int CompareWithChild(std::uint64_t prefix, const std::string& text,
                                const CChildList::CKey& child);
    std::size_t SortedPosition(HTREEITEM parent, std::uint64_t prefix,
                               const std::string& text) const;
    void Forget(HTREEITEM item);
    HTREEITEM CaretAfterDeleting(HTREEITEM item) const;
    bool IsAncestor(HTREEITEM ancestor, HTREEITEM item) const;

    std::unordered_map<HTREEITEM, CItem> m_items;
    CChildList m_topItems;
    HTREEITEM m_nextHandle = 1;
    HTREEITEM m_caret = TVI_NONE;
    CTreeControlObserver* m_observer = nullptr;
    std::function<void()> m_selectionHandler;
};
