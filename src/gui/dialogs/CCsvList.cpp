#include "gui/dialogs/CCsvList.h"

#include <QHeaderView>
#include <QResizeEvent>

#include <algorithm>

namespace {
constexpr int ROW_PADDING = 6; // pixels around a row's text
} // namespace

CCsvList::CCsvList(const QStringList& headers, QWidget* parent) : QTreeWidget(parent) {
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
        // One height for rows with and without a mark, so that lists side by side line up; the
        // hint's width is what the first column needs.
        const int iconWidth = row.icon.isNull() ? 0 : iconSize().width() + ROW_PADDING;
        const int width = fontMetrics().horizontalAdvance(row.texts.value(0)) + iconWidth;
        item->setSizeHint(0, QSize(width + 2 * ROW_PADDING, GetRowHeight()));
    }
    m_bFilling = false;
    FitColumns();
}

int CCsvList::GetRowHeight() const {
    return std::max(fontMetrics().height(), iconSize().height()) + ROW_PADDING;
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
    FitColumns();
}

void CCsvList::FitColumns() {
    // Every column but the last is as wide as its texts; the last takes the rest of the width,
    // or scrolls when its texts are longer, so that no assignment is cut.
    int used = 0;
    const int last = columnCount() - 1;
    for (int column = 0; column < last; ++column) {
        const int width = std::max(sizeHintForColumn(column), header()->sectionSizeHint(column));
        setColumnWidth(column, width);
        used += width;
    }
    const int wanted = std::max(sizeHintForColumn(last), header()->sectionSizeHint(last));
    setColumnWidth(last, std::max(viewport()->width() - used, wanted));
}

void CCsvList::FitRows(int rows) {
    setMinimumHeight(header()->sizeHint().height() + rows * GetRowHeight() + 2 * frameWidth());
}
