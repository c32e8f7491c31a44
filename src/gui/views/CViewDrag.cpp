#include "gui/views/CViewDrag.h"

#include "core/views/CDragDrop.h"
#include "gui/views/CViewIcons.h"

#include <QCoreApplication>
#include <QDrag>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

const char* const CViewDrag::MIME_TYPE = "application/x-tarnvale-drag";

namespace {
constexpr int DRAG_PICTURE_SIZE = 32;
constexpr int TREE_PICTURE_SIZE = 16;

QByteArray Identity(quint64 drag) {
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' + QByteArray::number(drag);
}
} // namespace

CViewDrag::CViewDrag(CDragDrop& drag, QObject* parent) : QObject(parent), m_drag(drag) {}

std::unique_ptr<QMimeData> CViewDrag::MakeMimeData() const {
    auto data = std::make_unique<QMimeData>();
    data->setData(QString::fromLatin1(MIME_TYPE), Identity(m_nDrag));
    return data;
}

bool CViewDrag::Accepts(const QMimeData* data) const {
    return data && m_drag.IsDragging() &&
           data->data(QString::fromLatin1(MIME_TYPE)) == Identity(m_nDrag);
}

void CViewDrag::Exec(QWidget* source) {
    if (!m_drag.IsDragging())
        return;
    ++m_nDrag;
    // Qt parents the drag to its source and deletes it when the drag is over.
    auto* drag = new QDrag(source);
    drag->setMimeData(MakeMimeData().release());
    drag->setPixmap(Picture(m_drag.GetPicture()));
    drag->setHotSpot(HotSpot(m_drag.GetPicture()));
    m_bInPlatformDrag = true;
    if (m_platformDrag)
        m_platformDrag(*drag);
    else
        drag->exec(Qt::MoveAction);
    m_bInPlatformDrag = false;
    m_drag.Cancel();
    ScheduleDrop();
}

bool CViewDrag::Track(HTREEITEM item) {
    return m_drag.Track(item);
}

bool CViewDrag::TakeDrop() {
    m_pending = m_drag.EndAtTarget();
    if (!m_pending)
        return false;
    // The platform is still inside its drag; a question opened here could hang it.
    if (!m_bInPlatformDrag)
        ScheduleDrop();
    return true;
}

void CViewDrag::ScheduleDrop() {
    if (m_pending)
        QTimer::singleShot(0, this, &CViewDrag::RunDrop);
}

void CViewDrag::RunDrop() {
    if (!m_pending)
        return;
    const CPendingDrop drop = std::move(*m_pending);
    m_pending.reset();
    m_drag.Drop(drop);
    emit dropFinished();
}

QPixmap CViewDrag::Picture(EDragPicture picture) {
    switch (picture) {
    case EDragPicture::OnePerson:
        return CViewIcons::DragPicture(1).pixmap(DRAG_PICTURE_SIZE);
    case EDragPicture::TwoPersons:
        return CViewIcons::DragPicture(2).pixmap(DRAG_PICTURE_SIZE);
    case EDragPicture::ManyPersons:
        return CViewIcons::DragPicture(3).pixmap(DRAG_PICTURE_SIZE);
    case EDragPicture::Person:
        return CViewIcons::TreeImage(ETreeImage::Person).pixmap(TREE_PICTURE_SIZE);
    case EDragPicture::Group:
        return CViewIcons::TreeImage(ETreeImage::Group).pixmap(TREE_PICTURE_SIZE);
    case EDragPicture::None:
        break;
    }
    return {};
}

QPoint CViewDrag::HotSpot(EDragPicture picture) {
    // Rows hang from the pointer's tip; a tree item's picture sits below and right of it.
    switch (picture) {
    case EDragPicture::Person:
    case EDragPicture::Group:
        return {-9, -9};
    default:
        return {0, -1};
    }
}
