#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

// A scripted HTTP server on 127.0.0.1 for the tests: it collects each request up to its
// empty line and answers with what `respond` returns. An empty answer means: keep the
// connection open and say nothing.
class LocalHttpServer : public QTcpServer {
public:
    using Responder = std::function<QByteArray(int index, const QByteArray &request)>;

    explicit LocalHttpServer(Responder respond, quint16 port = 0) : m_respond(std::move(respond))
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            // Accepted sockets are children of the server and end with it.
            while (QTcpSocket *socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onData(socket); });
            }
        });
        listen(QHostAddress::LocalHost, port);
    }

    quint16 port() const { return serverPort(); }
    QList<QByteArray> requests;

private:
    void onData(QTcpSocket *socket)
    {
        QByteArray &pending = m_pending[socket];
        pending += socket->readAll();
        const int end = pending.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QByteArray request = pending.left(end + 4);
        pending.remove(0, end + 4);
        requests.append(request);
        const QByteArray answer = m_respond(int(requests.size()) - 1, request);
        if (answer.isEmpty())
            return;
        socket->write(answer);
        socket->disconnectFromHost();
    }

    Responder m_respond;
    QHash<QTcpSocket *, QByteArray> m_pending;
};

// A hostile server: after `prefix`, it writes `block` over and over as fast as each
// connection takes it, up to `limit` bytes in all, and never closes.
class FloodServer : public QTcpServer {
public:
    FloodServer(const QByteArray &prefix, const QByteArray &block, qint64 limit = 64 << 20)
    {
        connect(this, &QTcpServer::newConnection, this, [=] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                socket->write(prefix);
                auto refill = [=] {
                    while (socket->bytesToWrite() < 4 * block.size() && written < limit)
                        written += socket->write(block);
                };
                connect(socket, &QTcpSocket::bytesWritten, socket, refill);
                refill();
            }
        });
        listen(QHostAddress::LocalHost, 0);
    }
    quint16 port() const { return serverPort(); }
    qint64 written = 0;
};

inline quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

inline QByteArray answerWithStatus(int status, const QByteArray &headers = QByteArray(),
                                   const QByteArray &body = QByteArrayLiteral("<html>ok</html>"))
{
    return "HTTP/1.0 " + QByteArray::number(status) + " Status\r\n" + headers +
           "Content-Type: text/html\r\n\r\n" + body;
}
