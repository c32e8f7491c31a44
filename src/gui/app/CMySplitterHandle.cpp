#include "gui/app/CMySplitterHandle.h"

#include <QPainter>

CMySplitterHandle::CMySplitterHandle(Qt::Orientation orientation, QSplitter* parent)
    : QSplitterHandle(orientation, parent) {}

void CMySplitterHandle::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(QPen(QColor(OUTLINE), 1));
    painter.setBrush(Qt::white);
    // A 1-pixel pen draws on the right and bottom edge of the rectangle it outlines.
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
