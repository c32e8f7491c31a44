#pragma once

#include "core/views/CDragDrop.h"
#include "core/views/CTreeControl.h"

#include <QObject>
#include <QPixmap>
#include <QPoint>

#include <functional>
#include <memory>

class QDrag;
class QMimeData;
class QWidget;

// Carries core's drag through Qt's own drag machinery: a private MIME type that only this
// process and only the drag in progress answer to, the picture with its hot spot, and the drop,
// whose questions and command run after the platform's drag has returned.
class CViewDrag : public QObject {
    Q_OBJECT

public:
    static const char* const MIME_TYPE;

    explicit CViewDrag(CDragDrop& drag, QObject* parent = nullptr);

    CDragDrop& GetCore() const { return m_drag; }
    // Runs the platform's drag of what core began to drag from `source`; a release anywhere
    // but on the tree ends core's drag with no change.
    void Exec(QWidget* source);
    // What a drag from here carries: the process and the drag's number, nothing of the records.
    std::unique_ptr<QMimeData> MakeMimeData() const;
    // Whether the data belongs to the drag this process has in progress.
    bool Accepts(const QMimeData* data) const;
    // The pointer is on `item` over the tree; returns whether a target is highlighted.
    bool Track(HTREEITEM item);
    // The button went up on the tree: core's drag ends now, the drop runs once the platform's
    // drag has returned. Returns whether a drop was queued.
    bool TakeDrop();

    // Runs the platform's drag until the button is released; tests stand in for the platform.
    void SetPlatformDrag(std::function<void(QDrag&)> run) { m_platformDrag = std::move(run); }

    static QPixmap Picture(EDragPicture picture);
    static QPoint HotSpot(EDragPicture picture);

signals:
    // A queued drop has run (whatever the answers were).
    void dropFinished();

private:
    // Runs after the platform's drag: when the drag started here, once its loop has returned,
    // else on the next turn of the event loop.
    void ScheduleDrop();
    void RunDrop();

    CDragDrop& m_drag;
    std::optional<CPendingDrop> m_pending;
    bool m_bInPlatformDrag = false;
    std::function<void(QDrag&)> m_platformDrag;
    // Numbers the drags, so that data left from an earlier drag is not taken.
    quint64 m_nDrag = 0;
};
