#include "core/document/CAddressDoc.h"

// The undo history keeps the commands and runs them: the one tie up to the commands, through
// their interface alone.
#include "core/commands/CCommand.h"
#include "core/document/CDocumentTexts.h"
#include "core/text/CSharedTexts.h"
#include "core/text/CTextFormat.h"
#include "core/ui/CCmdUI.h"
#include "core/ui/CCommandTexts.h"
#include "core/ui/CommandIds.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace {
// A request the lists cannot honour: a fault in the caller.
bool Refuse() {
    assert(!"a person is put into or taken out of a list it is not in");
    return false;
}

void EraseGroup(std::vector<CGroup*>& groups, const CGroup* group) {
    const auto it = std::find(groups.begin(), groups.end(), group);
    if (it != groups.end())
        groups.erase(it);
}
} // namespace

CAddressDoc::CAddressDoc() = default;

CAddressDoc::~CAddressDoc() {
    // Commands go before the records they refer to.
    ReleaseCommands();
}

CPersonList::iterator CAddressDoc::AddPerson(CPersonalData* person) {
    return InsertPerson(person, nullptr);
}

CPersonList::iterator CAddressDoc::InsertPerson(CPersonalData* person, const CPersonalData* next) {
    if (person->m_place != EPersonPlace::None || (next && next->m_place != EPersonPlace::Live)) {
        Refuse();
        return m_allPersons.Contains(person) ? m_allPersons.IteratorTo(person) : m_allPersons.end();
    }
    const auto position =
        m_allPersons.insert(next ? m_allPersons.IteratorTo(next) : m_allPersons.end(), person);
    // A person outside the live list is no group's member, so it could only be one twice
    // through a group its list names twice, and then it was the last to join that group.
    for (CGroup* group : person->m_groupList)
        group->m_memberList.AddNewTail(person);
    SetModifiedFlag();
    return position;
}

bool CAddressDoc::RemovePerson(CPersonList::iterator position) {
    CPersonalData* person = *position;
    return person ? RemovePerson(person) : Refuse();
}

bool CAddressDoc::RemovePerson(CPersonalData* person) {
    if (person->m_place != EPersonPlace::Live)
        return Refuse();
    for (CGroup* group : person->m_groupList)
        group->m_memberList.Remove(person);
    m_allPersons.erase(person);
    SetModifiedFlag();
    return true;
}

void CAddressDoc::AddGroup(CGroup* group) {
    m_allGroups.push_back(group);
    SetModifiedFlag();
}

void CAddressDoc::RemoveGroup(CGroup* group) {
    for (CPersonalData* person : group->m_memberList)
        EraseGroup(person->m_groupList, group);
    m_allGroups.erase(group);
    SetModifiedFlag();
}

bool CAddressDoc::RemovePersonFromGroup(CPersonalData* person, CGroup* group) {
    group->m_memberList.Remove(person);
    EraseGroup(person->m_groupList, group);
    SetModifiedFlag();
    return true;
}

void CAddressDoc::LinkPersonToGroup(CPersonalData* person, CGroup* group) {
    person->m_groupList.push_back(group);
    group->m_memberList.AddTail(person);
    SetModifiedFlag();
}

bool CAddressDoc::AddDeletedPerson(CPersonalData* person) {
    if (person->m_place != EPersonPlace::None)
        return Refuse();
    m_deletedPersons.insert(m_deletedPersons.end(), person);
    return true;
}

bool CAddressDoc::RemoveDeletedPerson(CPersonalData* person) {
    if (person->m_place != EPersonPlace::Deleted)
        return Refuse();
    m_deletedPersons.erase(person);
    return true;
}

int CAddressDoc::CountSavedGroups(const CGroupList& groups) {
    return static_cast<int>(std::count_if(groups.begin(), groups.end(), [](const CGroup* group) {
        return group->m_nSerial != CGroup::GROUP_TRANSIENT;
    }));
}

void CAddressDoc::AddCommand(std::unique_ptr<CCommand> command) {
    m_redoList.clear();
    m_undoList.push_back(std::move(command));
}

void CAddressDoc::ExecuteCommand(std::unique_ptr<CCommand> command) {
    CCommand* done = command.get();
    done->Do(*this);
    AddCommand(std::move(command));
    UpdateAllViews(nullptr, EHint::CommandDone, {done, nullptr});
}

