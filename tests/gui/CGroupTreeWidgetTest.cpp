#include "gui/views/CGroupTreeWidget.h"

#include "CBookFixture.h"
#include "CModelCheck.h"
#include "core/commands/CDeletePersonalCommand.h"
#include "core/settings/CProfile.h"
#include "core/text/CTextCodec.h"
#include "core/ui/CommandIds.h"
#include "gui/views/CGroupTreeModel.h"
#include "gui/views/CViewIcons.h"

#include <QAbstractListModel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr const char* YAMADA_CP932 = "\x8e\x52\x93\x63"; // 山田

class CGroupTreeWidgetTest : public CBookFixture {
protected:
    CGroupTreeWidgetTest() : m_widget(m_tree) {
        m_widget.resize(300, 400);
        m_widget.show();
    }

    QModelIndex IndexOf(HTREEITEM item) const { return m_widget.GetModel().IndexOf(item); }
    QWidget* Viewport() const { return m_widget.viewport(); }

    // A point on the item's icon, where a click hits the item itself.
    QPoint IconPoint(HTREEITEM item) const {
        const QRect rect = m_widget.visualRect(IndexOf(item));
        return {rect.left() + 8, rect.center().y()};
    }
    QPoint BelowTheItems() const { return {20, Viewport()->height() - 5}; }

    static QImage Picture(const QModelIndex& index) {
        return qvariant_cast<QIcon>(index.data(Qt::DecorationRole)).pixmap(16, 16).toImage();
    }
    static QImage TreeImage(ETreeImage image) {
        return CViewIcons::TreeImage(image).pixmap(16, 16).toImage();
    }

    // Walks the model and core's items side by side: the same children, in the same order,
    // with the texts converted, and the Qt current item is core's caret.
    void ExpectModelMirrorsCore(HTREEITEM item = TVI_NONE) {
        const CTreeControl& tree = m_tree.GetTreeCtrl();
        const QModelIndex parent = IndexOf(item);
        const CChildList& children = tree.GetChildren(item);
        const QAbstractItemModel& model = m_widget.GetModel();
        ASSERT_EQ(model.rowCount(parent), static_cast<int>(children.size()));
        for (int row = 0; row < static_cast<int>(children.size()); ++row) {
            const HTREEITEM child = children[static_cast<std::size_t>(row)];
            const QModelIndex index = model.index(row, 0, parent);
            EXPECT_EQ(index.data().toString().toStdString(),
                      m_codec.ToUtf8(tree.Get(child).Text()));
            EXPECT_EQ(model.parent(index), parent);
            if (!tree.Get(child).children.empty()) {
                EXPECT_EQ(m_widget.isExpanded(index), tree.Get(child).expanded);
            }
            ExpectModelMirrorsCore(child);
        }
        if (item == TVI_NONE) {
            EXPECT_EQ(m_widget.currentIndex(), IndexOf(tree.GetCaret()));
        }
    }

    CTextCodec m_codec;
    CGroupTreeWidget m_widget;
};

// A list that counts two rows but gives no index for the second, which the tester must report.
class CBrokenModel : public QAbstractListModel {
public:
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 2; }
    QModelIndex index(int row, int column, const QModelIndex& parent) const override {
        return row == 0 ? QAbstractListModel::index(row, column, parent) : QModelIndex();
    }
    QVariant data(const QModelIndex&, int) const override { return {}; }
};

TEST(CModelCheckTest, ReportsABrokenModel) {
    CBrokenModel broken;
    const CModelCheck check(&broken);
    EXPECT_FALSE(check.GetFailures().isEmpty());
}

