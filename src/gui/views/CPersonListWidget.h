#pragma once

#include <QTableView>

class CFriendListView;
class CListEdit;
class CPersonListModel;
class CViewDrag;

// The right pane: draws core's person rows with their column layout, keeps core's selection and
// layout in step with what the user does, and forwards keys and clicks as commands.
class CPersonListWidget : public QTableView {
    Q_OBJECT

public:
    explicit CPersonListWidget(CFriendListView& list, QWidget* parent = nullptr);
    ~CPersonListWidget() override;
    CPersonListWidget(const CPersonListWidget&) = delete;
    CPersonListWidget& operator=(const CPersonListWidget&) = delete;

    CPersonListModel& GetModel() const { return *m_model; }
    CListEdit& GetCellEditor() const { return *m_edit; }
    // Takes the colours core holds now (after the options changed them).
    void ApplyColors();
    // Lets the selected rows be dragged onto the group tree.
    void SetDrag(CViewDrag* drag);
    // The input method asks the list, which has the focus; the shown cell editor answers.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

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
    // The list holds the focus for the shown editor between cells and while the input method
    // composes; losing it is the editor losing it.
    void focusOutEvent(QFocusEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // While the cell editor is shown, the input method's composition goes to it: the list keeps
    // the focus between cells, and かな typed there must reach the cell.
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void SetUpHeaders();
    void ApplyScrollBars();
    void ApplyColumns();
    void ShowCoreSelection();
    void PushSelection();
    void OnSectionMoved();
    void OnSectionResized(int field, int width);
    // The control's own right click: an unselected row becomes the only selected one.
    void SelectForContextMenu(int row);
    bool IsEditorShown() const;
    // The cell under a point: the field, its display position and the row (-1 below the rows).
    struct CCellHit {
        int field;
        int position;
        int row;
    };
    CCellHit CellAt(const QPoint& pos) const;

    CFriendListView& m_list;
    CPersonListModel* m_model;
    CListEdit* m_edit;
    bool m_bFollowingCore = false;
    CViewDrag* m_pDrag = nullptr;
};
