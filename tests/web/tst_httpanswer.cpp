#include "web/HttpMessages.h"

#include <QtTest>

using HttpMessages::AnswerReader;

// The answers that came from the fuzzer (fuzz/fuzz_http_response.cpp) are kept below as
// they were found, without the three bytes that picked the address and the piece sizes.
namespace {
const QUrl kRequestUrl(QStringLiteral("http://127.0.0.1:8080/a/b.php?x=1"));

// A Set-Cookie value with a NUL inside its name; before, the pair went back in the Cookie line.
const QByteArray kNulInCookie = QByteArray::fromBase64(
    "SFRUUC8xLjEgAFdhPWIjZnJhZw0KU2V0JkNvb2tpZTogYT0wDQpTZXQtQ29va2llOi8xLjEgAFdhPWIjZnJhZw0KhCBiPTI7IEh0"
    "dHBPbmx5DQpTZXQtQ29va2llOiBhPSINCg0K");
// Two Set-Cookie values without "="; before, both went back as nameless cookies.
const QByteArray kCookiesWithoutName = QByteArray::fromBase64(
    "SFRULlRULjAgMzAyIEZvdW5kDQpTZXQtQ29va2llOiB2DQpTZXQtQ29va2llOiB2aXOaMTowTDgxOjE0IEdNVA0KTG9jYXRpb246"
    "Oi9vbT1waW5nDQoNCm0wIDMwMiBGb3VuZA0KU2V0LUNvb2tpZTogdmlzmjE6MEw4MToxNCBHTVQNCkxvY2F0aW9ub3ZlIWQ=");
// A 198-byte head under a 200-byte limit; refused when a piece ended inside its "\r\n\r\n".
const QByteArray kHeadNearLimit = QByteArray::fromBase64(
    "SFRUMDEgTW9+AAAAAAAAAENvb2tpcyVjdm5kP2E9YiNmcmFnDQqvr6+vr6+vr6+vr6+vr6+vr6+vr6+vr6+vr6+vr6+vr6+vr6+v"
    "r6+vr6+vr6+vr6+vr6+vr6+vr6+vr6+vr6+vr6+vr6+vr6+vr6+vr6+vr6+vr6+vr6+vr6+vr6+vr6+vr6+vr6+EfmI9r6+vr6+v"
    "r6+vr6+vr6+vr1NldC1Db29raWU6I/ZyYWcNClNldC1Db29raWU6IGE9MwAtQz0zDQoNCg==");
constexpr qint64 kSmallHeadLimit = 200;

struct Reading {
    AnswerReader::State state;
    bool hasHead;
    int status;
    QUrl location;
    QList<QByteArray> cookies;
    qint64 bodyBytes;
    bool completeAtClose;
};

Reading finishReading(AnswerReader &reader)
{
    Reading r{reader.state(),
              reader.hasHead(),
              reader.status(),
              reader.location(),
              reader.cookies(),
              reader.bodyBytes(),
              false};
    r.completeAtClose = reader.closeCompletesAnswer();
    return r;
}

// The answer cut into pieces at the given offsets.
Reading read(const QByteArray &answer, qint64 headLimit, const QList<qsizetype> &cuts = {})
{
    AnswerReader reader(kRequestUrl, headLimit);
    qsizetype at = 0;
    for (qsizetype cut : cuts) {
        reader.feed(answer.mid(at, cut - at));
        at = cut;
    }
    reader.feed(answer.mid(at));
    return finishReading(reader);
}

void compareReadings(const Reading &a, const Reading &b)
{
    QCOMPARE(a.state, b.state);
    QCOMPARE(a.hasHead, b.hasHead);
    QCOMPARE(a.status, b.status);
    QCOMPARE(a.location, b.location);
    QCOMPARE(a.cookies, b.cookies);
    QCOMPARE(a.bodyBytes, b.bodyBytes);
    QCOMPARE(a.completeAtClose, b.completeAtClose);
}

QList<qsizetype> everyByte(qsizetype size)
{
    QList<qsizetype> cuts;
    for (qsizetype i = 1; i < size; ++i)
        cuts.append(i);
    return cuts;
}
} // namespace

