#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

// The socket-free part of the start-up request: composing the request and reading the
// answer. Everything here takes whatever bytes a server sends, so none of it may trust them.
namespace HttpMessages {

// The request as sent, byte for byte. `hostHeader` is the host, with ":port" when the port
// is not 80; `cookie` is left out when empty.
QByteArray requestBytes(const QString &hostHeader, const QString &pathAndQuery,
                        const QByteArray &cookie = QByteArray());
// The Host line's value for a request to `url`.
QString hostHeaderOf(const QUrl &url);
// The request line's target for `url`: the path ("/" when empty) and the query.
QString pathAndQueryOf(const QUrl &url);

// The name=value pair of a Set-Cookie header's value, blanks around both trimmed; empty when
// the header sets no cookie that can be sent back (no "=", no name, or a control byte).
QByteArray cookiePair(const QByteArray &setCookieValue);
// Adds a cookie pair to the jar; a cookie set again replaces its earlier value.
void keepCookie(QList<QByteArray> &jar, const QByteArray &pair);
// The Cookie line's value for the jar; empty when the jar is.
QByteArray cookieHeaderValue(const QList<QByteArray> &jar);

// Only these answers send the client elsewhere.
bool isRedirect(int status);
// Whether a redirect target can be requested: plain HTTP with a host.
bool isFollowable(const QUrl &target);

// Reads one HTTP/1.0 answer as it arrives, in pieces of any size: the status line and the
// headers the client acts upon; the body is counted, and kept when asked for.
class AnswerReader {
public:
    enum class State {
        Head,        // inside the status line and headers
        Body,        // the head is read, or there was none; further bytes are body
        HeadTooLong, // the head passed the limit; further bytes are ignored
    };

    AnswerReader() = default;
    // `requestUrl` resolves a relative Location.
    AnswerReader(const QUrl &requestUrl, qint64 maxHeadBytes);

    void setKeepBody(bool keep) { m_keepBody = keep; }
    State feed(const QByteArray &data);
    // The server closed the connection: true when what arrived makes a whole answer (its head
    // was read, or it began without a status line), false when it broke off inside the head.
    bool closeCompletesAnswer();

    State state() const { return m_state; }
    // Nothing at all has arrived yet.
    bool nothingReceived() const { return m_state == State::Head && m_head.isEmpty(); }
    // False when the answer began without a status line: then all of it is body.
    bool hasHead() const { return !m_noHead; }
    // The status code; 0 before the head is read or when the status line has none.
    int status() const { return m_status; }
    // The last Location header resolved against the request's address; invalid when none.
    QUrl location() const { return m_location; }
    // The name=value pairs of the Set-Cookie headers, in the order they came.
    const QList<QByteArray> &cookies() const { return m_cookies; }
    qint64 bodyBytes() const { return m_bodyBytes; }
    // What the reader holds in memory: the head read so far and the body kept.
    qint64 heldBytes() const { return m_head.size() + m_body.size(); }
    // The body as it arrived; empty unless kept.
    const QByteArray &body() const { return m_body; }

private:
    void parseHead(const QByteArray &head);
    // The whole of `data` is body from here on.
    void beginBody(const QByteArray &data);

    QUrl m_requestUrl;
    qint64 m_maxHeadBytes = 64 * 1024;
    State m_state = State::Head;
    QByteArray m_head;
    bool m_noHead = false;
    qint64 m_bodyBytes = 0;
    bool m_keepBody = false;
    QByteArray m_body;
    int m_status = 0;
    QUrl m_location;
    QList<QByteArray> m_cookies;
};

} // namespace HttpMessages
