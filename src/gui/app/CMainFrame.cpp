#include "gui/app/CMainFrame.h"

#include "core/app/CContextMenuRules.h"
#include "core/app/CFileController.h"
#include "core/document/CAddressDoc.h"
#include "core/mail/CMailer.h"
#include "core/settings/CFontScale.h"
#include "core/settings/CProfile.h"
#include "core/settings/CWindowPlacement.h"
#include "core/text/CSharedTexts.h"
#include "core/ui/CMenuLayout.h"
#include "core/views/CListContextState.h"
#include "core/views/CTreeContextState.h"
#include "gui/app/CActionRouter.h"
#include "gui/app/CAppIcons.h"
#include "gui/app/CAppTexts.h"
#include "gui/app/CLockIndicators.h"
#include "gui/app/CMySplitter.h"
#include "gui/app/CScreenFit.h"
#include "gui/dialogs/CFindDlg.h"
#include "gui/views/CGroupTreeWidget.h"
#include "gui/views/CPersonListWidget.h"
#include "gui/views/CViewDrag.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <utility>

namespace {
constexpr int DEFAULT_WIDTH = 800;
constexpr int DEFAULT_HEIGHT = 560;
constexpr int TOOL_ICON_SIZE = 16;
// A fresh tree shows a group name this long whole.
constexpr int GROUP_NAME_CHARACTERS = 6;
// How often, and how far apart, the window looks for the frame the window manager gives it.
constexpr int FRAME_CHECKS = 20;
constexpr int FRAME_CHECK_MS = 100;

bool IsMenuPicture(int id) {
    const std::vector<int>& ids = CMenuLayout::GetMenuPictureIds();
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

// Input of any kind may change what the commands can do; these are the events after which the
// toolbar is brought up to date, once the program is idle again.
bool MayChangeCommandStates(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
    case QEvent::FocusIn:
    case QEvent::WindowActivate:
        return true;
    default:
        return false;
    }
}
} // namespace

