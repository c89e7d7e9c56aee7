#include "HttpClient.h"
#include "LocalHttpServer.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

namespace {
const QByteArray kAccept1 = "Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff\r\n";
const QByteArray kAccept2 = "Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript\r\n";
const QByteArray kContentType = "Content-type: application/x-www-form-urlencoded\r\n";

QByteArray expectedRequest(const QByteArray &path, const QByteArray &host, const QByteArray &cookieLine = {})
{
    return "GET " + path + " HTTP/1.0\r\nHost: " + host + "\r\n" + kAccept1 + kAccept2 + cookieLine
           + kContentType + "\r\n";
}

HttpClient::Limits shortLimits()
{
    HttpClient::Limits limits;
    limits.totalMilliseconds = 400;
    return limits;
}
} // namespace

class TestStartupPing : public QObject {
    Q_OBJECT
private slots:
    void requestBytesAreExact();
    void requestOnTheWire();
    void anyAnswerEndsWithoutError_data();
    void anyAnswerEndsWithoutError();
    void redirectSendsCookieBack();
    void unsafeCookiesAreNotSentBack();
    void redirectLoopStopsAtLimit();
    void silentServerHitsTimeLimit();
    void connectionRefused();
    void unresolvableHost();
    void closedWithoutAnswerIsFailure();
    void oversizedHeadIsFailure();
    void endlessBodyEndsAtLimit();
    void timersRunWhileWaiting();
};

void TestStartupPing::requestBytesAreExact()
{
    QCOMPARE(HttpClient::requestBytes(QStringLiteral("ping.example"), QStringLiteral("/test/1.php")),
             QByteArray("GET /test/1.php HTTP/1.0\r\n"
                        "Host: ping.example\r\n"
                        "Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff\r\n"
                        "Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript\r\n"
                        "Content-type: application/x-www-form-urlencoded\r\n"
                        "\r\n"));
    // The cookie goes between the second Accept line and the Content-type line.
    QCOMPARE(HttpClient::requestBytes(QStringLiteral("h"), QStringLiteral("/"), "sid=42"),
             expectedRequest("/", "h", "Cookie: sid=42\r\n"));
    QCOMPARE(HttpClient::cookiePair(" sid=42; Path=/; HttpOnly"), QByteArray("sid=42"));
    QCOMPARE(HttpClient::cookiePair("a=b"), QByteArray("a=b"));
}

void TestStartupPing::requestOnTheWire()
{
    LocalHttpServer server([](int, const QByteArray &) { return answerWithStatus(200); });
    HttpClient client;
    client.setLimits(shortLimits());
    QVERIFY(client.get(QStringLiteral("127.0.0.1"), server.port(), QStringLiteral("/test/1.php")));
    QCOMPARE(server.requests.size(), 1);
    QCOMPARE(server.requests.at(0),
             expectedRequest("/test/1.php", "127.0.0.1:" + QByteArray::number(server.port())));
    QCOMPARE(client.lastStatus(), 200);
}

void TestStartupPing::anyAnswerEndsWithoutError_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("status");
    QTest::newRow("200") << answerWithStatus(200) << 200;
    QTest::newRow("404") << answerWithStatus(404) << 404;
    QTest::newRow("500") << answerWithStatus(500) << 500;
    QTest::newRow("299 with Location") << answerWithStatus(299, "Location: /elsewhere\r\n") << 299;
    QTest::newRow("303 with Location") << answerWithStatus(303, "Location: /elsewhere\r\n") << 303;
    QTest::newRow("399 with Location") << answerWithStatus(399, "Location: /elsewhere\r\n") << 399;
    QTest::newRow("302 without Location") << answerWithStatus(302) << 302;
    QTest::newRow("no status line") << QByteArray("just some text") << 0;
    QTest::newRow("head only, bare line feeds") << QByteArray("HTTP/1.0 204 No Content\n\n") << 204;
}

void TestStartupPing::anyAnswerEndsWithoutError()
{
    QFETCH(QByteArray, answer);
    QFETCH(int, status);
    LocalHttpServer server([&](int, const QByteArray &) { return answer; });
    HttpClient client;
    client.setLimits(shortLimits());
    QVERIFY2(client.get(QStringLiteral("127.0.0.1"), server.port(), QStringLiteral("/test/1.php")),
             qPrintable(client.errorString()));
    QCOMPARE(client.lastStatus(), status);
    // Only 300, 301 and 302 are followed.
    QCOMPARE(server.requests.size(), 1);
    QCOMPARE(client.redirectsFollowed(), 0);
}

