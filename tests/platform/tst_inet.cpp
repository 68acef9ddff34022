#include "LoopbackServer.h"
#include "common/TestRegistry.h"
#include "platform/HttpPage.h"
#include "platform/Inet.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

using tw::test::LoopbackServer;
using End = LoopbackServer::End;

namespace {

QByteArray Http10(const QByteArray &status, const QByteArray &body)
{
    return "HTTP/1.0 " + status + "\r\nContent-Type: text/html\r\n\r\n" + body;
}

// The state events of one transfer, and whether the control was busy while
// they came.
struct Recorder {
    QList<int> states;
    QList<bool> busy;
    Recorder(Inet &inet)
    {
        QObject::connect(&inet, &Inet::StateChanged, &inet, [this, &inet](int s) {
            states.append(s);
            busy.append(inet.StillExecuting());
        });
    }
};

// Direct access, as the program sets it up without a proxy.
struct DirectInet : Inet {
    explicit DirectInet(int timeoutSeconds = 60)
    {
        SetAccessType(icDirect);
        SetRequestTimeout(timeoutSeconds);
    }
};

} // namespace

class tst_inet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reply_data()
    {
        QTest::addColumn<LoopbackServer::Script>("script");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("code");

        const QByteArray page = "<html><table><tr><td>Last Trade:</td><td>12.50</td></tr></table></html>";
        LoopbackServer::Script s;
        s.reply = Http10("200 OK", page);
        QTest::newRow("HTTP/1.0 ended by close") << s << page << 200;

        const QByteArray bytes("a\0b\r\nc\xe9\xff\r\n", 11);
        s.reply = "HTTP/1.1 200 OK\r\nContent-Length: 11\r\nConnection: close\r\n\r\n" + bytes;
        QTest::newRow("bytes kept as they are") << s << bytes << 200;

        s.reply = Http10("200 OK", page);
        s.pieceSize = 7;
        s.pieceGapMs = 20;
        QTest::newRow("in many pieces") << s << page << 200;

        // A chunked body is whole at its last chunk, with no close needed;
        // a "100 Continue" before the reply is not the reply.
        s = {};
        s.reply = "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                  "7\r\n<html>a\r\n3;ext=1\r\nb\r\n\r\n0\r\n\r\n";
        s.end = End::StayOpen;
        QTest::newRow("chunked, kept open") << s << QByteArray("<html>ab\r\n") << 200;
        s.pieceSize = 5;
        s.pieceGapMs = 5;
        QTest::newRow("chunked in pieces") << s << QByteArray("<html>ab\r\n") << 200;
        // Read as it comes: each piece costs its own size, not the reply's.
        s = {};
        s.reply = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" + QByteArray("1\r\nc\r\n").repeated(2000)
                  + "0\r\n\r\n";
        s.pieceSize = 240;
        s.pieceGapMs = 2;
        QTest::newRow("1-byte chunks in many pieces") << s << QByteArray(2000, 'c') << 200;
        s = {};
        s.reply = "HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\nabcd";
        s.end = End::StayOpen;
        QTest::newRow("announced length, kept open") << s << QByteArray("abcd") << 200;

        // An error page is what the site sent: it is returned and stored
        // like any page, but it is not the page asked for.
        s = {};
        s.reply = Http10("404 Not Found", "<html>No such page</html>");
        QTest::newRow("404 page") << s << QByteArray("<html>No such page</html>") << 404;
        s.reply = Http10("500 Internal Server Error", "oops");
        QTest::newRow("500 page") << s << QByteArray("oops") << 500;
    }
    void reply()
    {
        QFETCH(LoopbackServer::Script, script);
        QFETCH(QByteArray, body);
        QFETCH(int, code);
        LoopbackServer server(script);
        DirectInet inet(5);
        Recorder rec(inet);

        const qint64 looked = HttpPage::BytesLooked();
        QCOMPARE(inet.OpenURL(server.base() + "/t/x/XYZ.html"), body);
        QVERIFY2(HttpPage::BytesLooked() - looked <= 4 * script.reply.size(),
                 QByteArray::number(HttpPage::BytesLooked() - looked));
        QVERIFY(!inet.StillExecuting());
        QVERIFY(server.request().startsWith("GET /t/x/XYZ.html HTTP/1.1\r\n"));
        QVERIFY(inet.LastCompleted());
        QCOMPARE(inet.ResponseCode(), code);
        QCOMPARE(inet.LastSucceeded(), code == 200);
        QCOMPARE(inet.ResponseInfo(), QString());

        // Busy through the transfer, idle by the time it is reported complete.
        QVERIFY(rec.states.size() >= 3);
        QCOMPARE(rec.states.last(), int(Inet::icResponseCompleted));
        QVERIFY(!rec.busy.last());
        QVERIFY(rec.busy.first());
        const qsizetype connecting = rec.states.indexOf(Inet::icConnecting);
        const qsizetype requested = rec.states.indexOf(Inet::icRequesting);
        const qsizetype receiving = rec.states.indexOf(Inet::icReceivingResponse);
        const qsizetype received = rec.states.indexOf(Inet::icResponseReceived);
        QVERIFY(connecting >= 0 && connecting < requested && requested < receiving && receiving < received);
        QVERIFY(!rec.states.contains(Inet::icError));
    }

    // A state handler that yields (the run's status line does) may let the
    // rest of the reply and the close arrive under it: the page is still
    // whole.
    void handlerYieldsWhileReplyEnds_data()
    {
        QTest::addColumn<int>("pieceSize");
        QTest::newRow("in one piece") << 0;
        QTest::newRow("in pieces") << 20;
    }
    void handlerYieldsWhileReplyEnds()
    {
        QFETCH(int, pieceSize);
        LoopbackServer::Script s;
        const QByteArray body = QByteArray(100, 'x');
        s.reply = "HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\n" + body;
        s.pieceSize = pieceSize;
        s.pieceGapMs = 10;
        LoopbackServer server(s);
        DirectInet inet(5);
        QObject::connect(&inet, &Inet::StateChanged, &inet, [](int state) {
            if (state == Inet::icReceivingResponse)
                QTest::qWait(200);
        });
        QCOMPARE(inet.OpenURL(server.base() + "/x"), body);
        QVERIFY(inet.LastCompleted());
    }

    // Every way a transfer can fail ends it: "" comes back, the error state
    // is raised, and it never takes longer than the time-out.
    void failure_data()
    {
        QTest::addColumn<LoopbackServer::Script>("script");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<int>("minMs");

        LoopbackServer::Script s;
        QTest::newRow("refused") << s << true << 0;
        s.silent = true;
        QTest::newRow("silent server") << s << false << 900;
        s = {};
        s.reply = "HTTP/1.0 200 OK\r\n\r\n<html>the first half";
        s.end = End::StayOpen;
        QTest::newRow("silent after the first bytes") << s << false << 900;
        s.reply = "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n<html>only a part";
        s.end = End::Close;
        QTest::newRow("cut before Content-Length") << s << false << 0;
        s.end = End::Reset;
        QTest::newRow("reset mid-reply") << s << false << 0;
        // Qt's HTTP now and then ends such a reply as if it were whole.
        s.reply = "HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\n<html>only a part";
        for (int i = 0; i < 8; ++i)
            QTest::newRow(qPrintable(QStringLiteral("HTTP/1.0 reset inside an announced body %1").arg(i))) << s << false << 0;
        s.reply = "HTTP/1.0 200";
        QTest::newRow("reset in the status line") << s << false << 0;
        s.reply = "HTTP/1.0 200 OK\r\n\r\n<html>the first half";
        QTest::newRow("reset in a body ended by close") << s << false << 0;
        s.reply = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n7\r\n<html>a\r\n";
        s.end = End::Close;
        QTest::newRow("chunked, closed before the last chunk") << s << false << 0;
        s.reply = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n<html>a\r\n0\r\n\r\n";
        QTest::newRow("chunk size not a number") << s << false << 0;
        s.reply = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabcd\r\n0\r\n\r\n";
        QTest::newRow("chunk longer than its size") << s << false << 0;
    }
    void failure()
    {
        QFETCH(LoopbackServer::Script, script);
        QFETCH(bool, refused);
        QFETCH(int, minMs);
        LoopbackServer server(script);
        DirectInet inet(1);
        Recorder rec(inet);
        const QString url = refused ? QStringLiteral("http://127.0.0.1:%1/x").arg(LoopbackServer::ClosedPort())
                                    : server.base() + "/x";
        QElapsedTimer t;
        t.start();
        QEXPECT_FAIL("reset in a body ended by close",
                     "Qt's sockets report a reset like the orderly close that ends such a body", Abort);
        QCOMPARE(inet.OpenURL(url), QByteArray());
        QVERIFY2(t.elapsed() >= minMs && t.elapsed() < 30000, QByteArray::number(t.elapsed()));
        QVERIFY(!inet.StillExecuting());
        QVERIFY(!inet.LastCompleted());
        QVERIFY(!inet.LastSucceeded());
        QVERIFY(!inet.ResponseInfo().isEmpty());
        QCOMPARE(rec.states.last(), int(Inet::icError));
        QVERIFY(!rec.states.contains(Inet::icResponseCompleted));
    }

    // The time-out counts silence, and the same bound holds for the whole
    // transfer: a slow page that keeps coming within it is whole, a gap too
    // long ends it, and so does a drip that never stops.
    // The whole drip takes a tenth of the time-out where it must fit, and
    // longer than the time-out where it must not, so no machine's speed
    // turns one into the other.
    void timeoutCountsSilence_data()
    {
        QTest::addColumn<int>("gapMs");
        QTest::addColumn<int>("timeoutSeconds");
        QTest::addColumn<bool>("whole");
        QTest::newRow("steady drip within the time-out") << 100 << 6 << true;
        QTest::newRow("steady drip longer than the time-out") << 250 << 1 << false;
        QTest::newRow("gaps longer than the time-out") << 1600 << 1 << false;
    }
    void timeoutCountsSilence()
    {
        QFETCH(int, gapMs);
        QFETCH(int, timeoutSeconds);
        QFETCH(bool, whole);
        LoopbackServer::Script s;
        const QByteArray body(60, 'x');
        s.reply = "HTTP/1.1 200 OK\r\nContent-Length: 60\r\n\r\n" + body;
        s.pieceSize = s.reply.size() / 6 + 1;
        s.pieceGapMs = gapMs;
        LoopbackServer server(s);
        DirectInet inet(timeoutSeconds);
        QCOMPARE(inet.OpenURL(server.base() + "/slow"), whole ? body : QByteArray());
        QCOMPARE(inet.LastSucceeded(), whole);
    }

    // Stop while a page is on its way: OpenURL gives up at once, whatever
    // the time-out, and no error state follows (the stop put up its own
    // status text).
    void cancelEndsPendingRequest_data()
    {
        QTest::addColumn<int>("atState");
        QTest::newRow("from a timer while waiting") << -1;
        QTest::newRow("from the first state event") << int(Inet::icResolvingHost);
        QTest::newRow("once the request is out") << int(Inet::icRequestSent);
    }
    void cancelEndsPendingRequest()
    {
        QFETCH(int, atState);
        LoopbackServer::Script s;
        s.silent = true;
        LoopbackServer server(s);
        DirectInet inet(60);
        Recorder rec(inet);
        if (atState < 0) {
            QTimer::singleShot(200, &inet, [&inet] { inet.Cancel(); });
        } else {
            connect(&inet, &Inet::StateChanged, &inet, [&inet, atState, once = true](int st) mutable {
                if (st == atState && once) {
                    once = false;
                    inet.SetRequestTimeout(1); // as the stop does before it cancels
                    inet.Cancel();
                }
            });
        }
        QElapsedTimer t;
        t.start();
        QCOMPARE(inet.OpenURL(server.base() + "/x"), QByteArray());
        QVERIFY2(t.elapsed() < 20000, QByteArray::number(t.elapsed())); // far from the time-out
        QVERIFY(!inet.StillExecuting());
        QVERIFY(!inet.LastCompleted());
        QVERIFY(!rec.states.contains(Inet::icError));
        inet.Cancel(); // nothing pending: no effect

        // The control is ready for the next page.
        LoopbackServer::Script ok;
        ok.reply = Http10("200 OK", "next");
        LoopbackServer second(ok);
        inet.SetRequestTimeout(5);
        QCOMPARE(inet.OpenURL(second.base() + "/y"), QByteArray("next"));
    }

    // A run that ends with this page stops from the completion event, and
    // the stop cancels "what is still executing": the page must survive.
    void stopFromFinalStateKeepsPage()
    {
        LoopbackServer::Script s;
        s.reply = Http10("200 OK", "the page");
        LoopbackServer server(s);
        DirectInet inet;
        connect(&inet, &Inet::StateChanged, &inet, [&inet](int st) {
            if ((st == Inet::icResponseCompleted || st == Inet::icError) && inet.StillExecuting())
                inet.Cancel();
        });
        QCOMPARE(inet.OpenURL(server.base() + "/x"), QByteArray("the page"));
        QVERIFY(inet.LastSucceeded());
    }

    // One request at a time: a second OpenURL while one is pending (from a
    // handler that runs meanwhile) is refused and does not disturb it.
    void secondRequestWhilePending()
    {
        LoopbackServer::Script s;
        s.reply = Http10("200 OK", "first");
        s.delayMs = 200;
        LoopbackServer server(s);
        DirectInet inet(5);
        QByteArray nested = "not called";
        connect(&inet, &Inet::StateChanged, &inet, [&](int st) {
            if (st == Inet::icRequestSent)
                nested = inet.OpenURL(server.base() + "/other");
        });
        QCOMPARE(inet.OpenURL(server.base() + "/x"), QByteArray("first"));
        QVERIFY(inet.LastSucceeded());
        QCOMPARE(inet.ResponseInfo(), QString());
        QCOMPARE(nested, QByteArray());
        for (const QByteArray &r : server.received())
            QVERIFY(!r.contains("/other"));
    }

    void onlyWebAddresses_data()
    {
        QTest::addColumn<QString>("url");
        QTest::newRow("empty") << QString();
        QTest::newRow("local file") << QStringLiteral("file:///etc/hostname");
        QTest::newRow("resource") << QStringLiteral("qrc:/x");
        QTest::newRow("data") << QStringLiteral("data:text/plain,hello");
        QTest::newRow("no host") << QStringLiteral("http:///x");
    }
    void onlyWebAddresses()
    {
        QFETCH(QString, url);
        Inet inet;
        Recorder rec(inet);
        QCOMPARE(inet.OpenURL(url), QByteArray());
        QVERIFY(!inet.LastCompleted());
        QVERIFY(!inet.ResponseInfo().isEmpty());
        QVERIFY(rec.states.isEmpty());
    }

    // A named proxy gets the absolute address in its request line; direct
    // access ignores the proxy text.
    void proxy_data()
    {
        QTest::addColumn<int>("access");
        QTest::addColumn<QString>("proxyForm");
        QTest::addColumn<bool>("viaProxy");
        QTest::newRow("host:port") << int(Inet::icNamedProxy) << QStringLiteral("127.0.0.1:%1") << true;
        QTest::newRow("with scheme") << int(Inet::icNamedProxy) << QStringLiteral("http://127.0.0.1:%1") << true;
        QTest::newRow("per protocol list") << int(Inet::icNamedProxy)
                                           << QStringLiteral("ftp=127.0.0.1:1 http=127.0.0.1:%1") << true;
        QTest::newRow("direct ignores it") << int(Inet::icDirect) << QStringLiteral("127.0.0.1:%1") << false;
    }
    void proxy()
    {
        QFETCH(int, access);
        QFETCH(QString, proxyForm);
        QFETCH(bool, viaProxy);
        LoopbackServer::Script s;
        s.reply = Http10("200 OK", "from proxy");
        LoopbackServer proxyServer(s);
        s.reply = Http10("200 OK", "from site");
        LoopbackServer site(s);
        Inet inet;
        inet.SetRequestTimeout(5);
        inet.SetAccessType(access);
        inet.SetProxy(proxyForm.arg(proxyServer.port()));
        // The proxy is asked for a site it alone can reach.
        const QString url = viaProxy ? QStringLiteral("http://quotes.invalid/q?s=XYZ") : site.base() + "/q?s=XYZ";
        QCOMPARE(inet.OpenURL(url), viaProxy ? QByteArray("from proxy") : QByteArray("from site"));
        if (viaProxy)
            QVERIFY(proxyServer.request().startsWith("GET http://quotes.invalid/q?s=XYZ HTTP/1.1\r\n"));
        else
            QVERIFY(proxyServer.received().isEmpty());
    }
};

TW_TEST(tst_inet)
#include "tst_inet.moc"
