#include "CAppFixture.h"
#include "core/app/CContextMenuRules.h"
#include "core/commands/CAddGroupCommand.h"
#include "core/settings/CProfile.h"
#include "core/text/CTextCodec.h"
#include "core/ui/CMenuLayout.h"
#include "core/ui/CommandIds.h"
#include "core/views/CListContextState.h"
#include "core/views/CTreeContextState.h"
#include "gui/app/CMySplitter.h"
#include "gui/app/CMySplitterHandle.h"
#include "gui/views/CGroupTreeWidget.h"
#include "gui/views/CPersonListWidget.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QToolBar>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr int EDIT_MENU = 1;
constexpr int FILE_MENU = 0;
constexpr int SETTINGS_MENU = 3;

class CMainFrameTest : public CAppFixture {
protected:
    // Shortcuts reach only the active window.
    void Activate() {
        Frame()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
    }

    int Profile(const char* key) const {
        return CProfile(m_folder / "tarnvale.ini").GetProfileInt("Window", key, -1);
    }
};

TEST_F(CMainFrameTest, MenusCarryTheirCaptions) {
    Start();
    std::vector<std::string> titles;
    for (const QAction* menu : Frame()->menuBar()->actions())
        titles.push_back(menu->text().toStdString());
    EXPECT_THAT(titles,
                ElementsAre("ﾌｧｲﾙ(&F)", "編集(&E)", "普通の操作（&I）", "設定(&S)", "ﾍﾙﾌﾟ(&H)"));
    EXPECT_EQ(Action(ID_FILE_OPEN)->text().toStdString(), "開く(&O)...\tCtrl+O");
    EXPECT_EQ(Action(ID_FILE_SAVE)->statusTip().toStdString(), "作業中のﾌｧｲﾙを保存");
    EXPECT_EQ(Action(ID_FILE_SAVE)->toolTip().toStdString(), "保存（上書き）");
    EXPECT_EQ(Action(ID_MAIL_EMAIL2)->text().toStdString(), "ﾒｰﾙｱﾄﾞﾚｽ(2)にﾒｰﾙを書く(&2)");
}

TEST_F(CMainFrameTest, ToolbarButtonsComeInOrderWithPicturesThatDraw) {
    Start();
    std::vector<int> ids;
    for (QAction* action : Frame()->GetToolBar()->actions()) {
        const int id =
            action->isSeparator() ? CMenuLayout::TOOLBAR_SEPARATOR : CActionRouter::GetId(action);
        ids.push_back(id);
        if (action->isSeparator())
            continue;
        const QImage image = action->icon().pixmap(16, 16).toImage();
        ASSERT_FALSE(image.isNull()) << id;
        bool drawn = false;
        for (int y = 0; y < image.height() && !drawn; ++y)
            for (int x = 0; x < image.width() && !drawn; ++x)
                drawn = qAlpha(image.pixel(x, y)) > 0;
        EXPECT_TRUE(drawn) << "empty picture for " << id;
    }
    EXPECT_EQ(ids, CMenuLayout::GetToolbar());
    // Pictures appear in menus only for the commands that always had one.
    EXPECT_TRUE(Action(ID_FILE_SAVE)->isIconVisibleInMenu());
    EXPECT_FALSE(Action(ID_FILE_PRINT)->isIconVisibleInMenu());
}

TEST_F(CMainFrameTest, UndoEntryNamesTheLastCommandAndGoesBackAfterUndo) {
    Start();
    OpenMenu(EDIT_MENU);
    EXPECT_FALSE(Action(ID_EDIT_UNDO)->isEnabled());
    EXPECT_EQ(Action(ID_EDIT_UNDO)->text().toStdString(), "元に戻す(&U)\tCtrl+Z");

    AddPerson("A");
    OpenMenu(EDIT_MENU);
    EXPECT_TRUE(Action(ID_EDIT_UNDO)->isEnabled());
    EXPECT_EQ(Action(ID_EDIT_UNDO)->text().toStdString(),
              "元に戻す(&U) － 個人データの新規作成\tCtrl+Z");

    Action(ID_EDIT_UNDO)->trigger();
    EXPECT_TRUE(m_app->GetDocument().GetPersonList().empty());
    OpenMenu(EDIT_MENU);
    EXPECT_FALSE(Action(ID_EDIT_UNDO)->isEnabled());
    EXPECT_EQ(Action(ID_EDIT_UNDO)->text().toStdString(), "元に戻す(&U)\tCtrl+Z");
}

