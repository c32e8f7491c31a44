#pragma once

#include "core/ui/CKeyboardLocks.h"

#include <QWidget>

#include <array>

class QLabel;
class QResizeEvent;
class QTimer;

// The status bar's "ｶﾅ", "CAP", "NUM" and "SCRL" panes: lit while the lock is on, greyed while it
// is off or while the system does not tell. When the bar is too narrow the leftmost panes give
// way whole, so that those shown stay readable.
class CLockIndicators : public QWidget {
    Q_OBJECT

public:
    explicit CLockIndicators(CKeyboardLocks locks, QWidget* parent = nullptr);

    // Reads the locks again; also done on a slow timer, since a lock key may be pressed while
    // another window has the focus.
    void Refresh();
    bool IsLit(ELockKey key) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlacePanes();

    static constexpr std::size_t KEY_COUNT = 4;
    CKeyboardLocks m_locks;
    std::array<QLabel*, KEY_COUNT> m_labels{};
    QTimer* m_timer;
};
