#include "core/views/CFriendTreeView.h"

#include "core/commands/CCommand.h"
#include "core/commands/CDeleteGroupAndMembersCommand.h"
#include "core/commands/CDeleteGroupCommand.h"
#include "core/commands/CDeletePersonalCommand.h"
#include "core/commands/CRemoveCommand.h"
#include "core/commands/CRestoreCommand.h"
#include "core/document/CAddressDoc.h"
#include "core/mail/CMailer.h"
#include "core/settings/CProfile.h"
#include "core/ui/CCmdUI.h"
#include "core/ui/CRecordEditor.h"
#include "core/ui/CUserInterface.h"
#include "core/ui/CommandIds.h"
#include "core/views/CNameOrder.h"
#include "core/views/CPersonItemBatch.h"
#include "core/views/CViewTexts.h"

#include <algorithm>
#include <string_view>
#include <utility>

CFriendTreeView::CFriendTreeView(CAddressDoc& doc, CUserInterface& ui) : m_doc(doc), m_ui(ui) {
    m_tree.SetSelectionHandler([this] { OnSelectionChanged(); });
    m_doc.AddView(this);
}

CFriendTreeView::~CFriendTreeView() {
    m_doc.RemoveView(this);
}

void CFriendTreeView::OnUpdate(CDocView* sender, EHint hint, const CHintObject& object) {
    if (sender == this || m_doc.IsDragInProgress())
        return;
    switch (hint) {
    case EHint::Emptied:
        Reset();
        break;
    case EHint::CommandDone:
    case EHint::CommandUndone:
        if (object.command)
            ApplyCommand(*object.command, hint == EHint::CommandUndone);
        break;
    case EHint::BulkAdded:
        if (object.command)
            object.command->DoTree(*this);
        break;
    case EHint::BulkComplete:
        CollapseAll();
        break;
    case EHint::Loaded:
        Rebuild();
        break;
    default:
        break;
    }
}

void CFriendTreeView::Reset() {
    ResetItems();
    m_tree.SelectItem(m_hRootItem);
}

void CFriendTreeView::Rebuild() {
    // The window's tree is reset once for the whole book rather than told of every item, and
    // the list hears of the selection only when every item is in.
    const CTreeControl::CBulkChange bulk(m_tree);
    ResetItems();
    for (CGroup* group : CNameOrder::Of(m_doc.GetGroupList()))
        InsertGroupItem(group, false);
    ShowPersons();
    CollapseAll();
}

void CFriendTreeView::ResetItems() {
    m_tree.DeleteAllItems();
    m_hRootItem = InsertTreeItem(TVI_NONE, ETreeItemKind::Group, CViewTexts::ROOT_CP932, {}, false,
                                 ETreeInsert::Sort);
    m_hDeletedItem = InsertTreeItem(TVI_NONE, ETreeItemKind::DeletedFolder,
                                    CViewTexts::DELETED_CP932, {}, false, ETreeInsert::Last);
    m_hCurrentItem = NO_CURRENT_ITEM;
}

void CFriendTreeView::ApplyCommand(CCommand& command, bool undo) {
    const HTREEITEM shown = GetShownItem();
    command.SetSelection(shown != TVI_NONE ? shown : m_hRootItem);
    if (undo)
        command.UndoTree(*this);
    else
        command.DoTree(*this);
    // The command's own tree step may have deleted the item that was current.
    const HTREEITEM selection = command.GetSelection();
    m_tree.SelectItem(m_tree.Exists(selection) ? selection : m_hRootItem);
}

HTREEITEM CFriendTreeView::InsertTreeItem(HTREEITEM parent, ETreeItemKind kind,
                                          std::string_view text, CTreeItemData data, bool select,
                                          ETreeInsert where) {
    if ((kind == ETreeItemKind::Person && (!m_bShowPersonal || parent == TVI_NONE)) ||
        (parent != TVI_NONE && !m_tree.Exists(parent)))
        return TVI_NONE;
    const bool firstChild = parent != TVI_NONE && m_tree.GetChildren(parent).empty();
    const auto [image, selectedImage] = CTreeControl::ImagesOf(kind);
    const HTREEITEM item = m_tree.InsertItem(parent, text, image, selectedImage, data, where);
    if (firstChild)
        LeaveCollapsed(parent);
    if (select)
        m_tree.SelectItem(item);
    return item;
}

