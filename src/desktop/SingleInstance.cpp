#include "desktop/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#include <cstdio>
#include <iterator>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <unistd.h>
#endif

namespace {
// What a later start sends, the only thing read from the socket, and the running Kelo's
// answer once its window is shown.
constexpr char kShowRequest[] = "show\n";
constexpr char kShownReply[] = "shown\n";
constexpr int kConnectTimeoutMs = 500;
constexpr int kTurnTimeoutMs = 2000;
// Sockets of Kelos that end while they are asked: looked at again a few times, no more.
constexpr int kAttempts = 3;

// A display name as a piece of a file name.
QString fileNamePiece(const QString &display)
{
    QString piece = display;
    for (QChar &c : piece)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'-' && c != u'.')
            c = u'_';
    return piece;
}
} // namespace

QString SingleInstance::nameForThisDesktop()
{
#ifdef Q_OS_WIN
    // One desktop is one user's logon session: fast user switching and remote desktop
    // give the same user other sessions, each with a Kelo of its own.
    wchar_t user[256 + 1] = {};
    DWORD userLength = DWORD(std::size(user));
    DWORD session = 0;
    if (!GetUserNameW(user, &userLength) || !ProcessIdToSessionId(GetCurrentProcessId(), &session))
        return QString();
    return nameForWindowsSession(QString::fromWCharArray(user), session);
#else
    return nameFor(uint(::getuid()), qEnvironmentVariable("DISPLAY"),
                   qEnvironmentVariable("WAYLAND_DISPLAY"));
#endif
}

QString SingleInstance::nameForWindowsSession(const QString &user, uint session)
{
    if (user.isEmpty())
        return QString();
    // User names are not case sensitive on Windows.
    return QStringLiteral("kelo-%1-session-%2").arg(fileNamePiece(user.toLower())).arg(session);
}

QString SingleInstance::nameFor(uint user, const QString &display, const QString &waylandDisplay)
{
    if (!waylandDisplay.isEmpty())
        return QStringLiteral("kelo-%1-wayland-%2").arg(user).arg(fileNamePiece(waylandDisplay));
    if (display.isEmpty())
        return QString();
    // ":0" and ":0.1" are two screens of one X server, one desktop.
    QString server = display;
    const qsizetype colon = server.lastIndexOf(u':');
    const qsizetype dot = server.lastIndexOf(u'.');
    if (colon >= 0 && dot > colon)
        server.truncate(dot);
    return QStringLiteral("kelo-%1-x11-%2").arg(user).arg(fileNamePiece(server));
}

SingleInstance::SingleInstance(const QString &name, QObject *parent) : QObject(parent)
{
    if (name.isEmpty())
        return;
#ifdef Q_OS_WIN
    // A named pipe, whose name is not a path; the lock goes to the user's own temporary
    // folder.
    m_name = name;
    m_lockPath = QDir(QDir::tempPath()).filePath(name + QStringLiteral(".lock"));
#else
    // In the user's runtime folder, which only the user may enter (Qt checks its owner and
    // permissions), so no other user can stand in for a running Kelo.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!folder.isEmpty()) {
        m_name = QDir(folder).filePath(name);
        m_lockPath = m_name + QStringLiteral(".lock");
    }
#endif
}

bool SingleInstance::handOverToRunning()
{
    if (m_name.isEmpty())
        return false;
    // Two starts at once (a double click on the menu entry) take turns, or both would find
    // nobody and both would run. A lock left by a killed Kelo is recognised by its process;
    // one that stays taken for long is waited for no longer.
    QLockFile turn(m_lockPath);
    turn.tryLock(kTurnTimeoutMs);
    QLocalSocket::LocalSocketError error = QLocalSocket::UnknownSocketError;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(m_name);
        if (!socket.waitForConnected(kConnectTimeoutMs)) {
            error = socket.error();
            break;
        }
        socket.write(kShowRequest);
        socket.flush();
        if (awaitShown(&socket))
            return true;
        // The socket went without an answer: its Kelo ended (killed while this one started,
        // the request waiting in a queue nobody reads any more). Look again.
    }
    // Refused or missing: nobody listens there, and what is left there was left by a Kelo
    // that ended without cleaning up (killed). Anything else (a timeout) may be a live Kelo
    // that is slow, whose socket is not taken from it.
    listen(error == QLocalSocket::ConnectionRefusedError || error == QLocalSocket::ServerNotFoundError);
    return false;
}

bool SingleInstance::awaitShown(QLocalSocket *socket) const
{
    bool told = false;
    for (;;) {
        // What came is read even when the other end has closed since.
        if (socket->canReadLine() || socket->bytesAvailable() >= qint64(sizeof kShownReply) - 1)
            return socket->readLine(sizeof kShownReply) == kShownReply;
        if (socket->state() != QLocalSocket::ConnectedState)
            return false;
        if (!socket->waitForReadyRead(m_replyTimeoutMs) && socket->state() == QLocalSocket::ConnectedState &&
            !told) {
            // Alive (its socket is there) but silent: stopped, or hung. Another Kelo beside it
            // would fight it for the shortcut; this one waits until it answers or ends.
            std::fprintf(stderr, "kelo: the Kelo already running on this desktop does not answer; "
                                 "this start waits until it answers or ends.\n");
            told = true;
        }
    }
}

void SingleInstance::listen(bool replaceLeftover)
{
    // No socket options: with them Qt replaces whatever socket is at the name, a live Kelo's
    // too. The runtime folder already keeps other users out.
    m_server = new QLocalServer(this);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *caller = m_server->nextPendingConnection())
            serve(caller);
    });
    if (replaceLeftover)
        QLocalServer::removeServer(m_name);
    if (!m_server->listen(m_name))
        std::fprintf(stderr, "kelo: a second start on this desktop will not find this one: %s.\n",
                     qPrintable(m_server->errorString()));
}

void SingleInstance::serve(QLocalSocket *caller)
{
    // Only the few bytes of a request are ever read from a caller.
    caller->setReadBufferSize(sizeof kShowRequest);
    connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
    connect(caller, &QLocalSocket::readyRead, this, [this, caller] {
        if (!caller->canReadLine() && caller->bytesAvailable() < qint64(sizeof kShowRequest) - 1)
            return; // the rest is still on its way
        if (caller->readLine(sizeof kShowRequest) != kShowRequest) {
            caller->abort();
            return;
        }
        // The window is shown by the time the signal returns; only then may the caller end.
        emit showRequested();
        caller->write(kShownReply);
        caller->disconnectFromServer();
    });
}
