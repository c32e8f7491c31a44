#include "core/app/CFrameCommands.h"

#include "core/ui/CCommandRouter.h"
#include "core/ui/CommandIds.h"
#include "core/views/CFriendListView.h"
#include "core/views/CFriendTreeView.h"

namespace {
EFrameBar BarOf(int id) {
    return id == ID_VIEW_TOOLBAR ? EFrameBar::ToolBar : EFrameBar::StatusBar;
}
} // namespace

CFrameCommands::CFrameCommands(CFriendTreeView& tree, CFriendListView& list, CFrameWindow& window)
    : m_tree(tree), m_list(list), m_window(window) {
    m_tree.SetSelectAllHandler([this] { SelectAllPersons(); });
}

CFrameCommands::~CFrameCommands() {
    m_tree.SetSelectAllHandler({});
}

bool CFrameCommands::HasCommand(int id) const {
    switch (id) {
    case ID_SELECT_ALL:
    case ID_SHOW_PERSONAL:
    case ID_MAIL_EMAIL1:
    case ID_MAIL_EMAIL2:
    case ID_NEXT_PANE:
    case ID_PREV_PANE:
    case ID_VIEW_TOOLBAR:
    case ID_VIEW_STATUS_BAR:
        return true;
    default:
        return false;
    }
}

void CFrameCommands::OnUpdateCommand(int id, CCmdUI& ui) {
    switch (id) {
    case ID_SHOW_PERSONAL:
        ui.SetCheck(m_tree.m_bShowPersonal);
        break;
    case ID_MAIL_EMAIL1:
    case ID_MAIL_EMAIL2:
        // Forwarded to the list, so the list's rule decides; one it does not handle is off.
        ui.Enable(ListRouter().Update(id, ui.IsFromToolbar()).IsEnabled());
        break;
    case ID_VIEW_TOOLBAR:
    case ID_VIEW_STATUS_BAR:
        ui.SetCheck(m_window.IsBarVisible(BarOf(id)));
        break;
    default:
        break;
    }
}

void CFrameCommands::OnCommand(int id) {
    switch (id) {
    case ID_SELECT_ALL:
        SelectAllPersons();
        break;
    case ID_SHOW_PERSONAL:
        m_tree.ToggleShowPersonal();
        break;
    case ID_MAIL_EMAIL1:
    case ID_MAIL_EMAIL2:
        ListRouter().Dispatch(id);
        break;
    case ID_NEXT_PANE:
    case ID_PREV_PANE:
        SwitchPane();
        break;
    case ID_VIEW_TOOLBAR:
    case ID_VIEW_STATUS_BAR:
        m_window.ShowBar(BarOf(id), !m_window.IsBarVisible(BarOf(id)));
        break;
    default:
        break;
    }
}

// The frame passes the mail commands to the person list as if the list were active.
CCommandRouter CFrameCommands::ListRouter() const {
    return CCommandRouter([this] { return std::vector<CCommandTarget*>{&m_list}; });
}

CCommandTarget& CFrameCommands::GetActiveView() const {
    if (m_activePane == EPane::Tree)
        return m_tree;
    return m_list;
}

void CFrameCommands::OnPaneActivated(EPane pane) {
    if (pane == EPane::List && m_activePane == EPane::Tree)
        m_tree.SelectShownItem();
    m_activePane = pane;
}

void CFrameCommands::SwitchPane() {
    ActivateAndFocus(m_activePane == EPane::Tree ? EPane::List : EPane::Tree);
}

void CFrameCommands::SelectAllPersons() {
    ActivateAndFocus(EPane::List);
    m_list.SelectAll();
}

void CFrameCommands::ActivateAndFocus(EPane pane) {
    OnPaneActivated(pane);
    m_window.FocusPane(pane);
}