class TestHttpAnswer : public QObject {
    Q_OBJECT
private slots:
    void readsWhatTheClientActsUpon();
    void piecesDoNotChangeTheReading_data();
    void piecesDoNotChangeTheReading();
    void headLimitCountsOnlyTheHead();
    void cookiePairs_data();
    void cookiePairs();
    void fuzzedCookiesStayOutOfTheRequest();
};

void TestHttpAnswer::readsWhatTheClientActsUpon()
{
    const QByteArray answer = "HTTP/1.0 302 Found\r\n"
                              "Set-Cookie: a=1; Path=/\r\n"
                              "SET-COOKIE:b = 2\r\n"
                              "Location: ../elsewhere?y=2\r\n"
                              "Set-Cookie: a=3\r\n"
                              "\r\n"
                              "<html>";
    const Reading r = read(answer, 64 * 1024);
    QCOMPARE(r.state, AnswerReader::State::Body);
    QVERIFY(r.hasHead);
    QCOMPARE(r.status, 302);
    QCOMPARE(r.location, QUrl(QStringLiteral("http://127.0.0.1:8080/elsewhere?y=2")));
    QCOMPARE(r.cookies, (QList<QByteArray>{"a=1", "b=2", "a=3"}));
    QCOMPARE(r.bodyBytes, 6);

    // In the jar the later value of a cookie replaces the earlier one.
    QList<QByteArray> jar;
    for (const QByteArray &pair : r.cookies)
        HttpMessages::keepCookie(jar, pair);
    QCOMPARE(HttpMessages::cookieHeaderValue(jar), QByteArray("b=2; a=3"));
}

void TestHttpAnswer::piecesDoNotChangeTheReading_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<qint64>("headLimit");
    QTest::addColumn<bool>("hasHead");
    QTest::addColumn<int>("status");
    QTest::newRow("fuzzed: 198-byte head, limit 200") << kHeadNearLimit << kSmallHeadLimit << true << 0;
    // Before, two line feeds arriving ahead of the third byte were taken for an empty head.
    QTest::newRow("fuzzed: line feeds, no status line")
        << QByteArray("\n\no") << kSmallHeadLimit << false << 0;
    QTest::newRow("bare line feeds") << QByteArray("HTTP/1.0 204 No Content\n\nrest") << kSmallHeadLimit
                                     << true << 204;
    QTest::newRow("head at the limit, bare")
        << QByteArray("HTTP/1.0 200 OK\nX: " + QByteArray(200 - 19, 'x') + "\n\n") << kSmallHeadLimit << true
        << 200;
    QTest::newRow("head at the limit")
        << QByteArray("HTTP/1.0 200 OK\r\nX: " + QByteArray(200 - 20, 'x') + "\r\n\r\nbody")
        << kSmallHeadLimit << true << 200;
}

void TestHttpAnswer::piecesDoNotChangeTheReading()
{
    QFETCH(QByteArray, answer);
    QFETCH(qint64, headLimit);
    QFETCH(bool, hasHead);
    QFETCH(int, status);
    const Reading whole = read(answer, headLimit);
    QCOMPARE(whole.state, AnswerReader::State::Body);
    QCOMPARE(whole.hasHead, hasHead);
    QCOMPARE(whole.status, status);
    QVERIFY(whole.completeAtClose);

    for (qsizetype cut = 1; cut < answer.size(); ++cut) {
        compareReadings(read(answer, headLimit, {cut}), whole);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("differs when cut at %1").arg(cut)));
    }
    compareReadings(read(answer, headLimit, everyByte(answer.size())), whole);
}

