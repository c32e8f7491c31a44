#include "gui/views/CPersonListWidget.h"

#include "CBookFixture.h"
#include "CModelCheck.h"
#include "core/commands/CDeletePersonalCommand.h"
#include "core/model/CFieldTable.h"
#include "core/settings/CProfile.h"
#include "core/ui/CommandIds.h"
#include "gui/views/CPersonListModel.h"
#include "gui/views/CViewIcons.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using ::testing::ElementsAre;

namespace {
using COrder = std::array<int, CFriendListView::COLUMN_COUNT>;

class CPersonListWidgetTest : public CBookFixture {
protected:
    void SetUp() override {
        CBookFixture::SetUp();
        Restart();
    }

    // A new window over the same core list, as after starting the program again.
    void Restart() {
        m_widget.reset();
        m_widget = std::make_unique<CPersonListWidget>(m_list);
        m_widget->resize(900, 300);
        m_widget->show();
    }

    QWidget* Viewport() const { return m_widget->viewport(); }
    QHeaderView* Header() const { return m_widget->horizontalHeader(); }
    const QAbstractItemModel& Model() const { return m_widget->GetModel(); }

    QPoint CellPoint(int row, int field) const {
        return m_widget->visualRect(Model().index(row, field)).center();
    }
    QPoint BelowTheRows() const { return {20, Viewport()->height() - 5}; }

