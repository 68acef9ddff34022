// Every way a site can fail a fetch, on both page transports: the fetch ends
// within its limit, the older page stays byte for byte, the run goes on with
// the next stock, and the run's end says how many pages failed.
#include "UpdateFixture.h"
#include "common/TestRegistry.h"
#include "core/Hosts.h"
#include "platform/HttpPage.h"
#include "platform/Inet.h"
#include "platform/LoopbackServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>

using tw::test::SampleSite;
using tw::test::TestEnv;
using Fault = SampleSite::Fault;
using tw::test::LoopbackServer;

namespace {

constexpr int LimitMs = 1500; // the fetch limit the cases run with
// Longer than any run of these cases takes on a busy machine, and far
// shorter than a fetch that nothing but the transfer control's own 90 s
// or the peer would end.
constexpr int BoundMs = 30000;

const QByteArray kOlder = "older page " + QByteArray(2990, 'o');

// The transfer control's page of balance sheets (box 3, at least 1000
// bytes of body) and the socket's insider page (box 7, at least 2500 bytes
// of reply).
struct Transport {
    int box;
    QByteArray path; // XYZ's request
    QString suffix;
    qint64 minimum;  // stored size the job asks for
    bool socket;
};
const Transport kSocket{7, "/t/x/XYZ.html", QStringLiteral("_it.Sh"), 2500, true};
const Transport kTransfer{3, "/cgi-bin/AW/ZREPORT/DoInquiry?ticker=XYZ&type=8", QStringLiteral("_ABS.Sh"), 1000, false};

// The site's reply size for a body of n bytes.
qint64 ReplyWithBody(qint64 n)
{
    return QByteArray("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(n)
                      + "\r\n\r\n")
               .size()
           + n;
}

const QByteArray kChunkedHead = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nTransfer-Encoding: chunked\r\n\r\n";

// A body in chunks of at most size bytes, the last chunk and no trailers.
QByteArray Chunked(const QByteArray &body, qsizetype size = 1000)
{
    QByteArray out = kChunkedHead;
    for (qsizetype at = 0; at < body.size(); at += size) {
        const QByteArray part = body.mid(at, size);
        out += QByteArray::number(part.size(), 16) + "\r\n" + part + "\r\n";
    }
    return out + "0\r\n\r\n";
}

// Above both minimums, as a reply and as a body.
const QByteArray kChunkBody = "<html>" + QByteArray(2994, 'c');

} // namespace

Q_DECLARE_METATYPE(Transport)

class tst_faultmatrix : public QObject {
    Q_OBJECT
    tw::test::UpdateFixture f;

    QString File(const Transport &t, const char *symbol) const
    {
        return AppFolder + QStringLiteral("/Cache/DataSheet/") + QLatin1String(symbol) + t.suffix;
    }

private Q_SLOTS:
    void init() { QVERIFY(f.Init(LimitMs)); }
    void cleanup() { f.Cleanup(); }

