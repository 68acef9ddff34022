#include "common/SampleSite.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "core/Hosts.h"
#include "platform/Registry.h"

#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <memory>

using tw::test::SampleSite;
using tw::test::TestEnv;
using Fault = SampleSite::Fault;

namespace {

// The program's own request: absolute address, two Accept lines, no Host.
QByteArray HandMade(const QByteArray &address)
{
    return "GET " + address + " HTTP/1.0\r\nAccept: */*\r\nAccept: text/html\r\n\r\n";
}

const QByteArray kXyzRow = "<tr><td>XYZ</td><td>118.92</td><td>-1.56</td><td>6950164</td></tr>";

struct Parsed {
    QByteArray statusLine;
    QByteArray head;
    QByteArray body;
    qsizetype contentLength = -1;
};

Parsed Parse(const QByteArray &reply)
{
    Parsed p;
    const qsizetype end = reply.indexOf("\r\n\r\n");
    p.head = end < 0 ? reply : reply.left(end + 4);
    p.body = end < 0 ? QByteArray() : reply.mid(end + 4);
    p.statusLine = reply.left(reply.indexOf("\r\n"));
    const qsizetype cl = p.head.indexOf("\r\nContent-Length: ");
    if (cl >= 0)
        p.contentLength = p.head.mid(cl + 18, p.head.indexOf("\r\n", cl + 2) - cl - 18).toLongLong();
    return p;
}

} // namespace

class tst_samplesite : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;
    std::unique_ptr<SampleSite> site;

    QByteArray Ordinary(const QByteArray &path) { return site->get(path); }

