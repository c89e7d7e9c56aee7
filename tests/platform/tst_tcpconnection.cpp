#include "TcpConnection.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

namespace {
// Answers each connection's first line with the line upper-cased, then closes it.
class ShoutingServer : public QTcpServer {
public:
    ShoutingServer()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                ++accepted;
                connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                    if (!socket->canReadLine())
                        return;
                    socket->write(socket->readLine().toUpper());
                    socket->disconnectFromHost();
                });
            }
        });
        listen(QHostAddress::LocalHost, 0);
    }
    int accepted = 0;
};

quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}
} // namespace

class TestTcpConnection : public QObject {
    Q_OBJECT
private slots:
    void exchangesBytesAndSeesTheClose();
    void triesEachAddressInTurn();
    void failuresAreReported();
    void looksUpNamesOffTheEventLoop();
    void goingAwayDuringALookupIsSafe();
};

void TestTcpConnection::exchangesBytesAndSeesTheClose()
{
    ShoutingServer server;
    TcpConnection connection;
    QSignalSpy connected(&connection, &TcpConnection::connected);
    QSignalSpy closed(&connection, &TcpConnection::closed);
    QSignalSpy failed(&connection, &TcpConnection::failed);
    QByteArray received;
    connect(&connection, &TcpConnection::readyRead, this, [&] { received += connection.readAll(); });

    connection.connectToHost(QStringLiteral("127.0.0.1"), server.serverPort());
    // Written before the connection is made: sent once it is.
    connection.write("kelo ");
    connection.write("monitor\n");
    // Nothing is signalled from inside the call.
    QCOMPARE(connected.size(), 0);
    QTRY_COMPARE(closed.size(), 1);
    QCOMPARE(connected.size(), 1);
    QVERIFY(failed.isEmpty());
    QCOMPARE(received, QByteArray("KELO MONITOR\n"));
    QVERIFY(!connection.isConnected());
}

void TestTcpConnection::triesEachAddressInTurn()
{
    ShoutingServer server;
    TcpConnection connection;
    QStringList asked;
    // Nothing listens on the IPv6 loopback (or there is none): the second address is used.
    connection.setResolver([&](const QString &host) {
        asked << host;
        return QStringList{QStringLiteral("::1"), QStringLiteral("127.0.0.1")};
    });
    QSignalSpy connected(&connection, &TcpConnection::connected);
    QSignalSpy failed(&connection, &TcpConnection::failed);
    connection.connectToHost(QStringLiteral("counter.test"), server.serverPort());
    QTRY_COMPARE(connected.size(), 1);
    QVERIFY(failed.isEmpty());
    QCOMPARE(asked, QStringList{QStringLiteral("counter.test")});
    QCOMPARE(server.accepted, 1);
}

void TestTcpConnection::failuresAreReported()
{
    TcpConnection connection;
    QSignalSpy failed(&connection, &TcpConnection::failed);
    QSignalSpy connected(&connection, &TcpConnection::connected);

    connection.connectToHost(QStringLiteral("127.0.0.1"), closedPort());
    QTRY_COMPARE(failed.size(), 1);
    QVERIFY(!failed.at(0).at(0).toString().isEmpty());

    connection.setResolver([](const QString &) { return QStringList(); });
    connection.connectToHost(QStringLiteral("nowhere.invalid"), 80);
    QTRY_COMPARE(failed.size(), 2);
    QCOMPARE(failed.at(1).at(0).toString(), QStringLiteral("Host name not found"));

    // Addresses that are no addresses end in a failure too, not in a wait.
    connection.setResolver([](const QString &) { return QStringList{QStringLiteral("not an address")}; });
    connection.connectToHost(QStringLiteral("odd.test"), 80);
    QTRY_COMPARE(failed.size(), 3);
    QVERIFY(connected.isEmpty());

    // An aborted attempt says nothing more.
    connection.setResolver({});
    connection.connectToHost(QStringLiteral("127.0.0.1"), closedPort());
    connection.abort();
    QTest::qWait(50);
    QCOMPARE(failed.size(), 3);
}

void TestTcpConnection::looksUpNamesOffTheEventLoop()
{
    const QStringList local = TcpConnection::lookUp(QStringLiteral("localhost"));
    QVERIFY2(local.contains(QStringLiteral("127.0.0.1")) || local.contains(QStringLiteral("::1")),
             qPrintable(local.join(u' ')));
    QVERIFY(TcpConnection::lookUp(QString()).isEmpty());

    // Without a resolver of its own the connection asks the system, on a worker thread.
    ShoutingServer server;
    TcpConnection connection;
    QSignalSpy connected(&connection, &TcpConnection::connected);
    connection.connectToHost(QStringLiteral("localhost"), server.serverPort());
    QCOMPARE(connected.size(), 0);
    QTRY_COMPARE(connected.size(), 1);

    // A lookup begun ahead is taken over, whether it has ended by then or not.
    for (const int head : {0, 200}) {
        TcpConnection::lookUpAhead(QStringLiteral("localhost"));
        QTest::qWait(head);
        TcpConnection later;
        QSignalSpy laterConnected(&later, &TcpConnection::connected);
        later.connectToHost(QStringLiteral("localhost"), server.serverPort());
        QTRY_COMPARE(laterConnected.size(), 1);
    }
    QCOMPARE(server.accepted, 3);
}

void TestTcpConnection::goingAwayDuringALookupIsSafe()
{
    ShoutingServer server;
    // The worker threads finish after their connections have gone; their answers must find
    // nobody, and a connection asked again must act only on the newest answer.
    for (int round = 0; round < 20; ++round) {
        auto *connection = new TcpConnection;
        connection->connectToHost(QStringLiteral("localhost"), server.serverPort());
        delete connection;
    }
    TcpConnection again;
    QSignalSpy connected(&again, &TcpConnection::connected);
    again.connectToHost(QStringLiteral("localhost"), closedPort());
    again.connectToHost(QStringLiteral("localhost"), server.serverPort());
    QTRY_COMPARE(connected.size(), 1);
    QTest::qWait(100);
    QCOMPARE(connected.size(), 1);
    QCOMPARE(server.accepted, 1);
}

QTEST_MAIN(TestTcpConnection)
#include "tst_tcpconnection.moc"
