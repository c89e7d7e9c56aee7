#pragma once

#include "HttpMessages.h"

#include "TcpConnection.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>

class QEventLoop;
class QTimer;

// A small HTTP/1.0 client for the start-up request and the counter pictures: one GET,
// redirects followed, the answer read and dropped or kept. `get` waits in a local event loop,
// so timers and handlers keep running while it waits; `start` returns at once.
class HttpClient : public QObject
{
    Q_OBJECT
  public:
    // Bounds that keep a silent or misbehaving server from holding up the start.
    struct Limits {
        int totalMilliseconds = 5000; // the whole exchange, redirects included
        int maxRedirects = 5;         // one more redirect than this is a failure
        qint64 maxHeadBytes = 64 * 1024;
        qint64 maxBodyBytes = 1024 * 1024;
    };
    // Turns a host name into numeric addresses; an empty list means it cannot be resolved.
    using Resolver = TcpConnection::Resolver;

    explicit HttpClient(QObject *parent = nullptr);
    ~HttpClient() override;

    void setLimits(const Limits &limits) { m_limits = limits; }
    // Replaces the system's name lookup (which otherwise runs in the background).
    void setResolver(Resolver resolver) { m_resolver = std::move(resolver); }

    // GETs `path` from host:port and follows redirects. True when the exchange ended with
    // an answer, whatever its status; false on a transport failure (name not resolved,
    // connection refused or broken, time limit, too many redirects, oversized head).
    bool get(const QString &host, quint16 port, const QString &path);
    // Starts a GET of `url` (plain HTTP only) and returns at once; `finished` tells how it
    // ended, the same way `get` does. False when an exchange is already running.
    bool start(const QUrl &url);
    // Drops the connection, if any is still open; a running exchange ends without a signal.
    void close();
    // Keep the answer's body (up to the body limit and the piece that crossed it) for `body`.
    void setKeepBody(bool keep) { m_keepBody = keep; }
    QByteArray body() const { return m_answer.body(); }

    QString errorString() const { return m_error; }
    // Status of the last answer read; 0 when it had no status line.
    int lastStatus() const { return m_answer.status(); }
    int redirectsFollowed() const { return m_redirects; }
    // False when the last answer began without a status line.
    bool lastAnswerHasHead() const { return m_answer.hasHead(); }

    // The request as sent, byte for byte. `hostHeader` is the host, with ":port" when the
    // port is not 80; `cookie` is left out when empty.
    static QByteArray requestBytes(const QString &hostHeader, const QString &pathAndQuery,
                                   const QByteArray &cookie = QByteArray());
    // The name=value pair of a Set-Cookie header's value; empty when it cannot be sent back.
    static QByteArray cookiePair(const QByteArray &setCookieValue);

  signals:
    void finished(bool ok);

  private:
    void startRequest(QUrl url);
    void onConnected();
    void onReadyRead();
    void onClosed();
    void answerComplete();
    void finish(bool ok, const QString &error = QString());
    void dropSocket();

    Limits m_limits;
    Resolver m_resolver;

    QUrl m_url;
    TcpConnection *m_socket = nullptr;
    QTimer *m_deadline = nullptr;
    QPointer<QEventLoop> m_loop;

    HttpMessages::AnswerReader m_answer;
    // Cookies set along the redirects, sent back with each following request.
    QList<QByteArray> m_cookies;

    bool m_keepBody = false;
    bool m_running = false;
    bool m_ok = false;
    QString m_error;
    int m_redirects = 0;
};
