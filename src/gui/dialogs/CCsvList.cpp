#include "gui/dialogs/CCsvList.h"

#include <QHeaderView>
#include <QResizeEvent>

#include <numeric>

CCsvList::CCsvList(const QStringList& headers, const std::vector<int>& widthParts, QWidget* parent)
    : QTreeWidget(parent), m_widthParts(widthParts) {
    setColumnCount(static_cast<int>(headers.size()));
    setHeaderLabels(headers);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setIconSize(QSize(8, 10));
    header()->setStretchLastSection(false);
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!m_bFilling)
            emit rowChosen(GetSelectedRow());
    });
}

void CCsvList::SetRows(const std::vector<CRow>& rows) {
    m_bFilling = true;
    const QPalette colours = palette();
    // Rows are kept and rewritten, so that the scroll position stays.
    while (topLevelItemCount() > static_cast<int>(rows.size()))
        delete takeTopLevelItem(topLevelItemCount() - 1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        QTreeWidgetItem* item = topLevelItem(static_cast<int>(i));
        if (!item)
            item = new QTreeWidgetItem(this);
        const CRow& row = rows[i];
        for (int column = 0; column < columnCount(); ++column)
            item->setText(column, row.texts.value(column));
        item->setIcon(0, row.icon);
        const QColor text = row.ghosted ? colours.color(QPalette::Disabled, QPalette::Text)
                                        : colours.color(QPalette::Active, QPalette::Text);
        for (int column = 0; column < columnCount(); ++column)
            item->setForeground(column, text);
    }
    m_bFilling = false;
}

void CCsvList::SelectRow(int row) {
    m_bFilling = true;
    clearSelection();
    if (QTreeWidgetItem* item = topLevelItem(row)) {
        setCurrentItem(item);
        item->setSelected(true);
        scrollToItem(item);
    }
    m_bFilling = false;
}

int CCsvList::GetSelectedRow() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.constFirst());
}

void CCsvList::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    // The columns share the list's width in fixed parts.
    const int total = std::accumulate(m_widthParts.begin(), m_widthParts.end(), 0);
    const int width = viewport()->width();
    for (std::size_t column = 0; column < m_widthParts.size(); ++column)
        setColumnWidth(static_cast<int>(column), width * m_widthParts[column] / total);
}

void CCsvList::FitRows(int rows) {
    const int row = topLevelItemCount() > 0 ? sizeHintForRow(0) : fontMetrics().height() + 4;
    setMinimumHeight(header()->sizeHint().height() + rows * row + 2 * frameWidth());
}
