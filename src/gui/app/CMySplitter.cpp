#include "gui/app/CMySplitter.h"

#include "gui/app/CMySplitterHandle.h"

namespace {
// Wide enough to grab, as the bar always was.
constexpr int HANDLE_WIDTH = 6;
} // namespace

CMySplitter::CMySplitter(QWidget* parent) : QSplitter(Qt::Horizontal, parent) {
    setHandleWidth(HANDLE_WIDTH);
    setChildrenCollapsible(false);
}

QSplitterHandle* CMySplitter::createHandle() {
    return new CMySplitterHandle(orientation(), this);
}