CMainFrame::CMainFrame(CAddressDoc& doc, CProfile& profile, CUserInterface& ui,
                       CFileController& files, CCommandTarget& application, CMailer* mailer,
                       QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_profile(profile), m_files(files),
      m_application(application), m_pMailer(mailer), m_treeView(doc, ui), m_listView(doc, ui),
      m_frameCommands(m_treeView, m_listView, *this), m_editDialogs(this),
      m_editor(doc, ui, m_editDialogs, [this] { return m_listView.GetShownGroup(); }),
      m_duplicates(doc, m_editDialogs, &profile), m_mailDialogs(this),
      m_options(mailer, m_treeView, m_listView, ui, m_mailDialogs), m_find(doc, ui, profile),
      m_csvDialogs(this), m_csv(doc, ui, m_csvDialogs, files, m_listView, &profile),
      m_vcard(doc, ui, files, m_listView), m_printDialogs(this, ui),
      m_print(doc, m_listView, m_printDialogs, profile), m_syncDialogs(this),
      m_sync(doc, ui, files, m_syncDialogs, &profile), m_router([this] { return GetChain(); }),
      m_actions(new CActionRouter(m_router, this)), m_idleTimer(new QTimer(this)) {
    setWindowIcon(CAppIcons::Application());
    m_listView.SetFontScale(CFontScale(fontMetrics().horizontalAdvance(QChar(0x3042))));
    m_treeView.LoadSettings(m_profile);
    m_listView.LoadSettings(m_profile);
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    m_pDragDrop = std::make_unique<CDragDrop>(m_doc, m_treeView, m_listView, ui);
    CreateClient();
    ConnectPanes();
    ApplyPlacement();
    m_actions->InstallAccelerators(*this);

    m_idleTimer->setSingleShot(true);
    m_idleTimer->setInterval(0);
    connect(m_idleTimer, &QTimer::timeout, this, &CMainFrame::UpdateToolBar);
    connect(m_actions, &CActionRouter::dispatched, this, &CMainFrame::ScheduleIdleUpdate);
    qApp->installEventFilter(this);

    // New, modify and unite open the editing dialogs; the person dialog's mail buttons run the
    // window's mail commands as the menu does.
    m_doc.SetRecordEditor(&m_editor);
    m_editDialogs.SetCommandSender([this](int id) { m_actions->Dispatch(id); });
    // The recent-address dialog and the options open over this window; the options' column
    // reset is sent here like any command.
    m_treeView.SetMailer(m_pMailer);
    m_listView.SetMailer(m_pMailer);
    if (m_pMailer)
        m_pMailer->SetDialogs(&m_mailDialogs);
    m_options.SetCommandSender([this](int id) { m_actions->Dispatch(id); });
    m_options.SetRepaintHandler([this] {
        m_treeWidget->ApplyColors();
        m_listWidget->ApplyColors();
    });
    // The find dialog sends its button's command to this window; a search lets the window's
    // pending events run between its steps.
    m_find.SetWindowOpener([this, &ui](CFindController& find) {
        auto* dialog = new CFindDlg(
            find, ui, [this](int id) { m_actions->Dispatch(id); }, this);
        dialog->show();
        return dialog;
    });
    m_find.SetEventPump([] { QCoreApplication::processEvents(); });

    m_doc.SetStatusTextListener([this](const std::string& text) {
        m_messagePane->setText(QString::fromUtf8(text));
        ScheduleIdleUpdate();
    });
    m_files.SetChangeListener([this] {
        UpdateTitle();
        emit documentFileChanged();
    });
    UpdateTitle();
    UpdateToolBar();
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    m_files.SetChangeListener({});
    m_doc.SetStatusTextListener({});
    m_doc.SetRecordEditor(nullptr);
    if (m_pMailer)
        m_pMailer->SetDialogs(nullptr);
    // The pane widgets observe the core views, which are members and go first otherwise.
    delete m_splitter;
}

std::vector<CCommandTarget*> CMainFrame::GetChain() {
    return {&m_frameCommands.GetActiveView(),
            &m_doc,
            &m_editor,
            &m_duplicates,
            &m_find,
            &m_csv,
            &m_print,
            &m_vcard,
            &m_sync,
            &m_files,
            m_pMailer,
            &m_options,
            &m_frameCommands,
            &m_application};
}

void CMainFrame::CreateMenus() {
    for (const CMenuEntry& popup : CMenuLayout::GetMainMenu())
        menuBar()->addMenu(BuildMenu(popup, menuBar()));
}

QMenu* CMainFrame::BuildMenu(const CMenuEntry& popup, QWidget* parent) {
    auto* menu = new QMenu(QString::fromUtf8(popup.m_caption), parent);
    for (const CMenuEntry& entry : popup.m_children) {
        switch (entry.m_kind) {
        case EMenuEntry::Separator:
            menu->addSeparator();
            break;
        case EMenuEntry::Popup:
            menu->addMenu(BuildMenu(entry, menu));
            break;
        case EMenuEntry::Command: {
            QAction* action = m_actions->GetAction(entry.m_nId);
            action->setIconVisibleInMenu(IsMenuPicture(entry.m_nId));
            menu->addAction(action);
            break;
        }
        }
    }
    // The update rules run just before the person sees the entries.
    connect(menu, &QMenu::aboutToShow, this,
            [this, menu] { m_actions->UpdateActions(menu->actions(), false); });
    return menu;
}

void CMainFrame::CreateToolBar() {
    m_toolBar = new QToolBar(QString::fromUtf8(CAppTexts::TOOL_BAR), this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setIconSize(QSize(TOOL_ICON_SIZE, TOOL_ICON_SIZE));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    for (const int id : CMenuLayout::GetToolbar()) {
        if (id == CMenuLayout::TOOLBAR_SEPARATOR)
            m_toolBar->addSeparator();
        else
            m_toolBar->addAction(m_actions->GetAction(id));
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void CMainFrame::CreateStatusBar() {
    m_messagePane = new QLabel(this);
    const std::string& status = m_doc.GetStatusText();
    m_messagePane->setText(status.empty() ? QString::fromUtf8(CSharedTexts::READY)
                                          : QString::fromUtf8(status));
    // A long message is cut rather than pushing the lock panes over each other.
    m_messagePane->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(m_messagePane, 1);
    m_indicators = new CLockIndicators(CKeyboardLocks(), this);
    statusBar()->addPermanentWidget(m_indicators);
}

void CMainFrame::CreateClient() {
    m_splitter = new CMySplitter(this);
    m_treeWidget = new CGroupTreeWidget(m_treeView, m_splitter);
    m_listWidget = new CPersonListWidget(m_listView, m_splitter);
    m_treeWidget->setMinimumWidth(1);
    m_splitter->addWidget(m_treeWidget);
    m_splitter->addWidget(m_listWidget);
    m_pViewDrag = new CViewDrag(*m_pDragDrop, this);
    m_treeWidget->SetDrag(m_pViewDrag);
    m_listWidget->SetDrag(m_pViewDrag);
    // Widening the window widens the list; the tree keeps its width.
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    setCentralWidget(m_splitter);
    m_listWidget->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::ConnectPanes() {
    connect(m_treeWidget, &CGroupTreeWidget::activated, this,
            [this] { m_frameCommands.OnPaneActivated(EPane::Tree); });
    connect(m_listWidget, &CPersonListWidget::activated, this,
            [this] { m_frameCommands.OnPaneActivated(EPane::List); });
    connect(m_treeWidget, &CGroupTreeWidget::switchPaneRequested, this,
            [this] { m_frameCommands.SwitchPane(); });
    connect(m_listWidget, &CPersonListWidget::switchPaneRequested, this,
            [this] { m_frameCommands.SwitchPane(); });
    connect(m_treeWidget, &CGroupTreeWidget::commandRequested, this,
            [this](int id) { RunPaneCommand(EPane::Tree, id); });
    connect(m_listWidget, &CPersonListWidget::commandRequested, this,
            [this](int id) { RunPaneCommand(EPane::List, id); });
    connect(m_treeWidget, &CGroupTreeWidget::contextMenuRequested, this,
            [this](const QPoint& pos, HTREEITEM hit) {
                ShowContextMenu(
                    EPane::Tree, pos,
                    CContextMenuRules::GetGreyedIds(CTreeContextState::Of(m_treeView, hit)));
            });
    connect(m_listWidget, &CPersonListWidget::contextMenuRequested, this,
            [this](const QPoint& pos) {
                ShowContextMenu(EPane::List, pos,
                                CContextMenuRules::GetGreyedIds(CListContextState::Of(m_listView)));
            });
}

int CMainFrame::DefaultTreeWidth() const {
    const CFontScale scale(fontMetrics().horizontalAdvance(QChar(0x3042)));
    return std::max(scale.Apply(CWindowPlacement::DEFAULT_SPLITTER),
                    m_treeWidget->WidthForGroupName(GROUP_NAME_CHARACTERS));
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!std::exchange(m_bFrameFitted, true))
        QTimer::singleShot(0, this, [this] { FitFrame(FRAME_CHECKS); });
}

void CMainFrame::FitFrame(int checksLeft) {
    // The window manager tells its frame some moments after the window is up, and one without
    // frames never does: the window is fitted again, frame and all, once it is known.
    CScreenFit::Fit(*this);
    const CWindowPlacement::CFrame frame = CScreenFit::GetFrame(*this);
    const bool known =
        frame.m_nLeft != 0 || frame.m_nTop != 0 || frame.m_nRight != 0 || frame.m_nBottom != 0;
    if (!known && checksLeft > 1)
        QTimer::singleShot(FRAME_CHECK_MS, this, [this, checksLeft] { FitFrame(checksLeft - 1); });
}

void CMainFrame::ApplyPlacement() {
    CWindowPlacement placement = CWindowPlacement::Load(m_profile, DefaultTreeWidth());
    placement.FitToScreens(CScreenFit::GetScreens(), CScreenFit::GetFrame(*this));
    if (placement.HasRectangle())
        setGeometry(placement.m_nLeft, placement.m_nTop, placement.GetWidth(),
                    placement.GetHeight());
    else
        resize(DEFAULT_WIDTH, DEFAULT_HEIGHT);
    const int tree = std::max(1, placement.m_nSplitter);
    m_splitter->setSizes({tree, std::max(1, width() - tree - m_splitter->handleWidth())});
    // Shown maximised, over the normal rectangle it returns to.
    if (placement.m_bMaximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void CMainFrame::SaveWindowSettings() {
    const bool restored = !(isMaximized() || isFullScreen());
    QRect normal = restored ? geometry() : normalGeometry();
    if (!normal.isValid())
        normal = geometry();
    CWindowPlacement placement = CScreenFit::PlacementOf(normal);
    placement.m_bMaximized = isMaximized();
    placement.m_nSplitter = m_splitter->sizes().value(0, CWindowPlacement::DEFAULT_SPLITTER);
    // One write of the settings file for the window and both panes.
    const CProfile::CBatch batch(m_profile);
    placement.Save(m_profile);
    m_treeView.SaveSettings(m_profile);
    m_listView.SaveSettings(m_profile);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Text typed into a cell belongs to the book before the question about saving it.
    if (!m_doc.CommitViewEdits() || !m_files.SaveModified()) {
        event->ignore();
        return;
    }
    SaveWindowSettings();
    m_find.OnClosing();
    event->accept();
}

std::unique_ptr<QMenu> CMainFrame::BuildContextMenu(EPane pane, const std::vector<int>& greyed) {
    m_frameCommands.OnPaneActivated(pane);
    auto menu = std::make_unique<QMenu>(this);
    for (const CMenuEntry& entry : CMenuLayout::GetContextMenu().m_children) {
        if (entry.m_kind != EMenuEntry::Command) {
            menu->addSeparator();
            continue;
        }
        QAction* action = m_actions->MakeCopy(entry.m_nId, menu.get());
        const bool greyedOut = std::find(greyed.begin(), greyed.end(), entry.m_nId) != greyed.end();
        action->setEnabled(!greyedOut && m_router.Update(entry.m_nId).IsEnabled());
        menu->addAction(action);
    }
    return menu;
}

void CMainFrame::ShowContextMenu(EPane pane, const QPoint& globalPos,
                                 const std::vector<int>& greyed) {
    const std::unique_ptr<QMenu> menu = BuildContextMenu(pane, greyed);
    menu->exec(globalPos);
}

void CMainFrame::RunPaneCommand(EPane pane, int id) {
    m_frameCommands.OnPaneActivated(pane);
    m_actions->Dispatch(id);
}

void CMainFrame::FocusPane(EPane pane) {
    QWidget* widget = pane == EPane::Tree ? static_cast<QWidget*>(m_treeWidget) : m_listWidget;
    widget->setFocus(Qt::OtherFocusReason);
}

bool CMainFrame::IsBarVisible(EFrameBar bar) const {
    return bar == EFrameBar::ToolBar ? !m_toolBar->isHidden() : !statusBar()->isHidden();
}

void CMainFrame::ShowBar(EFrameBar bar, bool show) {
    if (bar == EFrameBar::ToolBar)
        m_toolBar->setVisible(show);
    else
        statusBar()->setVisible(show);
}

void CMainFrame::UpdateToolBar() {
    m_actions->UpdateActions(m_toolBar->actions(), true);
}

void CMainFrame::UpdateTitle() {
    setWindowTitle(QString::fromUtf8(m_files.GetWindowTitle()));
}

void CMainFrame::ScheduleIdleUpdate() {
    if (!m_idleTimer->isActive())
        m_idleTimer->start();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (MayChangeCommandStates(event->type()))
        ScheduleIdleUpdate();
    // Every dialog opens wholly on its screen, however large it is or wherever its owner is.
    if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && event->type() == QEvent::Show)
        CScreenFit::Fit(*dialog);
    return QMainWindow::eventFilter(watched, event);
}

QMenu* CMainFrame::createPopupMenu() {
    // The bars are shown and hidden through the Settings menu, whose rules know their state.
    return nullptr;
}
