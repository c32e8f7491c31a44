#include "gui/views/CPersonListWidget.h"

#include "core/ui/CommandIds.h"
#include "core/views/CDragDrop.h"
#include "core/views/CFriendListView.h"
#include "gui/views/CColorRef.h"
#include "gui/views/CListEdit.h"
#include "gui/views/CPersonListModel.h"
#include "gui/views/CViewDrag.h"
#include "gui/views/CViewKeys.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>

namespace {
// Qt has no flat scroll bar of the control's kind; a plain style sheet gives the same look.
constexpr const char* FLAT_SCROLL_BAR_STYLE =
    "QScrollBar { background: #f0f0f0; border: none; margin: 0px; }"
    "QScrollBar:vertical { width: 16px; }"
    "QScrollBar:horizontal { height: 16px; }"
    "QScrollBar::handle { background: #c8c8c8; border: none; }"
    "QScrollBar::handle:hover { background: #a8a8a8; }"
    "QScrollBar::handle:vertical { min-height: 20px; }"
    "QScrollBar::handle:horizontal { min-width: 20px; }"
    "QScrollBar::add-line, QScrollBar::sub-line { width: 0px; height: 0px; border: none; }"
    "QScrollBar::add-page, QScrollBar::sub-page { background: none; }";

constexpr int ICON_SIZE = 16;
constexpr int ROW_PADDING = 4;
} // namespace

CPersonListWidget::CPersonListWidget(CFriendListView& list, QWidget* parent)
    : QTableView(parent), m_list(list), m_model(new CPersonListModel(list, this)),
      m_edit(new CListEdit(*this, list.GetCellEditor())) {
    setModel(m_model);
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setSortingEnabled(false);
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(ScrollPerPixel);
    setIconSize(QSize(ICON_SIZE, ICON_SIZE));
    setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    SetUpHeaders();
    ApplyScrollBars();
    ApplyColors();
    ApplyColumns();
    connect(m_model, &QAbstractItemModel::modelReset, this, &CPersonListWidget::ShowCoreSelection);
    connect(m_model, &CPersonListModel::selectionChangedByCore, this,
            &CPersonListWidget::ShowCoreSelection);
    connect(m_model, &CPersonListModel::columnsChangedByCore, this,
            &CPersonListWidget::ApplyColumns);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CPersonListWidget::PushSelection);
    connect(horizontalHeader(), &QHeaderView::sectionMoved, this,
            &CPersonListWidget::OnSectionMoved);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int field, int, int width) { OnSectionResized(field, width); });
    ShowCoreSelection();
    setAttribute(Qt::WA_InputMethodEnabled);
    m_list.GetCellEditor().SetWindow(m_edit);
}

CPersonListWidget::~CPersonListWidget() {
    m_list.GetCellEditor().Hide();
    m_list.GetCellEditor().SetWindow(nullptr);
}

void CPersonListWidget::SetUpHeaders() {
    // Every row has the same height, so 100,000 rows need no measuring.
    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(1);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(qMax(fontMetrics().height(), ICON_SIZE) + ROW_PADDING);
    QHeaderView* columns = horizontalHeader();
    columns->setSectionsMovable(true);
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    columns->setStretchLastSection(false);
    columns->setMinimumSectionSize(0);
    columns->setSectionResizeMode(QHeaderView::Interactive);
}

void CPersonListWidget::ApplyScrollBars() {
    const QString style =
        m_list.UsesFlatScrollBars() ? QString::fromLatin1(FLAT_SCROLL_BAR_STYLE) : QString();
    horizontalScrollBar()->setStyleSheet(style);
    verticalScrollBar()->setStyleSheet(style);
}

void CPersonListWidget::ApplyColors() {
    QPalette colors = palette();
    colors.setColor(QPalette::Base, CColorRef::ToQColor(m_list.GetBackgroundColor()));
    colors.setColor(QPalette::Text, CColorRef::ToQColor(m_list.GetTextColor()));
    setPalette(colors);
    viewport()->update();
}