void CFriendTreeView::LeaveCollapsed(HTREEITEM parent) {
    // Collapsed with its expand button, as a parent is left when its first child arrives.
    m_tree.SetExpanded(parent, false);
    m_tree.SetExpandedOnce(parent, true);
}

void CFriendTreeView::InsertPersonalItems(CPersonalData* person) {
    if (!m_bShowPersonal)
        return;
    if (person->m_groupList.empty())
        InsertPersonItem(m_hRootItem, person);
    for (const CGroup* group : person->m_groupList)
        InsertPersonItem(group->m_hTreeItem, person);
}

void CFriendTreeView::InsertPersonUnderDeleted(CPersonalData* person) {
    InsertPersonItem(m_hDeletedItem, person);
}

void CFriendTreeView::DeletePersonalItems(CPersonalData* person) {
    for (const HTREEITEM item : person->m_treeItems) {
        if (item != TVI_NONE)
            m_tree.DeleteItem(item);
    }
    person->m_treeItems.RemoveAll();
}

void CFriendTreeView::InsertGroupItem(CGroup* group, bool select) {
    group->m_hTreeItem =
        InsertTreeItem(m_hRootItem, ETreeItemKind::Group, group->m_strGroupName.View(),
                       {group, nullptr}, select, ETreeInsert::Sort);
}

void CFriendTreeView::DeleteGroupItem(CGroup* group) {
    m_tree.DeleteItem(group->m_hTreeItem);
}

HTREEITEM CFriendTreeView::InsertPersonItem(HTREEITEM parent, CPersonalData* person) {
    const HTREEITEM item = InsertTreeItem(parent, ETreeItemKind::Person, {}, {nullptr, person},
                                          false, ETreeInsert::Sort);
    if (item != TVI_NONE)
        person->m_treeItems.AddTail(item);
    return item;
}

void CFriendTreeView::RemovePersonFromGroupItem(CPersonalData* person, CGroup* group) {
    if (!m_bShowPersonal)
        return;
    for (const HTREEITEM item : person->m_treeItems) {
        if (m_tree.GetParent(item) == group->m_hTreeItem) {
            m_tree.DeleteItem(item);
            person->m_treeItems.RemoveValue(item);
            break;
        }
    }
    // A person in no group is shown under the root item.
    if (person->m_treeItems.IsEmpty())
        InsertPersonItem(m_hRootItem, person);
}

void CFriendTreeView::AddPersonToGroupItem(CPersonalData* person, CGroup* group) {
    if (!m_bShowPersonal)
        return;
    if (person->m_treeItems.GetCount() == 1 &&
        m_tree.GetParent(person->m_treeItems.GetHead()) == m_hRootItem) {
        m_tree.DeleteItem(person->m_treeItems.GetHead());
        person->m_treeItems.RemoveAll();
    }
    InsertPersonItem(group->m_hTreeItem, person);
}

void CFriendTreeView::RenamePersonalItems(CPersonalData* person) {
    for (const HTREEITEM item : person->m_treeItems) {
        if (m_tree.Exists(item))
            m_tree.SetItemText(item, person->GetText(EPersonText::Name));
    }
}

bool CFriendTreeView::IsPersonItem(HTREEITEM item) const {
    return m_tree.Exists(item) && m_tree.Get(item).Data().person != nullptr;
}

bool CFriendTreeView::IsGroupItem(HTREEITEM item) const {
    return m_tree.Exists(item) && m_tree.Get(item).Data().group != nullptr;
}

HTREEITEM CFriendTreeView::GetShownItem() const {
    const HTREEITEM caret = m_tree.GetCaret();
    return IsPersonItem(caret) ? m_tree.GetParent(caret) : caret;
}