TEST_F(CGroupTreeWidgetTest, ModelFollowsEveryCommandAndPassesTheTester) {
    const CModelCheck check(&m_widget.GetModel());
    ShowPersons(true);
    CGroup* friends = AddGroup("friends");
    CGroup* work = AddGroup("work");
    CPersonalData* bob = AddPerson("bob", {friends, work});
    AddPerson(YAMADA_CP932);
    ExpectModelMirrorsCore();

    m_doc.ExecuteCommand(std::make_unique<CDeletePersonalCommand>(bob));
    ExpectModelMirrorsCore();
    m_doc.OnEditUndo();
    ExpectModelMirrorsCore();

    m_tree.GetTreeCtrl().SetExpanded(friends->m_hTreeItem, true);
    ShowPersons(false);
    ExpectModelMirrorsCore();
    ShowPersons(true);
    ExpectModelMirrorsCore();

    // Deleting the selected group leaves the root selected, in core and in Qt alike.
    SelectGroup(work);
    m_ui.m_answers = {EMessageResult::Yes};
    m_tree.OnCommand(ID_DELETE);
    EXPECT_EQ(m_tree.GetTreeCtrl().GetCaret(), m_tree.m_hRootItem);
    ExpectModelMirrorsCore();
    m_doc.OnEditUndo();
    ExpectModelMirrorsCore();

    m_doc.OnNewDocument();
    ExpectModelMirrorsCore();
    EXPECT_EQ(m_widget.GetModel().rowCount(IndexOf(m_tree.m_hRootItem)), 0);
    EXPECT_TRUE(check.GetFailures().isEmpty()) << check.GetFailures().join('\n').toStdString();
}

// Remembers every selection the tree sends to the list.
class CSelectionRecorder : public CDocView {
public:
    explicit CSelectionRecorder(CAddressDoc& doc) : m_doc(doc) { m_doc.AddView(this); }
    ~CSelectionRecorder() override { m_doc.RemoveView(this); }
    CSelectionRecorder(const CSelectionRecorder&) = delete;
    CSelectionRecorder& operator=(const CSelectionRecorder&) = delete;
    void OnUpdate(CDocView*, EHint hint, const CHintObject& object) override {
        if (hint == EHint::SelectionChanged && object.selection && object.selection->info)
            m_shown.push_back(object.selection->info->GetGroup());
    }

    CAddressDoc& m_doc;
    std::vector<const CGroup*> m_shown;
};

TEST_F(CGroupTreeWidgetTest, DeletingTheSelectedGroupMovesTheCaretAsCoreAloneWould) {
    AddGroup("a");
    CGroup* b = AddGroup("b");
    CGroup* c = AddGroup("c");
    SelectGroup(b);
    const CSelectionRecorder recorder(m_doc);

    m_ui.m_answers = {EMessageResult::Yes};
    m_tree.OnCommand(ID_DELETE);

    // Core moves the caret to the next group, then the command selects the root; Qt's own
    // choice of the row above while the row goes must not reach the list.
    EXPECT_THAT(recorder.m_shown, ::testing::ElementsAre(c, nullptr));
    EXPECT_EQ(m_widget.currentIndex(), IndexOf(m_tree.m_hRootItem));
}

TEST_F(CGroupTreeWidgetTest, ItemTextsAreShownInUnicode) {
    ShowPersons(true);
    CPersonalData* yamada = AddPerson(YAMADA_CP932);
    EXPECT_EQ(IndexOf(yamada->m_treeItems.GetHead()).data().toString(), QStringLiteral("山田"));
    EXPECT_EQ(IndexOf(m_tree.m_hRootItem).data().toString(), QStringLiteral("全体"));
    EXPECT_EQ(IndexOf(m_tree.m_hDeletedItem).data().toString(), QStringLiteral("削除済み"));
}

TEST_F(CGroupTreeWidgetTest, ClickingAGroupListsItsMembers) {
    CGroup* friends = AddGroup("friends");
    AddPerson("bob", {friends});
    AddPerson("carol");
    m_widget.expand(IndexOf(m_tree.m_hRootItem));

    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, IconPoint(friends->m_hTreeItem));
    EXPECT_EQ(m_tree.GetTreeCtrl().GetCaret(), friends->m_hTreeItem);
    EXPECT_THAT(ListNames(), ::testing::ElementsAre("bob"));

    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, IconPoint(m_tree.m_hRootItem));
    EXPECT_THAT(ListNames(), ::testing::ElementsAre("bob", "carol"));
    EXPECT_EQ(m_widget.currentIndex(), IndexOf(m_tree.m_hRootItem));
}

