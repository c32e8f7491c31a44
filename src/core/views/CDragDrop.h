#pragma once

#include "core/document/CDocView.h"
#include "core/views/CTreeControl.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class CAddressDoc;
class CCommandGroup;
class CFriendListView;
class CFriendTreeView;
class CGroup;
class CPersonalData;
class CUserInterface;

// What a drag carries: the group the persons came from (none for "全体" or a person under the
// root) and the persons, or a group dragged alone.
struct CDragPayload {
    CGroup* source = nullptr;
    std::vector<CPersonalData*> persons;
    bool groupAlone = false;

    bool IsEmpty() const { return !groupAlone && persons.empty(); }
};

// The picture that follows the pointer.
enum class EDragPicture { None, OnePerson, TwoPersons, ManyPersons, Person, Group };

// A drop the window has taken: carried out once the platform's drag has returned, so that its
// questions never run inside the drag.
struct CPendingDrop {
    CDragPayload payload;
    HTREEITEM target = TVI_NONE;
    // The document's contents the records belong to; a drop outlived by them takes nothing.
    std::uint64_t contents = 0;
};

// Dragging persons and groups onto the group tree: which sources may start a drag, which items
// may take the drop, the target's highlight, and the one undoable step a drop becomes.
class CDragDrop : public CDocView {
public:
    CDragDrop(CAddressDoc& doc, CFriendTreeView& tree, CFriendListView& list, CUserInterface& ui);
    ~CDragDrop() override;
    CDragDrop(const CDragDrop&) = delete;
    CDragDrop& operator=(const CDragDrop&) = delete;

    // Each returns false when the source gives nothing to drag; no drag is in progress then.
    bool BeginFromList();
    bool BeginFromTree(HTREEITEM item);

    bool IsDragging() const { return m_bDragging; }
    EDragPicture GetPicture() const { return m_picture; }
    bool IsDropTarget(HTREEITEM item) const;
    // The item highlighted as the target; TVI_NONE for none.
    HTREEITEM GetDropItem() const { return m_hDropItem; }
    // The pointer is on `item` (TVI_NONE: on no item's icon or label): the highlight moves to
    // it when it may take the drop. Returns whether an item is highlighted now.
    bool Track(HTREEITEM item);
    // The button went up anywhere but on the tree: nothing changes.
    void Cancel();
    // The button went up on the tree: the drag ends and the highlighted item, if any, takes
    // what was dragged. The questions and the command wait for Drop.
    std::optional<CPendingDrop> EndAtTarget();
    // Asks what the drop needs asked and carries it out as one undoable step; the records may
    // have changed since the drag ended, so only what is still there is taken. Returns whether
    // a step was made.
    bool Drop(const CPendingDrop& drop);

    // Counts the document's emptyings, which free the records a pending drop points to.
    void OnUpdate(CDocView* sender, EHint hint, const CHintObject& object) override;

private:
    bool Begin(CDragPayload payload, EDragPicture picture);
    void End();
    void ClearHighlight();
    // The group the item stands for, if it is a group item of a group the document holds.
    CGroup* GroupOfItem(HTREEITEM item) const;
    // The persons a drop handles: a dragged group's members as they are now, or the dragged
    // persons that are still live.
    static std::vector<CPersonalData*> PersonsToHandle(const CDragPayload& payload, CGroup* source);
    // Null when the question was cancelled.
    std::unique_ptr<CCommandGroup> BuildDelete(const CDragPayload& payload,
                                               const std::vector<CPersonalData*>& persons);
    // Null when the question was cancelled.
    std::unique_ptr<CCommandGroup>
    BuildAdd(CGroup* source, const std::vector<CPersonalData*>& persons, CGroup* target);

    CAddressDoc& m_doc;
    CFriendTreeView& m_tree;
    CFriendListView& m_list;
    CUserInterface& m_ui;
    CDragPayload m_payload;
    EDragPicture m_picture = EDragPicture::None;
    bool m_bDragging = false;
    std::uint64_t m_nContents = 0;
    HTREEITEM m_hDropItem = TVI_NONE;
    // The highlighted item's own images, given back when the highlight leaves it.
    ETreeImage m_plainImage = ETreeImage::Group;
    ETreeImage m_plainSelectedImage = ETreeImage::Group;
};
