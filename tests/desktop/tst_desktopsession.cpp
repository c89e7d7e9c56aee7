#include "desktop/DesktopKey.h"
#include "desktop/PortalTrigger.h"
#include "desktop/SingleInstance.h"

#include <QtTest>

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
    const std::optional<DesktopKey> key = desktopKeyOf(QKeySequence::fromString(keys, QKeySequence::PortableText));
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

QTEST_GUILESS_MAIN(TestDesktopSession)
#include "tst_desktopsession.moc"
