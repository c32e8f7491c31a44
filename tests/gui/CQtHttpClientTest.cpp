#include "gui/sync/CQtHttpClient.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {
// A one-thread HTTP server for the client's local event loop: /old redirects to /book, which
// wants Basic authentication as alice:secret and then answers with an ETag.
class CScriptedHttpServer {
public:
    CScriptedHttpServer() {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] { Read(socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    std::string Url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(m_server.serverPort()) + path;
    }

    std::vector<std::string> m_requests; // request lines

private:
    void Read(QTcpSocket* socket) {
        QByteArray& buffer = m_buffers[socket];
        buffer += socket->readAll();
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QByteArray head = buffer.left(end);
        buffer.clear();
        const QByteArray line = head.left(head.indexOf("\r\n"));
        m_requests.push_back(line.toStdString());
        const bool authorized =
            head.contains("Authorization: Basic " + QByteArray("alice:secret").toBase64());
        QByteArray answer;
        if (line.contains(" /old "))
            answer = "HTTP/1.1 301 Moved\r\nLocation: /book\r\nContent-Length: 0\r\n";
        else if (!authorized)
            answer = "HTTP/1.1 401 No\r\nWWW-Authenticate: Basic realm=\"t\"\r\n"
                     "Content-Length: 0\r\n";
        else
            answer = "HTTP/1.1 200 OK\r\nETag: \"e1\"\r\nContent-Length: 2\r\n";
        answer += "Connection: close\r\n\r\n";
        if (answer.startsWith("HTTP/1.1 200"))
            answer += "hi";
        socket->write(answer);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    std::map<QTcpSocket*, QByteArray> m_buffers;
};

TEST(CQtHttpClientTest, FollowsARedirectAndAuthenticates) {
    CScriptedHttpServer server;
    CQtHttpClient client(nullptr, "alice", "secret");
    const CHttpResponse response = client.Send({"GET", server.Url("/old"), {}, {}});
    EXPECT_EQ(200, response.status) << response.error;
    EXPECT_EQ("hi", response.body);
    EXPECT_EQ("\"e1\"", response.Header("etag"));
    EXPECT_EQ(server.Url("/book"), response.url);
}

TEST(CQtHttpClientTest, AWrongPasswordIsTriedOnceAndGivesTheRefusal) {
    CScriptedHttpServer server;
    CQtHttpClient client(nullptr, "alice", "wrong");
    const CHttpResponse response = client.Send({"PUT", server.Url("/book"), {}, "card"});
    EXPECT_EQ(401, response.status);
    EXPECT_LE(server.m_requests.size(), 2u);
}

TEST(CQtHttpClientTest, NoServerIsStatusZeroWithAReason) {
    std::string url;
    {
        CScriptedHttpServer gone;
        url = gone.Url("/book");
    }
    CQtHttpClient client(nullptr, {}, {});
    const CHttpResponse response = client.Send({"PROPFIND", url, {{"Depth", "0"}}, {}});
    EXPECT_EQ(0, response.status);
    EXPECT_FALSE(response.error.empty());
}
} // namespace
