#include "StandInHandler.h"
#include "desktop/BrowserLauncher.h"

#include <QElapsedTimer>
#include <QTest>

class TestBrowserLauncher : public QObject {
    Q_OBJECT
private slots:
    void programFromCommand_data();
    void programFromCommand();
    void quotedWindowsArgument_data();
    void quotedWindowsArgument();
    void addressReachesHandlerAsOneUnchangedArgument_data();
    void addressReachesHandlerAsOneUnchangedArgument();
    void mailLinkReachesHandlerUnchanged();
    void handlerIsNeverWaitedFor();
};

void TestBrowserLauncher::programFromCommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("program");
    QTest::newRow("quoted path with arguments")
        << R"("C:\Program Files\Web Browser\browser.exe" -osint -url "%1")"
        << R"(C:\Program Files\Web Browser\browser.exe)";
    QTest::newRow("quoted path alone") << R"("C:\Web\browser.exe")"
                                       << R"(C:\Web\browser.exe)";
    QTest::newRow("text before the quoted path") << R"(rundll32.exe "C:\Web Tools\view.dll",Open %1)"
                                                 << R"(C:\Web Tools\view.dll)";
    QTest::newRow("no quotes") << R"(C:\Web\browser.exe -nohome %1)" << QString();
    QTest::newRow("one quote only") << R"("C:\Web\browser.exe -nohome %1)" << QString();
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("empty quotes") << R"("" %1)" << QString();
}

void TestBrowserLauncher::programFromCommand()
{
    QFETCH(QString, command);
    QFETCH(QString, program);
    QCOMPARE(BrowserLauncher::programFromCommand(command), program);
}

void TestBrowserLauncher::quotedWindowsArgument_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("plain") << "http://game.example/"
                           << R"("http://game.example/")";
    QTest::newRow("spaces kept") << "http://game.example/?login=a b "
                                 << R"("http://game.example/?login=a b ")";
    QTest::newRow("switch stays inside") << "login=x --some-switch"
                                         << R"("login=x --some-switch")";
    QTest::newRow("quotes escaped") << R"(say "hi")"
                                    << R"("say \"hi\"")";
    QTest::newRow("backslashes before a quote doubled") << R"(a\"b)"
                                                        << R"("a\\\"b")";
    QTest::newRow("other backslashes literal") << R"(a\\b\c)"
                                               << R"("a\\b\c")";
    QTest::newRow("trailing backslashes doubled") << R"(C:\dir\)"
                                                  << R"("C:\dir\\")";
    QTest::newRow("cyrillic") << "login=Лесной Охотник"
                              << R"("login=Лесной Охотник")";
    QTest::newRow("empty") << QString() << R"("")";
}

void TestBrowserLauncher::quotedWindowsArgument()
{
    QFETCH(QString, argument);
    QFETCH(QString, quoted);
    QCOMPARE(BrowserLauncher::quotedWindowsArgument(argument), quoted);
}

void TestBrowserLauncher::addressReachesHandlerAsOneUnchangedArgument_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("plain") << "http://game.example/guide/news.php";
    QTest::newRow("trailing space") << "http://clan.example/ ";
    QTest::newRow("nickname with a switch")
        << "http://game.example/index.php?file=infouser&login=x --some-browser-switch";
    QTest::newRow("cyrillic and spaces")
        << "http://game.example/index.php?file=infouser&login=Лесной Охотник";
    QTest::newRow("quotes and shell characters")
        << R"(http://game.example/?login="a" 'b' $(false);`c` | d & e)";
    QTest::newRow("empty nickname") << "http://game.example/index.php?file=infouser&login=";
}

void TestBrowserLauncher::addressReachesHandlerAsOneUnchangedArgument()
{
    QFETCH(QString, address);
    StandInHandler handler;
    QVERIFY(handler.isReady());
    BrowserLauncher::open(address);
    WAIT_FOR_STAND_IN(handler);
    QCOMPARE(handler.recordedArguments(), QStringList{address});
}

void TestBrowserLauncher::mailLinkReachesHandlerUnchanged()
{
#ifdef Q_OS_WIN
    QSKIP("Windows opens mail links with the mail program it registers, not the browser's command");
#endif
    StandInHandler handler;
    QVERIFY(handler.isReady());
    const QString mail = QStringLiteral("mailto:author@kelo.example,");
    BrowserLauncher::openMail(mail);
    WAIT_FOR_STAND_IN(handler);
    QCOMPARE(handler.recordedArguments(), QStringList{mail});
}

void TestBrowserLauncher::handlerIsNeverWaitedFor()
{
    // Some desktops' handlers stay until the browser they started is closed; the
    // program must not freeze meanwhile. Another desktop has no handler at all.
#ifdef Q_OS_WIN
    QSKIP("ShellExecute starts the browser and returns; xdg-open's stand-ins are POSIX scripts");
#endif
    QTemporaryDir slow;
    QTemporaryDir none;
    QVERIFY(slow.isValid() && none.isValid());
    QFile script(slow.filePath(QStringLiteral("xdg-open")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nexec sleep 3\n");
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    const QByteArray oldPath = qgetenv("PATH");
    QElapsedTimer clock;
    qputenv("PATH", QFile::encodeName(slow.path()) + ':' + oldPath);
    clock.start();
    BrowserLauncher::open(QStringLiteral("http://game.example/"));
    const qint64 withSlowHandler = clock.elapsed();

    qputenv("PATH", QFile::encodeName(none.path()));
    clock.restart();
    BrowserLauncher::open(QStringLiteral("http://game.example/"));
    BrowserLauncher::openMail(QStringLiteral("mailto:author@kelo.example"));
    const qint64 withoutHandler = clock.elapsed();
    qputenv("PATH", oldPath);

    QVERIFY2(withSlowHandler < 1000, qPrintable(QString::number(withSlowHandler)));
    QVERIFY2(withoutHandler < 1000, qPrintable(QString::number(withoutHandler)));
}

QTEST_GUILESS_MAIN(TestBrowserLauncher)
#include "tst_browserlauncher.moc"