void CFriendTreeView::SelectShownItem() {
    const HTREEITEM shown = GetShownItem();
    if (shown != TVI_NONE)
        m_tree.SelectItem(shown);
}

void CFriendTreeView::ShowFolderOpen(HTREEITEM item, bool open) {
    if (item == NO_CURRENT_ITEM || !m_tree.Exists(item))
        return;
    const auto [plain, selected] = CTreeControl::ImagesOf(
        item == m_hDeletedItem ? ETreeItemKind::DeletedFolder : ETreeItemKind::Group);
    // An open folder shows the picture it has when selected, and the plain one when it is.
    m_tree.SetItemImage(item, open ? selected : plain, open ? plain : selected);
}

void CFriendTreeView::OnSelectionChanged() {
    const HTREEITEM shown = GetShownItem();
    if (shown != m_hCurrentItem)
        NotifySelection();
    ShowFolderOpen(m_hCurrentItem, false);
    // The group looks open while one of its persons is selected.
    if (IsPersonItem(m_tree.GetCaret()))
        ShowFolderOpen(shown, true);
    m_hCurrentItem = shown;
}

void CFriendTreeView::NotifySelection() {
    const HTREEITEM shown = GetShownItem();
    CSelectionHint selection;
    selection.info = &m_groupInfo;
    if (shown == m_hRootItem) {
        m_groupInfo.SetAll();
        selection.persons = m_doc.GetPersonList().ToVector();
    } else if (shown == m_hDeletedItem) {
        m_groupInfo.SetDeleted();
        selection.persons = m_doc.GetDeletedList().ToVector();
    } else if (m_tree.Exists(shown) && m_tree.Get(shown).Data().group) {
        CGroup* group = m_tree.Get(shown).Data().group;
        m_groupInfo.SetGroup(group);
        selection.persons.assign(group->m_memberList.begin(), group->m_memberList.end());
    }
    m_doc.UpdateAllViews(this, EHint::SelectionChanged, {nullptr, &selection});
}

void CFriendTreeView::ShowPersons() {
    if (!m_bShowPersonal)
        return;
    CPersonItemBatch batch;
    batch.AddUnderGroups(m_doc.GetPersonList());
    batch.AddUnder(m_hDeletedItem, m_doc.GetDeletedList());
    const std::vector<HTREEITEM> items = m_tree.AppendItems(batch.Appends());
    for (std::size_t i = 0; i < items.size(); ++i) {
        batch.FetchAhead(i);
        const CTreeControl::CAppend& append = batch.Appends()[i];
        if (items[i] == TVI_NONE)
            continue;
        append.data.person->m_treeItems.AddTail(items[i]);
        if (m_tree.GetChildren(append.parent).front() == items[i])
            LeaveCollapsed(append.parent);
    }
    for (CPersonalData* person : batch.Ungrouped())
        InsertPersonItem(m_hRootItem, person);
}

void CFriendTreeView::HidePersons() {
    const CChildList& shown = m_tree.GetChildren(m_hRootItem);
    // From the last, so that each deletion moves no sibling after it.
    std::vector<HTREEITEM> children(shown.begin(), shown.end());
    std::reverse(children.begin(), children.end());
    for (const HTREEITEM child : children) {
        if (IsGroupItem(child))
            m_tree.DeleteChildren(child);
        else
            m_tree.DeleteItem(child);
    }
    m_tree.DeleteChildren(m_hDeletedItem);
    for (CPersonalData* person : m_doc.GetPersonList())
        person->m_treeItems.RemoveAll();
    for (CPersonalData* person : m_doc.GetDeletedList())
        person->m_treeItems.RemoveAll();
}

void CFriendTreeView::ToggleShowPersonal() {
    const CTreeControl::CBulkChange bulk(m_tree);
    m_bShowPersonal = !m_bShowPersonal;
    if (m_bShowPersonal)
        ShowPersons();
    else
        HidePersons();
}