TEST_F(CMainFrameTest, FindingDuplicatesIsOfferedInTheEditMenuFromTwoPersonsOn) {
    Start();
    AddPerson("A");
    OpenMenu(EDIT_MENU);
    EXPECT_EQ(Action(ID_FIND_DUPLICATES)->text().toStdString(), "重複の検索...(&D)");
    EXPECT_FALSE(Action(ID_FIND_DUPLICATES)->isEnabled());
    AddPerson("B");
    OpenMenu(EDIT_MENU);
    EXPECT_TRUE(Action(ID_FIND_DUPLICATES)->isEnabled());
}

// Printing is on; the postcards want persons to address and the sender one selected person.
TEST_F(CMainFrameTest, PrintingCommandsAreOnWherePrintingCanRun) {
    Start();
    OpenMenu(FILE_MENU);
    Frame()->UpdateToolBar();
    for (const int id : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PAGE_SETUP, ID_FILE_SAVE,
                         ID_FILE_SAVE_AS, ID_CSV_IMPORT, ID_CSV_EXPORT})
        EXPECT_TRUE(Action(id)->isEnabled()) << id;
    EXPECT_FALSE(Action(ID_POSTCARDS)->isEnabled());
    EXPECT_EQ(Action(ID_POSTCARDS)->text().toStdString(), "はがき宛名印刷...");
    AddPerson("A");
    OpenMenu(FILE_MENU);
    EXPECT_TRUE(Action(ID_POSTCARDS)->isEnabled());
    EXPECT_FALSE(Action(ID_SET_SENDER)->isEnabled());
}

TEST_F(CMainFrameTest, ADisabledCommandIsNotDispatchedHoweverItIsTriggered) {
    Start();
    Activate();
    QSignalSpy dispatched(&Actions(), &CActionRouter::dispatched);

    QTest::keyClick(Frame(), Qt::Key_Z, Qt::ControlModifier);
    // A button left enabled by a stale update still cannot run it.
    Action(ID_EDIT_UNDO)->setEnabled(true);
    Action(ID_EDIT_UNDO)->trigger();
    EXPECT_EQ(dispatched.count(), 0);

    AddPerson("A");
    QTest::keyClick(Frame(), Qt::Key_Backspace, Qt::AltModifier);
    ASSERT_EQ(dispatched.count(), 1);
    EXPECT_EQ(dispatched.at(0).at(0).toInt(), ID_EDIT_UNDO);
    EXPECT_TRUE(m_app->GetDocument().GetPersonList().empty());
}