TEST_F(CGroupTreeWidgetTest, SelectedPersonShowsItsGroupWhoseIconOpensUntilTheNextSelection) {
    ShowPersons(true);
    CGroup* friends = AddGroup("friends");
    CGroup* work = AddGroup("work");
    CPersonalData* bob = AddPerson("bob", {friends});
    AddPerson("carol", {friends});
    AddPerson("dave", {work});
    m_widget.expand(IndexOf(m_tree.m_hRootItem));
    m_widget.expand(IndexOf(friends->m_hTreeItem));
    EXPECT_TRUE(m_tree.GetTreeCtrl().Get(friends->m_hTreeItem).expanded);
    const HTREEITEM bobItem = bob->m_treeItems.GetHead();

    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, IconPoint(bobItem));
    EXPECT_THAT(ListNames(), ::testing::ElementsAre("bob", "carol"));
    EXPECT_EQ(Picture(IndexOf(friends->m_hTreeItem)), TreeImage(ETreeImage::GroupOpen));
    EXPECT_EQ(Picture(IndexOf(bobItem)), TreeImage(ETreeImage::PersonSelected));

    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, IconPoint(work->m_hTreeItem));
    EXPECT_THAT(ListNames(), ::testing::ElementsAre("dave"));
    EXPECT_EQ(Picture(IndexOf(friends->m_hTreeItem)), TreeImage(ETreeImage::Group));
    EXPECT_EQ(Picture(IndexOf(bobItem)), TreeImage(ETreeImage::Person));
    EXPECT_EQ(Picture(IndexOf(work->m_hTreeItem)), TreeImage(ETreeImage::GroupOpen));
}

TEST_F(CGroupTreeWidgetTest, CoreSelectionMovesTheCurrentItemAndOpensItsParents) {
    ShowPersons(true);
    CGroup* friends = AddGroup("friends");
    CPersonalData* bob = AddPerson("bob", {friends});
    m_doc.UpdateAllViews(nullptr, EHint::BulkComplete);
    ASSERT_FALSE(m_widget.isExpanded(IndexOf(friends->m_hTreeItem)));

    Select(bob->m_treeItems.GetHead());

    EXPECT_EQ(m_widget.currentIndex(), IndexOf(bob->m_treeItems.GetHead()));
    EXPECT_TRUE(m_widget.isExpanded(IndexOf(friends->m_hTreeItem)));
    EXPECT_TRUE(m_tree.GetTreeCtrl().Get(friends->m_hTreeItem).expanded);
}

TEST_F(CGroupTreeWidgetTest, ExpansionAfterLoadingAndByTheUserIsSharedWithCore) {
    ShowPersons(true);
    CGroup* friends = AddGroup("friends");
    CPersonalData* bob = AddPerson("bob", {friends});
    CTreeControl& tree = m_tree.GetTreeCtrl();
    tree.SetExpanded(friends->m_hTreeItem, true);
    EXPECT_TRUE(m_widget.isExpanded(IndexOf(friends->m_hTreeItem)));

    m_doc.UpdateAllViews(nullptr, EHint::BulkComplete);
    EXPECT_TRUE(m_widget.isExpanded(IndexOf(m_tree.m_hRootItem)));
    EXPECT_FALSE(m_widget.isExpanded(IndexOf(friends->m_hTreeItem)));

    m_widget.expand(IndexOf(friends->m_hTreeItem));
    EXPECT_TRUE(tree.Get(friends->m_hTreeItem).expanded);

    // Collapsing around the caret moves it up to the group, which keeps showing its members.
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, IconPoint(bob->m_treeItems.GetHead()));
    m_widget.collapse(IndexOf(friends->m_hTreeItem));
    EXPECT_FALSE(tree.Get(friends->m_hTreeItem).expanded);
    EXPECT_EQ(tree.GetCaret(), friends->m_hTreeItem);
    EXPECT_EQ(m_widget.currentIndex(), IndexOf(friends->m_hTreeItem));
    EXPECT_THAT(ListNames(), ::testing::ElementsAre("bob"));
}

