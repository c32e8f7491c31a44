#pragma once

#include <QList>
#include <QObject>

#include <map>

class CCommandRouter;
class QAction;
class QMenu;
class QWidget;

// Qt's side of command routing: one action per command id for menus and the toolbar, whose
// state the update rules set, and always-enabled accelerator actions for the keys. Every
// trigger goes through the core router, which asks the update rule once more, so a command that
// is disabled never runs, however stale a button's look.
class CActionRouter : public QObject {
    Q_OBJECT

public:
    CActionRouter(const CCommandRouter& router, QObject* parent);

    // Made on first use with the command's caption, prompt, tooltip and picture.
    QAction* GetAction(int id);
    // The key actions of the accelerator table, added to `window` so they work everywhere in it.
    void InstallAccelerators(QWidget& window);

    // Applies the update rules to those actions that carry a command id.
    void UpdateActions(const QList<QAction*>& actions, bool fromToolbar) const;
    bool Dispatch(int id);

    // The id an action stands for; 0 for actions that are not commands (sub-menus).
    static int GetId(const QAction* action);
    // A fresh action that looks like the command's, for menus that must not share state.
    QAction* MakeCopy(int id, QObject* parent);

signals:
    // A command ran; states may have changed.
    void dispatched(int id);

private:
    QAction* MakeAction(int id, QObject* parent);

    const CCommandRouter& m_router;
    std::map<int, QAction*> m_actions;
};
