#include "gui/views/CViewKeys.h"

#include "core/ui/CommandIds.h"

#include <QKeyEvent>

bool CViewKeys::IsPaneSwitch(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) &&
           !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

int CViewKeys::CommandOf(const QKeyEvent& key) {
    const Qt::KeyboardModifiers others = key.modifiers() & ~Qt::KeypadModifier;
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return (others & ~Qt::ShiftModifier) ? 0 : ID_MODIFY;
    case Qt::Key_Delete:
        // Shift+Delete is the cut accelerator.
        return others ? 0 : ID_DELETE;
    default:
        return 0;
    }
}

bool CViewKeys::IsSwallowedCharacter(const QKeyEvent& key) {
    const QString text = key.text();
    return text == QLatin1String("\t") || text == QLatin1String("\n") ||
           text == QLatin1String("\r");
}

EViewKeyEvent CViewKeys::Filter(QEvent& event) {
    if (event.type() == QEvent::ShortcutOverride && IsOwnKey(static_cast<QKeyEvent&>(event))) {
        event.accept();
        return EViewKeyEvent::Consumed;
    }
    if (event.type() == QEvent::KeyPress && IsPaneSwitch(static_cast<QKeyEvent&>(event)))
        return EViewKeyEvent::SwitchPane;
    return EViewKeyEvent::PassOn;
}