void CFriendTreeView::CollapseAll() {
    for (const HTREEITEM child : m_tree.GetChildren(m_hRootItem))
        LeaveCollapsed(child);
    m_tree.SetExpanded(m_hRootItem, true);
    // The list shows everyone afterwards, the new records included, also when the caret was
    // on a person under the root, whose selection moving up changes nothing the list shows.
    const bool showsRoot = GetShownItem() == m_hRootItem;
    m_tree.SelectItem(m_hRootItem);
    if (showsRoot)
        NotifySelection();
}

bool CFriendTreeView::CanDelete() const {
    const HTREEITEM caret = m_tree.GetCaret();
    return m_tree.Exists(caret) && caret != m_hRootItem && caret != m_hDeletedItem &&
           m_tree.GetParent(caret) != m_hDeletedItem;
}

bool CFriendTreeView::CanRemoveFromGroup() const {
    const HTREEITEM caret = m_tree.GetCaret();
    const HTREEITEM parent = m_tree.GetParent(caret);
    return m_tree.Exists(caret) && !IsGroupItem(caret) && caret != m_hRootItem &&
           caret != m_hDeletedItem && parent != m_hRootItem && parent != m_hDeletedItem &&
           parent != TVI_NONE;
}

bool CFriendTreeView::CanRestore() const {
    const HTREEITEM caret = m_tree.GetCaret();
    return m_tree.Exists(caret) && m_tree.GetParent(caret) == m_hDeletedItem;
}

bool CFriendTreeView::CanDeleteGroupAndMembers() const {
    return IsGroupItem(m_tree.GetCaret());
}

void CFriendTreeView::Execute(std::unique_ptr<CCommand> command) {
    m_doc.ExecuteCommand(std::move(command));
}

void CFriendTreeView::OnDelete() {
    const HTREEITEM caret = m_tree.GetCaret();
    if (!CanDelete())
        return;
    if (m_ui.MessageBox(CViewTexts::DELETE_QUESTION, EMessageButtons::YesNo,
                        EMessageIcon::Question) != EMessageResult::Yes)
        return;
    const CTreeItemData data = m_tree.Get(caret).Data();
    if (IsGroupItem(caret) && data.group)
        Execute(std::make_unique<CDeleteGroupCommand>(data.group));
    else if (data.person)
        Execute(std::make_unique<CDeletePersonalCommand>(data.person));
}

void CFriendTreeView::OnRemoveFromGroup() {
    const HTREEITEM caret = m_tree.GetCaret();
    if (!m_tree.Exists(caret) || caret == m_hRootItem || IsGroupItem(caret))
        return;
    if (m_tree.GetParent(caret) == m_hRootItem) {
        m_ui.MessageBox(CViewTexts::NOT_IN_GROUP, EMessageButtons::Ok, EMessageIcon::Warning);
        return;
    }
    if (!CanRemoveFromGroup())
        return;
    CPersonalData* person = m_tree.Get(caret).Data().person;
    CGroup* group = m_tree.Get(m_tree.GetParent(caret)).Data().group;
    if (person && group)
        Execute(std::make_unique<CRemoveCommand>(person, group));
}

void CFriendTreeView::OnModify() {
    const HTREEITEM caret = m_tree.GetCaret();
    CRecordEditor* editor = m_doc.GetRecordEditor();
    if (!editor || !m_tree.Exists(caret) || caret == m_hRootItem)
        return;
    const CTreeItemData data = m_tree.Get(caret).Data();
    if (data.group)
        editor->EditGroup(data.group);
    else if (data.person && m_tree.GetParent(caret) != m_hDeletedItem)
        editor->EditPerson(data.person, -1);
}

void CFriendTreeView::OnRestore() {
    if (!CanRestore())
        return;
    CPersonalData* person = m_tree.Get(m_tree.GetCaret()).Data().person;
    if (person)
        Execute(std::make_unique<CRestoreCommand>(m_doc, person));
}

