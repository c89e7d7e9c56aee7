#include "BuildConfig.h"
#include "LocalHttpServer.h"
#include "web/CounterView.h"
#include "web/HttpGet.h"
#include "web/VisitCounters.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QtTest>

namespace {
QByteArray pngOf(const QImage &image);

QByteArray counterPicture()
{
    QImage image(88, 31, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QByteArray png = pngOf(image);
    return "HTTP/1.0 200 OK\r\nContent-Type: image/png\r\nContent-Length: " + QByteArray::number(png.size()) +
           "\r\n\r\n" + png;
}

// Records the switches of the two views in the order they happen.
class SwitchRecorder : public QObject {
public:
    QStringList events;
    void watch(CounterView *view, const QString &name)
    {
        view->installEventFilter(this);
        m_names.insert(view, name);
        connect(view, &CounterView::browserVisibleChanged, this,
                [this, name](bool visible) { events.append(name + (visible ? " visible" : " hidden")); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::EnabledChange)
            events.append(m_names.value(watched) +
                          (static_cast<QWidget *>(watched)->isEnabled() ? " enabled" : " disabled"));
        return false;
    }

private:
    QHash<QObject *, QString> m_names;
};

// The counters aimed at local servers, the start-up request at a short time limit.
struct Fixture {
    VisitCounters counters;
    CounterView *game = counters.gameCounter();
    CounterView *rating = counters.ratingCounter();
    LocalHttpServer counterServer{[](int, const QByteArray &) { return counterPicture(); }};

    Fixture()
    {
        counters.show();
        const QString base = QStringLiteral("http://127.0.0.1:%1").arg(counterServer.port());
        counters.setCounterAddresses(QUrl(base + QStringLiteral("/c/b/?7")),
                                     QUrl(base + QStringLiteral("/counter?id=9;t=53")));
        HttpGet::Limits limits;
        limits.totalMilliseconds = 300;
        counters.startupRequest()->setLimits(limits);
    }
    void aimStartupAt(quint16 port)
    {
        counters.setStartupAddress(QUrl(QStringLiteral("http://127.0.0.1:%1/test/1.php").arg(port)));
    }
    bool start()
    {
        QSignalSpy started(&counters, &VisitCounters::started);
        counters.start();
        return started.wait(5000);
    }
    bool active() const
    {
        return game->isEnabled() && rating->isEnabled() && game->browserVisible() && rating->browserVisible();
    }
    bool switchedOff() const
    {
        return !game->isEnabled() && !rating->isEnabled() && !game->browserVisible() &&
               !rating->browserVisible();
    }
};

QStringList requestLines(const QList<QByteArray> &requests)
{
    QStringList lines;
    for (const QByteArray &request : requests)
        lines.append(QString::fromLatin1(request.left(request.indexOf("\r\n"))));
    lines.sort();
    return lines;
}

QByteArray pngOf(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}
} // namespace

class TestCounters : public QObject {
    Q_OBJECT
private slots:
    void addressesOfTheBuild();
    void viewsKeepTheirDesignedPlaces();
    void refreshTimerRunsFromCreation();
    void answeredPingKeepsCountersOn_data();
    void answeredPingKeepsCountersOn();
    void failedPingSwitchesCountersOff_data();
    void failedPingSwitchesCountersOff();
    void refusedNavigationSkipsThePing();
    void refreshReloadsOnlyWhileActive();
    void picturesAreBoundedBeforeDecoding();
    void floodedCounterIsCutOff();
    void onePastTheLimitIsRefused();
    void onlyASuccessShowsItsPicture();
};

void TestCounters::addressesOfTheBuild()
{
    QCOMPARE(VisitCounters::gameCounterAddress(),
             QStringLiteral("http://%1/c/b/?%2")
                 .arg(QString::fromUtf8(BuildConfig::kGameCounterHost),
                      QString::fromUtf8(BuildConfig::kGameCounterNumber)));
    QCOMPARE(VisitCounters::ratingCounterAddress(),
             QStringLiteral("http://%1/counter?id=%2;t=53")
                 .arg(QString::fromUtf8(BuildConfig::kRatingHost),
                      QString::fromUtf8(BuildConfig::kRatingCounterNumber)));
    QCOMPARE(VisitCounters::startupAddress(),
             QUrl(QStringLiteral("http://%1:80/test/1.php").arg(QString::fromUtf8(BuildConfig::kPingHost))));
}

void TestCounters::viewsKeepTheirDesignedPlaces()
{
    Fixture f;
    QCOMPARE(f.counters.findChild<CounterView *>(QStringLiteral("WebBrowser1")), f.game);
    QCOMPARE(f.counters.findChild<CounterView *>(QStringLiteral("WebBrowser2")), f.rating);
    // The game's counter lowest, the rating's directly above it.
    QCOMPARE(f.counters.size(), QSize(161, 110));
    QCOMPARE(f.game->geometry(), QRect(0, 55, 161, 55));
    QCOMPARE(f.rating->geometry(), QRect(0, 0, 161, 55));

    // Whatever happened to their size, the Settings button gives them their height back.
    f.game->resize(161, 20);
    f.rating->resize(161, 90);
    f.counters.setDesignedHeights();
    QCOMPARE(f.game->geometry(), QRect(0, 55, 161, 55));
    QCOMPARE(f.rating->geometry(), QRect(0, 0, 161, 55));
}

void TestCounters::refreshTimerRunsFromCreation()
{
    Fixture f;
    QTimer *timer = f.counters.findChild<QTimer *>(QStringLiteral("TimerCount1"));
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 5000);
    QVERIFY(!timer->isSingleShot());
    QVERIFY(f.active());
}

void TestCounters::answeredPingKeepsCountersOn_data()
{
    QTest::addColumn<int>("status");
    QTest::newRow("200") << 200;
    QTest::newRow("404") << 404;
    QTest::newRow("500") << 500;
}

void TestCounters::answeredPingKeepsCountersOn()
{
    QFETCH(int, status);
    Fixture f;
    LocalHttpServer ping([&](int, const QByteArray &) { return answerWithStatus(status); });
    f.aimStartupAt(ping.port());
    QVERIFY(f.start());
    QCOMPARE(ping.requests.size(), 1);
    QVERIFY(ping.requests.at(0).startsWith("GET /test/1.php HTTP/1.0\r\n"));
    QVERIFY(f.active());
    // The request goes out once: the window's own start finds it sent already.
    QVERIFY(f.counters.hasStarted());
    f.counters.start();
    QVERIFY(!f.counters.startupRequest()->isRunning());

    // Both counters were asked for, and their pictures arrive.
    QTRY_COMPARE_WITH_TIMEOUT(f.counterServer.requests.size(), 2, 3000);
    QCOMPARE(requestLines(f.counterServer.requests),
             (QStringList{QStringLiteral("GET /c/b/?7 HTTP/1.0"),
                          QStringLiteral("GET /counter?id=9;t=53 HTTP/1.0")}));
    QTRY_VERIFY_WITH_TIMEOUT(!f.game->pixmap().isNull(), 3000);
    QTRY_VERIFY_WITH_TIMEOUT(!f.rating->pixmap().isNull(), 3000);
    QCOMPARE(f.game->pixmap().size(), QSize(88, 31));
}

void TestCounters::failedPingSwitchesCountersOff_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("silent server") << QStringLiteral("silent");
    QTest::newRow("connection refused") << QStringLiteral("refused");
    QTest::newRow("unresolvable host") << QStringLiteral("unresolvable");
}