    std::vector<int> QtSelectedRows() const {
        std::vector<int> rows;
        for (const QModelIndex& index : m_widget->selectionModel()->selectedRows())
            rows.push_back(index.row());
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    COrder HeaderOrder(const QHeaderView& header) const {
        COrder order{};
        for (int position = 0; position < CFriendListView::COLUMN_COUNT; ++position)
            order[static_cast<std::size_t>(position)] = header.logicalIndex(position);
        return order;
    }

    static QImage Picture(const QVariant& decoration) {
        return qvariant_cast<QIcon>(decoration).pixmap(16, 16).toImage();
    }

    std::unique_ptr<CPersonListWidget> m_widget;
};

TEST_F(CPersonListWidgetTest, ModelFollowsEveryRefillAndCommandAndPassesTheTester) {
    const CModelCheck check(&m_widget->GetModel());
    CGroup* friends = AddGroup("friends");
    CPersonalData* bob = AddPerson("bob", {friends});
    AddPerson("alice", {friends});
    AddPerson("carol");
    EXPECT_EQ(Model().rowCount(), 3);
    EXPECT_EQ(Model().index(0, 0).data().toString(), QStringLiteral("alice"));

    SelectGroup(friends);
    EXPECT_EQ(Model().rowCount(), 2);
    m_doc.ExecuteCommand(std::make_unique<CDeletePersonalCommand>(bob));
    EXPECT_EQ(Model().rowCount(), 1);
    m_doc.OnEditUndo();
    EXPECT_EQ(Model().rowCount(), 2);
    EXPECT_EQ(Model().index(1, 0).data().toString(), QStringLiteral("bob"));

    m_list.OnCommand(ID_SELECT_ALL);
    m_ui.m_answers = {EMessageResult::Yes};
    m_list.OnCommand(ID_DELETE);
    EXPECT_EQ(Model().rowCount(), 0);
    Select(m_tree.m_hDeletedItem);
    EXPECT_EQ(Model().rowCount(), 2);
    EXPECT_TRUE(check.GetFailures().isEmpty()) << check.GetFailures().join('\n').toStdString();
}

TEST_F(CPersonListWidgetTest, CellsShowTheFieldsInUnicodeWithTheMemosFirstLineAndTheSexIcon) {
    CPersonalData* yamada = AddPerson("\x8e\x52\x93\x63"); // 山田
    yamada->SetText(EPersonText::Zip, "123-4567");
    yamada->SetText(EPersonText::Memo, "first\r\nsecond");
    yamada->SetText(EPersonText::HomePage, "http://example.com/");
    yamada->m_nSex = CPersonalData::SEX_FEMALE;

    EXPECT_EQ(Model().columnCount(), 11);
    EXPECT_EQ(Model().index(0, CFieldTable::FIELD_NAME).data().toString(), QStringLiteral("山田"));
    EXPECT_EQ(Model().index(0, CFieldTable::FIELD_ZIP).data().toString(), "123-4567");
    EXPECT_EQ(Model().index(0, CFieldTable::FIELD_MEMO).data().toString(), "first");
    EXPECT_EQ(Picture(Model().index(0, 0).data(Qt::DecorationRole)),
              CViewIcons::SexIcon(CPersonalData::SEX_FEMALE).pixmap(16, 16).toImage());
    EXPECT_FALSE(Model().index(0, 1).data(Qt::DecorationRole).isValid());
    for (int field = 0; field < CFriendListView::COLUMN_COUNT; ++field) {
        const std::string_view label = CFieldTable::GetLabel(field);
        EXPECT_EQ(Model().headerData(field, Qt::Horizontal).toString().toStdString(), label);
    }
}

TEST_F(CPersonListWidgetTest, EachSexHasItsOwnIcon) {
    for (const int sex :
         {CPersonalData::SEX_MALE, CPersonalData::SEX_FEMALE, CPersonalData::SEX_NONE})
        AddPerson("p" + std::to_string(sex))->m_nSex = sex;
    const QImage male = Picture(Model().index(0, 0).data(Qt::DecorationRole));
    const QImage female = Picture(Model().index(1, 0).data(Qt::DecorationRole));
    const QImage none = Picture(Model().index(2, 0).data(Qt::DecorationRole));
    EXPECT_FALSE(male.isNull());
    EXPECT_NE(male, female);
    EXPECT_NE(female, none);
    EXPECT_NE(male, none);
}

TEST_F(CPersonListWidgetTest, ColumnLayoutComesFromCoreAndGoesBackWhenTheHeaderIsDragged) {
    m_list.SetColumnOrder({2, 0, 1, 3, 4, 5, 6, 7, 8, 9, 10});
    m_list.SetColumnWidth(2, 321);
    Restart();
    EXPECT_EQ(HeaderOrder(*Header()), m_list.GetColumnOrder());
    EXPECT_EQ(Header()->sectionSize(2), 321);
    EXPECT_EQ(Header()->sectionSize(0), CFieldTable::GetDefaultWidth(0));

    Header()->moveSection(Header()->visualIndex(CFieldTable::FIELD_MEMO), 0);
    Header()->resizeSection(CFieldTable::FIELD_ZIP, 55);

    EXPECT_EQ(m_list.GetColumnOrder(), (COrder{10, 2, 0, 1, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(m_list.GetColumnWidths()[CFieldTable::FIELD_ZIP], 55);
}

TEST_F(CPersonListWidgetTest, LayoutSurvivesRefillsAndAResetFromCore) {
    CGroup* friends = AddGroup("friends");
    AddPerson("bob", {friends});
    Header()->moveSection(0, 4);
    const COrder moved = HeaderOrder(*Header());
    SelectGroup(friends);
    EXPECT_EQ(HeaderOrder(*Header()), moved);

    m_list.OnCommand(ID_RESET_COLUMNS);
    EXPECT_EQ(HeaderOrder(*Header()), (COrder{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    for (int field = 0; field < CFriendListView::COLUMN_COUNT; ++field)
        EXPECT_EQ(Header()->sectionSize(field), CFieldTable::GetDefaultWidth(field));
}

TEST_F(CPersonListWidgetTest, LayoutChangedByTheUserIsTheSameAfterARestart) {
    Header()->moveSection(Header()->visualIndex(CFieldTable::FIELD_NAME), 2);
    Header()->resizeSection(CFieldTable::FIELD_NAME, 140);
    const COrder order = HeaderOrder(*Header());
    const QTemporaryDir folder;
    CProfile profile(folder.filePath("tarnvale.ini").toStdString());
    m_list.SaveSettings(profile);
    EXPECT_EQ(profile.GetProfileInt("Column2", "dataNo", -1), CFieldTable::FIELD_NAME);
    m_widget.reset();

    CFriendListView restartedList(m_doc, m_ui);
    restartedList.LoadSettings(profile);
    const CPersonListWidget restarted(restartedList);

    EXPECT_EQ(HeaderOrder(*restarted.horizontalHeader()), order);
    EXPECT_EQ(restarted.horizontalHeader()->sectionSize(CFieldTable::FIELD_NAME), 140);
}

TEST_F(CPersonListWidgetTest, ClickedRowsAreCoresSelection) {
    CPersonalData* alice = AddPerson("alice");
    AddPerson("bob");
    CPersonalData* carol = AddPerson("carol");

    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, CellPoint(0, 1));
    QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::ControlModifier, CellPoint(2, 3));

    EXPECT_THAT(Names(m_list.GetSelectedPersons()), ElementsAre("alice", "carol"));
    EXPECT_TRUE(m_list.IsSelected(alice));
    EXPECT_TRUE(m_list.IsSelected(carol));
    EXPECT_EQ(m_list.GetClickedColumn(), 3);
}

TEST_F(CPersonListWidgetTest, SelectionFollowsItsPersonsThroughACommandThatResorts) {
    AddPerson("bob");
    CPersonalData* dave = AddPerson("dave");
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, CellPoint(0, 0));
    QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::ControlModifier, CellPoint(1, 0));

    AddPerson("alice");
    EXPECT_THAT(ListNames(), ElementsAre("alice", "bob", "dave"));
    EXPECT_THAT(QtSelectedRows(), ElementsAre(1, 2));

    m_doc.ExecuteCommand(std::make_unique<CDeletePersonalCommand>(dave));
    EXPECT_THAT(QtSelectedRows(), ElementsAre(1));
    EXPECT_THAT(Names(m_list.GetSelectedPersons()), ElementsAre("bob"));
}

TEST_F(CPersonListWidgetTest, SelectAllInCoreSelectsEveryRow) {
    for (const char* name : {"a", "b", "c", "d"})
        AddPerson(name);
    m_list.OnCommand(ID_SELECT_ALL);
    EXPECT_THAT(QtSelectedRows(), ElementsAre(0, 1, 2, 3));
}

TEST_F(CPersonListWidgetTest, KeysSendTheViewsCommandsAndTabSwitchesPanes) {
    QSignalSpy commands(m_widget.get(), &CPersonListWidget::commandRequested);
    QSignalSpy switches(m_widget.get(), &CPersonListWidget::switchPaneRequested);

    QTest::keyClick(m_widget.get(), Qt::Key_Return);
    QTest::keyClick(m_widget.get(), Qt::Key_Delete);
    QTest::keyClick(m_widget.get(), Qt::Key_Tab);

    ASSERT_EQ(commands.count(), 2);
    EXPECT_EQ(commands.at(0).at(0).toInt(), ID_MODIFY);
    EXPECT_EQ(commands.at(1).at(0).toInt(), ID_DELETE);
    EXPECT_EQ(switches.count(), 1);
}

TEST_F(CPersonListWidgetTest, DoubleClickOnACellModifiesThatFieldBelowTheRowsMakesAPerson) {
    AddPerson("alice");
    AddPerson("bob");
    m_list.GetCellEditor().SetEditByDblClk(false);
    Header()->moveSection(Header()->visualIndex(CFieldTable::FIELD_ADDRESS), 0);
    QSignalSpy commands(m_widget.get(), &CPersonListWidget::commandRequested);

    QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, CellPoint(1, CFieldTable::FIELD_ADDRESS));
    ASSERT_EQ(commands.count(), 1);
    EXPECT_EQ(commands.takeFirst().at(0).toInt(), ID_MODIFY);
    EXPECT_EQ(m_list.GetClickedColumn(), CFieldTable::FIELD_ADDRESS);
    EXPECT_EQ(m_list.GetCellEditor().GetCursorRow(), 1);
    EXPECT_EQ(m_list.GetCellEditor().GetCursorPosition(), 0);

    QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, BelowTheRows());
    ASSERT_EQ(commands.count(), 1);
    EXPECT_EQ(commands.at(0).at(0).toInt(), ID_NEW_PERSON);
}

TEST_F(CPersonListWidgetTest, RightButtonSelectsAnUnselectedRowAndKeepsASelectedOne) {
    AddPerson("alice");
    AddPerson("bob");
    AddPerson("carol");
    QSignalSpy menus(m_widget.get(), &CPersonListWidget::contextMenuRequested);
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, CellPoint(0, 0));
    QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::ControlModifier, CellPoint(1, 0));

