#include "CAppFixture.h"
#include "CFakeInputMethod.h"
#include "core/ui/CommandIds.h"
#include "gui/views/CGroupTreeWidget.h"
#include "gui/views/CListEdit.h"
#include "gui/views/CPersonListWidget.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

#include <array>

namespace {
constexpr int EDIT_MENU = 1;

// The cell editor inside the whole window, where the keys are also the window's shortcuts.
class CListEditFrameTest : public CAppFixture {
protected:
    void SetUp() override {
        Start();
        AddPerson("ann");
        Frame()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
        List()->setFocus();
    }

    CPersonListWidget* List() const { return Frame()->GetListWidget(); }
    CListEdit& Editor() const { return List()->GetCellEditor(); }
    bool Checked(int id) const {
        OpenMenu(EDIT_MENU);
        return Action(id)->isChecked();
    }
    std::string Name() const {
        return std::string(Frame()->GetListView().GetRowPerson(0)->GetText(EPersonText::Name));
    }
};

TEST_F(CListEditFrameTest, ModeCommandsShowTheEditorAndCarryCheckMarks) {
    EXPECT_TRUE(Checked(ID_COLUMN_SELECT_MODE));
    EXPECT_FALSE(Checked(ID_CELL_EDIT_MODE));
    Action(ID_CELL_EDIT_MODE)->trigger();
    EXPECT_TRUE(Editor().isVisible());
    EXPECT_TRUE(Checked(ID_CELL_EDIT_MODE));
    EXPECT_FALSE(Checked(ID_COLUMN_SELECT_MODE));
    Action(ID_COLUMN_SELECT_MODE)->trigger();
    EXPECT_FALSE(Editor().isVisible());
}

TEST_F(CListEditFrameTest, CtrlCCopiesCtrlZTakesBackTheTypingThenTheLastStepAndCtrlYRedoes) {
    Action(ID_CELL_EDIT_MODE)->trigger();
    QTest::keyClick(List(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("ann"));

    QTest::keyClicks(List(), QStringLiteral("zz"));
    ASSERT_TRUE(Editor().hasFocus());
    QTest::keyClick(&Editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Name(), "ann");
    EXPECT_EQ(Editor().text(), QStringLiteral("ann"));
    EXPECT_EQ(Frame()->GetListView().GetRowCount(), 1);

    QTest::keyClick(&Editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Frame()->GetListView().GetRowCount(), 0); // the adding of ann
    EXPECT_FALSE(Editor().isVisible());

    OpenMenu(EDIT_MENU);
    EXPECT_EQ(Action(ID_EDIT_REDO)->text().toStdString(),
              "やり直し(&R) － 個人データの新規作成\tCtrl+Y");
    QTest::keyClick(List(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Name(), "ann");
}
TEST_F(CListEditFrameTest, ClosingTheWindowKeepsTheTypedCellForTheSaveQuestion) {
    Action(ID_CELL_EDIT_MODE)->trigger();
    QTest::keyClicks(List(), QStringLiteral("zz"));
    m_ui.m_answers = {EMessageResult::Cancel};
    Frame()->close();
    ASSERT_TRUE(Frame()->isVisible());
    EXPECT_EQ(Name(), "zz");
    EXPECT_EQ(m_ui.m_asked.size(), 1u);
}

TEST_F(CListEditFrameTest, AConversionInProgressStaysInItsCellWhenTheTreeOrASaveTakesIt) {
    Action(ID_CELL_EDIT_MODE)->trigger();
    const auto compose = [this](const QString& text) {
        QInputMethodEvent composing(text, {});
        QCoreApplication::sendEvent(List(), &composing);
    };
    compose(QStringLiteral("てすと"));
    Frame()->GetTreeWidget()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(Name(), "\x82\xc4\x82\xb7\x82\xc6"); // てすと in CP932

    List()->setFocus(Qt::MouseFocusReason);
    Action(ID_COLUMN_SELECT_MODE)->trigger();
    Action(ID_CELL_EDIT_MODE)->trigger(); // the cell's text selected again
    compose(QStringLiteral("かな"));
    m_ui.m_saveFileNames.push_back(File("book.dat"));
    Action(ID_FILE_SAVE)->trigger();
    EXPECT_EQ(Name(), "\x82\xa9\x82\xc8"); // かな in CP932
    EXPECT_NE(CTempFolder::ReadFile(File("book.dat")).find("\x82\xa9\x82\xc8"), std::string::npos);
}

// What takes the cell from a conversion still in progress, in the whole window.
enum class ETake { SaveButton, MenuTitle };

class CListEditFrameCompositionTest
    : public CListEditFrameTest,
      public ::testing::WithParamInterface<std::tuple<ETake, EConfirms>> {};

TEST_P(CListEditFrameCompositionTest, IsSavedOnce) {
    Action(ID_CELL_EDIT_MODE)->trigger();
    CFakeInputMethod inputMethod(Editor(), std::get<1>(GetParam()));
    inputMethod.Compose(List(), QStringLiteral("かな"));
    m_ui.m_saveFileNames.push_back(File("book.dat"));
    if (std::get<0>(GetParam()) == ETake::MenuTitle) {
        QMenuBar* bar = Frame()->menuBar();
        QAction* edit = bar->actions().at(EDIT_MENU);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(edit).center());
        edit->menu()->close();
        Action(ID_FILE_SAVE)->trigger();
    } else {
        QToolBar* tools = Frame()->findChild<QToolBar*>();
        QTest::mouseClick(tools->widgetForAction(Action(ID_FILE_SAVE)), Qt::LeftButton);
    }
    EXPECT_EQ(Name(), "\x82\xa9\x82\xc8"); // かな in CP932
    EXPECT_NE(CTempFolder::ReadFile(File("book.dat")).find("\x82\xa9\x82\xc8"), std::string::npos);
}

std::string CaseName(const ::testing::TestParamInfo<std::tuple<ETake, EConfirms>>& info) {
    static const std::array<const char*, 2> takes = {"SaveButton", "MenuTitle"};
    static const std::array<const char*, 3> confirms = {"NeverConfirms", "ConfirmsOnCommit",
                                                        "ConfirmsOnReset"};
    return std::string(takes.at(static_cast<std::size_t>(std::get<0>(info.param)))) +
           confirms.at(static_cast<std::size_t>(std::get<1>(info.param)));
}

INSTANTIATE_TEST_SUITE_P(Takes, CListEditFrameCompositionTest,
                         ::testing::Combine(::testing::Values(ETake::SaveButton, ETake::MenuTitle),
                                            ::testing::Values(EConfirms::Never, EConfirms::OnCommit,
                                                              EConfirms::OnResetAndFocusMove)),
                         CaseName);
} // namespace
