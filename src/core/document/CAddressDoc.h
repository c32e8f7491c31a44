#pragma once

#include "core/document/CDocView.h"
#include "core/document/CRecordStore.h"
#include "core/model/CGroup.h"
#include "core/model/CGroupInfo.h"
#include "core/model/CGroupList.h"
#include "core/model/CPersonList.h"
#include "core/model/CPersonalData.h"
#include "core/ui/CCommandTarget.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CCommand;
class CRecordEditor;

// The open address book: live, deleted and grouped persons, the membership operations the
// commands use, the undo history, the modified flag and the update of all views.
class CAddressDoc : public CCommandTarget {
public:
    CAddressDoc();
    CAddressDoc(const CAddressDoc&) = delete;
    CAddressDoc& operator=(const CAddressDoc&) = delete;
    ~CAddressDoc() override;

    bool HasCommand(int id) const override;
    void OnUpdateCommand(int id, CCmdUI& ui) override;
    void OnCommand(int id) override;

    // Records are made here so that they live exactly as long as the contents.
    template <typename... Args> CPersonalData* NewPerson(Args&&... args) {
        return m_store.NewPerson(std::forward<Args>(args)...);
    }
    template <typename... Args> CGroup* NewGroup(Args&&... args) {
        return m_store.NewGroup(std::forward<Args>(args)...);
    }

    // Membership operations; each marks the document modified. A person is in at most one of
    // the live and deleted lists, once: a request that would break this is a fault in the
    // caller, which stops a debug build and is ignored otherwise, so the lists stay sound.
    CPersonList::iterator AddPerson(CPersonalData* person);
    // Puts a person back before `next`, a live person, or at the end for nullptr, so that an
    // undo can restore the order a change took apart. A refused person gets its own place
    // when it is live already, the end otherwise.
    CPersonList::iterator InsertPerson(CPersonalData* person, const CPersonalData* next);
    bool RemovePerson(CPersonList::iterator position);
    bool RemovePerson(CPersonalData* person);
    void AddGroup(CGroup* group);
    void RemoveGroup(CGroup* group);
    bool RemovePersonFromGroup(CPersonalData* person, CGroup* group);
    // Appends each to the other's list; the inverse of RemovePersonFromGroup.
    void LinkPersonToGroup(CPersonalData* person, CGroup* group);
    // The deleted persons' list.
    bool AddDeletedPerson(CPersonalData* person);
    bool RemoveDeletedPerson(CPersonalData* person);

    static CPersonalData* GetPerson(CPersonList::iterator position) { return *position; }
    const CPersonList& GetPersonList() const { return m_allPersons; }
    const CGroupList& GetGroupList() const { return m_allGroups; }
    const CPersonList& GetDeletedList() const { return m_deletedPersons; }
    bool ContainsGroup(const CGroup* group) const { return m_allGroups.Contains(group); }
    static int CountSavedGroups(const CGroupList& groups);

    // A number for the command whose hints the views are being given, 0 between commands: a
    // view that refilled itself during that time already shows the command's outcome.
    std::uint64_t GetCommandDispatch() const { return m_nCommandDispatch; }

    // The undo history. A new command empties the redo list: what was undone no longer fits.
    void AddCommand(std::unique_ptr<CCommand> command);
    // Does a command, records it and tells the views: every user edit goes through here.
    void ExecuteCommand(std::unique_ptr<CCommand> command);
    bool CanUndo() const { return !m_undoList.empty(); }
    void OnEditUndo();
    std::string GetUndoMenuText() const;
    // Redo does again, in turn, what undo took back last.
    bool CanRedo() const { return !m_redoList.empty(); }
    void OnEditRedo();
    std::string GetRedoMenuText() const;
    const CCommand* GetLastCommand() const;

    // Views are updated in the order they were added: the group tree first, the person list
    // second.
    void AddView(CDocView* view);
    // Before the book is saved or closed, every view hands over what is still being typed.
    bool CommitViewEdits();
    void RemoveView(CDocView* view);
    void UpdateAllViews(CDocView* sender, EHint hint, const CHintObject& object = {});

    // Set while a drag is in progress, empty otherwise: both views ignore update hints then. A
    // hint that changes the records ends the drag through `endDrag` before the views get it.
    void SetDragInProgress(std::function<void()> endDrag) { m_endDrag = std::move(endDrag); }
    bool IsDragInProgress() const { return static_cast<bool>(m_endDrag); }

    void DeleteContents();
    void OnNewDocument();
    void SetModifiedFlag(bool modified = true);
    bool IsModified() const { return m_bModified; }

    // The status-bar message the document last set ("ﾚﾃﾞｨ" or "保存しました"), UTF-8.
    const std::string& GetStatusText() const { return m_strStatusText; }
    void SetStatusText(std::string text);
    void SetStatusTextListener(std::function<void(const std::string&)> listener);

    void SetRecordEditor(CRecordEditor* editor) { m_pEditor = editor; }
    CRecordEditor* GetRecordEditor() const { return m_pEditor; }
    // Writes mail and keeps the recent addresses; without it the mail commands are off.

private:
    void ReleaseCommands();

    std::vector<std::unique_ptr<CCommand>> m_undoList;
    std::vector<std::unique_ptr<CCommand>> m_redoList;
    CPersonList m_allPersons{EPersonPlace::Live};
    CGroupList m_allGroups;
    CPersonList m_deletedPersons{EPersonPlace::Deleted};
    CRecordStore m_store;
    std::vector<CDocView*> m_views;
    bool m_bModified = false;
    std::uint64_t m_nCommandDispatch = 0;
    std::uint64_t m_nLastDispatch = 0;
    std::string m_strStatusText;
    std::function<void(const std::string&)> m_statusListener;
    CRecordEditor* m_pEditor = nullptr;
    std::function<void()> m_endDrag;
};
