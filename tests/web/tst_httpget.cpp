#include "LocalHttpServer.h"
#include "web/HttpGet.h"
#include "web/HttpMessages.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {
const QByteArray kAccept1 = "Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff\r\n";
const QByteArray kAccept2 = "Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript\r\n";
const QByteArray kContentType = "Content-type: application/x-www-form-urlencoded\r\n";

QByteArray expectedRequest(const QByteArray &path, const QByteArray &host, const QByteArray &cookieLine = {})
{
    return "GET " + path + " HTTP/1.0\r\nHost: " + host + "\r\n" + kAccept1 + kAccept2 + cookieLine +
           kContentType + "\r\n";
}

QUrl local(quint16 port, const QString &path = QStringLiteral("/test/1.php"))
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path));
}

// A request with short limits that tells how it ended; `run` waits for the end.
struct Request : HttpGet {
    explicit Request(int totalMilliseconds = 400)
    {
        Limits limits;
        limits.totalMilliseconds = totalMilliseconds;
        setLimits(limits);
    }
    bool run(const QUrl &url)
    {
        QSignalSpy finished(this, &HttpGet::finished);
        start(url);
        if (!finished.wait(10000))
            return false;
        return finished.at(0).at(0).toBool();
    }
};
} // namespace

class TestHttpGet : public QObject {
    Q_OBJECT
private slots:
    void requestBytesAreExact();
    void requestOnTheWire();
    void anyAnswerEndsWithoutError_data();
    void anyAnswerEndsWithoutError();
    void redirectSendsCookieBackToItsHostOnly();
    void unsafeCookiesAreNotSentBack();
    void redirectLoopStopsAtLimit();
    void silentServerHitsTimeLimit();
    void transportFailures();
    void deadAddressLeavesTimeForTheNext();
    void closedWithoutAnswerIsFailure();
    void floodsStayWithinTheBudget();
    void bodyOfExactlyTheLimitEndsAtOnce();
};

void TestHttpGet::requestBytesAreExact()
{
    QCOMPARE(HttpMessages::requestBytes(QStringLiteral("ping.example"), QStringLiteral("/test/1.php")),
             QByteArray("GET /test/1.php HTTP/1.0\r\n"
                        "Host: ping.example\r\n"
                        "Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff\r\n"
                        "Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript\r\n"
                        "Content-type: application/x-www-form-urlencoded\r\n"
                        "\r\n"));
    // The cookie goes between the second Accept line and the Content-type line.
    QCOMPARE(HttpMessages::requestBytes(QStringLiteral("h"), QStringLiteral("/"), "sid=42"),
             expectedRequest("/", "h", "Cookie: sid=42\r\n"));
    QCOMPARE(HttpMessages::cookiePair(" sid=42; Path=/; HttpOnly"), QByteArray("sid=42"));
    QCOMPARE(HttpMessages::cookiePair("a=b"), QByteArray("a=b"));
}

void TestHttpGet::requestOnTheWire()
{
    LocalHttpServer server([](int, const QByteArray &) { return answerWithStatus(200); });
    Request request;
    QVERIFY(request.run(local(server.port())));
    QCOMPARE(server.requests.size(), 1);
    QCOMPARE(server.requests.at(0),
             expectedRequest("/test/1.php", "127.0.0.1:" + QByteArray::number(server.port())));
    QCOMPARE(request.lastStatus(), 200);
}

void TestHttpGet::anyAnswerEndsWithoutError_data()
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

void TestHttpGet::anyAnswerEndsWithoutError()
{
    QFETCH(QByteArray, answer);
    QFETCH(int, status);
    LocalHttpServer server([&](int, const QByteArray &) { return answer; });
    Request request;
    QVERIFY2(request.run(local(server.port())), qPrintable(request.errorString()));
    QCOMPARE(request.lastStatus(), status);
    // Only 300, 301 and 302 are followed.
    QCOMPARE(server.requests.size(), 1);
    QCOMPARE(request.redirectsFollowed(), 0);
}

