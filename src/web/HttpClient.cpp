#include "HttpClient.h"

#include <QEventLoop>
#include <QHostInfo>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>

namespace {
constexpr quint16 kHttpPort = 80;

QString hostHeaderOf(const QUrl &url)
{
    QString host = url.host(QUrl::FullyEncoded);
    if (host.contains(u':'))
        host = u'[' + host + u']';
    const int port = url.port(kHttpPort);
    if (port != kHttpPort)
        host += u':' + QString::number(port);
    return host;
}

QString pathAndQueryOf(const QUrl &url)
{
    QString path = url.path(QUrl::FullyEncoded);
    if (path.isEmpty())
        path = QStringLiteral("/");
    if (url.hasQuery())
        path += u'?' + url.query(QUrl::FullyEncoded);
    return path;
}

bool isRedirect(int status)
{
    return status == 300 || status == 301 || status == 302;
}
} // namespace

HttpClient::HttpClient(QObject *parent) : QObject(parent), m_deadline(new QTimer(this))
{
    m_deadline->setSingleShot(true);
    // A coarse timer may fire a little early; the limit is meant as stated.
    m_deadline->setTimerType(Qt::PreciseTimer);
    connect(m_deadline, &QTimer::timeout, this, [this] { finish(false, QStringLiteral("Time limit reached")); });
}

HttpClient::~HttpClient()
{
    finish(false, QStringLiteral("Client destroyed"));
}

QByteArray HttpClient::requestBytes(const QString &hostHeader, const QString &pathAndQuery,
                                    const QByteArray &cookie)
{
    QByteArray request;
    request += "GET " + pathAndQuery.toLatin1() + " HTTP/1.0\r\n";
    request += "Host: " + hostHeader.toLatin1() + "\r\n";
    request += "Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff\r\n";
    request += "Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript\r\n";
    if (!cookie.isEmpty())
        request += "Cookie: " + cookie + "\r\n";
    request += "Content-type: application/x-www-form-urlencoded\r\n";
    request += "\r\n";
    return request;
}

QByteArray HttpClient::cookiePair(const QByteArray &setCookieValue)
{
    const int end = setCookieValue.indexOf(';');
    return (end < 0 ? setCookieValue : setCookieValue.left(end)).trimmed();
}

bool HttpClient::get(const QString &host, quint16 port, const QString &path)
{
    if (m_running)
        return false;
    m_running = true;
    m_ok = false;
    m_error.clear();
    m_status = 0;
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
    m_head.clear();
    m_inBody = false;
    m_noHead = false;
    m_bodyBytes = 0;
    m_location = QUrl();
    m_status = 0;

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
    QByteArray cookie;
    for (const QByteArray &pair : std::as_const(m_cookies))
        cookie += (cookie.isEmpty() ? QByteArray() : QByteArrayLiteral("; ")) + pair;
    m_socket->write(requestBytes(hostHeaderOf(m_url), pathAndQueryOf(m_url), cookie));
}

void HttpClient::onReadyRead()
{
    while (m_running && m_socket && m_socket->bytesAvailable() > 0) {
        const QByteArray data = m_socket->read(64 * 1024);
        if (m_inBody) {
            m_bodyBytes += data.size();
        } else {
            m_head += data;
            if (m_head.size() >= 3 && !m_head.startsWith("HTT")) {
                // No status line: everything is body.
                m_noHead = true;
                m_inBody = true;
                m_bodyBytes = m_head.size();
                m_head.clear();
            } else {
                int end = m_head.indexOf("\r\n\r\n");
                int separator = 4;
                const int bare = m_head.indexOf("\n\n");
                if (bare >= 0 && (end < 0 || bare < end)) {
                    end = bare;
                    separator = 2;
                }
                if (end >= 0 && end <= m_limits.maxHeadBytes) {
                    m_inBody = true;
                    m_bodyBytes = m_head.size() - end - separator;
                    parseHead(m_head.left(end));
                    m_head.clear();
                } else if (end > m_limits.maxHeadBytes || m_head.size() > m_limits.maxHeadBytes) {
                    finish(false, QStringLiteral("Answer head too long"));
                    return;
                }
            }
        }
        // Nobody reads the body: past the limit the answer counts as complete.
        if (m_inBody && m_bodyBytes >= m_limits.maxBodyBytes) {
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
    const bool closedByServer = socket->state() != QAbstractSocket::ConnectingState
                                && socket->state() != QAbstractSocket::HostLookupState
                                && (socket->error() == QAbstractSocket::RemoteHostClosedError
                                    || socket->error() == QAbstractSocket::UnknownSocketError);
    if (closedByServer) {
        // HTTP/1.0: the server ends its answer by closing the connection.
        onReadyRead();
        if (!m_running || socket != m_socket)
            return;
        if (m_inBody) {
            answerComplete();
        } else if (!m_head.isEmpty() && !QByteArray("HTT").startsWith(m_head.left(3))) {
            m_noHead = true; // a short answer without a status line
            answerComplete();
        } else {
            finish(false, m_head.isEmpty() ? QStringLiteral("Connection closed without an answer")
                                            : QStringLiteral("Connection closed inside the answer head"));
        }
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
    if (m_noHead || !isRedirect(m_status) || !m_location.isValid()) {
        finish(true);
        return;
    }
    if (m_redirects >= m_limits.maxRedirects) {
        finish(false, QStringLiteral("Too many redirects"));
        return;
    }
    if (m_location.scheme() != QLatin1String("http") || m_location.host().isEmpty()) {
        // Only plain HTTP can be followed; the server did answer, so the ping is done.
        finish(true);
        return;
    }
    ++m_redirects;
    startRequest(m_location);
}

void HttpClient::parseHead(const QByteArray &head)
{
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> statusLine = lines.value(0).trimmed().split(' ');
    bool number = false;
    const int status = statusLine.value(1).toInt(&number);
    m_status = number ? status : 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const int colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "location") {
            m_location = m_url.resolved(QUrl::fromEncoded(value, QUrl::TolerantMode));
        } else if (name == "set-cookie") {
            const QByteArray pair = cookiePair(value);
            if (pair.isEmpty())
                continue;
            const QByteArray cookieName = pair.left(pair.indexOf('=')) + '=';
            // A cookie set again replaces its earlier value.
            m_cookies.removeIf([&](const QByteArray &c) { return c.startsWith(cookieName); });
            m_cookies.append(pair);
        }
    }
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