    void fault_data()
    {
        QTest::addColumn<Transport>("t");
        QTest::addColumn<int>("mode"); // -1: the site's port refuses; -2: the site sends reply
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QByteArray>("reply");
        const QByteArray chunked = Chunked(kChunkBody);
        const qsizetype lastChunk = chunked.size() - 5;
        const std::pair<const char *, QByteArray> replies[] = {
            {"chunked, closed before its last chunk", chunked.left(lastChunk)},
            {"chunked, closed inside a chunk", chunked.left(lastChunk - 500)},
            {"chunked, a size line that is no number",
             QByteArray(chunked).replace("\r\n3e8\r\n", "\r\n3e8x\r\n")},
            {"chunked, a chunk longer than its size",
             QByteArray(chunked).replace("\r\n3e8\r\n", "\r\n3e7\r\n")},
        };
        // The socket's minimum is of the page it stores, the chunks decoded.
        const QByteArray underMinimum = Chunked(QByteArray(kSocket.minimum - kChunkedHead.size() - 1, 'u'));
        QTest::newRow("socket: chunked, its page one byte under the minimum")
            << kSocket << -2 << qint64(0) << underMinimum;
        for (const Transport &t : {kSocket, kTransfer}) {
            const char *name = t.socket ? "socket" : "transfer";
            for (const auto &[what, reply] : replies)
                QTest::addRow("%s: %s", name, what) << t << -2 << qint64(0) << reply;
            const std::pair<const char *, std::pair<int, qint64>> rows[] = {
                {"refused port", {-1, 0}},
                {"reset mid-body", {int(Fault::Reset), 1200}},
                {"cut, then closed in order", {int(Fault::Cut), 1200}},
                {"silence after connect", {int(Fault::Silence), 0}},
                {"drip of a byte a second", {int(Fault::Drip), 1000}},
                {"a 20 MB page", {int(Fault::Bytes), 20 * 1024 * 1024}},
                {"bytes with no status line", {int(Fault::Garbage), 5000}},
                {"404 page above the minimum", {int(Fault::ErrorPage), 404}},
                {"one byte under the minimum",
                 {int(Fault::Bytes), t.socket ? t.minimum - 1 : ReplyWithBody(t.minimum - 1)}},
            };
            for (const auto &[what, fault] : rows)
                QTest::addRow("%s: %s", name, what) << t << fault.first << fault.second << QByteArray();
        }
    }
    void fault()
    {
        QFETCH(Transport, t);
        QFETCH(int, mode);
        QFETCH(qint64, value);
        QFETCH(QByteArray, reply);
        TestEnv::WriteAll(File(t, "XYZ"), kOlder);
        f.SetStocks({"XYZ", "ABC"});
        f.TickOnly({t.box});
        if (mode == -1) {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            const quint16 closed = probe.serverPort();
            probe.close();
            QVERIFY(Hosts::SetOverride(Hosts::AllSites, QStringLiteral("127.0.0.1:%1").arg(closed)));
        } else if (mode == -2) {
            QVERIFY(f.site->setReply(t.path, reply, 0));
        } else {
            // Kept for every request: the transfer control asks again once
            // when a connection breaks before any reply.
            QVERIFY(f.site->setFault(t.path, Fault(mode), value, 0));
        }
        QElapsedTimer clock;
        clock.start();
        f.m->RunUpdate();
        // Two stocks: the failing fetch ends by its limit, not by the peer.
        QVERIFY2(clock.elapsed() < BoundMs, QByteArray::number(clock.elapsed()));
        QCOMPARE(TestEnv::ReadAll(File(t, "XYZ")), kOlder);
        QCOMPARE(f.m->lblDesc[0]->text(), QStringLiteral("Update"));
        if (mode == -1) {
            QVERIFY(!QFile::exists(File(t, "ABC")));
            QCOMPARE(f.m->Panel1[6]->text(), QStringLiteral("2 of 2 pages could not be fetched"));
            return;
        }
        QVERIFY(QFileInfo(File(t, "ABC")).size() >= t.minimum); // the run went on
        QCOMPARE(f.m->Panel1[6]->text(), QStringLiteral("1 of 2 pages could not be fetched"));
    }

    // A clean run ends as before, with no such line; a page whose whole
    // announced reply came is stored at once, though the site never closes.
    void whole_data()
    {
        QTest::addColumn<Transport>("t");
        QTest::addColumn<bool>("closes");
        for (const Transport &t : {kSocket, kTransfer}) {
            QTest::addRow("%s: closed", t.socket ? "socket" : "transfer") << t << true;
            QTest::addRow("%s: never closed", t.socket ? "socket" : "transfer") << t << false;
        }
    }
    void whole()
    {
        QFETCH(Transport, t);
        QFETCH(bool, closes);
        TestEnv::WriteAll(File(t, "XYZ"), kOlder);
        f.SetStocks({"XYZ"});
        f.TickOnly({t.box});
        if (!closes)
            QVERIFY(f.site->setFault(t.path, Fault::NoClose, 0, 0));
        // A fetch that waited for the silence would outlast the bound.
        UpdateJobs::SetSilenceMs(2 * BoundMs);
        QElapsedTimer clock;
        clock.start();
        f.m->RunUpdate();
        QVERIFY2(clock.elapsed() < BoundMs, QByteArray::number(clock.elapsed()));
        QVERIFY(QFileInfo(File(t, "XYZ")).size() >= t.minimum);
        QVERIFY(TestEnv::ReadAll(File(t, "XYZ")) != kOlder);
        QCOMPARE(f.m->Panel1[6]->text(), QString());
    }

