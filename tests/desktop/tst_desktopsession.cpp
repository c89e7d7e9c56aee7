#include "desktop/DesktopKey.h"
#include "desktop/PortalTrigger.h"
#include "desktop/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <optional>

// The desktop portal and the single instance's sockets in the runtime folder are POSIX
// desktops' own; Windows tests the names only.
#ifdef KELO_POSIX_DESKTOP
#include "desktop/PortalGlobalShortcut.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>

#include <cstdio>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");

// One entry of a portal's list of bound shortcuts, a(sa{sv}).
struct BoundShortcut {
    QString id;
    QVariantMap properties;
};
QDBusArgument &operator<<(QDBusArgument &argument, const BoundShortcut &bound)
{
    argument.beginStructure();
    argument << bound.id << bound.properties;
    argument.endStructure();
    return argument;
}
const QDBusArgument &operator>>(const QDBusArgument &argument, BoundShortcut &bound)
{
    argument.beginStructure();
    argument >> bound.id >> bound.properties;
    argument.endStructure();
    return argument;
}
} // namespace
Q_DECLARE_METATYPE(BoundShortcut)
namespace {

// The desktop portal's global shortcuts as far as Kelo uses them: every request granted at
// once, with the Response a real portal sends, and a press reported on demand.
class StandInPortal : public QDBusVirtualObject {
public:
    int granted = 0;
    // What BindShortcuts answers it bound; by default the shortcuts asked for.
    std::optional<QList<BoundShortcut>> binds;
    // BindShortcuts' answer code: 0 granted, 1 cancelled by the player.
    uint bindAnswer = 0;
    // The sessions closed by their callers.
    QStringList closed;

    QString introspect(const QString &) const override { return QString(); }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        QDBusMessage reply = message.createReply();
        if (message.member() == QLatin1String("Get")) {
            reply << QVariant::fromValue(QDBusVariant(1u));
        } else if (message.member() == QLatin1String("Close")) {
            closed << message.path();
        } else if (message.member() == QLatin1String("CreateSession") ||
                   message.member() == QLatin1String("BindShortcuts")) {
            const auto options = qdbus_cast<QVariantMap>(message.arguments().constLast());
            const QString caller = message.service().mid(1).replace(u'.', u'_');
            const QString request =
                kPortalPath + "/request/" + caller + "/" + options["handle_token"].toString();
            QVariantMap results;
            if (message.member() == QLatin1String("CreateSession")) {
                m_session =
                    kPortalPath + "/session/" + caller + "/" + options["session_handle_token"].toString();
                results["session_handle"] = QVariant::fromValue(QDBusObjectPath(m_session));
            } else {
                // Bound as asked: the list comes back, as a desktop that follows the
                // documented BindShortcuts answers.
                results["shortcuts"] = binds ? QVariant::fromValue(*binds) : message.arguments().value(1);
            }
            reply << QVariant::fromValue(QDBusObjectPath(request));
            connection.send(reply);
            QDBusMessage response =
                QDBusMessage::createSignal(request, "org.freedesktop.portal.Request", "Response");
            response << (message.member() == QLatin1String("BindShortcuts") ? bindAnswer : 0u) << results;
            connection.send(response);
            ++granted;
            return true;
        }
        connection.send(reply);
        return true;
    }
    void press(const QDBusConnection &connection) const
    {
        QDBusMessage activated =
            QDBusMessage::createSignal(kPortalPath, "org.freedesktop.portal.GlobalShortcuts", "Activated");
        activated << QVariant::fromValue(QDBusObjectPath(m_session)) << QString("answer-copied-riddle")
                  << QVariant::fromValue(qulonglong(0)) << QVariantMap();
        connection.send(activated);
    }

private:
    QString m_session;
};

class NoShortcut : public GlobalShortcut {
public:
    void grab(const QKeySequence &) override {}
};

class RecordingShortcut : public GlobalShortcut {
public:
    QKeySequence keys;
    void grab(const QKeySequence &asked) override { keys = asked; }
};