TEST_F(CMainFrameTest, F6AndTabSwitchPanes) {
    Start();
    Activate();
    CFrameCommands& frame = Frame()->GetFrameCommands();
    EXPECT_EQ(frame.GetActivePane(), EPane::List);
    QTest::keyClick(Frame(), Qt::Key_F6);
    EXPECT_EQ(frame.GetActivePane(), EPane::Tree);
    EXPECT_TRUE(Frame()->GetTreeWidget()->hasFocus());
    QTest::keyClick(Frame()->GetTreeWidget(), Qt::Key_Tab);
    EXPECT_EQ(frame.GetActivePane(), EPane::List);
    EXPECT_TRUE(Frame()->GetListWidget()->hasFocus());
    QTest::keyClick(Frame(), Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(frame.GetActivePane(), EPane::Tree);
}

TEST_F(CMainFrameTest, SelectAllFromTheTreeSelectsEveryRowOfTheList) {
    Start();
    AddPerson("A");
    AddPerson("B");
    Frame()->GetFrameCommands().SwitchPane();
    ASSERT_EQ(Frame()->GetFrameCommands().GetActivePane(), EPane::Tree);
    Action(ID_SELECT_ALL)->trigger();
    EXPECT_EQ(Frame()->GetFrameCommands().GetActivePane(), EPane::List);
    EXPECT_EQ(Frame()->GetListView().GetSelectedCount(), 2);
    EXPECT_EQ(Frame()->GetListWidget()->selectionModel()->selectedRows().size(), 2);
}

TEST_F(CMainFrameTest, ShowPersonsEntryIsCheckedLikeTheTree) {
    Start();
    const bool before = Frame()->GetTreeView().m_bShowPersonal;
    OpenMenu(SETTINGS_MENU);
    EXPECT_EQ(Action(ID_SHOW_PERSONAL)->isChecked(), before);
    Action(ID_SHOW_PERSONAL)->trigger();
    OpenMenu(SETTINGS_MENU);
    EXPECT_EQ(Frame()->GetTreeView().m_bShowPersonal, !before);
    EXPECT_EQ(Action(ID_SHOW_PERSONAL)->isChecked(), !before);
}

TEST_F(CMainFrameTest, ContextMenusGreyWhatThePaneRulesForbid) {
    Start();
    AddPerson("A");
    const auto enabled = [](const QMenu& menu, int id) {
        for (const QAction* action : menu.actions()) {
            if (CActionRouter::GetId(action) == id)
                return action->isEnabled();
        }
        ADD_FAILURE() << "no entry " << id;
        return false;
    };
    CFriendListView& list = Frame()->GetListView();
    list.SetSelectedRows({0});
    const auto listMenu = Frame()->BuildContextMenu(
        EPane::List, CContextMenuRules::GetGreyedIds(CListContextState::Of(list)));
    for (const int id : {ID_REMOVE_FROM_GROUP, ID_RESTORE})
        EXPECT_FALSE(enabled(*listMenu, id)) << id;
    for (const int id : {ID_DELETE, ID_SELECT_ALL, ID_MAIL_EMAIL1, ID_MAIL_EMAIL2})
        EXPECT_TRUE(enabled(*listMenu, id)) << id;

    CFriendTreeView& tree = Frame()->GetTreeView();
    const auto treeMenu = Frame()->BuildContextMenu(
        EPane::Tree,
        CContextMenuRules::GetGreyedIds(CTreeContextState::Of(tree, tree.m_hRootItem)));
    EXPECT_EQ(Frame()->GetFrameCommands().GetActivePane(), EPane::Tree);
    for (const int id : {ID_REMOVE_FROM_GROUP, ID_DELETE, ID_MODIFY, ID_RESTORE})
        EXPECT_FALSE(enabled(*treeMenu, id)) << id;
    EXPECT_TRUE(enabled(*treeMenu, ID_SELECT_ALL));
    // The copies leave the shared actions of menu and toolbar alone.
    EXPECT_NE(treeMenu->actions().front(), Action(ID_NEW_PERSON));
}

TEST_F(CMainFrameTest, ChosenContextEntryRunsForThePaneThatShowedTheMenu) {
    Start();
    AddPerson("A");
    CFriendListView& list = Frame()->GetListView();
    const auto menu = Frame()->BuildContextMenu(EPane::List, {});
    for (QAction* action : menu->actions()) {
        if (CActionRouter::GetId(action) == ID_SELECT_ALL)
            action->trigger();
    }
    EXPECT_EQ(list.GetSelectedCount(), 1);
}

TEST_F(CMainFrameTest, StatusBarShowsTheDocumentsMessage) {
    Start();
    QLabel* pane = Frame()->GetMessagePane();
    AddPerson("A");
    EXPECT_EQ(pane->text().toStdString(), "ﾚﾃﾞｨ");
    m_ui.m_saveFileNames.push_back(File("book.dat"));
    Action(ID_FILE_SAVE)->trigger();
    EXPECT_EQ(pane->text().toStdString(), "保存しました");
    std::vector<std::string> indicators;
    for (const QLabel* label : Frame()->statusBar()->findChildren<QLabel*>()) {
        if (label != pane)
            indicators.push_back(label->text().toStdString());
    }
    EXPECT_THAT(indicators, ElementsAre("ｶﾅ", "CAP", "NUM", "SCRL"));
}

// The lock panes shown, and those of them whole and clear of the message and of each other.
struct CPanes {
    std::vector<std::string> shown;
    std::vector<std::string> readable;
};

CPanes PanesOf(const QStatusBar& bar, const QLabel& message) {
    CPanes panes;
    int left = message.isVisible() ? message.geometry().right() : -1;
    for (const QLabel* label : bar.findChildren<QLabel*>()) {
        if (label == &message || !label->isVisible())
            continue;
        panes.shown.push_back(label->text().toStdString());
        const QRect pane(label->mapTo(&bar, QPoint()), label->size());
        const int textWidth = label->fontMetrics().horizontalAdvance(label->text());
        if (pane.left() > left && pane.width() > textWidth && pane.right() < bar.width())
            panes.readable.push_back(label->text().toStdString());
        left = pane.right();
    }
    return panes;
}

TEST_F(CMainFrameTest, LockPanesStayReadableOrGiveWayWhenTheWindowNarrows) {
    Start();
    QLabel& message = *Frame()->GetMessagePane();
    message.setText(QString(60, QChar(u'長')));
    QStatusBar& bar = *Frame()->statusBar();
    Frame()->resize(900, 400);
    bar.layout()->activate();
    EXPECT_THAT(PanesOf(bar, message).readable, ElementsAre("ｶﾅ", "CAP", "NUM", "SCRL"));
    Frame()->resize(120, 400);
    bar.layout()->activate();
    const CPanes narrow = PanesOf(bar, message);
    EXPECT_LT(narrow.shown.size(), 4U);
    EXPECT_EQ(narrow.shown, narrow.readable);
}

TEST_F(CMainFrameTest, TitleNamesTheOpenFile) {
    Start();
    EXPECT_EQ(Frame()->windowTitle().toStdString(), "無題 - Tarnvale");
    AddPerson("A");
    m_ui.m_saveFileNames.push_back(File("friends.dat"));
    Action(ID_FILE_SAVE_AS)->trigger();
    EXPECT_EQ(Frame()->windowTitle().toStdString(), "friends.dat - Tarnvale");
    Action(ID_FILE_NEW)->trigger();
    EXPECT_EQ(Frame()->windowTitle().toStdString(), "無題 - Tarnvale");
}

TEST_F(CMainFrameTest, PlacementAndSplitterSurviveARestart) {
    Start();
    Frame()->setGeometry(100, 120, 700, 500);
    Frame()->GetSplitter()->setSizes({250, 444});
    Stop();
    EXPECT_EQ(Profile("left"), 100);
    EXPECT_EQ(Profile("right"), 800);
    EXPECT_EQ(Profile("splitter"), 250);

    Start();
    EXPECT_EQ(Frame()->geometry(), QRect(100, 120, 700, 500));
    EXPECT_EQ(Frame()->GetSplitter()->sizes().value(0), 250);
}

TEST_F(CMainFrameTest, AMaximisedWindowOpensMaximisedOverItsNormalRectangle) {
    Start();
    Frame()->setGeometry(100, 120, 500, 400);
    Frame()->showMaximized();
    Stop();
    EXPECT_EQ(Profile("maximized"), 1);
    EXPECT_EQ(Profile("right"), 600);

    Start();
    EXPECT_TRUE(Frame()->isMaximized());
    Frame()->showNormal();
    EXPECT_EQ(Frame()->geometry(), QRect(100, 120, 500, 400));
}

TEST_F(CMainFrameTest, AStoredWindowBeyondTheScreenComesBackOntoIt) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    CTempFolder::WriteFile(m_folder / "tarnvale.ini",
                           "[Window]\r\nleft=50000\r\ntop=50000\r\nright=150000\r\n"
                           "bottom=150000\r\nsplitter=99999\r\n");
    Start();
    // The window system may still push the frame aside by its border.
    EXPECT_TRUE(screen.intersects(Frame()->geometry()));
    EXPECT_LE(Frame()->width(), screen.width());
    EXPECT_LE(Frame()->height(), screen.height());
    EXPECT_LT(Frame()->GetSplitter()->sizes().value(0), Frame()->width());
}

