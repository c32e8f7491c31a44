#pragma once

#include "core/ui/CSyncDialogs.h"

#include <QPointer>
#include <QWidget>

// Asks for the server, the user and the password in a small modal dialog over the main window,
// offers the address books a server's URL led to, and makes the Qt Network client.
class CQtSyncDialogs : public CSyncDialogs {
public:
    explicit CQtSyncDialogs(QWidget* window) : m_pWindow(window) {}

    bool AskServer(CSyncLogin& login) override;
    std::unique_ptr<CHttpClient> MakeClient(const CSyncLogin& login) override;
    bool ChooseCollection(const std::vector<std::string>& collections,
                          std::string& chosen) override;

private:
    QPointer<QWidget> m_pWindow;
};
