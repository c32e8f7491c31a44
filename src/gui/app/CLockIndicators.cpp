#include "app/CLockIndicators.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

#include <algorithm>

namespace {
constexpr int REFRESH_MS = 500;
constexpr int PADDING = 12;
// In ELockKey order.
constexpr std::array<const char*, 4> TEXTS = {"ｶﾅ", "CAP", "NUM", "SCRL"};
} // namespace

CLockIndicators::CLockIndicators(CKeyboardLocks locks, QWidget* parent)
    : QWidget(parent), m_locks(std::move(locks)), m_timer(new QTimer(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (std::size_t key = 0; key < KEY_COUNT; ++key) {
        auto* label = new QLabel(QString::fromUtf8(TEXTS[key]), this);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        const QFontMetrics metrics = label->fontMetrics();
        label->setMinimumWidth(std::max(metrics.horizontalAdvance(label->text()),
                                        metrics.horizontalAdvance(QStringLiteral("SCRL"))) +
                               PADDING);
        row->addWidget(label);
        m_labels[key] = label;
    }
    Refresh();
    connect(m_timer, &QTimer::timeout, this, &CLockIndicators::Refresh);
    const bool anyKnown = m_locks.IsKnown(ELockKey::Kana) || m_locks.IsKnown(ELockKey::Caps) ||
                          m_locks.IsKnown(ELockKey::Num) || m_locks.IsKnown(ELockKey::Scroll);
    if (anyKnown)
        m_timer->start(REFRESH_MS);
}

void CLockIndicators::Refresh() {
    for (std::size_t key = 0; key < KEY_COUNT; ++key)
        m_labels[key]->setEnabled(m_locks.IsOn(static_cast<ELockKey>(key)).value_or(false));
}

bool CLockIndicators::IsLit(ELockKey key) const {
    return m_labels[static_cast<std::size_t>(key)]->isEnabled();
}