TEST_F(CMainFrameTest, ADialogLargerThanTheScreenOrBesideItOpensWhollyOnIt) {
    Start();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QRect& asked : {QRect(screen.right() - 10, screen.bottom() - 10, 200, 100),
                               QRect(0, 0, screen.width() + 500, screen.height() + 300)}) {
        QDialog dialog(Frame());
        dialog.setGeometry(asked);
        dialog.show();
        EXPECT_TRUE(screen.contains(dialog.geometry()))
            << dialog.geometry().x() << "," << dialog.geometry().y() << " "
            << dialog.geometry().width() << "x" << dialog.geometry().height();
    }
}

TEST_F(CMainFrameTest, AFreshStartShowsASixCharacterGroupNameWhole) {
    for (const int pixels : {12, 16, 22}) {
        QFont font = QApplication::font();
        font.setPixelSize(pixels);
        const QFont old = QApplication::font();
        QApplication::setFont(font);
        std::filesystem::remove(m_folder / "tarnvale.ini");
        Start();
        CAddressDoc& doc = m_app->GetDocument();
        const QString name = QStringLiteral("あいうえおか");
        doc.ExecuteCommand(std::make_unique<CAddGroupCommand>(
            doc.NewGroup(CTextCodec().FromUtf8(name.toStdString()).text), false));
        CGroupTreeWidget& tree = *Frame()->GetTreeWidget();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Frame()));
        tree.expand(tree.model()->index(0, 0));
        QApplication::processEvents(); // the tree lays out its rows late
        const QModelIndex group = tree.model()->index(0, 0, tree.model()->index(0, 0));
        ASSERT_EQ(group.data().toString(), name);
        // Where the style draws the item's text, as it would paint it.
        QStyleOptionViewItem item;
        item.initFrom(tree.viewport());
        item.rect = tree.visualRect(group);
        item.text = name;
        item.icon = group.data(Qt::DecorationRole).value<QIcon>();
        item.decorationSize = tree.iconSize();
        item.features = QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
        const QRect text = tree.style()->subElementRect(QStyle::SE_ItemViewItemText, &item, &tree);
        EXPECT_GE(text.width(), tree.fontMetrics().horizontalAdvance(name)) << pixels;
        EXPECT_GE(Frame()->GetSplitter()->sizes().value(0), 100);
        // ... and leaves the list most of the window.
        EXPECT_LE(Frame()->GetSplitter()->sizes().value(0), Frame()->width() / 3) << pixels;
        Stop();
        QApplication::setFont(old);
    }
}

