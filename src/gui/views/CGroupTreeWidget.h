#pragma once

#include "core/views/CTreeControl.h"

#include <QTreeView>

class CFriendTreeView;
class CGroupTreeModel;
class CViewDrag;

// The left pane: draws core's group tree and forwards the user's clicks, keys and expansion to
// it. Core owns the caret; the Qt selection only mirrors it.
class CGroupTreeWidget : public QTreeView {
    Q_OBJECT

public:
    explicit CGroupTreeWidget(CFriendTreeView& tree, QWidget* parent = nullptr);

    CGroupTreeModel& GetModel() const { return *m_model; }
    // Takes the colours core holds now (after the options changed them).
    void ApplyColors();
    // Lets persons and groups be dragged out of the tree and dropped onto its items.
    void SetDrag(CViewDrag* drag);
    // How wide the pane must be to show a group name of `characters` full-width characters.
    int WidthForGroupName(int characters) const;

signals:
    void commandRequested(int id);
    void switchPaneRequested();
    void contextMenuRequested(const QPoint& globalPos, HTREEITEM hit);
    void activated();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;

private:
    void ApplyIndent();
    void FollowCaret(const QModelIndex& caret);
    void FollowExpansion(const QModelIndex& item, bool expanded);
    void FollowCoreAfterReset();
    void OnCurrentChanged(const QModelIndex& current);
    void OnUserExpanded(const QModelIndex& index, bool expanded);
    // The item whose icon or label lies under the point; the rest of its row does not count.
    HTREEITEM ItemOnLabel(const QPoint& pos) const;
    // The item a drag in progress highlights as its target; TVI_NONE for none.
    HTREEITEM DropItem() const;

    CFriendTreeView& m_tree;
    CGroupTreeModel* m_model;
    bool m_bFollowingCore = false;
    CViewDrag* m_pDrag = nullptr;
};