    // A page is the reply and nothing behind it: the socket stores the reply
    // up to its announced length, the transfer control its body; a chunked
    // body both store decoded, the socket behind the head as it came. So it
    // is however the reply is split into arrivals and whether or not the
    // site closes, and reading it costs its size, not its size for every
    // arrival.
    void stored_data()
    {
        QTest::addColumn<Transport>("t");
        QTest::addColumn<LoopbackServer::Script>("script");
        QTest::addColumn<QByteArray>("page"); // as the socket stores it
        QTest::addColumn<QByteArray>("body"); // as the transfer control stores it
        const QByteArray body = "<html>" + QByteArray(2494, 'b');
        const QByteArray head = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: 2500\r\n\r\n";
        const QByteArray chunked = Chunked(kChunkBody);
        LoopbackServer::Script s;
        s.reply = head + body + QByteArray(3500, 'x');
        const qsizetype end = head.size() + body.size();
        const std::pair<const char *, QList<qsizetype>> splits[] = {
            {"in one arrival", {}},
            {"split at its end", {end}},
            {"split a byte before its end", {end - 1}},
            {"split in its head", {20}},
        };
        for (const Transport &t : {kSocket, kTransfer}) {
            const char *name = t.socket ? "socket" : "transfer";
            for (const auto &[what, cuts] : splits) {
                s.cuts = cuts;
                QTest::addRow("%s: longer than announced, %s", name, what) << t << s << head + body << body;
            }
            const QByteArray decoded = kChunkedHead + kChunkBody;
            LoopbackServer::Script c;
            c.reply = chunked;
            QTest::addRow("%s: chunked, closed", name) << t << c << decoded << kChunkBody;
            c.end = LoopbackServer::End::StayOpen;
            QTest::addRow("%s: chunked, never closed", name) << t << c << decoded << kChunkBody;
            c.cuts = {chunked.size() - 4};
            QTest::addRow("%s: chunked, never closed, split in its last chunk", name)
                << t << c << decoded << kChunkBody;
            c.cuts = {};
            c.reply = chunked + "HTTP/1.1 200 OK\r\n" + QByteArray(500, 'x');
            QTest::addRow("%s: chunked, more behind its last chunk", name) << t << c << decoded << kChunkBody;
            c.reply = Chunked(kChunkBody, 1);
            for (qsizetype cut = 500; cut < c.reply.size(); cut += 500)
                c.cuts.append(cut);
            QTest::addRow("%s: 1-byte chunks in many arrivals", name) << t << c << decoded << kChunkBody;
        }
    }
    void stored()
    {
        QFETCH(Transport, t);
        QFETCH(LoopbackServer::Script, script);
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, body);
        bool receiving = false;
        connect(f.m->Inet1, &Inet::StateChanged, f.m, [&receiving](int state) {
            receiving = receiving || state == Inet::icReceivingResponse;
        });
        // The client has taken what was sent: the rest then comes as an
        // arrival of its own.
        script.clientHas = [this, &t, &receiving](qsizetype sent) {
            return t.socket ? f.m->ResponseBuffer.size() >= sent : receiving;
        };
        LoopbackServer server(script);
        QVERIFY(Hosts::SetOverride(Hosts::AllSites, QStringLiteral("127.0.0.1:%1").arg(server.port())));
        TestEnv::WriteAll(File(t, "XYZ"), kOlder);
        f.SetStocks({"XYZ"});
        f.TickOnly({t.box});
        const qint64 looked = HttpPage::BytesLooked();
        f.m->RunUpdate();
        QCOMPARE(TestEnv::ReadAll(File(t, "XYZ")), t.socket ? page : body);
        QCOMPARE(f.m->Panel1[6]->text(), QString());
        // Each byte a few times at most, however many arrivals.
        QVERIFY2(HttpPage::BytesLooked() - looked <= 4 * script.reply.size(),
                 QByteArray::number(HttpPage::BytesLooked() - looked));
    }
};

TW_TEST(tst_faultmatrix)
#include "tst_faultmatrix.moc"