void TestHttpGet::redirectSendsCookieBackToItsHostOnly()
{
    // "127.0.0.1" and "localhost" are two hosts to the client, though one server here.
    LocalHttpServer server([&](int index, const QByteArray &) {
        if (index == 0)
            return answerWithStatus(
                302, "Set-Cookie: visit=abc123; Path=/; Expires=Wed, 09 Jun 2100 10:18:14 GMT\r\n"
                     "Location: /land.php?from=ping\r\n");
        // A cookie set by the very answer that sends the client to another host stays with
        // the host that set it.
        if (index == 1)
            return answerWithStatus(301, "Set-Cookie: land=1\r\nLocation: http://localhost:" +
                                             QByteArray::number(server.port()) + "/x\r\n");
        if (index == 2)
            return answerWithStatus(302, "Location: http://127.0.0.1:" + QByteArray::number(server.port()) +
                                             "/back\r\n");
        return answerWithStatus(200);
    });
    const QByteArray port = QByteArray::number(server.port());
    Request request;
    request.setResolver([](const QString &) { return QList<QHostAddress>{QHostAddress::LocalHost}; });
    QVERIFY2(request.run(local(server.port())), qPrintable(request.errorString()));
    QCOMPARE(server.requests.size(), 4);
    QCOMPARE(server.requests.at(1),
             expectedRequest("/land.php?from=ping", "127.0.0.1:" + port, "Cookie: visit=abc123\r\n"));
    QCOMPARE(server.requests.at(2), expectedRequest("/x", "localhost:" + port));
    QCOMPARE(server.requests.at(3),
             expectedRequest("/back", "127.0.0.1:" + port, "Cookie: visit=abc123; land=1\r\n"));
    QCOMPARE(request.redirectsFollowed(), 3);
    QCOMPARE(request.lastStatus(), 200);
    // Cookies last one load: the next load of the same request starts without them.
    QVERIFY(request.run(local(server.port())));
    QCOMPARE(server.requests.at(4), server.requests.at(0));
}

void TestHttpGet::unsafeCookiesAreNotSentBack()
{
    // A carriage return or NUL inside a Set-Cookie value would split the Cookie line of the
    // next request; a cookie without a name is no cookie.
    LocalHttpServer server([](int index, const QByteArray &) {
        return index == 0 ? answerWithStatus(302, "Set-Cookie: sid=1\rX-Injected: yes\r\n"
                                                  "Set-Cookie: nul=1" +
                                                      QByteArray(1, '\0') +
                                                      "2\r\n"
                                                      "Set-Cookie: nameless\r\n"
                                                      "Set-Cookie: kept = 3 ; Path=/\r\n"
                                                      "Location: /next\r\n")
                          : answerWithStatus(200);
    });
    Request request;
    QVERIFY2(request.run(local(server.port())), qPrintable(request.errorString()));
    QCOMPARE(server.requests.size(), 2);
    QCOMPARE(server.requests.at(1), expectedRequest("/next", "127.0.0.1:" + QByteArray::number(server.port()),
                                                    "Cookie: kept=3\r\n"));
}

void TestHttpGet::redirectLoopStopsAtLimit()
{
    LocalHttpServer loop([](int index, const QByteArray &) {
        return answerWithStatus(302, "Location: /again" + QByteArray::number(index) + "\r\n");
    });
    Request request;
    QVERIFY(!request.run(local(loop.port())));
    // The first request and five redirects; the sixth redirect is a failure.
    QCOMPARE(loop.requests.size(), 6);
    QCOMPARE(request.redirectsFollowed(), 5);
    QVERIFY(loop.requests.last().startsWith("GET /again4 HTTP/1.0\r\n"));
}

void TestHttpGet::silentServerHitsTimeLimit()
{
    LocalHttpServer silent([](int, const QByteArray &) { return QByteArray(); });
    Request request;
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!request.run(local(silent.port())));
    QCOMPARE(request.errorString(), QStringLiteral("Time limit reached"));
    QVERIFY(clock.elapsed() >= 400);
    QVERIFY2(clock.elapsed() < 3000, "the time limit covers the whole exchange");
    QCOMPARE(silent.requests.size(), 1);

    // The limit counts across redirects: a quick redirect to a silent server still ends in time.
    LocalHttpServer redirecting([&](int, const QByteArray &) {
        return answerWithStatus(302,
                                "Location: http://127.0.0.1:" + QByteArray::number(silent.port()) + "/\r\n");
    });
    clock.restart();
    QVERIFY(!request.run(local(redirecting.port())));
    QCOMPARE(request.errorString(), QStringLiteral("Time limit reached"));
    QCOMPARE(request.redirectsFollowed(), 1);
    QVERIFY(clock.elapsed() < 3000);
}

void TestHttpGet::transportFailures()
{
    Request request(3000);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!request.run(local(closedPort())));
    // Refused fails at once, not at the time limit.
    QVERIFY(request.errorString() != QStringLiteral("Time limit reached"));
    QVERIFY(clock.elapsed() < 2000);

    QStringList asked;
    request.setResolver([&](const QString &host) {
        asked.append(host);
        return QList<QHostAddress>();
    });
    QVERIFY(!request.run(QUrl(QStringLiteral("http://ping.invalid/test/1.php"))));
    QCOMPARE(request.errorString(), QStringLiteral("Host name not found"));
    QCOMPARE(asked, QStringList{QStringLiteral("ping.invalid")});
    QVERIFY(!request.run(QUrl(QStringLiteral("ftp://127.0.0.1/"))));

    // A name that resolves is connected to at its address, the name staying in the Host line.
    LocalHttpServer server([](int, const QByteArray &) { return answerWithStatus(200); });
    request.setResolver([](const QString &) { return QList<QHostAddress>{QHostAddress::LocalHost}; });
    QVERIFY(request.run(QUrl(QStringLiteral("http://ping.test:%1/test/1.php").arg(server.port()))));
    QCOMPARE(server.requests.at(0),
             expectedRequest("/test/1.php", "ping.test:" + QByteArray::number(server.port())));
}