void TestStartupPing::redirectSendsCookieBack()
{
    LocalHttpServer target([](int, const QByteArray &) { return answerWithStatus(200); });
    const QByteArray targetHost = "127.0.0.1:" + QByteArray::number(target.port());
    LocalHttpServer first([&](int, const QByteArray &) {
        return answerWithStatus(302, "Set-Cookie: visit=abc123; Path=/; Expires=Wed, 09 Jun 2100 10:18:14 GMT\r\n"
                                     "Location: http://"
                                         + targetHost + "/land.php?from=ping\r\n");
    });
    HttpClient client;
    client.setLimits(shortLimits());
    QVERIFY2(client.get(QStringLiteral("127.0.0.1"), first.port(), QStringLiteral("/test/1.php")),
             qPrintable(client.errorString()));
    QCOMPARE(first.requests.size(), 1);
    QCOMPARE(target.requests.size(), 1);
    QCOMPARE(target.requests.at(0), expectedRequest("/land.php?from=ping", targetHost, "Cookie: visit=abc123\r\n"));
    QCOMPARE(client.redirectsFollowed(), 1);
    QCOMPARE(client.lastStatus(), 200);

    // A relative Location stays on the same server; 300 and 301 are followed as well.
    for (int status : {300, 301}) {
        LocalHttpServer same([&](int index, const QByteArray &) {
            return index == 0 ? answerWithStatus(status, "Location: /second\r\n") : answerWithStatus(200);
        });
        QVERIFY(client.get(QStringLiteral("127.0.0.1"), same.port(), QStringLiteral("/test/1.php")));
        QCOMPARE(same.requests.size(), 2);
        QCOMPARE(same.requests.at(1), expectedRequest("/second", "127.0.0.1:" + QByteArray::number(same.port())));
    }
}

void TestStartupPing::unsafeCookiesAreNotSentBack()
{
    // A carriage return or NUL inside a Set-Cookie value would split the Cookie line of the
    // next request; a cookie without a name is no cookie.
    LocalHttpServer server([](int index, const QByteArray &) {
        return index == 0 ? answerWithStatus(302, "Set-Cookie: sid=1\rX-Injected: yes\r\n"
                                                  "Set-Cookie: nul=1" + QByteArray(1, '\0') + "2\r\n"
                                                  "Set-Cookie: nameless\r\n"
                                                  "Set-Cookie: kept = 3 ; Path=/\r\n"
                                                  "Location: /next\r\n")
                          : answerWithStatus(200);
    });
    HttpClient client;
    client.setLimits(shortLimits());
    QVERIFY2(client.get(QStringLiteral("127.0.0.1"), server.port(), QStringLiteral("/test/1.php")),
             qPrintable(client.errorString()));
    QCOMPARE(server.requests.size(), 2);
    QCOMPARE(server.requests.at(1),
             expectedRequest("/next", "127.0.0.1:" + QByteArray::number(server.port()), "Cookie: kept=3\r\n"));
}

void TestStartupPing::redirectLoopStopsAtLimit()
{
    LocalHttpServer loop([](int index, const QByteArray &) {
        return answerWithStatus(302, "Location: /again" + QByteArray::number(index) + "\r\n");
    });
    HttpClient client;
    client.setLimits(shortLimits());
    QVERIFY(!client.get(QStringLiteral("127.0.0.1"), loop.port(), QStringLiteral("/test/1.php")));
    // The first request and five redirects; the sixth redirect is a failure.
    QCOMPARE(loop.requests.size(), 6);
    QCOMPARE(client.redirectsFollowed(), 5);
    QVERIFY(loop.requests.last().startsWith("GET /again4 HTTP/1.0\r\n"));
}

void TestStartupPing::silentServerHitsTimeLimit()
{
    LocalHttpServer silent([](int, const QByteArray &) { return QByteArray(); });
    HttpClient client;
    client.setLimits(shortLimits());
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!client.get(QStringLiteral("127.0.0.1"), silent.port(), QStringLiteral("/test/1.php")));
    QCOMPARE(client.errorString(), QStringLiteral("Time limit reached"));
    QVERIFY(clock.elapsed() >= 400);
    QVERIFY2(clock.elapsed() < 3000, "the time limit covers the whole exchange");
    QCOMPARE(silent.requests.size(), 1);

    // The limit counts across redirects: a quick redirect to a silent server still ends in time.
    LocalHttpServer redirecting([&](int, const QByteArray &) {
        return answerWithStatus(302, "Location: http://127.0.0.1:" + QByteArray::number(silent.port()) + "/\r\n");
    });
    clock.restart();
    QVERIFY(!client.get(QStringLiteral("127.0.0.1"), redirecting.port(), QStringLiteral("/test/1.php")));
    QCOMPARE(client.errorString(), QStringLiteral("Time limit reached"));
    QCOMPARE(client.redirectsFollowed(), 1);
    QVERIFY(clock.elapsed() < 3000);
}

