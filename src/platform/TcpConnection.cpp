#include "TcpConnection.h"

#include <QHash>
#include <QMetaObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QUrl>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <thread>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {
constexpr qsizetype kReadPiece = 64 * 1024;

#ifdef _WIN32
constexpr int kSendFlags = 0;

bool socketsReady()
{
    static const bool ready = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return ready;
}
int lastError() { return WSAGetLastError(); }
bool wouldBlock(int error) { return error == WSAEWOULDBLOCK; }
bool connectPending(int error) { return error == WSAEWOULDBLOCK || error == WSAEINPROGRESS; }
bool interrupted(int error) { return error == WSAEINTR; }
bool resetByPeer(int error) { return error == WSAECONNRESET; }
QString errorText(int error) { return QStringLiteral("Socket error %1").arg(error); }
void closeHandle(qintptr socket) { closesocket(SOCKET(socket)); }
qintptr openSocket(int family)
{
    const SOCKET s = ::socket(family, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET)
        return -1;
    u_long on = 1;
    if (ioctlsocket(s, FIONBIO, &on) != 0) {
        closesocket(s);
        return -1;
    }
    return qintptr(s);
}
#else
// A peer that has gone must not end the program with SIGPIPE: where sends cannot say so,
// the socket does (see openSocket).
#ifdef MSG_NOSIGNAL
constexpr int kSendFlags = MSG_NOSIGNAL;
#else
constexpr int kSendFlags = 0;
#endif

bool socketsReady() { return true; }
int lastError() { return errno; }
bool wouldBlock(int error) { return error == EAGAIN || error == EWOULDBLOCK; }
bool connectPending(int error) { return error == EINPROGRESS; }
bool interrupted(int error) { return error == EINTR; }
bool resetByPeer(int error) { return error == ECONNRESET; }
QString errorText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }
void closeHandle(qintptr socket) { ::close(int(socket)); }
qintptr openSocket(int family)
{
#if defined(SOCK_NONBLOCK) && defined(SOCK_CLOEXEC)
    const int s = ::socket(family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (s < 0)
        return -1;
#else
    const int s = ::socket(family, SOCK_STREAM, 0);
    if (s < 0)
        return -1;
    if (fcntl(s, F_SETFL, fcntl(s, F_GETFL) | O_NONBLOCK) != 0 || fcntl(s, F_SETFD, FD_CLOEXEC) != 0) {
        ::close(s);
        return -1;
    }
#endif
#ifdef SO_NOSIGPIPE
    int on = 1;
    setsockopt(s, SOL_SOCKET, SO_NOSIGPIPE, &on, sizeof on);
#endif
    return s;
}
#endif

// A numeric address and port as the system's socket address; false when not numeric.
bool socketAddress(const QString &address, quint16 port, sockaddr_storage &storage, socklen_t &length)
{
    if (!socketsReady())
        return false;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV;
    addrinfo *found = nullptr;
    if (getaddrinfo(address.toLatin1().constData(), QByteArray::number(port).constData(), &hints, &found) != 0)
        return false;
    const bool fits = found && found->ai_addrlen <= sizeof storage;
    if (fits) {
        std::memcpy(&storage, found->ai_addr, found->ai_addrlen);
        length = socklen_t(found->ai_addrlen);
    }
    freeaddrinfo(found);
    return fits;
}

bool isNumeric(const QString &host)
{
    sockaddr_storage storage;
    socklen_t length = 0;
    return socketAddress(host, 0, storage, length);
}
} // namespace

// A lookup, running or done. Its result goes to the connection waiting for it, if any; the
// connection stops waiting when it is aborted or goes.
struct TcpConnection::Lookup {
    std::mutex mutex;
    bool done = false;
    QStringList addresses;
    TcpConnection *receiver = nullptr;

    // Hands the result to the receiver through its event loop. Called with the mutex held.
    void deliver(const std::shared_ptr<Lookup> &self)
    {
        if (!done || !receiver)
            return;
        TcpConnection *to = receiver;
        receiver = nullptr;
        QMetaObject::invokeMethod(
            to,
            [to, self, found = addresses] {
                if (to->m_lookup == self)
                    to->addressesFound(found);
            },
            Qt::QueuedConnection);
    }

