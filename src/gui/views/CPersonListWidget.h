#pragma once

#include <QTableView>

class CFriendListView;
class CPersonListModel;
class CViewDrag;

// The right pane: draws core's person rows with their column layout, keeps core's selection and
// layout in step with what the user does, and forwards keys and clicks as commands.
class CPersonListWidget : public QTableView {
    Q_OBJECT

public:
    explicit CPersonListWidget(CFriendListView& list, QWidget* parent = nullptr);

    CPersonListModel& GetModel() const { return *m_model; }
    // Takes the colours core holds now (after the options changed them).
    void ApplyColors();
    // Lets the selected rows be dragged onto the group tree.
    void SetDrag(CViewDrag* drag);

signals:
    void commandRequested(int id);
    void switchPaneRequested();
    void contextMenuRequested(const QPoint& globalPos);
    void activated();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    void SetUpHeaders();
    void ApplyScrollBars();
    void ApplyColumns();
    void ShowCoreSelection();
    void PushSelection();
    void OnSectionMoved();
    void OnSectionResized(int field, int width);
    void RecordClickedCell(const QPoint& pos);
    // The control's own right click: an unselected row becomes the only selected one.
    void SelectForContextMenu(int row);

    CFriendListView& m_list;
    CPersonListModel* m_model;
    bool m_bFollowingCore = false;
    CViewDrag* m_pDrag = nullptr;
};