    QTest::mouseClick(Viewport(), Qt::RightButton, {}, CellPoint(1, CFieldTable::FIELD_TEL1));
    EXPECT_THAT(QtSelectedRows(), ElementsAre(0, 1));
    EXPECT_EQ(m_list.GetClickedColumn(), CFieldTable::FIELD_TEL1);
    EXPECT_EQ(m_list.GetCellEditor().GetCursorRow(), 1);
    ASSERT_EQ(menus.count(), 1);
    EXPECT_EQ(menus.at(0).at(0).toPoint(),
              Viewport()->mapToGlobal(CellPoint(1, CFieldTable::FIELD_TEL1)));

    QTest::mouseClick(Viewport(), Qt::RightButton, {}, CellPoint(2, CFieldTable::FIELD_ZIP));
    EXPECT_THAT(QtSelectedRows(), ElementsAre(2));
    EXPECT_THAT(Names(m_list.GetSelectedPersons()), ElementsAre("carol"));
    EXPECT_EQ(m_list.GetCellEditor().GetCursorPosition(),
              Header()->visualIndex(CFieldTable::FIELD_ZIP));

    QTest::mouseClick(Viewport(), Qt::RightButton, {}, BelowTheRows());
    EXPECT_EQ(m_list.GetCellEditor().GetCursorRow(), 2);
    EXPECT_EQ(menus.count(), 3);
}

