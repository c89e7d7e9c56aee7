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

    explicit LocalHttpServer(Responder respond) : m_respond(std::move(respond))
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            // Accepted sockets are children of the server and end with it.
            while (QTcpSocket *socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onData(socket); });
            }
        });
        listen(QHostAddress::LocalHost, 0);
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

inline QByteArray answerWithStatus(int status, const QByteArray &headers = QByteArray(),
                                   const QByteArray &body = QByteArrayLiteral("<html>ok</html>"))
{
    return "HTTP/1.0 " + QByteArray::number(status) + " Status\r\n" + headers
           + "Content-Type: text/html\r\n\r\n" + body;
}
