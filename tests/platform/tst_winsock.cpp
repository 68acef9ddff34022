#include "LoopbackServer.h"
#include "common/TestRegistry.h"
#include "platform/Vb.h"
#include "platform/Wait.h"
#include "platform/Winsock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <memory>

using tw::test::LoopbackServer;
using End = LoopbackServer::End;

namespace {

// Every event of the socket with the state it reported then; the bytes are
// taken in the data event unless the case leaves them waiting.
struct Events {
    QStringList log;
    QByteArray data;
    QByteArray dataAtClose;
    bool take = true;
    bool yieldFirst = false;
    explicit Events(Winsock &ws)
    {
        QObject::connect(&ws, &Winsock::Connected, &ws, [this, &ws] { log << QStringLiteral("connect %1").arg(ws.State()); });
        QObject::connect(&ws, &Winsock::DataArrival, &ws, [this, &ws](int total) {
            log << QStringLiteral("data %1").arg(ws.State());
            QCOMPARE(total, ws.BytesReceived());
            if (yieldFirst) {
                QElapsedTimer t;
                t.start();
                while (t.elapsed() < 30)
                    QCoreApplication::processEvents();
            }
            if (take) {
                QByteArray piece;
                ws.GetData(piece);
                data += piece;
            }
        });
        QObject::connect(&ws, &Winsock::Closed, &ws, [this, &ws] {
            log << QStringLiteral("close %1").arg(ws.State());
            dataAtClose = data;
        });
        QObject::connect(&ws, &Winsock::Error, &ws, [this, &ws](int number, const QString &description) {
            QCOMPARE(description, Winsock::Description(number));
            log << QStringLiteral("error %1 %2").arg(number).arg(ws.State());
        });
    }
    bool Ended() const
    {
        return !log.isEmpty() && (log.last().startsWith(QLatin1String("close")) || log.last().startsWith(QLatin1String("error")));
    }
};

int Thrown(const std::function<void()> &call)
{
    try {
        call();
    } catch (const VbError &e) {
        return int(e.number);
    }
    return 0;
}

} // namespace

