#pragma once

#include "web/HttpMessages.h"

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QUrl>
#include <functional>

class QTcpSocket;
class QTimer;

// One HTTP/1.0 GET with redirects: the request sent at start, whose bytes are fixed to the
// letter, and the counter pictures. It runs in the background and tells how it ended
// through `finished`. Every read is bounded while it happens (Qt's own HTTP stack reads an
// endless header line for ever on a thread nobody can stop), so a hostile server can
// neither flood memory nor hold anything up past the time limit.
class HttpGet : public QObject {
    Q_OBJECT
public:
    struct Limits {
        int totalMilliseconds = 5000;   // the whole exchange, redirects included
        int connectMilliseconds = 1500; // each address tried, so one dead address leaves time for the next
        int maxRedirects = 5;           // one more redirect than this is a failure
        qint64 maxHeadBytes = 64 * 1024;
        qint64 maxBodyBytes = 1024 * 1024; // reached, the answer counts as complete
    };
    // What the socket may buffer between two reads.
    static constexpr qint64 kReadBufferBytes = 16 * 1024;

    // Turns a host name into addresses; by default the system's lookup, run by Qt in the
    // background. Tests give names of their own.
    using Resolver = std::function<QList<QHostAddress>(const QString &host)>;

    explicit HttpGet(QObject *parent = nullptr);
    ~HttpGet() override;

    void setLimits(const Limits &limits) { m_limits = limits; }
    void setResolver(Resolver resolver) { m_resolver = std::move(resolver); }
    // Keep the answer's body (up to the body limit and the piece that reached it) for `body`.
    void setKeepBody(bool keep) { m_keepBody = keep; }
    QByteArray body() const { return m_answer.body(); }

    // Starts a GET of `url` (plain HTTP); `finished` always comes later, from the event loop.
    // True when the exchange ended with an answer, whatever its status; false on a transport
    // failure (name not resolved, connection refused or broken, time limit, too many
    // redirects, oversized head). A request still running is dropped first.
    void start(const QUrl &url);
    // Drops a running exchange without a signal.
    void abort();
    bool isRunning() const { return m_running; }

    QString errorString() const { return m_error; }
    // Status of the last answer read; 0 when it had no status line.
    int lastStatus() const { return m_answer.status(); }
    // False when the last answer began without a status line.
    bool lastAnswerHasHead() const { return m_answer.hasHead(); }
    int redirectsFollowed() const { return m_redirects; }
    // The most bytes of answer held in memory at any moment of the exchange.
    qint64 peakBytesHeld() const { return m_peakHeld; }

signals:
    void finished(bool ok);

private:
    void request(const QUrl &url);
    void onAddressesFound(const QList<QHostAddress> &addresses);
    void connectNext();
    void onConnected();
    void onReadyRead();
    void onDisconnected();
    void answerComplete();
    void finish(bool ok, const QString &error);
    void dropSocket();

    Limits m_limits;
    Resolver m_resolver;

    QUrl m_url;
    QList<QHostAddress> m_addresses;
    QTcpSocket *m_socket = nullptr;
    QTimer *m_deadline;
    QTimer *m_connectTimer;
    int m_lookupId = -1;

    HttpMessages::AnswerReader m_answer;
    // Cookies set along the redirects, by the host that set them: each goes back only there.
    QHash<QString, QList<QByteArray>> m_cookies;

    bool m_keepBody = false;
    bool m_running = false;
    QString m_error;
    int m_redirects = 0;
    qint64 m_peakHeld = 0;
};
