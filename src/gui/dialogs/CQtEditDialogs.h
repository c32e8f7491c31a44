#pragma once

#include "core/ui/CEditDialogs.h"

#include <QPointer>
#include <QWidget>

#include <functional>

// Runs the Qt editing dialogs modally over the main window, or over the dialog that opened
// them. The person dialog's mail buttons reach the main window through the command sender.
class CQtEditDialogs : public CEditDialogs {
public:
    explicit CQtEditDialogs(QWidget* window) : m_pWindow(window) {}

    // id is 32809 or 32810, to be handled as if chosen from the main window's menu.
    void SetCommandSender(std::function<void(int)> sender) { m_sendCommand = std::move(sender); }

    bool RunPersonalDialog(CPersonalDialogModel& model) override;
    bool RunCategoryDialog(CCategoryDialogModel& model) override;
    bool RunUniteGroupDialog(CUniteGroupModel& model) override;
    bool RunDuplicateDialog(CDuplicateDialogModel& model) override;

private:
    QWidget* Parent() const;

    QPointer<QWidget> m_pWindow;
    std::function<void(int)> m_sendCommand;
};
