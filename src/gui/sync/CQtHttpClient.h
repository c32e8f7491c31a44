#pragma once

#include "core/sync/CHttpClient.h"

#include <QNetworkAccessManager>
#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <QWidget>

#include <memory>

// HTTP for the window's sync through Qt Network, each request waited for in a local event loop
// so that the engine stays the same as on the command line. HTTPS with the system's
// certificates, Basic or Digest as the server asks, redirects to no less safe places, and a
// timeout for a stalled transfer. A progress dialog counts the requests once a sync takes a
// while.
class CQtHttpClient : public CHttpClient {
public:
    CQtHttpClient(QWidget* window, QString user, QString password);
    ~CQtHttpClient() override;

    CHttpResponse Send(const CHttpRequest& request) override;

private:
    void Progress();

    QNetworkAccessManager m_manager;
    QString m_strUser;
    QString m_strPassword;
    QPointer<QWidget> m_pWindow;
    std::unique_ptr<QProgressDialog> m_progress;
    int m_nRequests = 0;
};