TEST_F(CGroupTreeWidgetTest, KeysSendTheViewsCommandsAndTabSwitchesPanes) {
    QSignalSpy commands(&m_widget, &CGroupTreeWidget::commandRequested);
    QSignalSpy switches(&m_widget, &CGroupTreeWidget::switchPaneRequested);

    QTest::keyClick(&m_widget, Qt::Key_Return);
    QTest::keyClick(&m_widget, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(&m_widget, Qt::Key_Delete);
    QTest::keyClick(&m_widget, Qt::Key_Delete, Qt::ShiftModifier);
    QTest::keyClick(&m_widget, Qt::Key_Tab);

    ASSERT_EQ(commands.count(), 3);
    EXPECT_EQ(commands.at(0).at(0).toInt(), ID_MODIFY);
    EXPECT_EQ(commands.at(1).at(0).toInt(), ID_MODIFY);
    EXPECT_EQ(commands.at(2).at(0).toInt(), ID_DELETE);
    EXPECT_EQ(switches.count(), 1);
}

TEST_F(CGroupTreeWidgetTest, DoubleClickOnAnItemModifiesItWithoutExpandingElsewhereMakesAGroup) {
    CGroup* friends = AddGroup("friends");
    AddPerson("bob", {friends});
    ShowPersons(true);
    m_widget.expand(IndexOf(m_tree.m_hRootItem));
    QSignalSpy commands(&m_widget, &CGroupTreeWidget::commandRequested);

    QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, IconPoint(friends->m_hTreeItem));
    ASSERT_EQ(commands.count(), 1);
    EXPECT_EQ(commands.takeFirst().at(0).toInt(), ID_MODIFY);
    EXPECT_FALSE(m_widget.isExpanded(IndexOf(friends->m_hTreeItem)));
    EXPECT_FALSE(m_tree.GetTreeCtrl().Get(friends->m_hTreeItem).expanded);

    const QRect row = m_widget.visualRect(IndexOf(friends->m_hTreeItem));
    QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, QPoint(row.right() - 2, row.center().y()));
    QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, BelowTheItems());
    ASSERT_EQ(commands.count(), 2);
    EXPECT_EQ(commands.at(0).at(0).toInt(), ID_NEW_GROUP);
    EXPECT_EQ(commands.at(1).at(0).toInt(), ID_NEW_GROUP);
}

TEST_F(CGroupTreeWidgetTest, RightButtonSelectsTheHitItemAndAsksForItsMenu) {
    CGroup* friends = AddGroup("friends");
    AddPerson("bob", {friends});
    m_widget.expand(IndexOf(m_tree.m_hRootItem));
    QSignalSpy menus(&m_widget, &CGroupTreeWidget::contextMenuRequested);

    const QPoint onGroup = IconPoint(friends->m_hTreeItem);
    QTest::mouseClick(Viewport(), Qt::RightButton, {}, onGroup);
    ASSERT_EQ(menus.count(), 1);
    EXPECT_EQ(menus.at(0).at(0).toPoint(), Viewport()->mapToGlobal(onGroup));
    EXPECT_EQ(menus.at(0).at(1).value<HTREEITEM>(), friends->m_hTreeItem);
    EXPECT_EQ(m_tree.GetTreeCtrl().GetCaret(), friends->m_hTreeItem);
    EXPECT_THAT(ListNames(), ::testing::ElementsAre("bob"));

    QTest::mouseClick(Viewport(), Qt::RightButton, {}, BelowTheItems());
    ASSERT_EQ(menus.count(), 2);
    EXPECT_EQ(menus.at(1).at(1).value<HTREEITEM>(), TVI_NONE);
    EXPECT_EQ(m_tree.GetTreeCtrl().GetCaret(), friends->m_hTreeItem);
}

TEST_F(CGroupTreeWidgetTest, FocusAnnouncesTheActivePane) {
    QSignalSpy activations(&m_widget, &CGroupTreeWidget::activated);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(&m_widget, &focusIn);
    EXPECT_EQ(activations.count(), 1);
}

TEST_F(CGroupTreeWidgetTest, IndentAndColoursComeFromTheSettings) {
    EXPECT_TRUE(m_widget.rootIsDecorated());
    const QTemporaryDir folder;
    CProfile profile(folder.filePath("tarnvale.ini").toStdString());
    profile.WriteProfileInt("Tree", "noindent", 1);
    profile.WriteProfileInt("TreeColor", "text", 0x0000FF);
    profile.WriteProfileInt("TreeColor", "background", 0x302010);
    m_tree.LoadSettings(profile);

    const CGroupTreeWidget restarted(m_tree);

    EXPECT_FALSE(restarted.rootIsDecorated());
    EXPECT_EQ(restarted.palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(restarted.palette().color(QPalette::Base), QColor(0x10, 0x20, 0x30));
}
} // namespace
