#include "HttpClient.h"

#include <QEventLoop>
#include <QHostInfo>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>

using HttpMessages::AnswerReader;

namespace
{
constexpr quint16 kHttpPort = 80;
} // namespace

HttpClient::HttpClient(QObject *parent) : QObject(parent), m_deadline(new QTimer(this))
{
    m_deadline->setSingleShot(true);
    // A coarse timer may fire a little early; the limit is meant as stated.
    m_deadline->setTimerType(Qt::PreciseTimer);
    connect(m_deadline, &QTimer::timeout, this,
            [this] { finish(false, QStringLiteral("Time limit reached")); });
}

HttpClient::~HttpClient()
{
    finish(false, QStringLiteral("Client destroyed"));
}

QByteArray HttpClient::requestBytes(const QString &hostHeader, const QString &pathAndQuery,
                                    const QByteArray &cookie)
{
    return HttpMessages::requestBytes(hostHeader, pathAndQuery, cookie);
}

QByteArray HttpClient::cookiePair(const QByteArray &setCookieValue)
{
    return HttpMessages::cookiePair(setCookieValue);
}

bool HttpClient::get(const QString &host, quint16 port, const QString &path)
{
    if (m_running)
        return false;
    m_running = true;
    m_ok = false;
    m_error.clear();
    m_answer = AnswerReader();
    m_redirects = 0;
    m_cookies.clear();
    m_deadline->start(m_limits.totalMilliseconds);

    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(host);
    url.setPort(port);
    const int query = path.indexOf(u'?');
    url.setPath(query < 0 ? path : path.left(query));
    if (query >= 0)
        url.setQuery(path.mid(query + 1));
    if (!url.isValid() || url.host().isEmpty()) {
        finish(false, QStringLiteral("Invalid address"));
        return false;
    }
    startRequest(url);

    if (m_running) {
        QEventLoop loop;
        m_loop = &loop;
        loop.exec();
    }
    // The loop can also end because the application is quitting.
    if (m_running)
        finish(false, QStringLiteral("Interrupted"));
    return m_ok;
}

void HttpClient::close()
{
    dropSocket();
}

void HttpClient::startRequest(QUrl url)
{
    dropSocket();
    m_url = url;
    m_answer = AnswerReader(url, m_limits.maxHeadBytes);

    const QString host = url.host();
    QHostAddress literal;
    if (literal.setAddress(host)) {
        connectToAddresses({literal});
        return;
    }
    if (m_resolver) {
        const QList<QHostAddress> addresses = m_resolver(host);
        if (addresses.isEmpty())
            finish(false, QStringLiteral("Host name not found"));
        else
            connectToAddresses(addresses);
        return;
    }
    m_lookupId = QHostInfo::lookupHost(host, this, [this](const QHostInfo &info) {
        m_lookupId = -1;
        if (!m_running)
            return;
        if (info.error() != QHostInfo::NoError || info.addresses().isEmpty())
            finish(false, info.errorString());
        else
            connectToAddresses(info.addresses());
    });
}

void HttpClient::connectToAddresses(const QList<QHostAddress> &addresses)
{
    m_addresses = addresses;
    const QHostAddress address = m_addresses.takeFirst();
    m_socket = new QTcpSocket(this);
    m_socket->setProxy(QNetworkProxy::NoProxy);
    connect(m_socket, &QTcpSocket::connected, this, &HttpClient::onConnected);
    connect(m_socket, &QTcpSocket::readyRead, this, &HttpClient::onReadyRead);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &HttpClient::onSocketError);
    connect(m_socket, &QTcpSocket::disconnected, this, &HttpClient::onSocketError);
    m_socket->connectToHost(address, quint16(m_url.port(kHttpPort)));
}

void HttpClient::onConnected()
{
    m_socket->write(HttpMessages::requestBytes(HttpMessages::hostHeaderOf(m_url),
                                               HttpMessages::pathAndQueryOf(m_url),
                                               HttpMessages::cookieHeaderValue(m_cookies)));
}

void HttpClient::onReadyRead()
{
    while (m_running && m_socket && m_socket->bytesAvailable() > 0) {
        const AnswerReader::State state = m_answer.feed(m_socket->read(64 * 1024));
        if (state == AnswerReader::State::HeadTooLong) {
            finish(false, QStringLiteral("Answer head too long"));
            return;
        }
        // Nobody reads the body: past the limit the answer counts as complete.
        if (state == AnswerReader::State::Body && m_answer.bodyBytes() >= m_limits.maxBodyBytes) {
            answerComplete();
            return;
        }
    }
}

void HttpClient::onSocketError()
{
    auto *socket = qobject_cast<QTcpSocket *>(sender());
    if (!m_running || !socket || socket != m_socket)
        return;
    const bool closedByServer = socket->state() != QAbstractSocket::ConnectingState &&
                                socket->state() != QAbstractSocket::HostLookupState &&
                                (socket->error() == QAbstractSocket::RemoteHostClosedError ||
                                 socket->error() == QAbstractSocket::UnknownSocketError);
    if (closedByServer) {
        // HTTP/1.0: the server ends its answer by closing the connection.
        onReadyRead();
        if (!m_running || socket != m_socket)
            return;
        if (m_answer.closeCompletesAnswer())
            answerComplete();
        else
            finish(false, m_answer.nothingReceived()
                              ? QStringLiteral("Connection closed without an answer")
                              : QStringLiteral("Connection closed inside the answer head"));
        return;
    }
    if (socket->state() != QAbstractSocket::ConnectedState && !m_addresses.isEmpty()) {
        // Not connected yet: the host may be reachable at one of its other addresses.
        const QList<QHostAddress> remaining = m_addresses;
        dropSocket();
        connectToAddresses(remaining);
        return;
    }
    finish(false, socket->errorString());
}

void HttpClient::answerComplete()
{
    dropSocket();
    for (const QByteArray &pair : m_answer.cookies())
        HttpMessages::keepCookie(m_cookies, pair);
    const QUrl location = m_answer.location();
    if (!m_answer.hasHead() || !HttpMessages::isRedirect(m_answer.status()) || !location.isValid()) {
        finish(true);
        return;
    }
    if (m_redirects >= m_limits.maxRedirects) {
        finish(false, QStringLiteral("Too many redirects"));
        return;
    }
    if (!HttpMessages::isFollowable(location)) {
        // Only plain HTTP can be followed; the server did answer, so the ping is done.
        finish(true);
        return;
    }
    ++m_redirects;
    startRequest(location);
}

void HttpClient::finish(bool ok, const QString &error)
{
    if (!m_running)
        return;
    m_running = false;
    m_ok = ok;
    m_error = error;
    m_deadline->stop();
    if (m_lookupId != -1) {
        QHostInfo::abortHostLookup(m_lookupId);
        m_lookupId = -1;
    }
    dropSocket();
    if (m_loop)
        m_loop->quit();
}

void HttpClient::dropSocket()
{
    m_addresses.clear();
    if (!m_socket)
        return;
    QTcpSocket *socket = m_socket;
    m_socket = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}