void TestHttpGet::deadAddressLeavesTimeForTheNext()
{
    // A listener whose backlog is full and never accepted gets no answer to a connection
    // attempt at all, as an address that drops packets.
    QTcpServer dead;
    dead.setListenBacklogSize(0);
    dead.setMaxPendingConnections(0);
    QVERIFY(dead.listen(QHostAddress(QStringLiteral("127.0.0.2")), 0));
    QTcpSocket filler;
    filler.connectToHost(dead.serverAddress(), dead.serverPort());
    QVERIFY(filler.waitForConnected(1000));
    LocalHttpServer alive([](int, const QByteArray &) { return answerWithStatus(200); }, dead.serverPort());
    QVERIFY(alive.isListening());

    Request request;
    HttpGet::Limits limits;
    limits.totalMilliseconds = 2000;
    limits.connectMilliseconds = 300;
    request.setLimits(limits);
    request.setResolver([&](const QString &) {
        return QList<QHostAddress>{dead.serverAddress(), QHostAddress::LocalHost};
    });
    QElapsedTimer clock;
    clock.start();
    QVERIFY2(request.run(QUrl(QStringLiteral("http://ping.test:%1/").arg(dead.serverPort()))),
             qPrintable(request.errorString()));
    QVERIFY2(clock.elapsed() >= 300 && clock.elapsed() < 1500, "the dead address had its own connect time");
    QCOMPARE(alive.requests.size(), 1);
}

void TestHttpGet::closedWithoutAnswerIsFailure()
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
    Request request;
    QVERIFY(!request.run(local(server.serverPort())));
    QVERIFY(request.errorString().contains(QStringLiteral("without an answer")));

    // Broken off inside the status line and headers: a failure too.
    LocalHttpServer cut([](int, const QByteArray &) { return QByteArray("HTTP/1.0 200 OK\r\nContent-"); });
    QVERIFY(!request.run(local(cut.port())));
}

void TestHttpGet::floodsStayWithinTheBudget()
{
    const HttpGet::Limits limits;
    const QByteArray block(64 * 1024, 'x');
    // An endless body on an open connection: complete at the body limit, little of it held.
    FloodServer body("HTTP/1.0 200 OK\r\n\r\n", block);
    Request request(3000);
    QElapsedTimer clock;
    clock.start();
    QVERIFY2(request.run(local(body.port())), qPrintable(request.errorString()));
    QVERIFY(clock.elapsed() < 2000);
    QVERIFY(request.peakBytesHeld() > 0);
    QVERIFY2(request.peakBytesHeld() <= 2 * HttpGet::kReadBufferBytes,
             qPrintable(QString::number(request.peakBytesHeld())));

    // One header line that never ends: a failure as soon as the head passes its limit.
    FloodServer header("HTTP/1.0 200 OK\r\nX-Filler: ", block);
    QVERIFY(!request.run(local(header.port())));
    QVERIFY(request.errorString().contains(QStringLiteral("head")));
    QVERIFY(request.peakBytesHeld() > limits.maxHeadBytes / 2);
    QVERIFY2(request.peakBytesHeld() <= limits.maxHeadBytes + 2 * HttpGet::kReadBufferBytes,
             qPrintable(QString::number(request.peakBytesHeld())));
}

void TestHttpGet::bodyOfExactlyTheLimitEndsAtOnce()
{
    HttpGet::Limits limits;
    limits.maxBodyBytes = 100 * 1000;
    // Exactly the limit, and the connection left open: nothing more can be wanted.
    FloodServer server("HTTP/1.0 200 OK\r\n\r\n", QByteArray(1000, 'b'), limits.maxBodyBytes);
    Request request;
    limits.totalMilliseconds = 3000;
    request.setLimits(limits);
    QElapsedTimer clock;
    clock.start();
    QVERIFY2(request.run(local(server.port())), qPrintable(request.errorString()));
    QVERIFY2(clock.elapsed() < 1500, "ends at the limit, not at the deadline");
    QCOMPARE(server.written, limits.maxBodyBytes);
}

QTEST_GUILESS_MAIN(TestHttpGet)
#include "tst_httpget.moc"