TEST_F(CMainFrameTest, ClosingMaximisedKeepsTheNormalRectangle) {
    Start();
    Frame()->setGeometry(50, 60, 640, 480);
    Frame()->showMaximized();
    QTest::qWait(50);
    ASSERT_TRUE(Frame()->isMaximized());
    ASSERT_NE(Frame()->geometry().size(), QSize(640, 480));
    Stop();
    EXPECT_EQ(Profile("left"), 50);
    EXPECT_EQ(Profile("top"), 60);
    EXPECT_EQ(Profile("right"), 690);
    EXPECT_EQ(Profile("bottom"), 540);
}

TEST_F(CMainFrameTest, SplitterBarIsWhiteWithALightGreyOutline) {
    Start();
    QSplitterHandle* handle = Frame()->GetSplitter()->handle(1);
    ASSERT_NE(handle, nullptr);
    const QImage image = handle->grab().toImage();
    ASSERT_GT(image.width(), 2);
    const int middle = image.height() / 2;
    EXPECT_EQ(QColor(image.pixel(0, middle)), QColor(CMySplitterHandle::OUTLINE));
    EXPECT_EQ(QColor(image.pixel(image.width() - 1, middle)), QColor(CMySplitterHandle::OUTLINE));
    EXPECT_EQ(QColor(image.pixel(image.width() / 2, middle)), QColor(Qt::white));
}

TEST_F(CMainFrameTest, BarsHideAndShowFromTheSettingsMenu) {
    Start();
    OpenMenu(SETTINGS_MENU);
    EXPECT_TRUE(Action(ID_VIEW_TOOLBAR)->isChecked());
    Action(ID_VIEW_TOOLBAR)->trigger();
    EXPECT_TRUE(Frame()->GetToolBar()->isHidden());
    OpenMenu(SETTINGS_MENU);
    EXPECT_FALSE(Action(ID_VIEW_TOOLBAR)->isChecked());
}

} // namespace
