#include "gui/views/CGroupTreeWidget.h"

#include "core/ui/CommandIds.h"
#include "core/views/CDragDrop.h"
#include "core/views/CFriendTreeView.h"
#include "gui/views/CColorRef.h"
#include "gui/views/CGroupTreeModel.h"
#include "gui/views/CViewDrag.h"
#include "gui/views/CViewKeys.h"

#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>

namespace {
// Without indent the tree has neither lines nor expand buttons, only the indentation.
constexpr const char* NO_BRANCHES_STYLE = "QTreeView::branch { image: none; border-image: none; }";
} // namespace

CGroupTreeWidget::CGroupTreeWidget(CFriendTreeView& tree, QWidget* parent)
    : QTreeView(parent), m_tree(tree), m_model(new CGroupTreeModel(tree.GetTreeCtrl(), this)) {
    setModel(m_model);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    setExpandsOnDoubleClick(false);
    setIconSize(QSize(16, 16));
    setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    ApplyIndent();
    ApplyColors();
    connect(m_model, &CGroupTreeModel::caretChanged, this, &CGroupTreeWidget::FollowCaret);
    connect(m_model, &CGroupTreeModel::expansionChanged, this, &CGroupTreeWidget::FollowExpansion);
    connect(m_model, &QAbstractItemModel::modelReset, this,
            &CGroupTreeWidget::FollowCoreAfterReset);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { OnCurrentChanged(current); });
    connect(this, &QTreeView::expanded, this,
            [this](const QModelIndex& index) { OnUserExpanded(index, true); });
    connect(this, &QTreeView::collapsed, this,
            [this](const QModelIndex& index) { OnUserExpanded(index, false); });
    FollowCoreAfterReset();
}

void CGroupTreeWidget::ApplyIndent() {
    const bool indent = m_tree.HasIndent();
    setRootIsDecorated(indent);
    setStyleSheet(indent ? QString() : QString::fromLatin1(NO_BRANCHES_STYLE));
}

int CGroupTreeWidget::WidthForGroupName(int characters) const {
    // Where the style puts a group's text behind its icon; after the text it leaves the same
    // margin as a focus frame does.
    QStyleOptionViewItem item;
    item.initFrom(viewport());
    item.rect = QRect(0, 0, QWIDGETSIZE_MAX, fontMetrics().height());
    item.text = QString(characters, QChar(0x3042));
    item.decorationSize = iconSize();
    item.features = QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
    const int textLeft = style()->subElementRect(QStyle::SE_ItemViewItemText, &item, this).left();
    const int textRight = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    // A group sits one level below the root; the scroll bar may come with many groups.
    const int levels = rootIsDecorated() ? 2 : 1;
    return levels * indentation() + textLeft + fontMetrics().horizontalAdvance(item.text) +
           textRight + verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
}

void CGroupTreeWidget::ApplyColors() {
    QPalette colors = palette();
    colors.setColor(QPalette::Base, CColorRef::ToQColor(m_tree.GetBackgroundColor()));
    colors.setColor(QPalette::Text, CColorRef::ToQColor(m_tree.GetTextColor()));
    setPalette(colors);
}

void CGroupTreeWidget::FollowCaret(const QModelIndex& caret) {
    const QScopedValueRollback following(m_bFollowingCore, true);
    if (!caret.isValid()) {
        selectionModel()->clear();
        return;
    }
    selectionModel()->setCurrentIndex(caret, QItemSelectionModel::ClearAndSelect);
    // Like the control, selecting an item opens its parents and scrolls it into view.
    scrollTo(caret);
}

void CGroupTreeWidget::FollowExpansion(const QModelIndex& item, bool expanded) {
    if (item.isValid())
        setExpanded(item, expanded);
}

void CGroupTreeWidget::FollowCoreAfterReset() {
    // A reset view has every item collapsed: only the expanded ones need telling.
    for (const HTREEITEM item : m_tree.GetTreeCtrl().GetExpandedItems())
        setExpanded(m_model->IndexOf(item), true);
    FollowCaret(m_model->IndexOf(m_tree.GetTreeCtrl().GetCaret()));
}

void CGroupTreeWidget::OnCurrentChanged(const QModelIndex& current) {
    // Qt moves its current index by itself while rows go; core decides where the caret goes.
    if (m_bFollowingCore || m_model->IsChanging())
        return;
    const HTREEITEM item = m_model->ItemOf(current);
    if (item != TVI_NONE)
        m_tree.GetTreeCtrl().SelectItem(item);
}

void CGroupTreeWidget::OnUserExpanded(const QModelIndex& index, bool expanded) {
    const HTREEITEM item = m_model->ItemOf(index);
    if (m_tree.GetTreeCtrl().Exists(item))
        m_tree.GetTreeCtrl().SetExpanded(item, expanded);
}

