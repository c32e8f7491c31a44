#pragma once

#include "core/containers/CChildList.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

class CGroup;
class CPersonalData;

constexpr HTREEITEM TVI_NONE = 0;

enum class ETreeInsert { Sort, Last };

// The pictures an item shows, as the window numbers them: each plain picture is followed by the
// one it shows while selected (or open), and a drag's target shows a picture of its own.
enum class ETreeImage : std::int8_t {
    Group,
    GroupOpen,
    Person,
    PersonSelected,
    Deleted,
    DeletedOpen,
    GroupTarget,
    GroupTargetOpen,
    DeletedTarget,
    DeletedTargetOpen,
};
constexpr int TREE_IMAGE_COUNT = 10;

// What kind of record an item shows; the root is shown as a group.
enum class ETreeItemKind { Group, Person, DeletedFolder };

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
    // Packed tight: a file of millions of empty groups is an item for each.
    struct CItem {
        HTREEITEM parent = TVI_NONE;
        // Where the item was last found among its siblings; checked before searching.
        mutable int rowHint = -1;
        CChildList children;
        // Counts insertions, so that siblings of equal text can be told apart in the order
        // they came, as the sorted insertion placed them.
        std::uint32_t arrival = 0;
        ETreeImage image = ETreeImage::Group;
        ETreeImage selectedImage = ETreeImage::Group;
        // The generation of the handle that names the item in its slot; 0 while the slot is
        // free.
        std::uint8_t generation = 0;
        bool expanded : 1 = false;
        bool expandedOnce : 1 = false;

        CTreeItemData Data() const;
        // What the item shows, in CP932: a group's or a person's item shows the record's
        // name, which it does not copy, so that showing 100,000 persons in their groups
        // copies no text and a million groups cost no text twice.
        std::string_view Text() const;

    private:
        friend class CTreeControl;
        // The group's or the person's address, or that of the text of an item that stands for
        // neither, told apart by the lowest two bits.
        std::uintptr_t m_data = 0;
    };
    static_assert(sizeof(CItem) <= 32, "a tree item stays within half a cache line");

    // The first four characters of a text as CCp932::Compare sees them, packed so that
    // texts whose prefixes differ compare as their prefixes do; a prefix whose last character
    // is 0 is the whole text.
    static std::uint64_t TextPrefix(std::string_view text);
    // CCp932::Compare, deciding by the prefixes where they differ.
    static int ComparePrefixed(std::uint64_t prefixA, std::string_view a, std::uint64_t prefixB,
                               std::string_view b);

    // While one lives, the observer hears of no single change: the whole tree is reset once
    // when the last one ends, which is what a window wants of thousands of items at once.
    class CBulkChange {
    public:
        explicit CBulkChange(CTreeControl& tree);
        CBulkChange(const CBulkChange&) = delete;
        CBulkChange& operator=(const CBulkChange&) = delete;
        ~CBulkChange();

    private:
        CTreeControl& m_tree;
    };

    // The plain and the selected picture of each kind of item.
    static std::pair<ETreeImage, ETreeImage> ImagesOf(ETreeItemKind kind);

    void SetObserver(CTreeControlObserver* observer) { m_observer = observer; }
    // Called whenever the caret moved, the way the control reports a selection change.
    void SetSelectionHandler(std::function<void()> handler);

    // What an item given `text` and `data` shows: an item that stands for a group or a person
    // shows its name, whatever `text` says.
    static std::string_view ShownText(std::string_view text, CTreeItemData data);

    // An item that stands for a group or a person shows its name, whatever `text` says. No
    // item (TVI_NONE) when the parent is gone or the tree holds all the items it can name.
    HTREEITEM InsertItem(HTREEITEM parent, std::string_view text, ETreeImage image,
                         ETreeImage selectedImage, CTreeItemData data, ETreeInsert where);
    // An item that AppendItems puts after its parent's children: it stands for a group or a
    // person, and `firstFour` is TextPrefix of its name, which the caller has at hand. Packed
    // tight, as a book may show millions at once.
    struct CAppend {
        HTREEITEM parent = TVI_NONE;
        ETreeImage image = ETreeImage::Person;
        ETreeImage selectedImage = ETreeImage::PersonSelected;
        std::uint64_t firstFour = 0;
        CTreeItemData data;
    };
    // What InsertItem with ETreeInsert::Last would make of each, in one bulk change, and their
    // handles in the same order. Each parent's new items take neighbouring slots, so that a
    // walk through a group's items later reads memory in order.
    std::vector<HTREEITEM> AppendItems(const std::vector<CAppend>& appends);
    // Deletes the item with everything under it; a deleted caret moves to a neighbour.
    bool DeleteItem(HTREEITEM item);
    void DeleteChildren(HTREEITEM item);
    void DeleteAllItems();

    bool Exists(HTREEITEM item) const {
        const std::uint8_t generation = GenerationPart(item);
        return generation != 0 && SlotPart(item) < m_nSlots &&
               AtSlot(SlotPart(item)).generation == generation;
    }
    // The item of a handle that exists.
    const CItem& Get(HTREEITEM item) const { return AtSlot(SlotOf(item)); }
    HTREEITEM GetParent(HTREEITEM item) const;
    const CChildList& GetChildren(HTREEITEM item) const;
    const CChildList& GetTopItems() const { return m_topItems; }
    int GetRow(HTREEITEM item) const;
    std::size_t GetCount() const { return m_nCount; }

    // A group's or a person's item keeps no text of its own: it follows the record, and this
    // takes its order key again from the record's new name.
    void SetItemText(HTREEITEM item, std::string_view text);
    void SetItemImage(HTREEITEM item, ETreeImage image, ETreeImage selectedImage);
    // Collapsing an item whose subtree holds the caret moves the caret up to it, as the control
    // does, so that the caret is never hidden.
    void SetExpanded(HTREEITEM item, bool expanded);
    void SetExpandedOnce(HTREEITEM item, bool once);
    // The items that are expanded, however deep, without a walk of every item: a window that
    // forgot its expansion (after a reset) asks for them.
    const std::set<HTREEITEM>& GetExpandedItems() const { return m_expandedItems; }

    HTREEITEM GetCaret() const { return m_caret; }
    // Moves the caret and reports the change; selecting the caret again reports nothing.
    void SelectItem(HTREEITEM item);