void TestCounters::failedPingSwitchesCountersOff()
{
    QFETCH(QString, failure);
    Fixture f;
    SwitchRecorder recorder;
    recorder.watch(f.game, QStringLiteral("WebBrowser1"));
    recorder.watch(f.rating, QStringLiteral("WebBrowser2"));

    LocalHttpServer silent([](int, const QByteArray &) { return QByteArray(); });
    if (failure == QLatin1String("silent")) {
        f.aimStartupAt(silent.port());
    } else if (failure == QLatin1String("refused")) {
        f.aimStartupAt(closedPort());
    } else {
        f.counters.setStartupAddress(QUrl(QStringLiteral("http://ping.invalid/test/1.php")));
        f.counters.startupRequest()->setResolver([](const QString &) { return QList<QHostAddress>(); });
    }
    QElapsedTimer clock;
    clock.start();
    QVERIFY(f.start());
    QVERIFY2(clock.elapsed() < 3000, "the start never waits past the request's time limit");
    QVERIFY(f.switchedOff());
    QCOMPARE(recorder.events,
             (QStringList{QStringLiteral("WebBrowser1 disabled"), QStringLiteral("WebBrowser2 disabled"),
                          QStringLiteral("WebBrowser1 hidden"), QStringLiteral("WebBrowser2 hidden")}));
}

void TestCounters::refusedNavigationSkipsThePing()
{
    Fixture f;
    LocalHttpServer ping([](int, const QByteArray &) { return answerWithStatus(200); });
    f.aimStartupAt(ping.port());
    // A view refuses an address it cannot load: the rest of the start is skipped.
    f.counters.setCounterAddresses(QUrl(QStringLiteral("http://127.0.0.1:1/c/b/?1")),
                                   QUrl(QStringLiteral("gopher://127.0.0.1/counter")));
    QVERIFY(f.start());
    QVERIFY(f.switchedOff());
    QCOMPARE(ping.requests.size(), 0);
}

