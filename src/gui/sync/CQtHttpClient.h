#pragma once

#include "core/sync/CHttpClient.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <memory>

// HTTP for the window's sync through Qt Network, each request waited for in a local event loop
// so that the engine stays the same as on the command line. HTTPS with the system's
// certificates, Basic or Digest as the server asks, no redirect followed (the session decides
// where one may lead), and the transfer limits the command line keeps too. A progress dialog counts
// the requests once a sync takes a while.
class CQtHttpClient : public CHttpClient {
public:
    CQtHttpClient(QWidget* window, QString user, QString password, CTransferLimits limits = {});
    ~CQtHttpClient() override;

    CHttpResponse Send(const CHttpRequest& request) override;

private:
    void Progress();
    void Watch(QNetworkReply& reply, QTimer& ticks, std::size_t maxBytes,
               EHttpFailure& failure) const;

    QNetworkAccessManager m_manager;
    QString m_strUser;
    QString m_strPassword;
    QPointer<QWidget> m_pWindow;
    std::unique_ptr<QProgressDialog> m_progress;
    int m_nRequests = 0;
    CTransferLimits m_limits;
};