// A session bus of the test's own that starts nothing, with the stand-in portal on it, so
// that nothing else answers for the portal; ended with the test.
class PortalOnPrivateBus {
public:
    explicit PortalOnPrivateBus(const QString &folder)
    {
        const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
        QFile config(folder + "/bus.conf");
        if (daemon.isEmpty() || !config.open(QIODevice::WriteOnly))
            return;
        config.write("<busconfig><type>session</type><listen>unix:dir=" + folder.toUtf8() +
                     "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
                     "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                     "<allow own=\"*\"/></policy></busconfig>");
        config.close();
        m_bus.start(daemon, {"--nofork", "--print-address=1", "--config-file=" + config.fileName()});
        if (!m_bus.waitForReadyRead(10000))
            return;
        m_address = QString::fromUtf8(m_bus.readLine()).trimmed();
        portalSide = connection("portal");
        m_up = portalSide.registerVirtualObject(kPortalPath, &portal, QDBusConnection::SubPath) &&
               portalSide.registerService("org.freedesktop.portal.Desktop");
    }
    ~PortalOnPrivateBus()
    {
        for (const QString &name : std::as_const(m_names))
            QDBusConnection::disconnectFromBus(name);
        m_bus.kill();
        m_bus.waitForFinished();
    }
    bool isUp() const { return m_up; }
    QDBusConnection connection(const QString &name)
    {
        m_names.append(name);
        return QDBusConnection::connectToBus(m_address, name);
    }

    StandInPortal portal;
    QDBusConnection portalSide{QString()};

private:
    QProcess m_bus;
    QString m_address;
    QStringList m_names;
    bool m_up = false;
};

// What is written to standard error meanwhile: a player who starts Kelo from a terminal
// reads it there.
class StandardErrorCapture {
public:
    StandardErrorCapture()
    {
        if (!m_file.open())
            return;
        std::fflush(stderr);
        m_saved = dup(STDERR_FILENO);
        dup2(m_file.handle(), STDERR_FILENO);
    }
    ~StandardErrorCapture() { restore(); }
    QByteArray text()
    {
        restore();
        m_file.seek(0);
        return m_file.readAll();
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
        m_saved = -1;
    }
    QTemporaryFile m_file;
    int m_saved = -1;
};

// Time passes for `owner`: each of its timers due within `ms` runs out now. An owner whose
// timers cannot be seen would make that prove nothing.
void letTimePass(QObject *owner, int ms)
{
    const QList<QTimer *> timers = owner->findChildren<QTimer *>();
    QVERIFY(!timers.isEmpty());
    for (QTimer *timer : timers) {
        if (timer->isActive() && timer->interval() <= ms) {
            timer->start(0);
            QTRY_VERIFY(!timer->isActive());
        }
    }
}
} // namespace
#endif

// What Kelo tells the desktop session about itself: the shortcut's preferred trigger for the
// desktop portal, and the name under which a running Kelo waits for later starts.
class TestDesktopSession : public QObject {
    Q_OBJECT
private slots:
    void trigger_data();
    void trigger();
    void desktopKey_data();
    void desktopKey();
    void instanceName_data();
    void instanceName();
    void windowsInstanceName();
#ifdef KELO_POSIX_DESKTOP
    void portalShortcutOutlivesItsAnswerTimer();
    void portalBindingsReachThePlayer();
    void runningKeloAnswersOnlyItsRequest_data();
    void runningKeloAnswersOnlyItsRequest();
    void secondStartWaitsForItsTurn();
    void secondStartWaitsForASilentKelo();
    void secondStartTakesOverFromAKeloThatEnds();
    void startReplacesTheSocketOfAKilledKelo();

private:
    QTemporaryDir m_runtime;
#endif
};

void TestDesktopSession::trigger_data()
{
    QTest::addColumn<QString>("keys"); // as --riddle-hotkey takes them
    QTest::addColumn<QString>("trigger");
    QTest::newRow("default") << "Ctrl+Alt+Z"
                             << "CTRL+ALT+z";
    QTest::newRow("function key with shift") << "Ctrl+Shift+F12"
                                             << "CTRL+SHIFT+F12";
    QTest::newRow("logo key") << "Meta+R"
                              << "LOGO+r";
    QTest::newRow("all modifiers, fixed order") << "Shift+Meta+Alt+Ctrl+K"
                                                << "CTRL+ALT+SHIFT+LOGO+k";
    QTest::newRow("digit") << "Alt+1"
                           << "ALT+1";
    QTest::newRow("punctuation by name") << "Ctrl+,"
                                         << "CTRL+comma";
    QTest::newRow("grave accent") << "Ctrl+`"
                                  << "CTRL+grave";
    QTest::newRow("space") << "Ctrl+Space"
                           << "CTRL+space";
    QTest::newRow("page key") << "Ctrl+PgDown"
                              << "CTRL+Page_Down";
    QTest::newRow("backspace") << "Alt+Backspace"
                               << "ALT+BackSpace";
    QTest::newRow("last function key") << "F35"
                                       << "F35";
    QTest::newRow("key without a name") << "Ctrl+Alt+Ä"
                                        << "";
    QTest::newRow("keypad key") << "Ctrl+Num+1"
                                << "";
    QTest::newRow("two combinations") << "Ctrl+A, Ctrl+B"
                                      << "";
    QTest::newRow("nothing") << ""
                             << "";
}