void CPersonListWidget::ApplyColumns() {
    const QScopedValueRollback following(m_bFollowingCore, true);
    QHeaderView* header = horizontalHeader();
    const auto& order = m_list.GetColumnOrder();
    for (int position = 0; position < CFriendListView::COLUMN_COUNT; ++position)
        header->moveSection(header->visualIndex(order[static_cast<std::size_t>(position)]),
                            position);
    const auto& widths = m_list.GetColumnWidths();
    for (int field = 0; field < CFriendListView::COLUMN_COUNT; ++field)
        header->resizeSection(field, widths[static_cast<std::size_t>(field)]);
}

void CPersonListWidget::OnSectionMoved() {
    if (m_bFollowingCore)
        return;
    std::array<int, CFriendListView::COLUMN_COUNT> order{};
    for (int position = 0; position < CFriendListView::COLUMN_COUNT; ++position)
        order[static_cast<std::size_t>(position)] = horizontalHeader()->logicalIndex(position);
    m_list.SetColumnOrder(order);
    m_list.GetCellEditor().OnColumnsMoved();
    viewport()->update();
}

void CPersonListWidget::OnSectionResized(int field, int width) {
    if (!m_bFollowingCore)
        m_list.SetColumnWidth(field, width);
}

void CPersonListWidget::ShowCoreSelection() {
    const QScopedValueRollback following(m_bFollowingCore, true);
    QItemSelection selection;
    const int rowCount = m_list.GetRowCount();
    const int lastColumn = CFriendListView::COLUMN_COUNT - 1;
    // Consecutive selected rows become one range, so select all is a single range.
    int first = -1;
    for (int row = 0; row <= rowCount && m_list.GetSelectedCount() > 0; ++row) {
        const bool selected = row < rowCount && m_list.IsSelected(m_list.GetRowPerson(row));
        if (selected && first < 0)
            first = row;
        if (!selected && first >= 0) {
            selection.append(
                QItemSelectionRange(m_model->index(first, 0), m_model->index(row - 1, lastColumn)));
            first = -1;
        }
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!selection.isEmpty() && !selectionModel()->isSelected(currentIndex()))
        selectionModel()->setCurrentIndex(selection.first().topLeft(),
                                          QItemSelectionModel::NoUpdate);
}

void CPersonListWidget::PushSelection() {
    if (m_bFollowingCore || m_model->IsResetting())
        return;
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    }
    m_list.SetSelectedRows(rows);
}

CPersonListWidget::CCellHit CPersonListWidget::CellAt(const QPoint& pos) const {
    const int field = columnAt(pos.x());
    return {field, field >= 0 ? horizontalHeader()->visualIndex(field) : -1, rowAt(pos.y())};
}

bool CPersonListWidget::IsEditorShown() const {
    return m_list.GetCellEditor().IsVisible();
}

void CPersonListWidget::SelectForContextMenu(int row) {
    if (row < 0) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index =
        m_model->index(row, currentIndex().isValid() ? currentIndex().column() : 0);
    // A selected row keeps the whole selection, so the menu works on all of it.
    const QItemSelectionModel::SelectionFlags flags =
        selectionModel()->isRowSelected(row)
            ? QItemSelectionModel::NoUpdate
            : QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    selectionModel()->setCurrentIndex(index, flags);
}

bool CPersonListWidget::event(QEvent* event) {
    // With the editor shown, Tab moves between cells, and the keys of the cell rules are the
    // list's own rather than the window's.
    if (IsEditorShown() &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && CListEdit::CellKeyOf(*key) != ECellKey::Other) {
            if (event->type() == QEvent::KeyPress)
                keyPressEvent(key);
            else
                event->accept();
            return true;
        }
    }
    switch (CViewKeys::Filter(*event)) {
    case EViewKeyEvent::Consumed:
        return true;
    case EViewKeyEvent::SwitchPane:
        emit switchPaneRequested();
        return true;
    case EViewKeyEvent::PassOn:
        break;
    }
    return QTableView::event(event);
}

