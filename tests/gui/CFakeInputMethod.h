#pragma once

#include "gui/views/CListEdit.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QPointer>

#include <utility>

// When an input method confirms a conversion: when the program asks it to commit (as some do),
// only when it is reset and whenever the focus moves (as others do), or never.
enum class EConfirms { Never, OnCommit, OnResetAndFocusMove };

// Stands in for the desktop's input method: composes into an object and confirms, into the
// object that has the focus then, as `confirms` says.
class CFakeInputMethod {
public:
    CFakeInputMethod(CListEdit& edit, EConfirms confirms) : m_confirms(confirms) {
        edit.SetInputMethodCalls({[this] { Asked(EConfirms::OnCommit); },
                                  [this] {
                                      Asked(EConfirms::OnResetAndFocusMove);
                                  }});
        QObject::connect(qGuiApp, &QGuiApplication::focusObjectChanged, &m_context, [this] {
            if (m_confirms == EConfirms::OnResetAndFocusMove)
                Confirm(m_target);
            m_target = QGuiApplication::focusObject();
        });
    }

    void Compose(QObject* target, const QString& text) {
        m_target = target;
        m_pending = text;
        QInputMethodEvent composing(text, {});
        QCoreApplication::sendEvent(target, &composing);
    }

private:
    void Asked(EConfirms how) {
        if (m_confirms == how)
            Confirm(QGuiApplication::focusObject());
        if (how == EConfirms::OnResetAndFocusMove)
            m_pending.clear();
    }
    void Confirm(QObject* target) {
        if (m_pending.isEmpty() || !target)
            return;
        QInputMethodEvent confirmed;
        confirmed.setCommitString(std::exchange(m_pending, QString()));
        QCoreApplication::sendEvent(target, &confirmed);
    }

    EConfirms m_confirms;
    QString m_pending;
    QPointer<QObject> m_target;
    QObject m_context;
};
