#include "gui/dialogs/CFindDlg.h"

#include "CAppFixture.h"
#include "core/find/CFindController.h"
#include "core/ui/CommandIds.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
constexpr int EDIT_MENU = 1;

class CFindDlgTest : public CAppFixture {
protected:
    CFindDlg* OpenFind() {
        OpenMenu(EDIT_MENU);
        Action(ID_FIND)->trigger();
        return dynamic_cast<CFindDlg*>(Frame()->GetFindController().GetWindow());
    }

    static std::string Text(const QLabel* label) { return label->text().toStdString(); }
};

TEST_F(CFindDlgTest, SearchesAndStopsThroughTheDialog) {
    Start();
    OpenMenu(EDIT_MENU);
    EXPECT_FALSE(Action(ID_FIND)->isEnabled());
    for (int i = 0; i < 250; ++i)
        AddPerson((i % 2 == 0 ? "even" : "odd") + std::to_string(i));
    CFindDlg* dialog = OpenFind();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->isVisible());
    for (int field = 0; field < CFieldTable::WORKING_FIELDS; ++field)
        EXPECT_TRUE(dialog->GetFieldBox(field)->isChecked()) << field;
    QPushButton* button = dialog->GetFindButton();
    EXPECT_EQ(button->text().toStdString(), "検索開始(&F)");
    EXPECT_TRUE(dialog->GetHitLine()->isHidden());
    EXPECT_TRUE(dialog->GetProgressBar()->isHidden());

    // A clock the test moves: a click just after a search is still the stop it was aimed at.
    CFindController::CClock::time_point now;
    Frame()->GetFindController().SetClock([&now] { return now; });
    QTest::keyClicks(dialog->GetTextBox(), QStringLiteral("even"));
    QApplication::processEvents();
    const QSize opened = dialog->size();
    QTest::mouseClick(button, Qt::LeftButton); // the search runs inside the press
    QApplication::processEvents();
    EXPECT_EQ(dialog->size(), opened); // the result lines had their room from the start
    EXPECT_EQ(Text(dialog->GetStatusLine()), "検索完了。");
    EXPECT_EQ(Text(dialog->GetHitLine()), "125件ヒットしました。");
    EXPECT_FALSE(dialog->GetHitLine()->isHidden());
    EXPECT_TRUE(dialog->GetProgressBar()->isHidden());
    EXPECT_EQ(Frame()->GetListView().GetRowCount(), 125);

    now += CFindController::LATE_STOP;
    // A press that waits while the search runs reaches the same button, now the stop button.
    QTimer::singleShot(0, button, [button] {
        EXPECT_EQ(button->text().toStdString(), "検索中止(&F)");
        QTest::mouseClick(button, Qt::LeftButton);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(Text(dialog->GetStatusLine()), "検索中止。");
    EXPECT_EQ(Text(dialog->GetHitLine()), "13件ヒットしました。");
    EXPECT_EQ(button->text().toStdString(), "検索開始(&F)");

    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_EQ(Frame()->GetFindController().GetWindow(), nullptr);
    EXPECT_EQ(OpenFind()->GetTextBox()->text(), QStringLiteral("even"));
}
} // namespace