HTREEITEM CGroupTreeWidget::ItemOnLabel(const QPoint& pos) const {
    const QModelIndex index = indexAt(pos);
    if (!index.isValid())
        return TVI_NONE;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    const int width = itemDelegateForIndex(index)->sizeHint(option, index).width();
    if (pos.x() < option.rect.left() || pos.x() >= option.rect.left() + width)
        return TVI_NONE;
    return m_model->ItemOf(index);
}

bool CGroupTreeWidget::event(QEvent* event) {
    switch (CViewKeys::Filter(*event)) {
    case EViewKeyEvent::Consumed:
        return true;
    case EViewKeyEvent::SwitchPane:
        emit switchPaneRequested();
        return true;
    case EViewKeyEvent::PassOn:
        break;
    }
    return QTreeView::event(event);
}

void CGroupTreeWidget::keyPressEvent(QKeyEvent* event) {
    if (const int command = CViewKeys::CommandOf(*event)) {
        emit commandRequested(command);
        return;
    }
    if (CViewKeys::IsSwallowedCharacter(*event)) {
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void CGroupTreeWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) {
        QTreeView::mousePressEvent(event);
        return;
    }
    // The item under the pointer is selected before the menu; the control's own handling of
    // the right button does not run.
    const QPoint pos = event->position().toPoint();
    const HTREEITEM hit = m_model->ItemOf(indexAt(pos));
    if (hit != TVI_NONE)
        m_tree.GetTreeCtrl().SelectItem(hit);
    event->accept();
    emit contextMenuRequested(viewport()->mapToGlobal(pos), hit);
}

void CGroupTreeWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QTreeView::mouseDoubleClickEvent(event);
        return;
    }
    // Opens the item's dialog rather than expanding or collapsing it.
    const HTREEITEM hit = ItemOnLabel(event->position().toPoint());
    event->accept();
    emit commandRequested(hit != TVI_NONE ? ID_MODIFY : ID_NEW_GROUP);
}

void CGroupTreeWidget::focusInEvent(QFocusEvent* event) {
    QTreeView::focusInEvent(event);
    emit activated();
}

void CGroupTreeWidget::SetDrag(CViewDrag* drag) {
    m_pDrag = drag;
    setDragEnabled(drag != nullptr);
    setAcceptDrops(drag != nullptr);
    setDragDropMode(drag ? DragDrop : NoDragDrop);
    setDropIndicatorShown(false);
    setAutoScroll(true);
}

void CGroupTreeWidget::startDrag(Qt::DropActions) {
    if (m_pDrag && m_pDrag->GetCore().BeginFromTree(m_model->ItemOf(currentIndex())))
        m_pDrag->Exec(this);
}

void CGroupTreeWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (!m_pDrag || !m_pDrag->Accepts(event->mimeData())) {
        event->ignore();
        return;
    }
    // The tree scrolls while the pointer stays within one item's height of its top or bottom.
    const QModelIndex first = m_model->index(0, 0, {});
    setAutoScrollMargin(first.isValid() ? rowHeight(first) : fontMetrics().height());
    event->acceptProposedAction();
}

void CGroupTreeWidget::dragMoveEvent(QDragMoveEvent* event) {
    // Qt's own handling scrolls near the edges; whether the drop is taken is decided here.
    QTreeView::dragMoveEvent(event);
    if (!m_pDrag || !m_pDrag->Accepts(event->mimeData())) {
        event->ignore();
        return;
    }
    const HTREEITEM before = DropItem();
    const bool onTarget = m_pDrag->Track(ItemOnLabel(event->position().toPoint()));
    // The highlight covers the whole row, branch lines included, not only the item's cell.
    if (DropItem() != before)
        viewport()->update();
    if (onTarget) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

HTREEITEM CGroupTreeWidget::DropItem() const {
    return m_pDrag ? m_pDrag->GetCore().GetDropItem() : TVI_NONE;
}

void CGroupTreeWidget::dragLeaveEvent(QDragLeaveEvent* event) {
    if (m_pDrag)
        m_pDrag->Track(TVI_NONE);
    viewport()->update();
    QTreeView::dragLeaveEvent(event);
}

void CGroupTreeWidget::dropEvent(QDropEvent* event) {
    stopAutoScroll();
    setState(NoState);
    if (!m_pDrag || !m_pDrag->Accepts(event->mimeData())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    setFocus(Qt::MouseFocusReason);
    m_pDrag->TakeDrop();
}

void CGroupTreeWidget::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    // The drop target is drawn as selected while the pointer is on it, besides its picture.
    const HTREEITEM drop = DropItem();
    if (drop == TVI_NONE || m_model->ItemOf(index) != drop) {
        QTreeView::drawRow(painter, option, index);
        return;
    }
    QStyleOptionViewItem target(option);
    target.state |= QStyle::State_Selected;
    QTreeView::drawRow(painter, target, index);
}