private Q_SLOTS:
    void init()
    {
        env = std::make_unique<TestEnv>();
        site = std::make_unique<SampleSite>();
        QVERIFY(site->port() != 0);
    }
    void cleanup()
    {
        site.reset();
        env.reset();
    }

    void pageForEitherRequestForm_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("absolute address, no Host") << HandMade("http://127.0.0.1:8088/demo/XYZ.html");
        QTest::newRow("absolute address, other host") << HandMade("http://quotes.test/demo/XYZ.html");
        QTest::newRow("path with Host") << QByteArray("GET /demo/XYZ.html HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n");
        QTest::newRow("bare line ends") << QByteArray("GET /demo/XYZ.html HTTP/1.0\nAccept: */*\n\n");
        QTest::newRow("lower-case symbol") << HandMade("http://127.0.0.1/demo/xyz.html");
    }

    // Every symbol the program accepts gets its pages, the longest and those
    // with "_" and "=" too.
    void everyUsableSymbolServed_data()
    {
        QTest::addColumn<QByteArray>("symbol");
        QTest::newRow("currency pair") << QByteArray("EURUSD=X");
        QTest::newRow("underscore") << QByteArray("ABC_D");
        QTest::newRow("index") << QByteArray("^DJI");
        QTest::newRow("twenty characters") << QByteArray("ABCDEFGHIJKLMNOPQRST");
    }
    void everyUsableSymbolServed()
    {
        QFETCH(QByteArray, symbol);
        const SampleSite::Exchange x = site->send(HandMade("http://127.0.0.1/demo/" + symbol.toPercentEncoding() + ".html"));
        QCOMPARE(Parse(x.reply).statusLine, QByteArray("HTTP/1.0 200 OK"));
    }

    void pageForEitherRequestForm()
    {
        QFETCH(QByteArray, request);
        const SampleSite::Exchange x = site->send(request);
        QVERIFY(x.ended);
        const Parsed p = Parse(x.reply);
        QCOMPARE(p.statusLine, QByteArray("HTTP/1.0 200 OK"));
        QVERIFY(p.head.contains("\r\nContent-Type: text/html\r\n"));
        QCOMPARE(p.contentLength, p.body.size());
        QVERIFY(p.body.contains(kXyzRow));
    }

    // The request arrives in pieces, as a slow client sends it.
    void requestInPieces()
    {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, site->port());
        QVERIFY(s.waitForConnected(5000));
        const QByteArray req = HandMade("http://127.0.0.1/demo/XYZ.html");
        for (char c : req) {
            s.write(&c, 1);
            QVERIFY(s.waitForBytesWritten(5000));
        }
        QByteArray reply;
        while (s.state() == QAbstractSocket::ConnectedState && s.waitForReadyRead(5000))
            reply += s.readAll();
        reply += s.readAll();
        QVERIFY(Parse(reply).body.contains(kXyzRow));
        QCOMPARE(site->requests(), QList<QByteArray>{req});
    }

    void samePagePerSymbol()
    {
        const QByteArray a = Ordinary("/demo/XYZ.html");
        QCOMPARE(Ordinary("/demo/XYZ.html"), a);
        const QByteArray b = Ordinary("/demo/ABC.html");
        QVERIFY(b.contains("<td>ABC</td>"));
        QVERIFY(Parse(b).body != Parse(a).body);
    }

    void versionFile()
    {
        const Parsed p = Parse(site->send(HandMade("http://www.zandor.test/Tkw58.txt")).reply);
        QCOMPARE(p.statusLine, QByteArray("HTTP/1.0 200 OK"));
        QVERIFY(p.head.contains("\r\nContent-Type: text/plain\r\n"));
        QCOMPARE(p.contentLength, p.body.size());
        QVERIFY(p.body.startsWith("Tickerwatch"));
        QVERIFY(!p.body.contains("New version Available"));
    }

    void requestsLoggedByteExact()
    {
        const QByteArray first = HandMade("http://127.0.0.1:8088/demo/XYZ.html");
        // 8-bit text, a stray blank before the line end, and a body after the head.
        const QByteArray second = "GET /nope?x=%20\xE9 HTTP/1.0\r\nHost: h \r\nX-\xFF: \x01\r\n\r\n";
        site->send(first);
        QVERIFY(site->setFault("/other", Fault::Status, 500)); // control requests stay out of the log
        site->send(second + "trailing body");
        QCOMPARE(site->requests(), (QList<QByteArray>{first, second}));
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("statusLine");
        QTest::newRow("unknown path") << HandMade("http://127.0.0.1/no/such/page.html") << QByteArray("HTTP/1.0 404 Not Found");
        QTest::newRow("root") << HandMade("http://127.0.0.1") << QByteArray("HTTP/1.0 404 Not Found");
        QTest::newRow("symbol with a slash") << HandMade("/demo/A%2FB.html") << QByteArray("HTTP/1.0 404 Not Found");
        QTest::newRow("symbol with markup") << HandMade("/demo/%3Cb%3E.html") << QByteArray("HTTP/1.0 404 Not Found");
        QTest::newRow("unknown control") << HandMade("/_ctl/nothing") << QByteArray("HTTP/1.0 404 Not Found");
        QTest::newRow("no version") << QByteArray("GET /demo/XYZ.html\r\n\r\n") << QByteArray("HTTP/1.0 400 Bad Request");
        QTest::newRow("garbage") << QByteArray("\x01\x02\r\n\r\n") << QByteArray("HTTP/1.0 400 Bad Request");
        QTest::newRow("relative target") << QByteArray("GET demo HTTP/1.0\r\n\r\n") << QByteArray("HTTP/1.0 400 Bad Request");
        QTest::newRow("head too long") << QByteArray("GET /" + QByteArray(70000, 'a')) << QByteArray("HTTP/1.0 400 Bad Request");
        QTest::newRow("other method") << QByteArray("POST /demo/XYZ.html HTTP/1.0\r\n\r\n")
                                      << QByteArray("HTTP/1.0 501 Not Implemented");
        QTest::newRow("control without path") << HandMade("/_ctl/fault?mode=status&value=500")
                                              << QByteArray("HTTP/1.0 400 Bad Request");
        QTest::newRow("control, unknown mode") << HandMade("/_ctl/fault?path=/x&mode=trickle")
                                               << QByteArray("HTTP/1.0 400 Bad Request");
        QTest::newRow("control, status without value") << HandMade("/_ctl/fault?path=/x&mode=status")
                                                       << QByteArray("HTTP/1.0 400 Bad Request");
        QTest::newRow("control, huge byte count") << HandMade("/_ctl/fault?path=/x&mode=bytes&value=99999999999")
                                                  << QByteArray("HTTP/1.0 400 Bad Request");
    }

    void refusals()
    {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, statusLine);
        const SampleSite::Exchange x = site->send(request);
        QVERIFY(x.ended);
        const Parsed p = Parse(x.reply);
        QCOMPARE(p.statusLine, statusLine);
        QCOMPARE(p.contentLength, p.body.size());
        QVERIFY(p.body.size() < 200);
        // The site goes on serving.
        QVERIFY(Parse(Ordinary("/demo/XYZ.html")).body.contains(kXyzRow));
    }

    void faultStatusOnceOrUntilCleared()
    {
        QVERIFY(site->setFault("/demo/XYZ.html", Fault::Status, 500));
        QVERIFY(Ordinary("/demo/ABC.html").startsWith("HTTP/1.0 200 OK\r\n"));
        QVERIFY(Ordinary("/demo/XYZ.html").startsWith("HTTP/1.0 500 Internal Server Error\r\n"));
        QVERIFY(Ordinary("/demo/XYZ.html").startsWith("HTTP/1.0 200 OK\r\n"));

        QVERIFY(site->setFault("/demo/XYZ.html", Fault::Status, 503, 0));
        for (int i = 0; i < 3; ++i)
            QVERIFY(Ordinary("/demo/XYZ.html").startsWith("HTTP/1.0 503 Service Unavailable\r\n"));
        QVERIFY(site->clearFault("/demo/XYZ.html"));
        QVERIFY(Ordinary("/demo/XYZ.html").startsWith("HTTP/1.0 200 OK\r\n"));

        QVERIFY(site->setFault("/demo/XYZ.html", Fault::Status, 404, 2));
        QVERIFY(Ordinary("/demo/XYZ.html").startsWith("HTTP/1.0 404 "));
        QVERIFY(Ordinary("/demo/XYZ.html").startsWith("HTTP/1.0 404 "));
        QVERIFY(Ordinary("/demo/XYZ.html").startsWith("HTTP/1.0 200 "));
    }

    void faultMatchesQueryOrEverything()
    {
        QVERIFY(site->setFault("/demo/XYZ.html?a=1", Fault::Status, 500, 0));
        QVERIFY(Ordinary("/demo/XYZ.html?a=2").startsWith("HTTP/1.0 200 "));
        QVERIFY(Ordinary("/demo/XYZ.html?a=1").startsWith("HTTP/1.0 500 "));
        QVERIFY(site->setFault("/demo/ABC.html", Fault::Status, 502, 0)); // any query
        QVERIFY(Ordinary("/demo/ABC.html?z=9").startsWith("HTTP/1.0 502 "));
        QVERIFY(site->clearFaults());
        QVERIFY(site->setFault("*", Fault::Status, 503, 0));
        QVERIFY(Ordinary("/Tkw58.txt").startsWith("HTTP/1.0 503 "));
        QVERIFY(site->send(HandMade("http://127.0.0.1/demo/Q.html")).reply.startsWith("HTTP/1.0 503 "));
        QVERIFY(site->clearFaults());
        QVERIFY(Ordinary("/Tkw58.txt").startsWith("HTTP/1.0 200 "));
    }

    // Given bytes go out exactly, only for their path and as often as asked;
    // a fault for the path takes their place.
    void givenReply()
    {
        const QByteArray bytes = "HTTP/1.0 200 OK\r\nX-Note: a&b=c%20 +\r\n\r\nbody \xE9\x01\nend";
        QVERIFY(site->setReply("/Tkw58.txt", bytes, 2));
        const SampleSite::Exchange x = site->send(HandMade("http://www.zandor.test/Tkw58.txt"));
        QVERIFY(x.ended);
        QCOMPARE(x.reply, bytes);
        QVERIFY(Ordinary("/demo/XYZ.html").startsWith("HTTP/1.0 200 OK\r\n"));
        QCOMPARE(Ordinary("/Tkw58.txt"), bytes);
        QVERIFY(Parse(Ordinary("/Tkw58.txt")).body.startsWith("Tickerwatch"));

        QVERIFY(site->setReply("/Tkw58.txt", "HTTP/1.0 404 Not Found\r\n\r\n", 0));
        QVERIFY(site->setFault("/Tkw58.txt", Fault::Status, 503));
        QVERIFY(Ordinary("/Tkw58.txt").startsWith("HTTP/1.0 503 "));
        QVERIFY(Ordinary("/Tkw58.txt").startsWith("HTTP/1.0 200 "));
        QVERIFY(site->setReply("/Tkw58.txt", "", 0));
        QCOMPARE(Ordinary("/Tkw58.txt"), QByteArray());
        QVERIFY(site->clearFaults());
        QVERIFY(Ordinary("/Tkw58.txt").startsWith("HTTP/1.0 200 "));
        QVERIFY(site->get("/_ctl/reply?path=/x").startsWith("HTTP/1.0 400 "));
    }

    // A fund has no research: every research page is a whole, short answer,
    // under the size of a page with data; a stock's pages are not.
    void researchOfAFund_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::newRow("splits") << QByteArray("/splits/splits-single-company.asp?symbol=%1");
        QTest::newRow("upgrades") << QByteArray("/upgrades-single-company.asp?symbol=%1");
        QTest::newRow("downgrades") << QByteArray("/downgrades-single-company.asp?symbol=%1");
        QTest::newRow("momentum") << QByteArray("/momentum-rating-single-company.asp?symbol=%1");
        QTest::newRow("broker reports") << QByteArray("/reports-single-company.asp?symbol=%1");
        QTest::newRow("profile") << QByteArray("/cgi-bin/brand_newsalert_mlist.cgi?symbol=%1");
        QTest::newRow("short interest") << QByteArray("/asp/quotes_full.asp?kind=shortint&symbol=%1%60&selected=%1%60");
    }
    void researchOfAFund()
    {
        QFETCH(QByteArray, path);
        const QByteArray fund = Ordinary(QByteArray(path).replace("%1", "VFINX"));
        QVERIFY(fund.startsWith("HTTP/1.0 200 OK"));
        QCOMPARE(Parse(fund).contentLength, Parse(fund).body.size());
        QVERIFY(fund.size() < 1000);
        QVERIFY(Ordinary(QByteArray(path).replace("%1", "VFIN")).size() >= 2500);
    }

    // The summary's chart picture is a GIF a browser shows; the letter
    // folder must be the symbol's.
    void chartPicture()
    {
        const Parsed p = Parse(Ordinary("/c/3m/z/ZETA.gif"));
        QCOMPARE(p.statusLine, QByteArray("HTTP/1.0 200 OK"));
        QVERIFY(p.head.contains("\r\nContent-Type: image/gif\r\n"));
        const QImage picture = QImage::fromData(p.body, "GIF");
        QCOMPARE(picture.size(), QSize(160, 90));
        QCOMPARE(picture.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(picture.pixelColor(80, 0), QColor(Qt::white));
        QVERIFY(Parse(Ordinary("/c/3m/z/ZETA.gif")).body == p.body);
        QVERIFY(Ordinary("/c/3m/a/ZETA.gif").startsWith("HTTP/1.0 404 "));
    }

    void productPage()
    {
        const Parsed p = Parse(site->send(HandMade("http://www.zandor.test/tickerwatch.htm")).reply);
        QCOMPARE(p.statusLine, QByteArray("HTTP/1.0 200 OK"));
        QVERIFY(p.body.contains("<a name=\"download\">"));
    }

    void faultExactBytes_data()
    {
        QTest::addColumn<int>("bytes");
        QTest::newRow("inside the status line") << 10;
        QTest::newRow("just the head") << 63; // the ordinary head with a one-digit length
        QTest::newRow("body cut") << 150;
        QTest::newRow("length between widths") << 73; // 10 bytes of body need a second digit
        QTest::newRow("body padded") << 5000;
        QTest::newRow("large") << 123457;
    }

    void faultExactBytes()
    {
        QFETCH(int, bytes);
        const QByteArray ordinary = Ordinary("/demo/XYZ.html");
        QVERIFY(site->setFault("/demo/XYZ.html", Fault::Bytes, bytes));
        const SampleSite::Exchange x = site->send(HandMade("http://127.0.0.1/demo/XYZ.html"));
        QVERIFY(x.ended);
        QCOMPARE(x.reply.size(), qsizetype(bytes));
        const Parsed p = Parse(x.reply);
        if (p.contentLength < 0) {
            QCOMPARE(x.reply, ordinary.left(bytes)); // shorter than the head
            return;
        }
        QCOMPARE(p.contentLength, p.body.size());
        const Parsed o = Parse(ordinary);
        const qsizetype common = qMin(o.body.size(), p.body.size());
        QCOMPARE(p.body.left(common), o.body.left(common));
        QCOMPARE(p.body.mid(common), QByteArray(p.body.size() - common, ' '));
    }

    void faultDelay()
    {
        // Far longer than the early look, so a stall of this process while
        // it looks does not let the reply in.
        QVERIFY(site->setFault("/demo/XYZ.html", Fault::Delay, 2000, 0));
        const SampleSite::Exchange early = site->send(HandMade("http://127.0.0.1/demo/XYZ.html"), 150);
        QVERIFY(early.timedOut);
        QVERIFY(early.reply.isEmpty());
        QElapsedTimer t;
        t.start();
        const SampleSite::Exchange x = site->send(HandMade("http://127.0.0.1/demo/XYZ.html"), 10000);
        // The site's timer may fire up to a twentieth early.
        QVERIFY(t.elapsed() >= 1800);
        QVERIFY(x.ended);
        QVERIFY(Parse(x.reply).body.contains(kXyzRow));
    }

    void faultReset_data()
    {
        QTest::addColumn<int>("before");
        QTest::newRow("at once") << 0;
        QTest::newRow("after part of the head") << 30;
        QTest::newRow("after part of the body") << 120;
    }

    void faultReset()
    {
        QFETCH(int, before);
        const QByteArray ordinary = Ordinary("/demo/XYZ.html");
        QVERIFY(site->setFault("/demo/XYZ.html", Fault::Reset, before));
        const SampleSite::Exchange x = site->send(HandMade("http://127.0.0.1/demo/XYZ.html"));
        QVERIFY(x.ended);
        QVERIFY(!x.timedOut);
        QCOMPARE(x.reply, ordinary.left(before));
        QVERIFY(Ordinary("/demo/XYZ.html").startsWith("HTTP/1.0 200 OK\r\n"));
    }

    void faultSilence()
    {
        QVERIFY(site->setFault("/demo/XYZ.html", Fault::Silence));
        QTcpSocket silent;
        silent.connectToHost(QHostAddress::LocalHost, site->port());
        QVERIFY(silent.waitForConnected(5000));
        silent.write(HandMade("http://127.0.0.1/demo/XYZ.html"));
        QVERIFY(silent.waitForBytesWritten(5000));
        QVERIFY(!silent.waitForReadyRead(400));
        QCOMPARE(silent.state(), QAbstractSocket::ConnectedState);
        // One silent client does not hold up the others.
        QVERIFY(Ordinary("/demo/XYZ.html").startsWith("HTTP/1.0 200 OK\r\n"));
        QVERIFY(!silent.waitForReadyRead(100));
        QCOMPARE(silent.bytesAvailable(), 0);
    }

    // The fixture's helper and the host table together: a hand-made request
    // built from the table reaches the site.
    void settingsPointedAtTheSite()
    {
        QVERIFY(site->pointSettingsHere());
        QCOMPARE(Hosts::HostName(QStringLiteral("BizNewsHost")), QStringLiteral("127.0.0.1"));
        QCOMPARE(Hosts::Port(QStringLiteral("BizNewsHost")), site->port());
        const QByteArray request =
            HandMade(Hosts::Url(QStringLiteral("BusinessNewsPortal"), QStringLiteral("/demo/XYZ.html")).toLatin1());
        const SampleSite::Exchange x = SampleSite::Send(Hosts::Port(QStringLiteral("BizNewsHost")), request, 5000);
        QVERIFY(Parse(x.reply).body.contains(kXyzRow));
        QCOMPARE(site->requests().value(0),
                 "GET http://127.0.0.1:" + QByteArray::number(site->port())
                     + "/demo/XYZ.html HTTP/1.0\r\nAccept: */*\r\nAccept: text/html\r\n\r\n");
    }

    // What the run command does: the site writes the user's own store.
    void pointUserHere()
    {
        QTemporaryDir config;
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        const QString store = config.filePath(QStringLiteral("Zandor/Tickerwatch.reg"));
        // An existing store keeps what it held.
        TestEnv::WriteAll(store, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Zandor\\Tickerwatch5]\r\n"
                                 "\"Email\"=\"me@x.test\"\r\n");
        SampleSite pointing({QStringLiteral("--point-user-here")}, e);
        QVERIFY(pointing.port() != 0);
        Registry::instance().Open(store);
        QCOMPARE(Hosts::Host(QStringLiteral("QuoteHost")), pointing.hostPort());
        QCOMPARE(Hosts::Host(QStringLiteral("MakerWebHost")), pointing.hostPort());
        QVERIFY(TestEnv::ReadAll(store).contains("\"Email\"=\"me@x.test\""));
    }

    void busyPortRefused()
    {
        QProcess second;
        second.start(QStringLiteral(TW_SAMPLESITE), {QStringLiteral("--port"), QString::number(site->port())});
        QVERIFY(second.waitForFinished(10000));
        QVERIFY(second.exitCode() != 0);
        QVERIFY(!second.readAllStandardOutput().contains("LISTENING"));
    }

    void stoppedWithTheFixture()
    {
        const quint16 port = site->port();
        site.reset();
        QVERIFY(!SampleSite::Send(port, HandMade("/demo/XYZ.html"), 2000).connected);
    }
};

TW_TEST(tst_samplesite)
#include "tst_samplesite.moc"
