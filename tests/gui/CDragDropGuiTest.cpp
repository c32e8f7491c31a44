#include "CAppFixture.h"
#include "CBookFixture.h"
#include "core/views/CDragDrop.h"
#include "gui/views/CGroupTreeModel.h"
#include "gui/views/CGroupTreeWidget.h"
#include "gui/views/CPersonListWidget.h"
#include "gui/views/CViewDrag.h"

#include <QCoreApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <optional>

namespace {
const std::string KEEP = "元のグループにも残しておきますか？";

// Starts a drag from the rows as a mouse movement would.
class CDraggingListWidget : public CPersonListWidget {
public:
    using CPersonListWidget::CPersonListWidget;
    using CPersonListWidget::startDrag;
};

// Both panes as the window has them, with drops sent to the tree as the platform sends them.
class CDragDropGuiTest : public CBookFixture {
protected:
    CDragDropGuiTest() : m_treeWidget(m_tree), m_listWidget(m_list) {
        m_treeWidget.SetDrag(&m_viewDrag);
        m_listWidget.SetDrag(&m_viewDrag);
        m_treeWidget.resize(300, 400);
        m_treeWidget.show();
        m_listWidget.show();
    }

    void SetUp() override {
        CBookFixture::SetUp();
        ShowPersons(true);
        m_a = AddGroup("A");
        m_b = AddGroup("B");
        m_ann = AddPerson("Ann", {m_a});
        m_bob = AddPerson("Bob", {m_a});
    }

    QPoint LabelPoint(HTREEITEM item) const {
        const QRect rect = m_treeWidget.visualRect(m_treeWidget.GetModel().IndexOf(item));
        return {rect.left() + 8, rect.center().y()};
    }

    // Enter, move onto the item and release there; returns whether the move was accepted.
    bool DragOnto(HTREEITEM item, const QMimeData& data) {
        QWidget* viewport = m_treeWidget.viewport();
        const QPoint point = LabelPoint(item);
        QDragEnterEvent enter(point, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &enter);
        QDragMoveEvent move(point, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &move);
        m_highlighted = m_tree.GetTreeCtrl().Get(item).image;
        QDropEvent drop(point, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &drop);
        return move.isAccepted() && drop.isAccepted();
    }

    std::vector<std::string> Members(const CGroup* group) const {
        return NamesOf(group->m_memberList);
    }

