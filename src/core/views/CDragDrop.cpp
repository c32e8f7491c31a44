#include "core/views/CDragDrop.h"

#include "core/commands/CAddPersonalToGroupCommand.h"
#include "core/commands/CCommandGroup.h"
#include "core/commands/CDeleteGroupCommand.h"
#include "core/commands/CDeletePersonalCommand.h"
#include "core/commands/CRemoveCommand.h"
#include "core/commands/CUndoTexts.h"
#include "core/document/CAddressDoc.h"
#include "core/ui/CUserInterface.h"
#include "core/views/CFriendListView.h"
#include "core/views/CFriendTreeView.h"
#include "core/views/CViewTexts.h"

#include <algorithm>
#include <iterator>

namespace {
EDragPicture PictureOfRows(std::size_t rows) {
    if (rows == 1)
        return EDragPicture::OnePerson;
    return rows == 2 ? EDragPicture::TwoPersons : EDragPicture::ManyPersons;
}
} // namespace

CDragDrop::CDragDrop(CAddressDoc& doc, CFriendTreeView& tree, CFriendListView& list,
                     CUserInterface& ui)
    : m_doc(doc), m_tree(tree), m_list(list), m_ui(ui) {
    m_doc.AddView(this);
}

CDragDrop::~CDragDrop() {
    if (m_bDragging)
        m_doc.SetDragInProgress({});
    m_doc.RemoveView(this);
}

void CDragDrop::OnUpdate(CDocView*, EHint hint, const CHintObject&) {
    if (hint == EHint::Emptied)
        ++m_nContents;
}

bool CDragDrop::BeginFromList() {
    // The cell editor gives its text to the record before the rows are taken; text the file
    // cannot hold keeps the editor on its cell, and no drag starts.
    if (m_bDragging || !m_list.GetCellEditor().CommitAndHide() || m_list.ShowsDeleted())
        return false;
    std::vector<CPersonalData*> persons = m_list.GetSelectedPersons();
    const EDragPicture picture = PictureOfRows(persons.size());
    return Begin({m_list.GetShownGroup(), std::move(persons), false}, picture);
}

bool CDragDrop::BeginFromTree(HTREEITEM item) {
    CTreeControl& control = m_tree.GetTreeCtrl();
    if (m_bDragging || !control.Exists(item))
        return false;
    // The dragged item becomes the selection, and the list shows where it came from.
    control.SelectItem(item);
    if (item == m_tree.m_hRootItem || item == m_tree.m_hDeletedItem)
        return false;
    const CTreeItemData data = control.Get(item).Data();
    if (data.person) {
        const HTREEITEM parent = control.GetParent(item);
        if (parent == m_tree.m_hDeletedItem)
            return false;
        CGroup* source = parent == m_tree.m_hRootItem ? nullptr : control.Get(parent).Data().group;
        return Begin({source, {data.person}, false}, EDragPicture::Person);
    }
    if (data.group)
        return Begin({data.group, {}, true}, EDragPicture::Group);
    return false;
}

bool CDragDrop::Begin(CDragPayload payload, EDragPicture picture) {
    if (payload.IsEmpty())
        return false;
    m_payload = std::move(payload);
    m_picture = picture;
    m_bDragging = true;
    // A change to the records during the drag (nothing the drag itself does) ends it without
    // a drop, so that the views, which ignore hints meanwhile, miss nothing and the payload
    // never outlives its records.
    m_doc.SetDragInProgress([this] {
        ClearHighlight();
        End();
    });
    return true;
}

void CDragDrop::End() {
    m_bDragging = false;
    m_payload = {};
    m_picture = EDragPicture::None;
    m_doc.SetDragInProgress({});
}

CGroup* CDragDrop::GroupOfItem(HTREEITEM item) const {
    if (!m_tree.IsGroupItem(item))
        return nullptr;
    CGroup* group = m_tree.GetTreeCtrl().Get(item).Data().group;
    return group && m_doc.ContainsGroup(group) ? group : nullptr;
}

bool CDragDrop::IsDropTarget(HTREEITEM item) const {
    if (!m_bDragging || !m_tree.GetTreeCtrl().Exists(item))
        return false;
    if (item == m_tree.m_hDeletedItem)
        return true;
    // Persons are not dropped on the group they came from, nor a group on itself.
    return GroupOfItem(item) && !(m_payload.source && m_payload.source->m_hTreeItem == item);
}

bool CDragDrop::Track(HTREEITEM item) {
    if (!m_bDragging)
        return false;
    if (m_hDropItem != TVI_NONE && m_hDropItem != item)
        ClearHighlight();
    if (item != TVI_NONE && item != m_hDropItem && IsDropTarget(item)) {
        CTreeControl& control = m_tree.GetTreeCtrl();
        m_plainImage = control.Get(item).image;
        m_plainSelectedImage = control.Get(item).selectedImage;
        if (item == m_tree.m_hDeletedItem)
            control.SetItemImage(item, ETreeImage::DeletedTarget, ETreeImage::DeletedTargetOpen);
        else
            control.SetItemImage(item, ETreeImage::GroupTarget, ETreeImage::GroupTargetOpen);
        m_hDropItem = item;
    }
    return m_hDropItem != TVI_NONE;
}

