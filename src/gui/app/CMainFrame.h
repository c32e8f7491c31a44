#pragma once

#include "core/app/CCsvCommands.h"
#include "core/app/CDocumentEditor.h"
#include "core/app/CFindDuplicatesCommand.h"
#include "core/app/CFrameCommands.h"
#include "core/app/COptionsCommand.h"
#include "core/app/CPrintCommands.h"
#include "core/app/CSyncCommands.h"
#include "core/app/CVCardCommands.h"
#include "core/find/CFindController.h"
#include "core/settings/CWindowPlacement.h"
#include "core/ui/CCommandRouter.h"
#include "core/ui/CFrameWindow.h"
#include "core/views/CDragDrop.h"
#include "core/views/CFriendListView.h"
#include "core/views/CFriendTreeView.h"
#include "gui/dialogs/CQtCsvDialogs.h"
#include "gui/dialogs/CQtEditDialogs.h"
#include "gui/dialogs/CQtMailDialogs.h"
#include "gui/dialogs/CQtSyncDialogs.h"
#include "gui/print/CQtPrintDialogs.h"

#include <QMainWindow>

#include <memory>
#include <vector>

class CActionRouter;
class CAddressDoc;
class CMailer;
class CFileController;
class CGroupTreeWidget;
class CLockIndicators;
class CMySplitter;
class CPersonListWidget;
class CViewDrag;
class CProfile;
class CUserInterface;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;
struct CMenuEntry;

// The one top-level window: menus, toolbar and status bar around the group tree and the person
// list. It keeps the command chain (active pane, document, file commands, frame, application),
// remembers its placement, and asks before closing over unsaved changes.
class CMainFrame : public QMainWindow, public CFrameWindow {
    Q_OBJECT

public:
    // Without a mailer the mail commands and the options are off.
    CMainFrame(CAddressDoc& doc, CProfile& profile, CUserInterface& ui, CFileController& files,
               CCommandTarget& application, CMailer* mailer, QWidget* parent = nullptr);
    ~CMainFrame() override;
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    void FocusPane(EPane pane) override;
    bool IsBarVisible(EFrameBar bar) const override;
    void ShowBar(EFrameBar bar, bool show) override;

    CActionRouter& GetActions() const { return *m_actions; }
    CFrameCommands& GetFrameCommands() { return m_frameCommands; }
    CFindController& GetFindController() { return m_find; }
    CFriendTreeView& GetTreeView() { return m_treeView; }
    CFriendListView& GetListView() { return m_listView; }
    CGroupTreeWidget* GetTreeWidget() const { return m_treeWidget; }
    CPersonListWidget* GetListWidget() const { return m_listWidget; }
    CMySplitter* GetSplitter() const { return m_splitter; }
    QToolBar* GetToolBar() const { return m_toolBar; }
    QLabel* GetMessagePane() const { return m_messagePane; }
    CViewDrag* GetDrag() const { return m_pViewDrag; }

    // A pane's context menu, with the entries its rules grey out; the chosen entry runs with
    // that pane active.
    std::unique_ptr<QMenu> BuildContextMenu(EPane pane, const std::vector<int>& greyed);
    // What the update rules say now, for the toolbar; run when the program falls idle.
    void UpdateToolBar();
    void UpdateTitle();
    // Placement, splitter and the panes' settings, as at closing.
    void SaveWindowSettings();

signals:
    // The open file's name changed (new, open, save as); the recent-file list with it.
    void documentFileChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QMenu* createPopupMenu() override;

private:
    void CreateMenus();
    QMenu* BuildMenu(const CMenuEntry& popup, QWidget* parent);
    void CreateToolBar();
    void CreateStatusBar();
    void CreateClient();
    void ConnectPanes();
    void ApplyPlacement();
    void FitFrame(int checksLeft);
    int DefaultTreeWidth() const;
    void ShowContextMenu(EPane pane, const QPoint& globalPos, const std::vector<int>& greyed);
    void RunPaneCommand(EPane pane, int id);
    void ScheduleIdleUpdate();
    std::vector<CCommandTarget*> GetChain();

    CAddressDoc& m_doc;
    CProfile& m_profile;
    CFileController& m_files;
    CCommandTarget& m_application;
    CMailer* m_pMailer;
    CFriendTreeView m_treeView;
    CFriendListView m_listView;
    CFrameCommands m_frameCommands;
    CQtEditDialogs m_editDialogs;
    CDocumentEditor m_editor;
    CFindDuplicatesCommand m_duplicates;
    CQtMailDialogs m_mailDialogs;
    COptionsCommand m_options;
    CFindController m_find;
    CQtCsvDialogs m_csvDialogs;
    CCsvCommands m_csv;
    CVCardCommands m_vcard;
    CQtPrintDialogs m_printDialogs;
    CPrintCommands m_print;
    CQtSyncDialogs m_syncDialogs;
    CSyncCommands m_sync;
    CCommandRouter m_router;
    CActionRouter* m_actions;
    CMySplitter* m_splitter = nullptr;
    CGroupTreeWidget* m_treeWidget = nullptr;
    CPersonListWidget* m_listWidget = nullptr;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_messagePane = nullptr;
    CLockIndicators* m_indicators = nullptr;
    QTimer* m_idleTimer;
    bool m_bFrameFitted = false;
    std::unique_ptr<CDragDrop> m_pDragDrop;
    CViewDrag* m_pViewDrag = nullptr;
};