void TestCounters::refreshReloadsOnlyWhileActive()
{
    Fixture f;
    LocalHttpServer ping([](int, const QByteArray &) { return answerWithStatus(200); });
    f.aimStartupAt(ping.port());
    QVERIFY(f.start());
    QTRY_COMPARE_WITH_TIMEOUT(f.counterServer.requests.size(), 2, 3000);

    // Active: every tick reloads both views.
    f.counters.refresh();
    QTRY_COMPARE_WITH_TIMEOUT(f.counterServer.requests.size(), 4, 3000);
    f.counters.refresh();
    QTRY_COMPARE_WITH_TIMEOUT(f.counterServer.requests.size(), 6, 3000);
    QVERIFY(f.active());
    // A reload that a view refuses switches the counters off as well.
    f.counters.setCounterAddresses(
        QUrl(QStringLiteral("http://127.0.0.1:%1/c/b/?7").arg(f.counterServer.port())),
        QUrl(QStringLiteral("gopher://127.0.0.1/")));
    f.counters.refresh();
    QVERIFY(f.switchedOff());

    // After a failed start the ticks do nothing for the rest of the run.
    Fixture off;
    off.aimStartupAt(closedPort());
    QVERIFY(off.start());
    QVERIFY(off.switchedOff());
    QTRY_COMPARE_WITH_TIMEOUT(off.counterServer.requests.size(), 2, 3000);
    for (int tick = 0; tick < 3; ++tick)
        off.counters.refresh();
    QTest::qWait(200);
    QCOMPARE(off.counterServer.requests.size(), 2);
    QVERIFY(off.game->pixmap().isNull());
}

void TestCounters::picturesAreBoundedBeforeDecoding()
{
    const QSize room(161, 55);
    QImage square(1024, 1024, QImage::Format_Mono);
    square.fill(0);
    // The largest picture taken is shown scaled into the view.
    QCOMPARE(CounterView::decodePicture(pngOf(square), room).size(), QSize(55, 55));
    // One that would decode as easily, but declares more than 1024 pixels a side, is refused.
    QImage bomb(5600, 5600, QImage::Format_Mono);
    bomb.fill(0);
    const QByteArray png = pngOf(bomb);
    QVERIFY(png.size() < CounterView::kMaxPictureBytes);
    QVERIFY(!QImage::fromData(png).isNull());
    QVERIFY(CounterView::decodePicture(png, room).isNull());
    QVERIFY(CounterView::decodePicture(pngOf(QImage(1025, 1, QImage::Format_Mono)), room).isNull());
    QImage tall(64, 1025, QImage::Format_Mono);
    tall.fill(0);
    QVERIFY(CounterView::decodePicture(pngOf(tall), room).isNull());
    // Only PNG, GIF and JPEG: a bitmap is not a counter picture.
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    QImage(8, 8, QImage::Format_RGB32).save(&buffer, "BMP");
    QVERIFY(!QImage::fromData(bmp).isNull());
    QVERIFY(CounterView::decodePicture(bmp, room).isNull());
}

void TestCounters::floodedCounterIsCutOff()
{
    // An endless body on an open connection: cut off just past the picture limit.
    FloodServer flood("HTTP/1.0 200 OK\r\nContent-Type: image/png\r\n\r\n", QByteArray(64 * 1024, 'x'));
    CounterView view;
    QSignalSpy finished(&view, &CounterView::loadFinished);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(view.navigate(QUrl(QStringLiteral("http://127.0.0.1:%1/c/b/?7").arg(flood.port()))));
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QVERIFY(clock.elapsed() < CounterView::kLoadMilliseconds);
    QVERIFY(view.peakBytesHeld() > CounterView::kMaxPictureBytes / 2);
    QVERIFY2(view.peakBytesHeld() <= CounterView::kMaxPictureBytes + 2 * HttpGet::kReadBufferBytes,
             qPrintable(QString::number(view.peakBytesHeld())));
}

void TestCounters::onePastTheLimitIsRefused()
{
    // A picture that fills the limit exactly; a moment later one more byte on the connection,
    // still open. The picture is not shown before that byte, and refused with it.
    QImage image(88, 31, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray full = pngOf(image);
    full.append(CounterView::kMaxPictureBytes - full.size(), '\0');
    QVERIFY(!CounterView::decodePicture(full, QSize(161, 55)).isNull());
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    connect(&server, &QTcpServer::newConnection, &server, [&] {
        QTcpSocket *socket = server.nextPendingConnection();
        socket->write("HTTP/1.0 200 OK\r\nContent-Type: image/png\r\n\r\n" + full);
        QTimer::singleShot(300, socket, [socket] { socket->write("x"); });
    });
    CounterView view;
    QSignalSpy finished(&view, &CounterView::loadFinished);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(view.navigate(QUrl(QStringLiteral("http://127.0.0.1:%1/c/b/?7").arg(server.serverPort()))));
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QVERIFY2(clock.elapsed() < CounterView::kLoadMilliseconds,
             "refused at the extra byte, not at the time limit");
}

void TestCounters::onlyASuccessShowsItsPicture()
{
    // A picture sent with another status than 2xx (here a redirect without a place to go)
    // is not the counter's picture.
    for (const char *status : {"200 OK", "300 Multiple Choices"}) {
        LocalHttpServer server(
            [&](int, const QByteArray &) { return counterPicture().replace("200 OK", status); });
        CounterView view;
        QSignalSpy finished(&view, &CounterView::loadFinished);
        QVERIFY(view.navigate(QUrl(QStringLiteral("http://127.0.0.1:%1/c/b/?7").arg(server.port()))));
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.at(0).at(0).toBool(), qstrncmp(status, "200", 3) == 0);
    }
}

QTEST_MAIN(TestCounters)
#include "tst_counters.moc"
