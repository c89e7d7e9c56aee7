#include "web/HttpMessages.h"

namespace HttpMessages {

namespace {
constexpr int kHttpPort = 80;

// Control bytes other than tab. A header line ends only at a line feed, so a carriage
// return or a NUL can sit inside a value; sent back in the Cookie line it would split it.
bool hasControlBytes(const QByteArray &text)
{
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && u != '\t') || u == 0x7f)
            return true;
    }
    return false;
}
} // namespace

QByteArray requestBytes(const QString &hostHeader, const QString &pathAndQuery, const QByteArray &cookie)
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

QByteArray cookiePair(const QByteArray &setCookieValue)
{
    const qsizetype end = setCookieValue.indexOf(';');
    const QByteArray pair = end < 0 ? setCookieValue : setCookieValue.left(end);
    const qsizetype equals = pair.indexOf('=');
    if (equals < 0)
        return QByteArray();
    const QByteArray name = pair.left(equals).trimmed();
    if (name.isEmpty() || hasControlBytes(pair))
        return QByteArray();
    return name + '=' + pair.mid(equals + 1).trimmed();
}

void keepCookie(QList<QByteArray> &jar, const QByteArray &pair)
{
    const QByteArray name = pair.left(pair.indexOf('=')) + '=';
    jar.removeIf([&](const QByteArray &c) { return c.startsWith(name); });
    jar.append(pair);
}

QByteArray cookieHeaderValue(const QList<QByteArray> &jar)
{
    return jar.join("; ");
}

bool isRedirect(int status)
{
    return status == 300 || status == 301 || status == 302;
}

bool isFollowable(const QUrl &target)
{
    return target.scheme() == QLatin1String("http") && !target.host().isEmpty();
}

AnswerReader::AnswerReader(const QUrl &requestUrl, qint64 maxHeadBytes)
    : m_requestUrl(requestUrl), m_maxHeadBytes(maxHeadBytes)
{
}

AnswerReader::State AnswerReader::feed(const QByteArray &data)
{
    if (m_state == State::Body) {
        m_bodyBytes += data.size();
        if (m_keepBody)
            m_body += data;
        return m_state;
    }
    if (m_state == State::HeadTooLong)
        return m_state;

    // The head's end was not in what came before, save for a separator begun there.
    const qsizetype searchFrom = qMax<qsizetype>(0, m_head.size() - 3);
    m_head += data;
    // The first three bytes tell whether there is a status line at all; until they are
    // here, a line feed is no sign of the head's end.
    if (m_head.size() < 3)
        return m_state;
    if (!m_head.startsWith("HTT")) {
        // No status line: everything is body.
        m_noHead = true;
        beginBody(m_head);
        return m_state;
    }
    qsizetype end = m_head.indexOf("\r\n\r\n", searchFrom);
    int separator = 4;
    const qsizetype bare = m_head.indexOf("\n\n", searchFrom);
    if (bare >= 0 && (end < 0 || bare < end)) {
        end = bare;
        separator = 2;
    }
    // Without an end yet, up to three bytes may open the separator ("\r\n\r"), so only
    // what comes before them is surely head; where the pieces break must not matter.
    const qsizetype surelyHead = end >= 0 ? end : m_head.size() - 3;
    if (surelyHead > m_maxHeadBytes) {
        m_state = State::HeadTooLong;
        m_head.clear();
    } else if (end >= 0) {
        parseHead(m_head.left(end));
        beginBody(m_head.mid(end + separator));
    }
    return m_state;
}

bool AnswerReader::closeCompletesAnswer()
{
    if (m_state == State::Body)
        return true;
    if (m_state == State::Head && !m_head.isEmpty() && !QByteArray("HTT").startsWith(m_head.left(3))) {
        // A short answer without a status line.
        m_noHead = true;
        beginBody(m_head);
        return true;
    }
    return false;
}

void AnswerReader::beginBody(const QByteArray &data)
{
    m_state = State::Body;
    m_bodyBytes = data.size();
    if (m_keepBody)
        m_body = data;
    m_head.clear();
}

void AnswerReader::parseHead(const QByteArray &head)
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
            m_location = m_requestUrl.resolved(QUrl::fromEncoded(value, QUrl::TolerantMode));
        } else if (name == "set-cookie") {
            const QByteArray pair = cookiePair(value);
            if (!pair.isEmpty())
                m_cookies.append(pair);
        }
    }
}

} // namespace HttpMessages