void TestDesktopSession::trigger()
{
    QFETCH(QString, keys);
    QFETCH(QString, trigger);
    QCOMPARE(portalTrigger(QKeySequence::fromString(keys, QKeySequence::PortableText)), trigger);
}

// The same key for X11's grab and Windows' hot key: the keysym and the virtual-key code.
void TestDesktopSession::desktopKey_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("offered");
    QTest::addColumn<uint>("keysym");
    QTest::addColumn<uint>("virtualKey");
    QTest::newRow("letter: lower-case keysym, capital code") << "Ctrl+Alt+Z" << true << 0x7au << 0x5au;
    QTest::newRow("digit") << "Alt+1" << true << 0x31u << 0x31u;
    QTest::newRow("keypad Enter is not Return on X11") << "Ctrl+Enter" << true << 0xff8du << 0x0du;
    QTest::newRow("Return") << "Ctrl+Return" << true << 0xff0du << 0x0du;
    QTest::newRow("function key") << "Shift+F12" << true << 0xffc9u << 0x7bu;
    QTest::newRow("F25: X11 only") << "F25" << true << 0xffd6u << 0u;
    QTest::newRow("punctuation: the layout decides on Windows") << "Ctrl+," << true << 0x2cu << 0u;
    QTest::newRow("page key") << "Ctrl+PgUp" << true << 0xff55u << 0x21u;
    QTest::newRow("keypad digit") << "Ctrl+Num+1" << false << 0u << 0u;
    QTest::newRow("key without a name") << "Ctrl+Alt+Ä" << false << 0u << 0u;
    QTest::newRow("two combinations") << "Ctrl+A, Ctrl+B" << false << 0u << 0u;
}

void TestDesktopSession::desktopKey()
{
    QFETCH(QString, keys);
    QFETCH(bool, offered);
    QFETCH(uint, keysym);
    QFETCH(uint, virtualKey);
    const std::optional<DesktopKey> key =
        desktopKeyOf(QKeySequence::fromString(keys, QKeySequence::PortableText));
    QCOMPARE(key.has_value(), offered);
    if (key) {
        QCOMPARE(key->keysym, keysym);
        QCOMPARE(key->virtualKey, virtualKey);
    }
}

void TestDesktopSession::instanceName_data()
{
    QTest::addColumn<uint>("user");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("waylandDisplay");
    QTest::addColumn<QString>("name");
    QTest::newRow("X11") << 1000u << ":0"
                         << ""
                         << "kelo-1000-x11-_0";
    QTest::newRow("screen number is the same desktop") << 1000u << ":0.1"
                                                       << ""
                                                       << "kelo-1000-x11-_0";
    QTest::newRow("another display") << 1000u << ":1"
                                     << ""
                                     << "kelo-1000-x11-_1";
    QTest::newRow("another user") << 1001u << ":0"
                                  << ""
                                  << "kelo-1001-x11-_0";
    QTest::newRow("Wayland session with XWayland") << 1000u << ":0"
                                                   << "wayland-0"
                                                   << "kelo-1000-wayland-wayland-0";
    QTest::newRow("socket path") << 1000u << ""
                                 << "/run/user/1000/wayland-1"
                                 << "kelo-1000-wayland-_run_user_1000_wayland-1";
    QTest::newRow("no display") << 1000u << ""
                                << ""
                                << "";
}

void TestDesktopSession::instanceName()
{
    QFETCH(uint, user);
    QFETCH(QString, display);
    QFETCH(QString, waylandDisplay);
    QFETCH(QString, name);
    QCOMPARE(SingleInstance::nameFor(user, display, waylandDisplay), name);
}

// One Kelo per Windows logon session: the same user in another session (remote desktop)
// runs another.
void TestDesktopSession::windowsInstanceName()
{
    QCOMPARE(SingleInstance::nameForWindowsSession(QStringLiteral("Player"), 1), "kelo-player-session-1");
    QCOMPARE(SingleInstance::nameForWindowsSession(QStringLiteral("player"), 1), "kelo-player-session-1");
    QCOMPARE(SingleInstance::nameForWindowsSession(QStringLiteral("Player"), 2), "kelo-player-session-2");
    QCOMPARE(SingleInstance::nameForWindowsSession(QStringLiteral("Dom User"), 3), "kelo-dom_user-session-3");
    QCOMPARE(SingleInstance::nameForWindowsSession(QString(), 1), QString());
}