void TestStartupPing::connectionRefused()
{
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    HttpClient client;
    client.setLimits(shortLimits());
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!client.get(QStringLiteral("127.0.0.1"), closedPort, QStringLiteral("/test/1.php")));
    // It fails at once, not at the time limit.
    QVERIFY(!client.errorString().isEmpty());
    QVERIFY(client.errorString() != QStringLiteral("Time limit reached"));
    QVERIFY(clock.elapsed() < 3000);
}

void TestStartupPing::unresolvableHost()
{
    HttpClient client;
    client.setLimits(shortLimits());
    QStringList asked;
    client.setResolver([&](const QString &host) {
        asked.append(host);
        return QStringList();
    });
    QVERIFY(!client.get(QStringLiteral("ping.invalid"), 80, QStringLiteral("/test/1.php")));
    QCOMPARE(client.errorString(), QStringLiteral("Host name not found"));
    QCOMPARE(asked, QStringList{QStringLiteral("ping.invalid")});

    // A name that resolves is connected to at its address, the name staying in the Host line.
    LocalHttpServer server([](int, const QByteArray &) { return answerWithStatus(200); });
    client.setResolver([](const QString &) { return QStringList{QStringLiteral("127.0.0.1")}; });
    QVERIFY(client.get(QStringLiteral("ping.test"), server.port(), QStringLiteral("/test/1.php")));
    QCOMPARE(server.requests.at(0), expectedRequest("/test/1.php", "ping.test:" + QByteArray::number(server.port())));
}

void TestStartupPing::closedWithoutAnswerIsFailure()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    connect(&server, &QTcpServer::newConnection, &server, [&] {
        QTcpSocket *socket = server.nextPendingConnection();
        connect(socket, &QTcpSocket::readyRead, socket, [socket] {
            socket->readAll();
            socket->disconnectFromHost();
        });
    });
    HttpClient client;
    client.setLimits(shortLimits());
    QVERIFY(!client.get(QStringLiteral("127.0.0.1"), server.serverPort(), QStringLiteral("/test/1.php")));
    QVERIFY(client.errorString().contains(QStringLiteral("without an answer")));

    // Broken off inside the status line and headers: a failure too.
    LocalHttpServer cut([](int, const QByteArray &) { return QByteArray("HTTP/1.0 200 OK\r\nContent-"); });
    QVERIFY(!client.get(QStringLiteral("127.0.0.1"), cut.port(), QStringLiteral("/test/1.php")));
}

void TestStartupPing::oversizedHeadIsFailure()
{
    HttpClient::Limits limits = shortLimits();
    limits.totalMilliseconds = 3000;
    // A head that never ends, the connection kept open: the limit ends it, not the clock.
    const QByteArray endless = "HTTP/1.0 200 OK\r\nX-Filler: " + QByteArray(70 * 1024, 'x');
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    connect(&server, &QTcpServer::newConnection, &server, [&] {
        QTcpSocket *socket = server.nextPendingConnection();
        socket->write(endless);
    });
    HttpClient client;
    client.setLimits(limits);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!client.get(QStringLiteral("127.0.0.1"), server.serverPort(), QStringLiteral("/test/1.php")));
    QVERIFY(client.errorString().contains(QStringLiteral("head")));
    QVERIFY(clock.elapsed() < 2500);
}

void TestStartupPing::endlessBodyEndsAtLimit()
{
    HttpClient::Limits limits = shortLimits();
    limits.totalMilliseconds = 3000;
    limits.maxBodyBytes = 64 * 1024;
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    connect(&server, &QTcpServer::newConnection, &server, [&] {
        QTcpSocket *socket = server.nextPendingConnection();
        socket->write("HTTP/1.0 200 OK\r\n\r\n" + QByteArray(200 * 1024, 'b'));
        // ...and the connection stays open.
    });
    HttpClient client;
    client.setLimits(limits);
    QElapsedTimer clock;
    clock.start();
    QVERIFY2(client.get(QStringLiteral("127.0.0.1"), server.serverPort(), QStringLiteral("/test/1.php")),
             qPrintable(client.errorString()));
    QVERIFY(clock.elapsed() < 2500);
    QCOMPARE(client.lastStatus(), 200);
}

void TestStartupPing::timersRunWhileWaiting()
{
    LocalHttpServer silent([](int, const QByteArray &) { return QByteArray(); });
    int ticks = 0;
    QTimer timer;
    timer.setInterval(20);
    connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start();
    HttpClient client;
    client.setLimits(shortLimits());
    QVERIFY(!client.get(QStringLiteral("127.0.0.1"), silent.port(), QStringLiteral("/test/1.php")));
    QVERIFY2(ticks >= 5, "the wait dispatches timer ticks");
}

QTEST_GUILESS_MAIN(TestStartupPing)
#include "tst_startupping.moc"
