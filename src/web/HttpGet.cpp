#include "web/HttpGet.h"

#include <QHostInfo>
#include <QTcpSocket>
#include <QTimer>

using HttpMessages::AnswerReader;

namespace {
constexpr quint16 kHttpPort = 80;
// What one read takes from the socket: the head never grows far past its limit before the
// limit is seen.
constexpr qint64 kReadPieceBytes = 4 * 1024;

QTimer *singleShotTimer(QObject *parent)
{
    auto *timer = new QTimer(parent);
    timer->setSingleShot(true);
    // A coarse timer may fire a little early; the limits are meant as stated.
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}
} // namespace

HttpGet::HttpGet(QObject *parent)
    : QObject(parent), m_deadline(singleShotTimer(this)), m_connectTimer(singleShotTimer(this))
{
    connect(m_deadline, &QTimer::timeout, this,
            [this] { finish(false, QStringLiteral("Time limit reached")); });
    connect(m_connectTimer, &QTimer::timeout, this, [this] {
        m_error = QStringLiteral("Connection timed out");
        dropSocket();
        connectNext();
    });
}

HttpGet::~HttpGet()
{
    // No signal from here: whoever listens may be going as well.
    abort();
}

void HttpGet::start(const QUrl &url)
{
    abort();
    m_running = true;
    m_error.clear();
    m_answer = AnswerReader();
    m_redirects = 0;
    m_peakHeld = 0;
    m_cookies.clear();
    m_deadline->start(m_limits.totalMilliseconds);
    if (!url.isValid() || !HttpMessages::isFollowable(url)) {
        // Told from the event loop, as every other ending.
        QTimer::singleShot(0, this, [this] { finish(false, QStringLiteral("Invalid address")); });
        return;
    }
    request(url);
}

void HttpGet::abort()
{
    m_running = false;
    m_deadline->stop();
    dropSocket();
}

void HttpGet::request(const QUrl &url)
{
    dropSocket();
    m_url = url;
    m_answer = AnswerReader(url, m_limits.maxHeadBytes);
    m_answer.setKeepBody(m_keepBody);
    const QString host = url.host();
    QHostAddress literal;
    if (literal.setAddress(host)) {
        onAddressesFound({literal});
    } else if (m_resolver) {
        onAddressesFound(m_resolver(host));
    } else {
        m_lookupId = QHostInfo::lookupHost(host, this, [this](const QHostInfo &info) {
            m_lookupId = -1;
            onAddressesFound(info.error() == QHostInfo::NoError ? info.addresses() : QList<QHostAddress>());
        });
    }
}

void HttpGet::onAddressesFound(const QList<QHostAddress> &addresses)
{
    if (!m_running)
        return;
    if (addresses.isEmpty()) {
        QTimer::singleShot(0, this, [this] { finish(false, QStringLiteral("Host name not found")); });
        return;
    }
    m_addresses = addresses;
    m_error = QStringLiteral("Connection refused");
    connectNext();
}

void HttpGet::connectNext()
{
    if (!m_running)
        return;
    if (m_addresses.isEmpty()) {
        finish(false, m_error);
        return;
    }
    m_socket = new QTcpSocket(this);
    m_socket->setReadBufferSize(kReadBufferBytes);
    connect(m_socket, &QTcpSocket::connected, this, &HttpGet::onConnected);
    connect(m_socket, &QTcpSocket::readyRead, this, &HttpGet::onReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, &HttpGet::onDisconnected);
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (error == QAbstractSocket::RemoteHostClosedError)
            return; // the close is read as the answer's end
        m_error = m_socket->errorString();
        const bool connecting = m_connectTimer->isActive();
        dropSocket();
        if (connecting) // the next address, once this signal is over
            QTimer::singleShot(0, this, &HttpGet::connectNext);
        else
            finish(false, m_error);
    });
    const int remaining = int(m_deadline->remainingTime());
    m_connectTimer->start(qMax(0, qMin(m_limits.connectMilliseconds, remaining)));
    m_socket->connectToHost(m_addresses.takeFirst(), quint16(m_url.port(kHttpPort)));
}

void HttpGet::onConnected()
{
    m_connectTimer->stop();
    m_addresses.clear();
    m_socket->write(
        HttpMessages::requestBytes(HttpMessages::hostHeaderOf(m_url), HttpMessages::pathAndQueryOf(m_url),
                                   HttpMessages::cookieHeaderValue(m_cookies.value(m_url.host()))));
}

void HttpGet::onReadyRead()
{
    while (m_running && m_socket && m_socket->bytesAvailable() > 0) {
        m_peakHeld = qMax(m_peakHeld, m_socket->bytesAvailable() + m_answer.heldBytes());
        const AnswerReader::State state = m_answer.feed(m_socket->read(kReadPieceBytes));
        if (state == AnswerReader::State::HeadTooLong) {
            finish(false, QStringLiteral("Answer head too long"));
            return;
        }
        // At the limit nobody reads on: the answer counts as complete.
        if (state == AnswerReader::State::Body && m_answer.bodyBytes() >= m_limits.maxBodyBytes) {
            answerComplete();
            return;
        }
    }
}

void HttpGet::onDisconnected()
{
    if (!m_running || !m_socket)
        return;
    onReadyRead();
    if (!m_running || !m_socket)
        return;
    // HTTP/1.0: the server ends its answer by closing the connection.
    if (m_answer.closeCompletesAnswer())
        answerComplete();
    else
        finish(false, m_answer.nothingReceived()
                          ? QStringLiteral("Connection closed without an answer")
                          : QStringLiteral("Connection closed inside the answer head"));
}

void HttpGet::answerComplete()
{
    dropSocket();
    for (const QByteArray &pair : m_answer.cookies())
        HttpMessages::keepCookie(m_cookies[m_url.host()], pair);
    const QUrl location = m_answer.location();
    if (!m_answer.hasHead() || !HttpMessages::isRedirect(m_answer.status()) || !location.isValid()) {
        finish(true, QString());
        return;
    }
    if (m_redirects >= m_limits.maxRedirects) {
        finish(false, QStringLiteral("Too many redirects"));
        return;
    }
    if (!HttpMessages::isFollowable(location)) {
        // Only plain HTTP can be followed; the server did answer, so the request is done.
        finish(true, QString());
        return;
    }
    ++m_redirects;
    request(location);
}

void HttpGet::finish(bool ok, const QString &error)
{
    if (!m_running)
        return;
    abort();
    m_error = error;
    emit finished(ok);
}

void HttpGet::dropSocket()
{
    m_connectTimer->stop();
    if (m_lookupId >= 0) {
        QHostInfo::abortHostLookup(m_lookupId);
        m_lookupId = -1;
    }
    if (!m_socket)
        return;
    QTcpSocket *socket = m_socket;
    m_socket = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}
