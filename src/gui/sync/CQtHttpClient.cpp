#include "gui/sync/CQtHttpClient.h"

#include "core/text/CSharedTexts.h"
#include "core/text/CTextFormat.h"
#include "gui/dialogs/CDialogTexts.h"

#include <QAuthenticator>
#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {
constexpr int STALL_MILLISECONDS = 60000; // no byte for this long ends a request
constexpr int PROGRESS_DELAY = 500;
} // namespace

CQtHttpClient::CQtHttpClient(QWidget* window, QString user, QString password)
    : m_strUser(std::move(user)), m_strPassword(std::move(password)), m_pWindow(window) {
    // The credentials are given once per request; a server that refuses them gets no second
    // try, and the request ends with its 401.
    QObject::connect(&m_manager, &QNetworkAccessManager::authenticationRequired,
                     [this](QNetworkReply* reply, QAuthenticator* authenticator) {
                         if (reply->property("tarnvale-auth").toBool())
                             return;
                         reply->setProperty("tarnvale-auth", true);
                         authenticator->setUser(m_strUser);
                         authenticator->setPassword(m_strPassword);
                     });
}

CQtHttpClient::~CQtHttpClient() = default;

void CQtHttpClient::Progress() {
    ++m_nRequests;
    if (!m_progress) {
        m_progress = std::make_unique<QProgressDialog>(QString(), QString(), 0, 0, m_pWindow);
        m_progress->setWindowTitle(QString::fromUtf8(CSharedTexts::SYNC));
        m_progress->setWindowModality(Qt::WindowModal);
        m_progress->setMinimumDuration(PROGRESS_DELAY);
        m_progress->setCancelButton(nullptr);
    }
    m_progress->setLabelText(QString::fromUtf8(
        CTextFormat::Format(CDialogTexts::SYNC_PROGRESS, {std::to_string(m_nRequests)})));
    m_progress->setValue(0);
}

CHttpResponse CQtHttpClient::Send(const CHttpRequest& request) {
    Progress();
    QNetworkRequest qrequest(QUrl(QString::fromStdString(request.url)));
    for (const auto& [name, value] : request.headers)
        qrequest.setRawHeader(QByteArray::fromStdString(name), QByteArray::fromStdString(value));
    qrequest.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                          QNetworkRequest::NoLessSafeRedirectPolicy);
    qrequest.setTransferTimeout(STALL_MILLISECONDS);
    QNetworkReply* reply =
        m_manager.sendCustomRequest(qrequest, QByteArray::fromStdString(request.method),
                                    QByteArray::fromStdString(request.body));
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    CHttpResponse response;
    response.url = reply->url().toString().toStdString();
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid()) {
        response.status = status.toInt();
        for (const auto& [name, value] : reply->rawHeaderPairs())
            response.headers.emplace_back(name.toStdString(), value.toStdString());
        response.body = reply->readAll().toStdString();
    } else {
        response.error = reply->errorString().toStdString();
    }
    reply->deleteLater();
    return response;
}