void CAddressDoc::OnEditUndo() {
    if (m_undoList.empty())
        return; // the menu is disabled then; a stray request does nothing
    CCommand* command = m_undoList.back().get();
    command->Undo(*this);
    UpdateAllViews(nullptr, EHint::CommandUndone, {command, nullptr});
    m_redoList.push_back(std::move(m_undoList.back()));
    m_undoList.pop_back();
}

void CAddressDoc::OnEditRedo() {
    if (m_redoList.empty())
        return;
    CCommand* command = m_redoList.back().get();
    command->Do(*this);
    m_undoList.push_back(std::move(m_redoList.back()));
    m_redoList.pop_back();
    UpdateAllViews(nullptr, EHint::CommandDone, {command, nullptr});
}

std::string CAddressDoc::GetRedoMenuText() const {
    if (!m_redoList.empty())
        return CTextFormat::Format(CDocumentTexts::REDO_NAMED, {m_redoList.back()->GetName()});
    return std::string(CCommandTexts::Find(ID_EDIT_REDO)->m_caption);
}

std::string CAddressDoc::GetUndoMenuText() const {
    if (!m_undoList.empty())
        return CTextFormat::Format(CDocumentTexts::UNDO_NAMED, {m_undoList.back()->GetName()});
    return std::string(CCommandTexts::Find(ID_EDIT_UNDO)->m_caption);
}

const CCommand* CAddressDoc::GetLastCommand() const {
    return m_undoList.empty() ? nullptr : m_undoList.back().get();
}

void CAddressDoc::AddView(CDocView* view) {
    m_views.push_back(view);
}

bool CAddressDoc::CommitViewEdits() {
    return std::all_of(m_views.begin(), m_views.end(),
                       [](CDocView* view) { return view->CommitPendingEdit(); });
}

void CAddressDoc::RemoveView(CDocView* view) {
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

void CAddressDoc::UpdateAllViews(CDocView* sender, EHint hint, const CHintObject& object) {
    // The number closes with this call, also when a view throws.
    struct CDispatchScope {
        std::uint64_t& number;
        bool opened;
        ~CDispatchScope() {
            if (opened)
                number = 0;
        }
    };
    const CDispatchScope scope{m_nCommandDispatch,
                               m_nCommandDispatch == 0 &&
                                   (hint == EHint::CommandDone || hint == EHint::CommandUndone)};
    if (scope.opened)
        m_nCommandDispatch = ++m_nLastDispatch;
    if (m_endDrag && hint != EHint::SelectionChanged && hint != EHint::None)
        std::exchange(m_endDrag, {})();
    for (CDocView* view : m_views) {
        if (view != sender)
            view->OnUpdate(sender, hint, object);
    }
}

void CAddressDoc::ReleaseCommands() {
    m_undoList.clear();
    m_redoList.clear();
}

void CAddressDoc::DeleteContents() {
    ReleaseCommands();
    m_allPersons.clear();
    m_deletedPersons.clear();
    m_allGroups.clear();
    m_store.Clear();
    UpdateAllViews(nullptr, EHint::Emptied);
}

void CAddressDoc::OnNewDocument() {
    DeleteContents();
    SetModifiedFlag(false);
}

void CAddressDoc::SetModifiedFlag(bool modified) {
    if (modified && m_strStatusText != CSharedTexts::READY)
        SetStatusText(CSharedTexts::READY);
    m_bModified = modified;
}

void CAddressDoc::SetStatusText(std::string text) {
    m_strStatusText = std::move(text);
    if (m_statusListener)
        m_statusListener(m_strStatusText);
}

void CAddressDoc::SetStatusTextListener(std::function<void(const std::string&)> listener) {
    m_statusListener = std::move(listener);
}

bool CAddressDoc::HasCommand(int id) const {
    return id == ID_EDIT_UNDO || id == ID_EDIT_REDO;
}

void CAddressDoc::OnUpdateCommand(int id, CCmdUI& ui) {
    if (id == ID_EDIT_UNDO) {
        ui.Enable(CanUndo());
        ui.SetText(GetUndoMenuText());
    } else if (id == ID_EDIT_REDO) {
        ui.Enable(CanRedo());
        ui.SetText(GetRedoMenuText());
    }
}

void CAddressDoc::OnCommand(int id) {
    if (id == ID_EDIT_UNDO)
        OnEditUndo();
    else if (id == ID_EDIT_REDO)
        OnEditRedo();
}
