#include "gui/dialogs/CPickListBox.h"

#include "gui/dialogs/CPickListModel.h"

#include <QFocusEvent>
#include <QItemSelection>

#include <algorithm>

CPickListBox::CPickListBox(QWidget* parent) : QListView(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void CPickListBox::Present(std::function<int()> count, std::function<QString(int)> text,
                           std::function<bool(int)> selected) {
    m_selected = std::move(selected);
    m_model = new CPickListModel(std::move(count), std::move(text), this);
    setModel(m_model);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CPickListBox::OnSelectionChanged);
    SyncSelection();
}

void CPickListBox::Reload() {
    if (!m_model)
        return;
    m_bSyncing = true;
    m_model->Reload();
    m_bSyncing = false;
    SyncSelection();
}

void CPickListBox::SyncSelection() {
    if (!m_model)
        return;
    QItemSelection selection;
    int first = -1;
    const int count = m_model->rowCount();
    for (int row = 0; row <= count; ++row) {
        const bool selected = row < count && m_selected(row);
        if (selected && first < 0)
            first = row;
        if (!selected && first >= 0) {
            selection.select(m_model->index(first), m_model->index(row - 1));
            first = -1;
        }
    }
    m_bSyncing = true;
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!selection.isEmpty()) {
        const QModelIndex caret = selection.first().topLeft();
        selectionModel()->setCurrentIndex(caret, QItemSelectionModel::NoUpdate);
        scrollTo(caret);
    }
    m_bSyncing = false;
}

std::vector<int> CPickListBox::GetSelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CPickListBox::focusInEvent(QFocusEvent* event) {
    emit focusEntered();
    QListView::focusInEvent(event);
}

void CPickListBox::OnSelectionChanged() {
    if (!m_bSyncing)
        emit selectionEdited(GetSelectedRows());
}
