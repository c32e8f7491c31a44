#include "gui/views/CListEdit.h"

#include "CBookFixture.h"
#include "CFakeInputMethod.h"
#include "core/model/CFieldTable.h"
#include "core/ui/CommandIds.h"
#include "gui/views/CPersonListModel.h"
#include "gui/views/CPersonListWidget.h"

#include <QHeaderView>
#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <array>
#include <memory>

namespace {
// The cell editor over a shown list, driven by keys, clicks and the input method.
class CListEditTest : public CBookFixture {
protected:
    void SetUp() override {
        CBookFixture::SetUp();
        for (const char* name : {"alice", "bob", "carol"}) {
            CPersonalData* person = AddPerson(name);
            person->SetText(EPersonText::Address, std::string(name) + "-address");
        }
        Select(m_tree.m_hRootItem);
        m_widget = std::make_unique<CPersonListWidget>(m_list);
        m_widget->resize(900, 300);
        m_widget->show();
        m_widget->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_widget.get()));
    }

    CListEdit& Editor() const { return m_widget->GetCellEditor(); }
    QRect CellRect(int row, int field) const {
        return m_widget->visualRect(m_widget->GetModel().index(row, field));
    }
    // Escape on the list shows the editor at the cursor.
    void ShowAt(int row, int position) {
        m_list.GetCellEditor().SetCursor(row, position);
        QTest::keyClick(m_widget.get(), Qt::Key_Escape);
        ASSERT_TRUE(Editor().isVisible());
    }
    std::string Address(int row) const {
        return std::string(m_list.GetRowPerson(row)->GetText(EPersonText::Address));
    }

    std::unique_ptr<CPersonListWidget> m_widget;
};

TEST_F(CListEditTest, TypingAndEnterEditTheCellMoveDownAndOneUndoTakesItBack) {
    ShowAt(0, CFieldTable::FIELD_ADDRESS);
    EXPECT_EQ(Editor().geometry(), CellRect(0, CFieldTable::FIELD_ADDRESS));
    EXPECT_EQ(Editor().text(), QStringLiteral("alice-address"));
    QTest::keyClicks(m_widget.get(), QStringLiteral("new"));
    EXPECT_EQ(Editor().text(), QStringLiteral("new"));
    QTest::keyClick(&Editor(), Qt::Key_Return);

    EXPECT_EQ(Address(0), "new");
    EXPECT_EQ(Editor().geometry(), CellRect(1, CFieldTable::FIELD_ADDRESS));
    EXPECT_EQ(Editor().text(), QStringLiteral("bob-address"));
    EXPECT_EQ(Editor().selectedText(), Editor().text());
    EXPECT_TRUE(m_widget->hasFocus());
    m_list.OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Address(0), "alice-address");
    EXPECT_FALSE(m_doc.CanUndo() && m_doc.GetLastCommand()->GetName() == "修正（セル編集）");
}

TEST_F(CListEditTest, EscapeHidesTheEditorWithoutCommitting) {
    ShowAt(2, CFieldTable::FIELD_ADDRESS);
    QTest::keyClicks(m_widget.get(), QStringLiteral("lost"));
    QTest::keyClick(&Editor(), Qt::Key_Escape);
    EXPECT_FALSE(Editor().isVisible());
    EXPECT_EQ(Address(2), "carol-address");
    EXPECT_TRUE(m_widget->hasFocus());
}

TEST_F(CListEditTest, AColumnDraggedToTheFrontEditsItsOwnField) {
    QHeaderView* header = m_widget->horizontalHeader();
    header->moveSection(header->visualIndex(CFieldTable::FIELD_ADDRESS), 0);
    QTest::mouseClick(m_widget->viewport(), Qt::LeftButton, {},
                      CellRect(1, CFieldTable::FIELD_ADDRESS).center());
    EXPECT_EQ(m_list.GetCellEditor().GetCursorPosition(), 0);
    QTest::keyClick(m_widget.get(), Qt::Key_Escape);
    EXPECT_EQ(Editor().geometry(), CellRect(1, CFieldTable::FIELD_ADDRESS));
    QTest::keyClicks(m_widget.get(), QStringLiteral("moved"));
    QTest::keyClick(m_widget.get(), Qt::Key_Tab);
    EXPECT_EQ(Address(1), "moved");
    EXPECT_EQ(m_list.GetRowPerson(1)->GetText(EPersonText::Name), "bob");
    EXPECT_EQ(m_list.GetCellEditor().GetCursorPosition(), 1);
}