void TestHttpAnswer::headLimitCountsOnlyTheHead()
{
    // One byte over the limit is refused, however it arrives.
    const QByteArray tooLong = "HTTP/1.0 200 OK\r\nX: " + QByteArray(201 - 20, 'x') + "\r\n\r\n";
    QCOMPARE(read(tooLong, kSmallHeadLimit).state, AnswerReader::State::HeadTooLong);
    QCOMPARE(read(tooLong, kSmallHeadLimit, everyByte(tooLong.size())).state,
             AnswerReader::State::HeadTooLong);
    QVERIFY(!read(tooLong, kSmallHeadLimit).completeAtClose);

    // A head that never ends is refused once it is surely too long: the last three bytes
    // could still open the separator.
    AnswerReader reader(kRequestUrl, kSmallHeadLimit);
    QCOMPARE(reader.feed("HTTP/1.0 200 OK\r\nX: " + QByteArray(180, 'x')), AnswerReader::State::Head);
    QCOMPARE(reader.feed("\r\n\r"), AnswerReader::State::Head);
    QCOMPARE(reader.feed("y"), AnswerReader::State::HeadTooLong);
    QCOMPARE(reader.feed("\r\n\r\n"), AnswerReader::State::HeadTooLong);
    QCOMPARE(reader.status(), 0);
}

void TestHttpAnswer::cookiePairs_data()
{
    QTest::addColumn<QByteArray>("setCookie");
    QTest::addColumn<QByteArray>("pair");
    QTest::newRow("attributes dropped") << QByteArray(" sid=42; Path=/; HttpOnly") << QByteArray("sid=42");
    QTest::newRow("blanks around =") << QByteArray("a = 1 ;Path=/") << QByteArray("a=1");
    QTest::newRow("empty value") << QByteArray("a=") << QByteArray("a=");
    QTest::newRow("no =") << QByteArray("v") << QByteArray();
    QTest::newRow("no name") << QByteArray("=v") << QByteArray();
    QTest::newRow("= only after ;") << QByteArray("v; a=b") << QByteArray();
    QTest::newRow("carriage return") << QByteArray("a=1\rX-Injected: yes") << QByteArray();
    QTest::newRow("NUL") << QByteArray("a=1\0b", 5) << QByteArray();
    QTest::newRow("DEL") << QByteArray("a=\x7f") << QByteArray();
    QTest::newRow("tab is allowed") << QByteArray("a=1\t2") << QByteArray("a=1\t2");
    QTest::newRow("control byte after ;") << QByteArray("a=1; Path=/\r") << QByteArray("a=1");
}

void TestHttpAnswer::cookiePairs()
{
    QFETCH(QByteArray, setCookie);
    QFETCH(QByteArray, pair);
    QCOMPARE(HttpMessages::cookiePair(setCookie), pair);
}

void TestHttpAnswer::fuzzedCookiesStayOutOfTheRequest()
{
    const Reading nul = read(kNulInCookie, kSmallHeadLimit);
    QCOMPARE(nul.state, AnswerReader::State::Body);
    QCOMPARE(nul.cookies, QList<QByteArray>{"a=\""});

    const Reading nameless = read(kCookiesWithoutName, kSmallHeadLimit);
    QCOMPARE(nameless.state, AnswerReader::State::Body);
    QCOMPARE(nameless.status, 302);
    QVERIFY(nameless.cookies.isEmpty());

    // What does go back makes a request of exactly the lines meant.
    QList<QByteArray> jar;
    for (const QByteArray &pair : nul.cookies + nameless.cookies)
        HttpMessages::keepCookie(jar, pair);
    const QByteArray request = HttpMessages::requestBytes(HttpMessages::hostHeaderOf(kRequestUrl),
                                                          HttpMessages::pathAndQueryOf(kRequestUrl),
                                                          HttpMessages::cookieHeaderValue(jar));
    QVERIFY(request.contains("\r\nCookie: a=\"\r\n"));
    QCOMPARE(request.count('\n'), 7);
    QCOMPARE(request.count('\r'), 7);
    QVERIFY(!request.contains('\0'));
}

QTEST_GUILESS_MAIN(TestHttpAnswer)
#include "tst_httpanswer.moc"
