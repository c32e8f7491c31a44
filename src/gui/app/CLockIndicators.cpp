#include "gui/app/CLockIndicators.h"

#include "gui/app/CAppTexts.h"

#include <QLabel>
#include <QTimer>

#include <algorithm>

namespace {
constexpr int REFRESH_MS = 500;
constexpr int PADDING = 12;
constexpr int SPACING = 2;
// In ELockKey order.
constexpr std::array<const char*, 4> TEXTS = {CAppTexts::LOCK_KANA, CAppTexts::LOCK_CAPS,
                                              CAppTexts::LOCK_NUM, CAppTexts::LOCK_SCROLL};
} // namespace

CLockIndicators::CLockIndicators(CKeyboardLocks locks, QWidget* parent)
    : QWidget(parent), m_locks(std::move(locks)), m_timer(new QTimer(this)) {
    for (std::size_t key = 0; key < KEY_COUNT; ++key) {
        auto* label = new QLabel(QString::fromUtf8(TEXTS[key]), this);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        const QFontMetrics metrics = label->fontMetrics();
        label->setMinimumWidth(std::max(metrics.horizontalAdvance(label->text()),
                                        metrics.horizontalAdvance(QStringLiteral("SCRL"))) +
                               PADDING);
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

QSize CLockIndicators::sizeHint() const {
    int width = 0;
    int height = 0;
    for (const QLabel* label : m_labels) {
        width += label->minimumWidth() + (width > 0 ? SPACING : 0);
        height = std::max(height, label->sizeHint().height());
    }
    return {width, height};
}

QSize CLockIndicators::minimumSizeHint() const {
    return {0, sizeHint().height()};
}

void CLockIndicators::resizeEvent(QResizeEvent* /*event*/) {
    PlacePanes();
}

// Right to left from the bar's edge; a pane that does not fit whole is hidden with all left of it.
void CLockIndicators::PlacePanes() {
    int right = width();
    bool fits = true;
    for (auto label = m_labels.rbegin(); label != m_labels.rend(); ++label) {
        const int paneWidth = (*label)->minimumWidth();
        fits = fits && paneWidth <= right;
        (*label)->setVisible(fits);
        if (!fits)
            continue;
        (*label)->setGeometry(right - paneWidth, 0, paneWidth, height());
        right -= paneWidth + SPACING;
    }
}