TEST_F(CListEditTest, AnInputMethodCompositionOnTheListReachesTheEditor) {
    ShowAt(1, CFieldTable::FIELD_ADDRESS);
    EXPECT_TRUE(m_widget->inputMethodQuery(Qt::ImEnabled).toBool());
    QInputMethodEvent composing(QStringLiteral("かな"), {});
    QCoreApplication::sendEvent(m_widget.get(), &composing);
    EXPECT_EQ(Editor().inputMethodQuery(Qt::ImSurroundingText).toString(), QString());
    EXPECT_TRUE(m_widget->inputMethodQuery(Qt::ImCursorRectangle)
                    .toRect()
                    .intersects(Editor().geometry().translated(m_widget->viewport()->pos())));

    QInputMethodEvent converted;
    converted.setCommitString(QStringLiteral("仮名"));
    QCoreApplication::sendEvent(m_widget.get(), &converted);
    EXPECT_EQ(Editor().text(), QStringLiteral("仮名"));
    QTest::keyClick(m_widget.get(), Qt::Key_Return);
    EXPECT_EQ(Address(1), "\x89\xbc\x96\xbc"); // 仮名 in CP932
}

TEST_F(CListEditTest, F2EditsTheCellWithTheCaretAfterItsText) {
    ShowAt(1, CFieldTable::FIELD_ADDRESS);
    ASSERT_FALSE(Editor().hasFocus());
    QTest::keyClick(m_widget.get(), Qt::Key_F2);
    EXPECT_TRUE(Editor().hasFocus());
    QTest::keyClicks(&Editor(), QStringLiteral("-2"));
    QTest::keyClick(&Editor(), Qt::Key_Return);
    EXPECT_EQ(Address(1), "bob-address-2");
}

TEST_F(CListEditTest, DoubleClickOnAnAddressStartsTheEditorWithTheFocus) {
    QSignalSpy commands(m_widget.get(), &CPersonListWidget::commandRequested);
    QTest::mouseDClick(m_widget->viewport(), Qt::LeftButton, {},
                       CellRect(2, CFieldTable::FIELD_ADDRESS).center());
    EXPECT_EQ(commands.count(), 0);
    EXPECT_TRUE(Editor().isVisible());
    EXPECT_TRUE(Editor().hasFocus());
    EXPECT_EQ(Editor().text(), QStringLiteral("carol-address"));
}

// What takes the cell from a conversion still in progress.
enum class ELeave { ClickAnotherRow, Wheel };

class CListEditCompositionTest
    : public CListEditTest,
      public ::testing::WithParamInterface<std::tuple<ELeave, EConfirms>> {};

TEST_P(CListEditCompositionTest, IsCommittedOnceIntoItsOwnCell) {
    ShowAt(0, CFieldTable::FIELD_ADDRESS);
    CFakeInputMethod inputMethod(Editor(), std::get<1>(GetParam()));
    inputMethod.Compose(m_widget.get(), QStringLiteral("てすと"));
    ASSERT_EQ(Editor().text(), QString()); // the selected text gave way
    const QPoint elsewhere = CellRect(2, CFieldTable::FIELD_TEL1).center();
    switch (std::get<0>(GetParam())) {
    case ELeave::ClickAnotherRow:
        QTest::mouseClick(m_widget->viewport(), Qt::LeftButton, {}, elsewhere);
        break;
    case ELeave::Wheel: {
        QWheelEvent wheel(elsewhere, m_widget->viewport()->mapToGlobal(elsewhere), {}, {0, -120},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(m_widget->viewport(), &wheel);
        break;
    }
    }
    EXPECT_EQ(Address(0), "\x82\xc4\x82\xb7\x82\xc6"); // てすと in CP932
    EXPECT_EQ(Address(2), "carol-address");
}

std::string CaseName(const ::testing::TestParamInfo<std::tuple<ELeave, EConfirms>>& info) {
    static const std::array<const char*, 2> leaves = {"ClickAnotherRow", "Wheel"};
    static const std::array<const char*, 3> confirms = {"NeverConfirms", "ConfirmsOnCommit",
                                                        "ConfirmsOnReset"};
    return std::string(leaves.at(static_cast<std::size_t>(std::get<0>(info.param)))) +
           confirms.at(static_cast<std::size_t>(std::get<1>(info.param)));
}

INSTANTIATE_TEST_SUITE_P(Leaves, CListEditCompositionTest,
                         ::testing::Combine(::testing::Values(ELeave::ClickAnotherRow,
                                                              ELeave::Wheel),
                                            ::testing::Values(EConfirms::Never, EConfirms::OnCommit,
                                                              EConfirms::OnResetAndFocusMove)),
                         CaseName);
} // namespace