    void finish(const std::shared_ptr<Lookup> &self, const QStringList &found)
    {
        std::lock_guard<std::mutex> lock(mutex);
        done = true;
        addresses = found;
        deliver(self);
    }

    static std::shared_ptr<Lookup> start(const QString &host)
    {
        auto lookup = std::make_shared<Lookup>();
        // The system's lookup may wait seconds for a name server; it must not hold up the loop.
        std::thread([lookup, host] { lookup->finish(lookup, lookUp(host)); }).detach();
        return lookup;
    }
};

namespace {
// Lookups begun ahead of their connection, by host; each is taken by the first connection
// to its host.
std::mutex aheadMutex;
QHash<QString, std::shared_ptr<TcpConnection::Lookup>> &lookupsAhead()
{
    static QHash<QString, std::shared_ptr<TcpConnection::Lookup>> lookups;
    return lookups;
}
} // namespace

TcpConnection::TcpConnection(QObject *parent) : QObject(parent)
{
}

TcpConnection::~TcpConnection()
{
    abort();
}

QStringList TcpConnection::lookUp(const QString &host)
{
    if (!socketsReady())
        return {};
    const QByteArray name = QUrl::toAce(host);
    if (name.isEmpty())
        return {};
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    if (getaddrinfo(name.constData(), nullptr, &hints, &found) != 0)
        return {};
    QStringList addresses;
    for (const addrinfo *entry = found; entry; entry = entry->ai_next) {
        char text[NI_MAXHOST];
        if (getnameinfo(entry->ai_addr, socklen_t(entry->ai_addrlen), text, sizeof text, nullptr, 0, NI_NUMERICHOST)
                == 0
            && !addresses.contains(QLatin1String(text)))
            addresses.append(QLatin1String(text));
    }
    freeaddrinfo(found);
    return addresses;
}

void TcpConnection::lookUpAhead(const QString &host)
{
    if (host.isEmpty() || isNumeric(host))
        return;
    std::lock_guard<std::mutex> lock(aheadMutex);
    if (!lookupsAhead().contains(host))
        lookupsAhead().insert(host, Lookup::start(host));
}

void TcpConnection::connectToHost(const QString &host, quint16 port)
{
    abort();
    m_port = port;
    m_state = State::LookingUp;
    std::shared_ptr<Lookup> lookup;
    if (isNumeric(host) || m_resolver) {
        lookup = std::make_shared<Lookup>();
        lookup->done = true;
        lookup->addresses = isNumeric(host) ? QStringList{host} : m_resolver(host);
    } else {
        std::lock_guard<std::mutex> lock(aheadMutex);
        lookup = lookupsAhead().take(host);
    }
    if (!lookup)
        lookup = Lookup::start(host);
    m_lookup = lookup;
    std::lock_guard<std::mutex> lock(lookup->mutex);
    lookup->receiver = this;
    lookup->deliver(lookup);
}

void TcpConnection::addressesFound(const QStringList &addresses)
{
    m_lookup.reset();
    if (addresses.isEmpty()) {
        fail(QStringLiteral("Host name not found"));
        return;
    }
    m_addresses = addresses;
    m_lastError.clear();
    connectToNext();
}

void TcpConnection::connectToNext()
{
    while (!m_addresses.isEmpty()) {
        const QString address = m_addresses.takeFirst();
        sockaddr_storage storage;
        socklen_t length = 0;
        if (!socketAddress(address, m_port, storage, length)) {
            m_lastError = QStringLiteral("Invalid address");
            continue;
        }
        m_socket = openSocket(storage.ss_family);
        if (m_socket < 0) {
            m_lastError = errorText(lastError());
            continue;
        }
        const int result = ::connect(m_socket, reinterpret_cast<const sockaddr *>(&storage), length);
        const int error = result == 0 ? 0 : lastError();
        if (result == 0 || connectPending(error)) {
            // Writable means the connect has ended, one way or the other.
            m_state = State::Connecting;
            m_writeNotifier = new QSocketNotifier(m_socket, QSocketNotifier::Write, this);
            connect(m_writeNotifier, &QSocketNotifier::activated, this, &TcpConnection::onWritable);
            return;
        }
        m_lastError = errorText(error);
        closeSocket();
    }
    fail(m_lastError.isEmpty() ? QStringLiteral("No address to connect to") : m_lastError);
}