void CFriendTreeView::OnDeleteGroupAndMembers() {
    if (!CanDeleteGroupAndMembers())
        return;
    CGroup* group = m_tree.Get(m_tree.GetCaret()).Data().group;
    if (m_ui.MessageBox(CViewTexts::DELETE_WITH_MEMBERS_QUESTION, EMessageButtons::YesNo,
                        EMessageIcon::Question) != EMessageResult::Yes)
        return;
    Execute(std::make_unique<CDeleteGroupAndMembersCommand>(group));
}

std::vector<CPersonalData*> CFriendTreeView::GetCaretPersons() const {
    const HTREEITEM caret = m_tree.GetCaret();
    if (!m_tree.Exists(caret))
        return {};
    if (caret == m_hRootItem)
        return m_doc.GetPersonList().ToVector();
    if (caret == m_hDeletedItem)
        return m_doc.GetDeletedList().ToVector();
    const CTreeItemData& data = m_tree.Get(caret).Data();
    if (data.person)
        return {data.person};
    if (data.group)
        return {data.group->m_memberList.begin(), data.group->m_memberList.end()};
    return {};
}

void CFriendTreeView::LoadSettings(const CProfile& profile) {
    m_bIndent = profile.GetProfileInt("Tree", "noindent", 0) == 0;
    m_bShowPersonal = profile.GetProfileInt("Tree", "expand", 1) == 1;
    m_textColor = static_cast<std::uint32_t>(profile.GetProfileInt("TreeColor", "text", 0));
    m_backgroundColor =
        static_cast<std::uint32_t>(profile.GetProfileInt("TreeColor", "background", 0xFFFFFF));
}

void CFriendTreeView::SaveSettings(CProfile& profile) const {
    profile.WriteProfileInt("Tree", "expand", m_bShowPersonal ? 1 : 0);
    profile.WriteProfileInt("TreeColor", "text", static_cast<int>(m_textColor));
    profile.WriteProfileInt("TreeColor", "background", static_cast<int>(m_backgroundColor));
}

void CFriendTreeView::SetColors(std::uint32_t text, std::uint32_t background) {
    m_textColor = text;
    m_backgroundColor = background;
}

bool CFriendTreeView::HasCommand(int id) const {
    switch (id) {
    case ID_DELETE:
    case ID_REMOVE_FROM_GROUP:
    case ID_RESTORE:
    case ID_DELETE_GROUP_AND_MEMBERS:
        return true;
    case ID_SELECT_ALL:
        return static_cast<bool>(m_selectAll);
    case ID_MODIFY:
        return m_doc.GetRecordEditor() != nullptr;
    case ID_MAIL_EMAIL1:
    case ID_MAIL_EMAIL2:
        return m_pMailer != nullptr;
    default:
        return false;
    }
}

void CFriendTreeView::OnUpdateCommand(int id, CCmdUI& ui) {
    switch (id) {
    case ID_DELETE:
        ui.Enable(CanDelete());
        break;
    case ID_REMOVE_FROM_GROUP:
        ui.Enable(CanRemoveFromGroup());
        break;
    case ID_RESTORE:
        ui.Enable(CanRestore());
        break;
    case ID_DELETE_GROUP_AND_MEMBERS:
        ui.Enable(CanDeleteGroupAndMembers());
        break;
    case ID_MODIFY:
        ui.Enable(CanModify());
        break;
    default:
        break;
    }
}

void CFriendTreeView::OnCommand(int id) {
    switch (id) {
    case ID_DELETE:
        OnDelete();
        break;
    case ID_REMOVE_FROM_GROUP:
        OnRemoveFromGroup();
        break;
    case ID_RESTORE:
        OnRestore();
        break;
    case ID_DELETE_GROUP_AND_MEMBERS:
        OnDeleteGroupAndMembers();
        break;
    case ID_SELECT_ALL:
        if (m_selectAll)
            m_selectAll();
        break;
    case ID_MODIFY:
        OnModify();
        break;
    case ID_MAIL_EMAIL1:
    case ID_MAIL_EMAIL2:
        // Always on here: the root writes to everyone, a group to its members.
        if (m_pMailer)
            m_pMailer->WriteMail(GetCaretPersons(), CMailer::FieldOfCommand(id));
        break;
    default:
        break;
    }
}
