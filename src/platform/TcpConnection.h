#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QSocketNotifier;

// One TCP connection driven by the event loop, without Qt's network module: that module and
// what it pulls in would cost every start of the program its loading time and memory, for one
// short request and two small pictures. The name is looked up on a worker thread, the connect
// never blocks, and reading and writing follow the socket's readiness.
class TcpConnection : public QObject {
    Q_OBJECT
public:
    // Turns a host name into numeric addresses; an empty list means it cannot be resolved.
    using Resolver = std::function<QStringList(const QString &host)>;

    explicit TcpConnection(QObject *parent = nullptr);
    ~TcpConnection() override;

    // Replaces the system's name lookup (which otherwise runs on a worker thread).
    void setResolver(Resolver resolver) { m_resolver = std::move(resolver); }

    // Connects to host:port: a numeric address at once, a name once looked up; the addresses
    // are tried in turn until one accepts. Signals follow from the event loop, never from here.
    void connectToHost(const QString &host, quint16 port);
    // Sends the bytes once connected, in as many pieces as the socket takes.
    void write(const QByteArray &data);
    // What has arrived since the last call.
    QByteArray readAll();
    // Closes at once; no signal follows.
    void abort();

    bool isConnected() const { return m_state == State::Connected; }

    // The system's lookup, as used when no resolver is set: numeric addresses of `host`.
    static QStringList lookUp(const QString &host);
    // Begins the system's lookup of `host` now, on a worker thread; the next connection to
    // that host takes its answer, or waits for it, instead of asking again.
    static void lookUpAhead(const QString &host);

    struct Lookup;

signals:
    void connected();
    void readyRead();
    // The peer closed the connection (after it was made); what it sent is read first.
    void closed();
    // No connection could be made, or it broke; `error` says why.
    void failed(const QString &error);

private:
    enum class State { Idle, LookingUp, Connecting, Connected };

    void addressesFound(const QStringList &addresses);
    void connectToNext();
    void onWritable();
    void onReadable();
    void flushOutput();
    void closeSocket();
    void fail(const QString &error);

    Resolver m_resolver;
    State m_state = State::Idle;
    quint16 m_port = 0;
    QStringList m_addresses;
    QString m_lastError;
    qintptr m_socket = -1;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    QByteArray m_output;
    QByteArray m_input;
    std::shared_ptr<Lookup> m_lookup;
};
