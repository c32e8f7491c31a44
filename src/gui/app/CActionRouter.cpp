#include "gui/app/CActionRouter.h"

#include "core/ui/CCommandRouter.h"
#include "core/ui/CCommandTexts.h"
#include "core/ui/CMenuLayout.h"
#include "gui/app/CAppIcons.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

namespace {
constexpr const char* ID_PROPERTY = "tarnvaleCommandId";

// The menu caption without the mnemonic and the shortcut, for a tooltip that has none.
QString PlainCaption(QString caption) {
    caption = caption.section(QLatin1Char('\t'), 0, 0);
    return caption.remove(QLatin1Char('&'));
}
} // namespace

CActionRouter::CActionRouter(const CCommandRouter& router, QObject* parent)
    : QObject(parent), m_router(router) {}

QAction* CActionRouter::MakeAction(int id, QObject* parent) {
    auto* action = new QAction(parent);
    action->setProperty(ID_PROPERTY, id);
    if (const CCommandText* text = CCommandTexts::Find(id)) {
        action->setText(QString::fromUtf8(text->m_caption));
        action->setStatusTip(QString::fromUtf8(text->m_prompt));
        action->setToolTip(text->m_tooltip.empty() ? PlainCaption(action->text())
                                                   : QString::fromUtf8(text->m_tooltip));
    }
    action->setIcon(CAppIcons::ForCommand(id));
    connect(action, &QAction::triggered, this, [this, id] { Dispatch(id); });
    return action;
}

QAction* CActionRouter::GetAction(int id) {
    const auto found = m_actions.find(id);
    if (found != m_actions.end())
        return found->second;
    QAction* action = MakeAction(id, this);
    m_actions.emplace(id, action);
    return action;
}

QAction* CActionRouter::MakeCopy(int id, QObject* parent) {
    QAction* copy = MakeAction(id, parent);
    copy->setIconVisibleInMenu(GetAction(id)->isIconVisibleInMenu());
    return copy;
}

void CActionRouter::InstallAccelerators(QWidget& window) {
    for (const CAccelerator& accelerator : CMenuLayout::GetAccelerators()) {
        auto* key = new QAction(&window);
        key->setProperty(ID_PROPERTY, accelerator.m_nId);
        key->setShortcut(QKeySequence(QString::fromUtf8(accelerator.m_keys)));
        key->setShortcutContext(Qt::WindowShortcut);
        const int id = accelerator.m_nId;
        connect(key, &QAction::triggered, this, [this, id] { Dispatch(id); });
        window.addAction(key);
    }
}

void CActionRouter::UpdateActions(const QList<QAction*>& actions, bool fromToolbar) const {
    for (QAction* action : actions) {
        const int id = GetId(action);
        if (id == 0)
            continue;
        const CCmdUI ui = m_router.Update(id, fromToolbar);
        action->setEnabled(ui.IsEnabled());
        // Like the menus this program comes from, an entry shows a mark only while it is on;
        // an unchecked one shows no empty box.
        action->setCheckable(ui.IsChecked());
        action->setChecked(ui.IsChecked());
        if (ui.GetText()) {
            const QString text = QString::fromUtf8(*ui.GetText());
            action->setText(text);
            // An entry whose rule gives it no caption is not in use (a free recent-file slot).
            action->setVisible(!text.isEmpty());
        }
    }
}

bool CActionRouter::Dispatch(int id) {
    if (!m_router.Dispatch(id))
        return false;
    emit dispatched(id);
    return true;
}

int CActionRouter::GetId(const QAction* action) {
    return action ? action->property(ID_PROPERTY).toInt() : 0;
}
