#pragma once

#include "core/ui/CMailDialogs.h"

#include <QPointer>
#include <QWidget>

// Runs the recent-address dialog and the option sheet modally over the main window, or over
// the dialog that opened them.
class CQtMailDialogs : public CMailDialogs {
public:
    explicit CQtMailDialogs(QWidget* window) : m_pWindow(window) {}

    std::optional<std::size_t>
    RunCopiedAddressDialog(const std::vector<std::string>& recent) override;
    bool RunOptionSheet(COptionSheetModel& model) override;

private:
    QWidget* Parent() const;

    QPointer<QWidget> m_pWindow;
};
