#pragma once

#include "core/ui/CCommandRouter.h"
#include "core/ui/CCommandTarget.h"
#include "core/ui/CFrameWindow.h"

class CFriendListView;
class CFriendTreeView;

// The main frame's commands and its notion of the active pane, whose view heads the command
// chain. The person list is active until the person chooses otherwise.
class CFrameCommands : public CCommandTarget {
public:
    CFrameCommands(CFriendTreeView& tree, CFriendListView& list, CFrameWindow& window);
    ~CFrameCommands() override;
    CFrameCommands(const CFrameCommands&) = delete;
    CFrameCommands& operator=(const CFrameCommands&) = delete;

    bool HasCommand(int id) const override;
    void OnUpdateCommand(int id, CCmdUI& ui) override;
    void OnCommand(int id) override;

    EPane GetActivePane() const { return m_activePane; }
    CCommandTarget& GetActiveView() const;
    // A pane got the focus. When the list takes over from the tree, the tree's caret leaves a
    // person item for its group, so that the tree shows what the list lists.
    void OnPaneActivated(EPane pane);
    void SwitchPane();
    void SelectAllPersons();

private:
    CCommandRouter ListRouter() const;
    void ActivateAndFocus(EPane pane);

    CFriendTreeView& m_tree;
    CFriendListView& m_list;
    CFrameWindow& m_window;
    EPane m_activePane = EPane::List;
};