TEST_F(CPersonListWidgetTest, FocusAnnouncesTheActivePane) {
    QSignalSpy activations(m_widget.get(), &CPersonListWidget::activated);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(m_widget.get(), &focusIn);
    EXPECT_EQ(activations.count(), 1);
}

TEST_F(CPersonListWidgetTest, ColoursAndFlatScrollBarsComeFromTheSettings) {
    EXPECT_TRUE(m_widget->verticalScrollBar()->styleSheet().isEmpty());
    const QTemporaryDir folder;
    CProfile profile(folder.filePath("tarnvale.ini").toStdString());
    profile.WriteProfileInt("ListColor", "text", 0x00FF00);
    profile.WriteProfileInt("ListColor", "background", 0x112233);
    profile.WriteProfileInt("Window", "flatSB", 1);
    m_list.LoadSettings(profile);
    AddPerson("alice");

    Restart();

    EXPECT_EQ(m_widget->palette().color(QPalette::Base), QColor(0x33, 0x22, 0x11));
    EXPECT_EQ(Model().index(0, 2).data(Qt::ForegroundRole).value<QBrush>().color(),
              QColor(0, 255, 0));
    EXPECT_EQ(Model().index(0, 2).data(Qt::BackgroundRole).value<QBrush>().color(),
              QColor(0x33, 0x22, 0x11));
    EXPECT_FALSE(m_widget->verticalScrollBar()->styleSheet().isEmpty());
}
} // namespace
