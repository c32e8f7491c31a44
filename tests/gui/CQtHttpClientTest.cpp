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
        if (line.contains(" /old ")) {
            answer = "HTTP/1.1 301 Moved\r\nLocation: /book\r\nContent-Length: 0\r\n";
        } else if (line.contains(" /big ")) {
            answer = "HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\n" + QByteArray(5000, 'x');
            socket->write(answer);
            return;
        } else if (line.contains(" /drip ")) {
            socket->write("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n0123456789");
            return; // and nothing more, the connection left open
        } else if (!authorized)
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

TEST(CQtHttpClientTest, AuthenticatesAndAnswersWithTheETag) {
    CScriptedHttpServer server;
    CQtHttpClient client(nullptr, "alice", "secret");
    const CHttpResponse response = client.Send({"GET", server.Url("/book"), {}, {}});
    EXPECT_EQ(200, response.status) << response.error;
    EXPECT_EQ("hi", response.body);
    EXPECT_EQ("\"e1\"", response.Header("etag"));
}

// Where a redirect may lead is the session's to decide, so the client hands it back.
TEST(CQtHttpClientTest, ARedirectIsHandedBackNotFollowed) {
    CScriptedHttpServer server;
    CQtHttpClient client(nullptr, "alice", "secret");
    const CHttpResponse response = client.Send({"PROPFIND", server.Url("/old"), {}, {}});
    EXPECT_EQ(301, response.status);
    EXPECT_EQ("/book", response.Header("Location"));
    EXPECT_EQ(1u, server.m_requests.size());
}

// Small limits, so that the reply passes them at once.
struct CLimitCase {
    const char* name;
    const char* path;
    EHttpFailure failure;
};

class CQtHttpClientLimitTest : public ::testing::TestWithParam<CLimitCase> {};

TEST_P(CQtHttpClientLimitTest, AbandonsTheReply) {
    CScriptedHttpServer server;
    CTransferLimits limits;
    limits.cardBytes = 1000;
    limits.floorBytesPerSecond = 1000;
    limits.floorSeconds = 1;
    CQtHttpClient client(nullptr, "alice", "secret", limits);
    const CHttpResponse response = client.Send({"GET", server.Url(GetParam().path), {}, {}});
    EXPECT_EQ(0, response.status);
    EXPECT_EQ(GetParam().failure, response.failure);
    EXPECT_NE(std::string::npos, response.error.find(GetParam().path)) << response.error;
}

const CLimitCase LIMIT_CASES[] = {
    {"TooLarge", "/big", EHttpFailure::TooLarge},
    {"TooSlow", "/drip", EHttpFailure::TooSlow},
};

INSTANTIATE_TEST_SUITE_P(Cases, CQtHttpClientLimitTest, ::testing::ValuesIn(LIMIT_CASES),
                         [](const auto& info) { return std::string(info.param.name); });

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