void TcpConnection::onWritable()
{
    if (m_state == State::Connected) {
        flushOutput();
        return;
    }
    int error = 0;
    socklen_t length = sizeof error;
    if (getsockopt(m_socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char *>(&error), &length) != 0)
        error = lastError();
    if (error != 0) {
        // This address refused; the host may answer at another.
        m_lastError = errorText(error);
        closeSocket();
        connectToNext();
        return;
    }
    m_state = State::Connected;
    m_addresses.clear();
    m_writeNotifier->setEnabled(false);
    m_readNotifier = new QSocketNotifier(m_socket, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &TcpConnection::onReadable);
    QPointer<TcpConnection> self(this);
    emit connected();
    if (self && m_state == State::Connected)
        flushOutput();
}

void TcpConnection::write(const QByteArray &data)
{
    m_output += data;
    if (m_state == State::Connected)
        flushOutput();
}

QByteArray TcpConnection::readAll()
{
    QByteArray data;
    data.swap(m_input);
    return data;
}

void TcpConnection::flushOutput()
{
    while (!m_output.isEmpty()) {
        const auto sent = ::send(m_socket, m_output.constData(), int(m_output.size()), kSendFlags);
        if (sent > 0) {
            m_output.remove(0, sent);
            continue;
        }
        const int error = lastError();
        if (interrupted(error))
            continue;
        if (wouldBlock(error)) {
            m_writeNotifier->setEnabled(true);
            return;
        }
        fail(errorText(error));
        return;
    }
    m_writeNotifier->setEnabled(false);
}

void TcpConnection::onReadable()
{
    bool peerClosed = false;
    QString error;
    for (;;) {
        const qsizetype had = m_input.size();
        m_input.resize(had + kReadPiece);
        const auto got = ::recv(m_socket, m_input.data() + had, int(kReadPiece), 0);
        m_input.resize(had + qMax<qsizetype>(0, got));
        if (got > 0)
            continue;
        if (got == 0) {
            peerClosed = true;
            break;
        }
        const int code = lastError();
        if (interrupted(code))
            continue;
        if (wouldBlock(code))
            break;
        // A reset after the answer is how some servers end it; what came is still read.
        if (resetByPeer(code))
            peerClosed = true;
        else
            error = errorText(code);
        break;
    }
    QPointer<TcpConnection> self(this);
    if (!m_input.isEmpty()) {
        emit readyRead();
        if (!self || m_state != State::Connected)
            return;
    }
    if (peerClosed) {
        closeSocket();
        m_state = State::Idle;
        emit closed();
    } else if (!error.isEmpty()) {
        fail(error);
    }
}

void TcpConnection::abort()
{
    if (m_lookup) {
        std::lock_guard<std::mutex> lock(m_lookup->mutex);
        if (m_lookup->receiver == this)
            m_lookup->receiver = nullptr;
    }
    m_lookup.reset();
    closeSocket();
    m_state = State::Idle;
    m_addresses.clear();
    m_output.clear();
}

void TcpConnection::closeSocket()
{
    // This may run inside a notifier's own signal: it goes once that has returned.
    for (QSocketNotifier *notifier : {m_readNotifier, m_writeNotifier}) {
        if (notifier) {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
    }
    m_readNotifier = nullptr;
    m_writeNotifier = nullptr;
    if (m_socket >= 0) {
        closeHandle(m_socket);
        m_socket = -1;
    }
}

void TcpConnection::fail(const QString &error)
{
    abort();
    emit failed(error);
}
