#include "HttpClient.h"

#include <QEventLoop>
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
    // No signal from here: whoever listens may be going as well.
    close();
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
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(host);
    url.setPort(port);
    const int query = path.indexOf(u'?');
    url.setPath(query < 0 ? path : path.left(query));
    if (query >= 0)
        url.setQuery(path.mid(query + 1));
    if (!start(url))
        return false;

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

bool HttpClient::start(const QUrl &url)
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
    if (!url.isValid() || url.host().isEmpty() || !HttpMessages::isFollowable(url)) {
        finish(false, QStringLiteral("Invalid address"));
        return true;
    }
    startRequest(url);
    return true;
}

void HttpClient::close()
{
    if (m_running) {
        m_running = false;
        m_ok = false;
        m_error = QStringLiteral("Closed");
    }
    m_deadline->stop();
    dropSocket();
    if (m_loop)
        m_loop->quit();
}

void HttpClient::startRequest(QUrl url)
{
    dropSocket();
    m_url = url;
    m_answer = AnswerReader(url, m_limits.maxHeadBytes);
    m_answer.setKeepBody(m_keepBody);

    m_socket = new TcpConnection(this);
    if (m_resolver)
        m_socket->setResolver(m_resolver);
    connect(m_socket, &TcpConnection::connected, this, &HttpClient::onConnected);
    connect(m_socket, &TcpConnection::readyRead, this, &HttpClient::onReadyRead);
    connect(m_socket, &TcpConnection::closed, this, &HttpClient::onClosed);
    connect(m_socket, &TcpConnection::failed, this, [this](const QString &error) { finish(false, error); });
    m_socket->connectToHost(url.host(), quint16(url.port(kHttpPort)));
}

void HttpClient::onConnected()
{
    m_socket->write(HttpMessages::requestBytes(HttpMessages::hostHeaderOf(m_url),
                                               HttpMessages::pathAndQueryOf(m_url),
                                               HttpMessages::cookieHeaderValue(m_cookies)));
}

void HttpClient::onReadyRead()
{
    if (!m_running || !m_socket)
        return;
    const AnswerReader::State state = m_answer.feed(m_socket->readAll());
    if (state == AnswerReader::State::HeadTooLong) {
        finish(false, QStringLiteral("Answer head too long"));
        return;
    }
    // Past the limit nobody reads on: the answer counts as complete.
    if (state == AnswerReader::State::Body && m_answer.bodyBytes() >= m_limits.maxBodyBytes)
        answerComplete();
}

void HttpClient::onClosed()
{
    // HTTP/1.0: the server ends its answer by closing the connection.
    if (!m_running)
        return;
    if (m_answer.closeCompletesAnswer())
        answerComplete();
    else
        finish(false, m_answer.nothingReceived() ? QStringLiteral("Connection closed without an answer")
                                                 : QStringLiteral("Connection closed inside the answer head"));
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
    dropSocket();
    if (m_loop)
        m_loop->quit();
    emit finished(ok);
}

void HttpClient::dropSocket()
{
    if (!m_socket)
        return;
    TcpConnection *socket = m_socket;
    m_socket = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}