void CPersonListWidget::keyPressEvent(QKeyEvent* event) {
    const ECellKey key = CListEdit::CellKeyOf(*event);
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    // Enter and Delete with other modifiers are not the view's commands.
    if (!IsEditorShown() && (key == ECellKey::Enter || key == ECellKey::Delete) &&
        !CViewKeys::CommandOf(*event)) {
        QTableView::keyPressEvent(event);
        return;
    }
    const CListKeyRule rule = m_list.GetCellEditor().OnListKey(key, shift);
    switch (rule.action) {
    case EListKeyAction::SwitchPane:
        emit switchPaneRequested();
        break;
    case EListKeyAction::SendModify:
        emit commandRequested(ID_MODIFY);
        break;
    case EListKeyAction::SendDelete:
        emit commandRequested(ID_DELETE);
        break;
    case EListKeyAction::PassToEditor:
        m_edit->TakeKey(*event);
        break;
    case EListKeyAction::EditCell:
        m_edit->EditText();
        break;
    default:
        break;
    }
    if (rule.ownHandling)
        QTableView::keyPressEvent(event);
    else
        event->accept();
}

void CPersonListWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const CCellHit hit = CellAt(pos);
    if (event->button() != Qt::RightButton) {
        if (event->button() == Qt::LeftButton)
            m_list.GetCellEditor().OnLeftButtonDown(hit.field, hit.row, hit.position);
        QTableView::mousePressEvent(event);
        return;
    }
    // The shown editor takes a right click as a move to the cell; no menu opens.
    if (m_list.GetCellEditor().OnRightButtonDown(hit.field, hit.row, hit.position)) {
        event->accept();
        return;
    }
    SelectForContextMenu(hit.row);
    m_list.SetClickedCell(hit.field, hit.row, hit.position);
    event->accept();
    emit contextMenuRequested(viewport()->mapToGlobal(pos));
}

void CPersonListWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint pos = event->position().toPoint();
        if (indexAt(pos).isValid()) {
            const CCellHit hit = CellAt(pos);
            // The editor that started keeps the focus: the view's own handling would take it
            // back as a press when no press came first.
            if (m_list.GetCellEditor().OnDoubleClick(hit.field, hit.row, hit.position)) {
                event->accept();
                return;
            }
            emit commandRequested(ID_MODIFY);
        } else {
            emit commandRequested(ID_NEW_PERSON);
        }
    }
    QTableView::mouseDoubleClickEvent(event);
}

void CPersonListWidget::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    emit activated();
}

void CPersonListWidget::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    // A menu opening takes the focus for a moment only; the editor taking it keeps the typing.
    if (IsEditorShown() && event->reason() != Qt::PopupFocusReason &&
        QApplication::focusWidget() != m_edit)
        m_list.GetCellEditor().OnEditorKillFocus();
}

void CPersonListWidget::SetDrag(CViewDrag* drag) {
    m_pDrag = drag;
    setDragEnabled(drag != nullptr);
    // Only the tree takes a drop.
    setDragDropMode(drag ? DragOnly : NoDragDrop);
}

void CPersonListWidget::startDrag(Qt::DropActions) {
    if (m_pDrag && m_pDrag->GetCore().BeginFromList())
        m_pDrag->Exec(this);
}

void CPersonListWidget::wheelEvent(QWheelEvent* event) {
    m_list.GetCellEditor().OnMouseWheel();
    QTableView::wheelEvent(event);
}

void CPersonListWidget::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    m_list.GetCellEditor().OnResized();
}

void CPersonListWidget::inputMethodEvent(QInputMethodEvent* event) {
    if (!IsEditorShown()) {
        QTableView::inputMethodEvent(event);
        return;
    }
    QCoreApplication::sendEvent(m_edit, event);
}

QVariant CPersonListWidget::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (!IsEditorShown())
        return QTableView::inputMethodQuery(query);
    if (query == Qt::ImEnabled)
        return true;
    QVariant answer = m_edit->inputMethodQuery(query);
    // Rectangles are asked of the focus widget, this list: the editor's are moved into it.
    const QPoint offset = m_edit->mapTo(this, QPoint(0, 0));
    if (answer.typeId() == QMetaType::QRect)
        return answer.toRect().translated(offset);
    if (answer.typeId() == QMetaType::QRectF)
        return answer.toRectF().translated(offset);
    return answer;
}
