#pragma once

#include "core/commands/CCommandTree.h"
#include "core/document/CDocView.h"
#include "core/model/CGroupInfo.h"
#include "core/ui/CCommandTarget.h"
#include "core/views/CTreeControl.h"

#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <string>
#include <vector>

class CAddressDoc;
class CCommand;
class CMailer;
class CProfile;
class CUserInterface;

// The kind an item is inserted as, which gives it its pictures.

// The group tree without pixels: "全体" with the groups under it, optionally their persons,
// and "削除済み". Commands patch its items; selecting an item tells the person list what to show.
class CFriendTreeView : public CDocView, public CCommandTarget, public CCommandTree {
public:
    static constexpr HTREEITEM NO_CURRENT_ITEM = 0xFFFFFFFFu;

    CFriendTreeView(CAddressDoc& doc, CUserInterface& ui);
    ~CFriendTreeView() override;
    CFriendTreeView(const CFriendTreeView&) = delete;
    CFriendTreeView& operator=(const CFriendTreeView&) = delete;

    void OnUpdate(CDocView* sender, EHint hint, const CHintObject& object) override;

    bool HasCommand(int id) const override;
    void OnUpdateCommand(int id, CCmdUI& ui) override;
    void OnCommand(int id) override;
    // Select all belongs to the frame, which makes the person list active first.
    void SetSelectAllHandler(std::function<void()> handler) { m_selectAll = std::move(handler); }

    // What the commands change.
    bool ShowsPersons() const override { return m_bShowPersonal; }
    void InsertGroupItem(CGroup* group, bool select) override;
    void DeleteGroupItem(CGroup* group) override;
    void InsertPersonalItems(CPersonalData* person) override;
    void InsertPersonUnderDeleted(CPersonalData* person) override;
    void DeletePersonalItems(CPersonalData* person) override;
    void RemovePersonFromGroupItem(CPersonalData* person, CGroup* group) override;
    void AddPersonToGroupItem(CPersonalData* person, CGroup* group) override;
    void RenamePersonalItems(CPersonalData* person) override;

    HTREEITEM InsertTreeItem(HTREEITEM parent, ETreeItemKind kind, std::string_view text,
                             CTreeItemData data, bool select, ETreeInsert where);
    CTreeControl& GetTreeCtrl() { return m_tree; }
    const CTreeControl& GetTreeCtrl() const { return m_tree; }

    // Item kinds, read from what the item stands for: pictures change with the selection and
    // a drag's highlight.
    bool IsPersonItem(HTREEITEM item) const;
    bool IsGroupItem(HTREEITEM item) const;
    HTREEITEM GetShownItem() const;

    void SelectShownItem();
    void ToggleShowPersonal();
    void NotifySelection();

    // The view's commands and their enabling rules.
    bool CanDelete() const;
    bool CanRemoveFromGroup() const;
    bool CanModify() const { return CanDelete(); }
    bool CanRestore() const;
    bool CanDeleteGroupAndMembers() const;
    void OnDelete();
    void OnRemoveFromGroup();
    void OnRestore();
    void OnModify();
    void OnDeleteGroupAndMembers();
    // The persons a command on the caret works on: one person, all, the deleted or a group's.
    std::vector<CPersonalData*> GetCaretPersons() const;

    void LoadSettings(const CProfile& profile);
    void SaveSettings(CProfile& profile) const;
    bool HasIndent() const { return m_bIndent; }
    std::uint32_t GetTextColor() const { return m_textColor; }
    std::uint32_t GetBackgroundColor() const { return m_backgroundColor; }
    void SetColors(std::uint32_t text, std::uint32_t background);
    // Mail is written through the program's mailer; without one its commands are off.
    void SetMailer(CMailer* mailer) { m_pMailer = mailer; }

    CGroupInfo m_groupInfo;
    bool m_bShowPersonal = false;
    HTREEITEM m_hRootItem = TVI_NONE;
    HTREEITEM m_hDeletedItem = TVI_NONE;
    HTREEITEM m_hCurrentItem = TVI_NONE;

private:
    void Reset();
    // The whole book arrived: every item is made again in one go.
    void Rebuild();
    void ResetItems();
    // The person's item under the parent in its sorted place, remembered with the person.
    HTREEITEM InsertPersonItem(HTREEITEM parent, CPersonalData* person);
    void LeaveCollapsed(HTREEITEM parent);
    void ApplyCommand(CCommand& command, bool undo);
    void OnSelectionChanged();
    void CollapseAll();
    void HidePersons();
    void ShowPersons();
    // A folder (a group or the deleted folder) looks open, or plain again.
    void ShowFolderOpen(HTREEITEM item, bool open);
    void Execute(std::unique_ptr<CCommand> command);

    CAddressDoc& m_doc;
    CMailer* m_pMailer = nullptr;
    CUserInterface& m_ui;
    CTreeControl m_tree;
    std::function<void()> m_selectAll;
    bool m_bIndent = true;
    std::uint32_t m_textColor = 0;
    std::uint32_t m_backgroundColor = 0xFFFFFF;
};