class tst_winsock : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Connect, request, reply in pieces, close by the peer: events in that
    // order, the bytes exact both ways, the state numbers along the way.
    void conversation_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("stateAfterConnect");
        QTest::addColumn<bool>("take");
        QTest::addColumn<bool>("yieldFirst");
        QTest::newRow("address") << QStringLiteral("127.0.0.1") << int(Winsock::sckConnecting) << true << false;
        QTest::newRow("name") << QStringLiteral("localhost") << int(Winsock::sckResolvingHost) << true << false;
        QTest::newRow("bytes left waiting") << QStringLiteral("127.0.0.1") << int(Winsock::sckConnecting) << false << false;
        QTest::newRow("handler yields first") << QStringLiteral("127.0.0.1") << int(Winsock::sckConnecting) << true << true;
    }
    void conversation()
    {
        QFETCH(QString, host);
        QFETCH(int, stateAfterConnect);
        QFETCH(bool, take);
        QFETCH(bool, yieldFirst);
        const QByteArray request = QByteArrayLiteral("GET http://h/t/x/XYZ.html HTTP/1.0\r\nAccept: */*\r\nX: a\0b\r\n\r\n");
        const QByteArray reply = QByteArrayLiteral("HTTP/1.0 200 OK\r\n\r\n<td>\0\xe9\xff\r\n</td>\r\n");
        LoopbackServer::Script s;
        s.reply = reply;
        s.pieceSize = 5;
        s.pieceGapMs = 15;
        LoopbackServer server(s);
        Winsock ws;
        Events ev(ws);
        ev.take = take;
        ev.yieldFirst = yieldFirst;
        QCOMPARE(ws.State(), int(Winsock::sckClosed));

        ws.Connect(host, server.port());
        QCOMPARE(ws.State(), stateAfterConnect);
        QCOMPARE(ws.RemoteHost(), host);
        QCOMPARE(ws.RemotePort(), int(server.port()));
        QVERIFY(ev.log.isEmpty()); // events come from the event loop, never from inside Connect
        QVERIFY(WaitUntil([&] { return !ev.log.isEmpty(); }, 5000));
        QCOMPARE(ev.log, QStringList{QStringLiteral("connect 7")});
        QCOMPARE(ws.State(), int(Winsock::sckConnected));

        ws.SendData(request);
        QVERIFY(WaitUntil([&] { return ev.Ended(); }, 5000));
        QCOMPARE(server.request(), request);
        QCOMPARE(ev.log.last(), QStringLiteral("close 8"));
        QCOMPARE(ws.State(), int(Winsock::sckClosing));
        QVERIFY(ev.log.size() > 2);
        for (qsizetype i = 1; i < ev.log.size() - 1; ++i)
            QCOMPARE(ev.log[i], QStringLiteral("data 7"));
        if (take) {
            QCOMPARE(ev.dataAtClose, reply); // every byte is in before the close is told
        } else {
            QCOMPARE(ws.BytesReceived(), int(reply.size()));
            ws.GetData(ev.data);
        }
        QCOMPARE(ev.data, reply);
        QCOMPARE(ws.BytesReceived(), 0);
        QVERIFY(request.contains('\0') && reply.contains('\0'));

        ws.Close();
        QCOMPARE(ws.State(), int(Winsock::sckClosed));
    }

    // A reset is an error, never a close: the close handler stores the reply
    // as a whole page.
    void peerResetIsError()
    {
        LoopbackServer::Script s;
        s.reply = "HTTP/1.0 200 OK\r\n\r\n<html>first half";
        s.end = End::Reset;
        LoopbackServer server(s);
        Winsock ws;
        Events ev(ws);
        ws.Connect(QStringLiteral("127.0.0.1"), server.port());
        QVERIFY(WaitUntil([&] { return !ev.log.isEmpty(); }, 5000));
        ws.SendData("GET / HTTP/1.0\r\n\r\n");
        QVERIFY(WaitUntil([&] { return ev.Ended(); }, 5000));
        QCOMPARE(ev.log.last(), QStringLiteral("error %1 9").arg(int(Winsock::sckConnectionReset)));
        QVERIFY(ev.log.filter(QStringLiteral("close")).isEmpty());
        QCOMPARE(ws.State(), int(Winsock::sckError));
        QCOMPARE(Thrown([&] { ws.SendData("more"); }), int(Winsock::sckBadState));
        ws.Close();
        QCOMPARE(ws.State(), int(Winsock::sckClosed));
    }

    void connectFails_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("number");
        QTest::newRow("refused") << QStringLiteral("127.0.0.1") << int(Winsock::sckConnectionRefused);
        QTest::newRow("refused by name") << QStringLiteral("localhost") << int(Winsock::sckConnectionRefused);
        QTest::newRow("no host name") << QString() << int(Winsock::sckHostNotFound);
    }
    void connectFails()
    {
        QFETCH(QString, host);
        QFETCH(int, number);
        Winsock ws;
        Events ev(ws);
        ws.Connect(host, LoopbackServer::ClosedPort());
        QVERIFY(ev.log.isEmpty());
        QVERIFY(WaitUntil([&] { return ev.Ended(); }, 5000));
        QCOMPARE(ev.log, QStringList{QStringLiteral("error %1 9").arg(number)});
        QCOMPARE(ws.State(), int(Winsock::sckError));
        // The error state is not closed: a new connect needs a Close first.
        QCOMPARE(Thrown([&] { ws.Connect(); }), int(Winsock::sckInvalidOp));
        ws.Close();
        QCOMPARE(ws.State(), int(Winsock::sckClosed));
    }

    // A connect nobody answers ends with a time-out error. A listener with
    // a full queue that never accepts drops the connect silently.
    void connectTimesOut()
    {
        QTcpServer full;
        full.setListenBacklogSize(0);
        QVERIFY(full.listen(QHostAddress::LocalHost, 0));
        full.pauseAccepting();
        QTcpSocket filler;
        filler.connectToHost(QHostAddress::LocalHost, full.serverPort());
        QVERIFY(filler.waitForConnected(2000));

        Winsock ws;
        ws.SetConnectTimeout(500);
        Events ev(ws);
        QElapsedTimer t;
        t.start();
        ws.Connect(QStringLiteral("127.0.0.1"), full.serverPort());
        QVERIFY(WaitUntil([&] { return ev.Ended(); }, 20000));
        QCOMPARE(ev.log, QStringList{QStringLiteral("error %1 9").arg(int(Winsock::sckTimedout))});
        // Far from the default connect time-out, whatever the machine.
        QVERIFY2(t.elapsed() >= 450 && t.elapsed() < 20000, QByteArray::number(t.elapsed()));
    }

    void misuseRaises_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("connectFirst");
        QTest::addColumn<int>("call"); // 0 SendData, 1 Connect
        QTest::addColumn<int>("number");
        QTest::newRow("send before connect") << 80 << false << 0 << int(Winsock::sckBadState);
        QTest::newRow("send while connecting") << 0 << true << 0 << int(Winsock::sckBadState);
        QTest::newRow("connect while connecting") << 0 << true << 1 << int(Winsock::sckInvalidOp);
        QTest::newRow("port 0") << -1 << false << 1 << int(Winsock::sckInvalidPropertyValue);
        QTest::newRow("port 65536") << 65536 << false << 1 << int(Winsock::sckInvalidPropertyValue);
    }
    void misuseRaises()
    {
        QFETCH(int, port);
        QFETCH(bool, connectFirst);
        QFETCH(int, call);
        QFETCH(int, number);
        LoopbackServer::Script s;
        s.silent = true;
        LoopbackServer server(s);
        Winsock ws;
        Events ev(ws);
        ws.SetRemoteHost(QStringLiteral("localhost"));
        ws.SetRemotePort(port == 0 ? server.port() : port < 0 ? 0 : port);
        if (connectFirst)
            ws.Connect();
        const int stateBefore = ws.State();
        QCOMPARE(Thrown([&] { call == 0 ? ws.SendData("x") : ws.Connect(); }), number);
        QCOMPARE(ws.State(), stateBefore);
        ws.Close();
    }

    // Close ends the connection wherever it stands, and nothing of it is
    // heard afterwards, not even the reply already on its way.
    void closeIsSilent_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<bool>("waitConnected");
        QTest::newRow("while resolving") << QStringLiteral("localhost") << false;
        QTest::newRow("while connecting") << QStringLiteral("127.0.0.1") << false;
        QTest::newRow("with the reply on its way") << QStringLiteral("127.0.0.1") << true;
    }
    void closeIsSilent()
    {
        QFETCH(QString, host);
        QFETCH(bool, waitConnected);
        LoopbackServer::Script s;
        s.reply = "HTTP/1.0 200 OK\r\n\r\nlate";
        s.after = "";
        s.delayMs = 100;
        LoopbackServer server(s);
        Winsock ws;
        Events ev(ws);
        ws.Connect(host, server.port());
        if (waitConnected)
            QVERIFY(WaitUntil([&] { return !ev.log.isEmpty(); }, 5000));
        const QStringList before = ev.log;
        ws.Close();
        QCOMPARE(ws.State(), int(Winsock::sckClosed));
        QVERIFY(!WaitUntil([&] { return ev.log != before; }, 400));
        QCOMPARE(ws.BytesReceived(), 0);

        // The same socket serves the next connection.
        s.after = "\r\n\r\n";
        s.delayMs = 0;
        s.reply = "second";
        LoopbackServer next(s);
        ws.Connect(QStringLiteral("127.0.0.1"), next.port());
        QVERIFY(WaitUntil([&] { return ws.State() == Winsock::sckConnected; }, 5000));
        ws.SendData("\r\n\r\n");
        QVERIFY(WaitUntil([&] { return ev.Ended(); }, 5000));
        QCOMPARE(ev.data, QByteArray("second"));
    }

    // "QUIT" followed at once by Close still reaches the server.
    void closeDeliversWhatWasSent()
    {
        LoopbackServer::Script s;
        s.silent = true;
        LoopbackServer server(s);
        Winsock ws;
        ws.Connect(QStringLiteral("127.0.0.1"), server.port());
        QVERIFY(WaitUntil([&] { return ws.State() == Winsock::sckConnected; }, 5000));
        ws.SendData("QUIT\r\n");
        ws.Close();
        QVERIFY(WaitUntil([&] { return server.request() == "QUIT\r\n"; }, 5000));
    }

    // Waiting on the socket without the event loop: what came is told
    // through the usual events before it returns, in the usual order; a
    // wait from inside the data event reads nothing until the bytes are taken.
    void waitForData()
    {
        QTcpServer listener;
        QVERIFY(listener.listen(QHostAddress::LocalHost, 0));
        Winsock ws;
        Events ev(ws);
        QVERIFY(!ws.WaitForData(0)); // not connected
        ws.Connect(QStringLiteral("127.0.0.1"), listener.serverPort());
        QVERIFY(WaitUntil([&] { return ws.State() == Winsock::sckConnected && listener.hasPendingConnections(); }, 5000));
        std::unique_ptr<QTcpSocket> peer(listener.nextPendingConnection());
        const auto send = [&](const QByteArray &bytes) {
            peer->write(bytes);
            QVERIFY(peer->waitForBytesWritten(5000));
        };

        QElapsedTimer t;
        t.start();
        QVERIFY(!ws.WaitForData(30));
        QVERIFY(t.elapsed() >= 25);
        QCOMPARE(ev.log, QStringList{QStringLiteral("connect 7")});

        send("221 1 <a>\r\n");
        QVERIFY(ws.WaitForData(5000));
        QCOMPARE(ev.log.last(), QStringLiteral("data 7"));
        QCOMPARE(ev.data, QByteArray("221 1 <a>\r\n"));

        // Inside the data event, bytes not yet taken hold back what follows.
        ev.take = false;
        bool nested = true;
        QMetaObject::Connection once;
        once = QObject::connect(&ws, &Winsock::DataArrival, &ws, [&] {
            QObject::disconnect(once);
            send(".\r\n");
            nested = ws.WaitForData(30);
        });
        send("Subject: x\r\n");
        QVERIFY(ws.WaitForData(5000));
        QVERIFY(!nested);
        QVERIFY(ws.WaitForData(5000));
        QByteArray held;
        ws.GetData(held);
        QCOMPARE(held, QByteArray("Subject: x\r\n.\r\n"));
        ev.take = true;

        peer->disconnectFromHost();
        QVERIFY(ws.WaitForData(5000));
        QCOMPARE(ev.log.last(), QStringLiteral("close 8"));
        QVERIFY(!ws.WaitForData(0));
    }

    void localPort_data()
    {
        QTest::addColumn<bool>("fixed");
        QTest::newRow("any free port") << false;
        QTest::newRow("chosen port") << true;
    }
    void localPort()
    {
        QFETCH(bool, fixed);
        LoopbackServer::Script s;
        s.silent = true;
        LoopbackServer server(s);
        Winsock ws;
        const int chosen = fixed ? LoopbackServer::ClosedPort() : 0;
        ws.SetLocalPort(chosen);
        ws.Connect(QStringLiteral("127.0.0.1"), server.port());
        QVERIFY(WaitUntil([&] { return ws.State() == Winsock::sckConnected && server.lastPeerPort() != 0; }, 5000));
        QCOMPARE(ws.LocalPort(), int(server.lastPeerPort()));
        if (fixed)
            QCOMPARE(ws.LocalPort(), chosen);
        ws.Close();
    }
};

TW_TEST(tst_winsock)
#include "tst_winsock.moc"