#ifdef KELO_POSIX_DESKTOP
void TestDesktopSession::portalShortcutOutlivesItsAnswerTimer()
{
    PortalOnPrivateBus bus(m_runtime.path());
    if (!bus.isUp())
        QSKIP("no dbus-daemon to run a bus of the test's own");
    {
        StandInPortal &portal = bus.portal;
        PortalGlobalShortcut shortcut(bus.connection("kelo"), [] { return std::make_unique<NoShortcut>(); });
        QSignalSpy activated(&shortcut, &GlobalShortcut::activated);
        QSignalSpy refused(&shortcut, &GlobalShortcut::refused);
        shortcut.grab(QKeySequence("Ctrl+Alt+Z"));
        QTRY_COMPARE(portal.granted, 2);
        portal.press(bus.portalSide);
        QTRY_COMPARE(activated.count(), 1);
        // Well past the time the desktop has to answer, a press still answers.
        letTimePass(&shortcut, 7000);
        QVERIFY(!QTest::currentTestFailed());
        portal.press(bus.portalSide);
        QTRY_COMPARE(activated.count(), 2);
        QCOMPARE(refused.count(), 0);
    }
}

// What the desktop bound is said in one clean line; a shortcut it did not bind falls back to
// the X11 grab of the same keys, and one the player refused is off; neither leaves its
// session open on the desktop.
void TestDesktopSession::portalBindingsReachThePlayer()
{
    qDBusRegisterMetaType<BoundShortcut>();
    qDBusRegisterMetaType<QList<BoundShortcut>>();
    PortalOnPrivateBus bus(m_runtime.path());
    if (!bus.isUp())
        QSKIP("no dbus-daemon to run a bus of the test's own");
    {
        StandInPortal &portal = bus.portal;

        // A description with a terminal's colour codes and a line break in it.
        portal.binds = QList<BoundShortcut>{
            {"answer-copied-riddle", {{"trigger_description", QString("Meta+\x1b[31mR\nx ")}}}};
        PortalGlobalShortcut bound(bus.connection("bound"), [] { return std::make_unique<NoShortcut>(); });
        QSignalSpy granted(&bound, &GlobalShortcut::grantedAs);
        bound.grab(QKeySequence("Ctrl+Alt+Z"));
        QTRY_COMPARE(granted.count(), 1);
        QCOMPARE(granted[0][0].toString(), QString("the desktop answers riddles on Meta+[31mRx"));

        portal.binds = QList<BoundShortcut>{};
        RecordingShortcut *fallback = nullptr;
        PortalGlobalShortcut unbound(bus.connection("unbound"), [&fallback] {
            auto shortcut = std::make_unique<RecordingShortcut>();
            fallback = shortcut.get();
            return shortcut;
        });
        QSignalSpy activated(&unbound, &GlobalShortcut::activated);
        QSignalSpy refused(&unbound, &GlobalShortcut::refused);
        unbound.grab(QKeySequence("Ctrl+Alt+Z"));
        QTRY_VERIFY(fallback);
        QCOMPARE(fallback->keys, QKeySequence("Ctrl+Alt+Z"));
        emit fallback->activated();
        QCOMPARE(activated.count(), 1);
        QCOMPARE(refused.count(), 0);
        QTRY_COMPARE(portal.closed.size(), 1);
        QVERIFY(portal.closed[0].startsWith(kPortalPath + "/session/"));

        portal.bindAnswer = 1;
        PortalGlobalShortcut cancelled(bus.connection("cancelled"),
                                       [] { return std::make_unique<NoShortcut>(); });
        QSignalSpy cancelledRefused(&cancelled, &GlobalShortcut::refused);
        cancelled.grab(QKeySequence("Ctrl+Alt+Z"));
        QTRY_COMPARE(cancelledRefused.count(), 1);
        QCOMPARE(cancelledRefused[0][0].toString(), QString("the desktop did not grant it (answer 1)"));
        QTRY_COMPARE(portal.closed.size(), 2);
        QVERIFY(portal.closed[1] != portal.closed[0]);
    }
}

void TestDesktopSession::runningKeloAnswersOnlyItsRequest_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("show") << QByteArray("show\n") << QByteArray("shown\n");
    QTest::newRow("anything else") << QByteArray("shoe\n") << QByteArray();
    QTest::newRow("endless") << QByteArray(100000, 's') << QByteArray();
}