    CDragDrop m_drag{m_doc, m_tree, m_list, m_ui};
    CViewDrag m_viewDrag{m_drag};
    CGroupTreeWidget m_treeWidget;
    CDraggingListWidget m_listWidget;
    CGroup* m_a = nullptr;
    CGroup* m_b = nullptr;
    CPersonalData* m_ann = nullptr;
    CPersonalData* m_bob = nullptr;
    std::optional<ETreeImage> m_highlighted;
};

TEST_F(CDragDropGuiTest, RowsDroppedOnAGroupAskOnlyAfterTheDropReturned) {
    const std::pair<EMessageResult, std::vector<std::string>> answers[] = {
        {EMessageResult::Yes, {"Ann", "Bob"}}, {EMessageResult::No, {}}};
    for (const auto& [answer, left] : answers) {
        SCOPED_TRACE(answer == EMessageResult::Yes ? "Yes" : "No");
        SelectGroup(m_a);
        m_listWidget.selectAll();
        ASSERT_TRUE(m_drag.BeginFromList());
        const std::unique_ptr<QMimeData> data = m_viewDrag.MakeMimeData();
        m_ui.m_asked.clear();
        m_ui.m_answers = {answer};
        QSignalSpy finished(&m_viewDrag, &CViewDrag::dropFinished);

        EXPECT_TRUE(DragOnto(m_b->m_hTreeItem, *data));
        EXPECT_EQ(m_highlighted, ETreeImage::GroupTarget);
        EXPECT_TRUE(m_ui.m_asked.empty()) << "asked inside the platform's drag";
        ASSERT_TRUE(finished.wait(1000));
        EXPECT_EQ(m_ui.m_asked, std::vector<std::string>{KEEP});
        EXPECT_EQ(Members(m_b), (std::vector<std::string>{"Ann", "Bob"}));
        EXPECT_EQ(Members(m_a), left);
        EXPECT_EQ(m_tree.GetTreeCtrl().Get(m_b->m_hTreeItem).image, ETreeImage::Group);
        m_doc.OnEditUndo();
        EXPECT_TRUE(Members(m_b).empty());
    }
}

TEST_F(CDragDropGuiTest, ADropDuringThePlatformsDragWaitsUntilItHasReturned) {
    SelectGroup(m_a);
    m_listWidget.selectAll();
    m_ui.m_answers = {EMessageResult::No};
    bool askedInside = true;
    bool dropped = false;
    // The platform delivers the drop while its drag runs, and turns its own event loop.
    m_viewDrag.SetPlatformDrag([&](QDrag& drag) {
        dropped = DragOnto(m_b->m_hTreeItem, *drag.mimeData());
        QCoreApplication::processEvents();
        askedInside = !m_ui.m_asked.empty();
    });
    QSignalSpy finished(&m_viewDrag, &CViewDrag::dropFinished);
    m_listWidget.startDrag(Qt::MoveAction);
    EXPECT_TRUE(dropped);
    EXPECT_FALSE(askedInside);
    ASSERT_TRUE(finished.wait(1000));
    EXPECT_EQ(m_ui.m_asked, std::vector<std::string>{KEEP});
    EXPECT_EQ(Members(m_b), (std::vector<std::string>{"Ann", "Bob"}));
    EXPECT_TRUE(Members(m_a).empty());
}

TEST_F(CDragDropGuiTest, GroupDroppedOnTheDeletedFolderIsDeleted) {
    ASSERT_TRUE(m_drag.BeginFromTree(m_a->m_hTreeItem));
    const std::unique_ptr<QMimeData> data = m_viewDrag.MakeMimeData();
    m_ui.m_answers = {EMessageResult::Ok};
    QSignalSpy finished(&m_viewDrag, &CViewDrag::dropFinished);

    EXPECT_TRUE(DragOnto(m_tree.m_hDeletedItem, *data));
    EXPECT_EQ(m_highlighted, ETreeImage::DeletedTarget);
    ASSERT_TRUE(finished.wait(1000));
    EXPECT_FALSE(m_doc.ContainsGroup(m_a));
    EXPECT_EQ(m_doc.GetPersonList().size(), 2u);
    EXPECT_NE(m_doc.GetUndoMenuText().find("グループの削除"), std::string::npos);
}

TEST(CViewDragPictures, EachDragHasItsPictureAndHotSpot) {
    const std::tuple<EDragPicture, int, QPoint> pictures[] = {
        {EDragPicture::OnePerson, 32, {0, -1}},
        {EDragPicture::TwoPersons, 32, {0, -1}},
        {EDragPicture::ManyPersons, 32, {0, -1}},
        {EDragPicture::Person, 16, {-9, -9}},
        {EDragPicture::Group, 16, {-9, -9}}};
    for (const auto& [picture, size, hotSpot] : pictures) {
        const QPixmap pixmap = CViewDrag::Picture(picture);
        EXPECT_EQ(pixmap.width(), size) << static_cast<int>(picture);
        EXPECT_EQ(CViewDrag::HotSpot(picture), hotSpot) << static_cast<int>(picture);
    }
    EXPECT_NE(CViewDrag::Picture(EDragPicture::OnePerson).toImage(),
              CViewDrag::Picture(EDragPicture::ManyPersons).toImage());
}

TEST_F(CDragDropGuiTest, DataFromAnotherProcessOrAnEndedDragIsRefused) {
    ASSERT_TRUE(m_drag.BeginFromTree(m_a->m_hTreeItem));
    QMimeData foreign;
    foreign.setData(CViewDrag::MIME_TYPE, "1:0");
    EXPECT_FALSE(DragOnto(m_b->m_hTreeItem, foreign));
    const std::unique_ptr<QMimeData> data = m_viewDrag.MakeMimeData();
    m_drag.Cancel();
    EXPECT_FALSE(DragOnto(m_b->m_hTreeItem, *data));
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_ui.m_asked.empty());
    EXPECT_TRUE(Members(m_b).empty());
}
using CDragDropWindowTest = CAppFixture;

TEST_F(CDragDropWindowTest, OnlyTheTreeTakesDropsAndBothPanesDrag) {
    Start();
    ASSERT_NE(Frame()->GetDrag(), nullptr);
    EXPECT_TRUE(Frame()->GetTreeWidget()->acceptDrops());
    EXPECT_TRUE(Frame()->GetTreeWidget()->dragEnabled());
    EXPECT_FALSE(Frame()->GetListWidget()->acceptDrops());
    EXPECT_TRUE(Frame()->GetListWidget()->dragEnabled());
}
} // namespace
