#include "gui/sync/CQtHttpClient.h"

#include "core/text/CSharedTexts.h"
#include "core/text/CTextFormat.h"
#include "gui/dialogs/CDialogTexts.h"

#include <QAuthenticator>
#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <memory>

namespace {
ENetworkError NetworkError(QNetworkReply::NetworkError error) {
    switch (error) {
    case QNetworkReply::HostNotFoundError:
        return ENetworkError::HostNotFound;
    case QNetworkReply::ConnectionRefusedError:
        return ENetworkError::Refused;
    case QNetworkReply::TimeoutError:
        return ENetworkError::TimedOut;
    case QNetworkReply::SslHandshakeFailedError:
        return ENetworkError::Certificate;
    case QNetworkReply::OperationCanceledError:
        return ENetworkError::Cancelled;
    default:
        return ENetworkError::Other;
    }
}
constexpr int PROGRESS_DELAY = 500;
} // namespace

CQtHttpClient::CQtHttpClient(QWidget* window, QString user, QString password,
                             CTransferLimits limits)
    : m_strUser(std::move(user)), m_strPassword(std::move(password)), m_pWindow(window),
      m_limits(limits) {
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

namespace {
// What one transfer has moved, at the last tick and at the last mark of the speed floor.
struct CMoved {
    qint64 received = 0;
    qint64 sent = 0;
    qint64 markBytes = 0;
    long seconds = 0;
    long markSeconds = 0;
};

struct CLaterDeleter {
    void operator()(QNetworkReply* reply) const { reply->deleteLater(); }
};
} // namespace

// Watches one reply against the limits: ends it once its body passes the size, or once it
// stays under the speed floor for the floor's time.
void CQtHttpClient::Watch(QNetworkReply& reply, QTimer& ticks, std::size_t maxBytes,
                          EHttpFailure& failure) const {
    const auto moved = std::make_shared<CMoved>();
    const auto stop = [&reply, &failure](EHttpFailure why) {
        if (failure != EHttpFailure::None)
            return;
        failure = why;
        reply.abort();
    };
    QObject::connect(&reply, &QNetworkReply::downloadProgress, &reply,
                     [moved, stop, maxBytes](qint64 received, qint64 total) {
                         moved->received = received;
                         if (static_cast<std::size_t>(std::max(received, total)) > maxBytes)
                             stop(EHttpFailure::TooLarge);
                     });
    QObject::connect(&reply, &QNetworkReply::uploadProgress, &reply,
                     [moved](qint64 sent, qint64) { moved->sent = sent; });
    const CTransferLimits limits = m_limits;
    QObject::connect(&ticks, &QTimer::timeout, &reply, [moved, stop, limits] {
        ++moved->seconds;
        if (moved->seconds - moved->markSeconds < limits.floorSeconds)
            return;
        const qint64 bytes = moved->received + moved->sent;
        if (bytes - moved->markBytes < limits.floorBytesPerSecond * limits.floorSeconds) {
            stop(EHttpFailure::TooSlow);
            return;
        }
        moved->markBytes = bytes;
        moved->markSeconds = moved->seconds;
    });
    ticks.start(std::chrono::seconds(1));
}

CHttpResponse CQtHttpClient::Send(const CHttpRequest& request) {
    Progress();
    QNetworkRequest qrequest(QUrl(QString::fromStdString(request.url)));
    for (const auto& [name, value] : request.headers)
        qrequest.setRawHeader(QByteArray::fromStdString(name), QByteArray::fromStdString(value));
    // The session follows redirects itself, after checking where they lead.
    qrequest.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                          QNetworkRequest::ManualRedirectPolicy);
    const std::unique_ptr<QNetworkReply, CLaterDeleter> reply(
        m_manager.sendCustomRequest(qrequest, QByteArray::fromStdString(request.method),
                                    QByteArray::fromStdString(request.body)));
    EHttpFailure failure = EHttpFailure::None;
    QTimer ticks;
    Watch(*reply, ticks, m_limits.MaxBytes(request.size), failure);
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (failure != EHttpFailure::None)
        return CHttpResponse::Abandoned(failure, request, m_limits);
    CHttpResponse response;
    response.url = request.url;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid()) {
        response.status = status.toInt();
        for (const auto& [name, value] : reply->rawHeaderPairs())
            response.headers.emplace_back(name.toStdString(), value.toStdString());
        response.body = reply->readAll().toStdString();
    } else {
        response.failure = EHttpFailure::Network;
        response.network = NetworkError(reply->error());
        response.error = reply->errorString().toStdString();
    }
    return response;
}