void CDragDrop::ClearHighlight() {
    if (m_tree.GetTreeCtrl().Exists(m_hDropItem))
        m_tree.GetTreeCtrl().SetItemImage(m_hDropItem, m_plainImage, m_plainSelectedImage);
    m_hDropItem = TVI_NONE;
}

void CDragDrop::Cancel() {
    if (!m_bDragging)
        return;
    ClearHighlight();
    End();
}

std::optional<CPendingDrop> CDragDrop::EndAtTarget() {
    if (!m_bDragging)
        return std::nullopt;
    const HTREEITEM target = m_hDropItem;
    ClearHighlight();
    CPendingDrop drop{std::move(m_payload), target, m_nContents};
    End();
    if (target == TVI_NONE || target == m_tree.m_hRootItem)
        return std::nullopt;
    return drop;
}

bool CDragDrop::Drop(const CPendingDrop& drop) {
    const CDragPayload& payload = drop.payload;
    if (drop.contents != m_nContents)
        return false;
    const bool toDeleted = drop.target == m_tree.m_hDeletedItem && drop.target != TVI_NONE;
    CGroup* target = toDeleted ? nullptr : GroupOfItem(drop.target);
    // Only what is still there is taken: a dragged group that has gone takes nothing, and
    // persons deleted meanwhile are neither moved nor deleted again.
    CGroup* source =
        payload.source && m_doc.ContainsGroup(payload.source) ? payload.source : nullptr;
    const std::vector<CPersonalData*> persons = PersonsToHandle(payload, source);
    std::unique_ptr<CCommandGroup> step;
    if (toDeleted && (payload.groupAlone ? source != nullptr : !persons.empty()))
        step = BuildDelete(payload, persons);
    else if (target && !(payload.groupAlone && !source))
        step = BuildAdd(source, persons, target);
    const bool done = step && step->GetCount() > 0;
    if (done)
        m_doc.ExecuteCommand(std::move(step));
    m_tree.SelectShownItem();
    return done;
}

std::vector<CPersonalData*> CDragDrop::PersonsToHandle(const CDragPayload& payload,
                                                       CGroup* source) {
    if (payload.groupAlone) {
        if (!source)
            return {};
        return {source->m_memberList.begin(), source->m_memberList.end()};
    }
    std::vector<CPersonalData*> persons;
    persons.reserve(payload.persons.size());
    std::copy_if(payload.persons.begin(), payload.persons.end(), std::back_inserter(persons),
                 [](const CPersonalData* person) { return person->m_place == EPersonPlace::Live; });
    return persons;
}

std::unique_ptr<CCommandGroup> CDragDrop::BuildDelete(const CDragPayload& payload,
                                                      const std::vector<CPersonalData*>& persons) {
    if (m_ui.MessageBox(CViewTexts::DELETE_QUESTION, EMessageButtons::OkCancel,
                        EMessageIcon::Question) != EMessageResult::Ok)
        return nullptr;
    auto step = std::make_unique<CCommandGroup>();
    if (payload.groupAlone) {
        step->SetName(CUndoTexts::DELETE_GROUP);
        step->AddCommand(std::make_unique<CDeleteGroupCommand>(payload.source));
        return step;
    }
    step->SetName(CUndoTexts::DELETE_PERSON);
    for (CPersonalData* person : persons)
        step->AddCommand(std::make_unique<CDeletePersonalCommand>(person));
    return step;
}

std::unique_ptr<CCommandGroup>
CDragDrop::BuildAdd(CGroup* source, const std::vector<CPersonalData*>& persons, CGroup* target) {
    auto step = std::make_unique<CCommandGroup>();
    step->SetName(CViewTexts::DRAG_ADD);
    // Nobody to handle changes nothing, whatever the answer would be.
    if (source == target || persons.empty())
        return step;
    bool move = false;
    if (source) {
        switch (m_ui.MessageBox(CViewTexts::KEEP_QUESTION, EMessageButtons::YesNoCancel,
                                EMessageIcon::Warning)) {
        case EMessageResult::Yes:
            break;
        case EMessageResult::No:
            move = true;
            step->SetName(CViewTexts::DRAG_MOVE);
            break;
        default:
            return nullptr;
        }
    }
    for (CPersonalData* person : persons) {
        if (move && person->IsMemberOf(source))
            step->AddCommand(std::make_unique<CRemoveCommand>(person, source));
        if (!person->IsMemberOf(target))
            step->AddCommand(std::make_unique<CAddPersonalToGroupCommand>(person, target));
    }
    return step;
}