private:
    CTreeControlObserver* Observer() const { return m_nBulkDepth == 0 ? m_observer : nullptr; }
    CChildList& ChildrenOf(HTREEITEM parent);
    std::uint32_t SlotOf(HTREEITEM item) const;
    CItem& Item(HTREEITEM item) { return AtSlot(SlotOf(item)); }
    const CItem& AtSlot(std::uint32_t slot) const { return m_chunks[slot / CHUNK][slot % CHUNK]; }
    CItem& AtSlot(std::uint32_t slot) { return m_chunks[slot / CHUNK][slot % CHUNK]; }
    // How the text compares with the child's.
    int CompareWithChild(std::uint64_t prefix, std::string_view text, HTREEITEM child,
                         const CChildList::CKey& key) const;
    std::size_t SortedPosition(HTREEITEM parent, std::uint64_t prefix, std::string_view text) const;
    void Forget(HTREEITEM item);
    HTREEITEM CaretAfterDeleting(HTREEITEM item) const;
    bool IsAncestor(HTREEITEM ancestor, HTREEITEM item) const;

    // Items live in slots that never move. A handle names a slot and the slot's generation,
    // which moves on when the item is deleted, so that a handle is never given out twice and
    // a stale one finds no item without any index; a slot whose generations are used up is
    // retired.
    static constexpr unsigned SLOT_BITS = 24;
    static constexpr std::uint32_t SLOT_MASK = (1u << SLOT_BITS) - 1;
    static constexpr std::uint32_t CHUNK = 4096;
    static std::uint32_t SlotPart(HTREEITEM item) { return item & SLOT_MASK; }
    static std::uint8_t GenerationPart(HTREEITEM item) {
        return static_cast<std::uint8_t>(item >> SLOT_BITS);
    }
    // The handle the next item gets, or TVI_NONE when every slot is taken.
    HTREEITEM TakeHandle();
    void FreeSlot(std::uint32_t slot);
    // The positions of `appends` grouped by parent, in their order within each parent.
    std::vector<std::uint32_t> ByParent(const std::vector<CAppend>& appends) const;
    // A new item in a free slot, not yet among its parent's children.
    HTREEITEM NewItem(HTREEITEM parent, std::string_view text, CTreeItemData data,
                      std::pair<ETreeImage, ETreeImage> images, std::size_t row);
    void SetItemData(CItem& item, HTREEITEM handle, std::string_view text, CTreeItemData data);
    std::vector<std::unique_ptr<CItem[]>> m_chunks;
    std::uint32_t m_nSlots = 0;
    std::vector<HTREEITEM> m_freeHandles; // the handle each free slot gives next
    std::size_t m_nCount = 0;
    std::uint32_t m_nextArrival = 0;
    // The texts of the few items that stand for no record: the root and the deleted folder.
    std::unordered_map<HTREEITEM, std::string> m_plainTexts;
    CChildList m_topItems;
    std::set<HTREEITEM> m_expandedItems; // few: the user opens a group or two
    HTREEITEM m_caret = TVI_NONE;
    CTreeControlObserver* m_observer = nullptr;
    int m_nBulkDepth = 0;
    std::function<void()> m_selectionHandler;
};
