#include "BuildConfig.h"
#include "CounterView.h"
#include "CounterViews.h"
#include "LocalHttpServer.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QtTest>

namespace {
QByteArray counterPicture()
{
    QImage image(88, 31, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return "HTTP/1.0 200 OK\r\nContent-Type: image/png\r\nContent-Length: " + QByteArray::number(png.size())
           + "\r\n\r\n" + png;
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
            events.append(m_names.value(watched)
                          + (static_cast<QWidget *>(watched)->isEnabled() ? " enabled" : " disabled"));
        return false;
    }

private:
    QHash<QObject *, QString> m_names;
};

// A Settings page of the designed size with the counters on it, aimed at local servers.
struct Fixture {
    QWidget page;
    CounterViews *counters;
    LocalHttpServer counterServer{[](int, const QByteArray &) { return counterPicture(); }};

    Fixture()
    {
        page.resize(169, 250);
        page.show();
        counters = new CounterViews(&page);
        const QString base = QStringLiteral("http://127.0.0.1:%1").arg(counterServer.port());
        counters->setCounterAddresses(QUrl(base + QStringLiteral("/c/b/?7")),
                                      QUrl(base + QStringLiteral("/counter?id=9;t=53")));
        HttpClient::Limits limits;
        limits.totalMilliseconds = 300;
        counters->setPingLimits(limits);
    }
    bool active() const
    {
        return counters->webBrowser1()->isEnabled() && counters->webBrowser2()->isEnabled()
               && counters->webBrowser1()->browserVisible() && counters->webBrowser2()->browserVisible();
    }
    bool switchedOff() const
    {
        return !counters->webBrowser1()->isEnabled() && !counters->webBrowser2()->isEnabled()
               && !counters->webBrowser1()->browserVisible() && !counters->webBrowser2()->browserVisible();
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

quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}
} // namespace

class TestCounters : public QObject {
    Q_OBJECT
private slots:
    void addressesOfTheBuild();
    void viewsSitAtThePageBottom();
    void refreshTimerRunsFromCreation();
    void answeredPingKeepsCountersOn_data();
    void answeredPingKeepsCountersOn();
    void failedPingSwitchesCountersOff_data();
    void failedPingSwitchesCountersOff();
    void refusedNavigationSkipsThePing();
    void refreshReloadsOnlyWhileActive();
};

void TestCounters::addressesOfTheBuild()
{
    QCOMPARE(CounterViews::gameCounterAddress(), QStringLiteral("http://%1/c/b/?%2")
                                                     .arg(QString::fromUtf8(BuildConfig::kGameCounterHost),
                                                          QString::fromUtf8(BuildConfig::kGameCounterNumber)));
    QCOMPARE(CounterViews::ratingCounterAddress(), QStringLiteral("http://%1/counter?id=%2;t=53")
                                                       .arg(QString::fromUtf8(BuildConfig::kRatingHost),
                                                            QString::fromUtf8(BuildConfig::kRatingCounterNumber)));
    QCOMPARE(CounterViews::pingPath(), QStringLiteral("/test/1.php"));
    // The default ping goes to the build's ping host on port 80.
    QCOMPARE(CounterViews::kPingPort, quint16(80));
}

void TestCounters::viewsSitAtThePageBottom()
{
    Fixture f;
    CounterView *view1 = f.page.findChild<CounterView *>(QStringLiteral("WebBrowser1"));
    CounterView *view2 = f.page.findChild<CounterView *>(QStringLiteral("WebBrowser2"));
    QVERIFY(view1 && view2);
    QCOMPARE(view1->geometry(), QRect(0, 250 - 55, 161, 55));
    QCOMPARE(view2->geometry(), QRect(0, 250 - 110, 161, 55));

    // They follow the page's bottom edge when the page grows or shrinks.
    f.page.resize(169, 176);
    QCOMPARE(view1->geometry(), QRect(0, 176 - 55, 161, 55));
    QCOMPARE(view2->geometry(), QRect(0, 176 - 110, 161, 55));

    // Whatever happened to their size, the Settings button gives them their height back.
    view1->resize(161, 20);
    view2->resize(161, 90);
    f.counters->setDesignedHeights();
    QCOMPARE(view1->geometry(), QRect(0, 176 - 55, 161, 55));
    QCOMPARE(view2->geometry(), QRect(0, 176 - 110, 161, 55));
}

void TestCounters::refreshTimerRunsFromCreation()
{
    Fixture f;
    QTimer *timer = f.page.findChild<QTimer *>(QStringLiteral("TimerCount1"));
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
    f.counters->setPingTarget(QStringLiteral("127.0.0.1"), ping.port());
    f.counters->start();
    QCOMPARE(ping.requests.size(), 1);
    QVERIFY(ping.requests.at(0).startsWith("GET /test/1.php HTTP/1.0\r\n"));
    QVERIFY(f.active());

    // Both counters were asked for, and their pictures arrive.
    QTRY_COMPARE_WITH_TIMEOUT(f.counterServer.requests.size(), 2, 3000);
    QCOMPARE(requestLines(f.counterServer.requests),
             (QStringList{QStringLiteral("GET /c/b/?7 HTTP/1.0"), QStringLiteral("GET /counter?id=9;t=53 HTTP/1.0")}));
    QTRY_VERIFY_WITH_TIMEOUT(!f.counters->webBrowser1()->pixmap().isNull(), 3000);
    QTRY_VERIFY_WITH_TIMEOUT(!f.counters->webBrowser2()->pixmap().isNull(), 3000);
    QCOMPARE(f.counters->webBrowser1()->pixmap().size(), QSize(88, 31));
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
    recorder.watch(f.counters->webBrowser1(), QStringLiteral("WebBrowser1"));
    recorder.watch(f.counters->webBrowser2(), QStringLiteral("WebBrowser2"));

    LocalHttpServer silent([](int, const QByteArray &) { return QByteArray(); });
    if (failure == QLatin1String("silent")) {
        f.counters->setPingTarget(QStringLiteral("127.0.0.1"), silent.port());
    } else if (failure == QLatin1String("refused")) {
        f.counters->setPingTarget(QStringLiteral("127.0.0.1"), closedPort());
    } else {
        f.counters->setPingTarget(QStringLiteral("ping.invalid"), 80);
        f.counters->setPingResolver([](const QString &) { return QStringList(); });
    }

    QElapsedTimer clock;
    clock.start();
    f.counters->start();
    QVERIFY2(clock.elapsed() < 3000, "the start never waits past the ping's time limit");
    QVERIFY(f.switchedOff());
    QCOMPARE(recorder.events, (QStringList{QStringLiteral("WebBrowser1 disabled"), QStringLiteral("WebBrowser2 disabled"),
                                           QStringLiteral("WebBrowser1 hidden"), QStringLiteral("WebBrowser2 hidden")}));
}

void TestCounters::refusedNavigationSkipsThePing()
{
    Fixture f;
    LocalHttpServer ping([](int, const QByteArray &) { return answerWithStatus(200); });
    f.counters->setPingTarget(QStringLiteral("127.0.0.1"), ping.port());
    // A view refuses an address it cannot load: the rest of the guarded block is skipped.
    f.counters->setCounterAddresses(QUrl(QStringLiteral("http://127.0.0.1:1/c/b/?1")),
                                    QUrl(QStringLiteral("gopher://127.0.0.1/counter")));
    f.counters->start();
    QVERIFY(f.switchedOff());
    QCoreApplication::processEvents();
    QCOMPARE(ping.requests.size(), 0);
}

void TestCounters::refreshReloadsOnlyWhileActive()
{
    Fixture f;
    LocalHttpServer ping([](int, const QByteArray &) { return answerWithStatus(200); });
    f.counters->setPingTarget(QStringLiteral("127.0.0.1"), ping.port());
    f.counters->start();
    QTRY_COMPARE_WITH_TIMEOUT(f.counterServer.requests.size(), 2, 3000);

    // Active: every tick reloads both views.
    f.counters->TimerCount1Timer();
    QTRY_COMPARE_WITH_TIMEOUT(f.counterServer.requests.size(), 4, 3000);
    f.counters->TimerCount1Timer();
    QTRY_COMPARE_WITH_TIMEOUT(f.counterServer.requests.size(), 6, 3000);
    QVERIFY(f.active());
    // A reload that a view refuses switches the counters off as well.
    f.counters->setCounterAddresses(QUrl(QStringLiteral("http://127.0.0.1:%1/c/b/?7").arg(f.counterServer.port())),
                                    QUrl(QStringLiteral("gopher://127.0.0.1/")));
    f.counters->TimerCount1Timer();
    QVERIFY(f.switchedOff());

    // After a failed start the ticks do nothing for the rest of the run.
    Fixture off;
    off.counters->setPingTarget(QStringLiteral("127.0.0.1"), closedPort());
    off.counters->start();
    QVERIFY(off.switchedOff());
    QTRY_COMPARE_WITH_TIMEOUT(off.counterServer.requests.size(), 2, 3000);
    for (int tick = 0; tick < 3; ++tick)
        off.counters->TimerCount1Timer();
    QTest::qWait(200);
    QCOMPARE(off.counterServer.requests.size(), 2);
    QVERIFY(off.switchedOff());
    QVERIFY(off.counters->webBrowser1()->pixmap().isNull());
}

QTEST_MAIN(TestCounters)
#include "tst_counters.moc"