void TestDesktopSession::runningKeloAnswersOnlyItsRequest()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, answer);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    SingleInstance running(QStringLiteral("answers"));
    QVERIFY(!running.handOverToRunning());
    QSignalSpy showRequested(&running, &SingleInstance::showRequested);
    QLocalSocket caller;
    caller.connectToServer(m_runtime.filePath("answers"));
    QVERIFY(caller.waitForConnected(1000));
    caller.write(request);
    // Whatever it was asked, the running Kelo closes the connection.
    QTRY_COMPARE(caller.state(), QLocalSocket::UnconnectedState);
    QCOMPARE(caller.readAll(), answer);
    QCOMPARE(showRequested.count(), answer.isEmpty() ? 0 : 1);
}

void TestDesktopSession::secondStartWaitsForItsTurn()
{
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    SingleInstance first(QStringLiteral("turn"));
    QVERIFY(!first.handOverToRunning());
    QSignalSpy showRequested(&first, &SingleInstance::showRequested);

    // Another start holds the turn (it has looked for a Kelo and not yet listened): a start
    // meanwhile waits for it instead of looking at once.
    auto held = std::make_unique<QLockFile>(m_runtime.filePath("turn.lock"));
    QVERIFY(held->tryLock(0));
    std::atomic<int> handedOver{-1};
    std::unique_ptr<QThread> second(
        QThread::create([&] { handedOver = SingleInstance(QStringLiteral("turn")).handOverToRunning(); }));
    StandardErrorCapture said;
    second->start();
    QTest::qWait(300);
    QCOMPARE(showRequested.count(), 0);
    held.reset();
    QTRY_COMPARE(handedOver.load(), 1);
    QCOMPARE(showRequested.count(), 1);
    second->wait();
    // A running Kelo that answers is nothing to tell the player about.
    QCOMPARE(said.text(), QByteArray());
}

// A running Kelo that is stopped answers late: the start beside it says once that it waits,
// and hands over when the answer comes.
void TestDesktopSession::secondStartWaitsForASilentKelo()
{
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    QLocalServer stopped;
    QVERIFY(stopped.listen(m_runtime.filePath("stopped")));
    std::atomic<int> handedOver{-1};
    std::unique_ptr<QThread> second(QThread::create([&] {
        SingleInstance instance(QStringLiteral("stopped"));
        instance.setReplyTimeout(100);
        handedOver = instance.handOverToRunning();
    }));
    StandardErrorCapture said;
    second->start();
    QTRY_VERIFY(stopped.hasPendingConnections());
    QLocalSocket *caller = stopped.nextPendingConnection();
    QTest::qWait(450);
    QCOMPARE(handedOver.load(), -1);
    caller->write("shown\n");
    QTRY_COMPARE(handedOver.load(), 1);
    second->wait();
    QCOMPARE(said.text().count("does not answer"), 1);
}

void TestDesktopSession::secondStartTakesOverFromAKeloThatEnds()
{
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    // A Kelo killed just as a second start asks it: its socket takes the request and never
    // answers, then goes.
    auto ending = std::make_unique<QLocalServer>();
    QVERIFY(ending->listen(m_runtime.filePath("ending")));
    std::atomic<int> handedOver{-1};
    std::atomic<bool> listening = false;
    std::unique_ptr<QThread> second(QThread::create([&] {
        SingleInstance instance(QStringLiteral("ending"));
        handedOver = instance.handOverToRunning();
        QLocalSocket later;
        later.connectToServer(m_runtime.filePath("ending"));
        listening = later.waitForConnected(1000);
    }));
    second->start();
    QTRY_VERIFY(ending->hasPendingConnections());
    // Killed: the request is dropped unanswered and the socket is gone (its file moved
    // away; the server itself stays, as its clean-up would remove the new Kelo's file).
    QVERIFY(QFile::rename(m_runtime.filePath("ending"), m_runtime.filePath("ended")));
    delete ending->nextPendingConnection();
    QTRY_COMPARE(handedOver.load(), 0);
    QTRY_VERIFY(listening);
    second->wait();
}

// A Kelo killed outright leaves its socket's file, where nobody listens: the next start
// takes its place.
void TestDesktopSession::startReplacesTheSocketOfAKilledKelo()
{
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    const QByteArray path = QFile::encodeName(m_runtime.filePath("killed"));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
    const int left = socket(AF_UNIX, SOCK_STREAM, 0);
    QCOMPARE(bind(left, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    close(left);
    QVERIFY(QFileInfo::exists(path));

    SingleInstance next(QStringLiteral("killed"));
    QVERIFY(!next.handOverToRunning());
    QLocalSocket later;
    later.connectToServer(path);
    QVERIFY(later.waitForConnected(1000));
}

#endif

QTEST_GUILESS_MAIN(TestDesktopSession)
#include "tst_desktopsession.moc"
