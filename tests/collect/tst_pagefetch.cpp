#include "UpdateFixture.h"
#include "common/TestRegistry.h"
#include "core/Hosts.h"
#include "platform/Dialogs.h"
#include "platform/Winsock.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>

using tw::test::SampleSite;
using tw::test::TestEnv;
using Fault = SampleSite::Fault;

namespace {

// The whole reply for a body of n bytes, as the site writes its head.
qint64 ReplyWithBody(qint64 n)
{
    return QByteArray("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(n)
                      + "\r\n\r\n")
               .size()
           + n;
}

const QByteArray kOlder = "older page " + QByteArray(2990, 'o');

} // namespace

class tst_pagefetch : public QObject {
    Q_OBJECT
    tw::test::UpdateFixture f;

private Q_SLOTS:
    void init() { QVERIFY(f.Init()); }
    void cleanup() { f.Cleanup(); }

    // Each transport with its job's minimum: what is left in the cache after
    // one fetch of XYZ, and the stock after it (ABC) still fetched.
    void pageMinimum_data()
    {
        QTest::addColumn<int>("box");         // 7: insider trades (socket, 2500), 3: balance sheet (transfer, 1000)
        QTest::addColumn<QByteArray>("path"); // the faulted request
        QTest::addColumn<int>("mode");
        QTest::addColumn<qint64>("value");
        QTest::addColumn<bool>("older"); // an earlier run's page is in the cache
        QTest::addColumn<qint64>("left"); // size of the page afterwards, -1 none, -2 the older one
        const QByteArray it = "/t/x/XYZ.html";
        const QByteArray abs = "/cgi-bin/AW/ZREPORT/DoInquiry?ticker=XYZ&type=8";
        const int bytes = int(Fault::Bytes), reset = int(Fault::Reset), silence = int(Fault::Silence),
                  status = int(Fault::Status);
        QTest::newRow("socket 2499") << 7 << it << bytes << qint64(2499) << false << qint64(-1);
        QTest::newRow("socket 2500") << 7 << it << bytes << qint64(2500) << false << qint64(2500);
        QTest::newRow("socket short keeps older") << 7 << it << bytes << qint64(2000) << true << qint64(-2);
        QTest::newRow("socket reset keeps older") << 7 << it << reset << qint64(0) << true << qint64(-2);
        QTest::newRow("socket cut mid-reply keeps older") << 7 << it << reset << qint64(1200) << true << qint64(-2);
        QTest::newRow("socket silent peer keeps older") << 7 << it << silence << qint64(0) << true << qint64(-2);
        QTest::newRow("socket error page keeps older") << 7 << it << status << qint64(500) << true << qint64(-2);
        QTest::newRow("transfer body 999") << 3 << abs << bytes << ReplyWithBody(999) << false << qint64(-1);
        QTest::newRow("transfer body 1000") << 3 << abs << bytes << ReplyWithBody(1000) << false << qint64(1000);
        QTest::newRow("transfer short keeps older") << 3 << abs << bytes << ReplyWithBody(300) << true << qint64(-2);
        QTest::newRow("transfer reset keeps older") << 3 << abs << reset << qint64(0) << true << qint64(-2);
        QTest::newRow("transfer cut mid-reply keeps older") << 3 << abs << reset << qint64(700) << true << qint64(-2);
        QTest::newRow("transfer silent peer keeps older") << 3 << abs << silence << qint64(0) << true << qint64(-2);
    }
    void pageMinimum()
    {
        QFETCH(int, box);
        QFETCH(QByteArray, path);
        QFETCH(int, mode);
        QFETCH(qint64, value);
        QFETCH(bool, older);
        QFETCH(qint64, left);
        const QString name = box == 7 ? QStringLiteral("_it.Sh") : QStringLiteral("_ABS.Sh");
        const QString file = AppFolder + QStringLiteral("/Cache/DataSheet/XYZ") + name;
        if (older)
            TestEnv::WriteAll(file, kOlder);
        f.SetStocks({"XYZ", "ABC"});
        f.TickOnly({box});
        // Kept for every request: the transfer control asks again once when a
        // connection breaks before any reply.
        QVERIFY(f.site->setFault(path, Fault(mode), value, 0));
        QElapsedTimer t;
        t.start();
        f.m->RunUpdate();
        // Far from the 90 s of the transfer control's own limit, and from
        // anything a busy machine adds.
        QVERIFY2(t.elapsed() < 30000, "a failing fetch outlived its time-out");
        if (left == -1) {
            QVERIFY(!QFile::exists(file));
        } else if (left == -2) {
            QCOMPARE(TestEnv::ReadAll(file), kOlder);
        } else {
            QCOMPARE(QFileInfo(file).size(), left);
            if (box == 7)
                QVERIFY(TestEnv::ReadAll(file).startsWith("HTTP/1.0 200 OK\r\n"));
        }
        // the run went on with the next stock
        QVERIFY(QFileInfo(AppFolder + QStringLiteral("/Cache/DataSheet/ABC") + name).size() > 2500);
        QCOMPARE(f.m->lblDesc[0]->text(), QStringLiteral("Update"));
    }

    // A socket error is reported with its description; nothing is written
    // and the next stock is still fetched.
    void socketErrorMessage()
    {
        f.SetStocks({"XYZ", "ABC"});
        f.TickOnly({7});
        QVERIFY(f.site->setFault("/t/x/XYZ.html", Fault::Reset));
        f.m->RunUpdate();
        QCOMPARE(Dialogs::Log().size(), 1);
        QVERIFY(Dialogs::Log()[0].text.startsWith(QStringLiteral("Error ")));
        QVERIFY(Dialogs::Log()[0].text.size() > 6);
        QVERIFY(!QFile::exists(f.Sheet(QStringLiteral("XYZ_it.Sh"))));
        QVERIFY(QFile::exists(f.Sheet(QStringLiteral("ABC_it.Sh"))));
    }

    // A host that refuses: each page ends at once, and one message says so
    // for the whole run.
    void refusedConnection()
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const quint16 closed = probe.serverPort();
        probe.close();
        QVERIFY(Hosts::SetOverride(QStringLiteral("BusinessNewsPortal"), QStringLiteral("127.0.0.1:%1").arg(closed)));
        f.SetStocks({"XYZ", "ABC"});
        f.TickOnly({5, 7, 21});
        QElapsedTimer t;
        t.start();
        f.m->RunUpdate();
        QVERIFY(t.elapsed() < 30000);
        QCOMPARE(Dialogs::Log().size(), 1);
        QVERIFY(QDir(AppFolder + QStringLiteral("/Cache/DataSheet")).entryList(QDir::Files)
                == QStringList{QStringLiteral("BrPG_N.Sh")});
    }

    // A silent peer ends the socket fetch within the time-out, however the
    // wait was entered.
    void silentPeerEndsWait()
    {
        f.SetStocks({"XYZ"});
        f.TickOnly({7});
        QVERIFY(f.site->setFault("/t/x/XYZ.html", Fault::Silence));
        QElapsedTimer t;
        t.start();
        f.m->RunUpdate();
        QVERIFY(t.elapsed() >= 1400);
        QVERIFY(t.elapsed() < 30000);
        QCOMPARE(f.m->Winsock1->State(), 0);
        QCOMPARE(f.m->SocketBusy, int16_t(0));
        QVERIFY(!QFile::exists(f.Sheet(QStringLiteral("XYZ_it.Sh"))));
    }

    // A slow site that keeps sending is not cut off by the silence limit.
    void slowButMovingReplyIsKept()
    {
        f.SetStocks({"XYZ"});
        f.TickOnly({7});
        QVERIFY(f.site->setFault("/t/x/XYZ.html", Fault::Delay, 1000));
        f.m->RunUpdate();
        QVERIFY(QFileInfo(f.Sheet(QStringLiteral("XYZ_it.Sh"))).size() >= 2500);
    }

    // After a stop the transfer control fetches nothing; the request time-out
    // stays short until the next run readies it again.
    void transferAfterStop()
    {
        f.m->StopUpdate();
        QCOMPARE(f.m->ActiveInet, nullptr);
        QVERIFY(!f.m->DownloadURL(f.Sheet(QStringLiteral("25_surp.Sh")),
                                  Hosts::Url(QStringLiteral("ResearchSurprisesSite"), QStringLiteral("/cgi-bin/25_surp")),
                                  QStringLiteral("status")));
        QCOMPARE(f.m->windowTitle(), QStringLiteral("status"));
        QVERIFY(f.site->requests().isEmpty());
        f.m->PrepareInet();
        f.m->AbortFlag = 0;
        QVERIFY(f.m->DownloadURL(f.Sheet(QStringLiteral("25_surp.Sh")),
                                 Hosts::Url(QStringLiteral("ResearchSurprisesSite"), QStringLiteral("/cgi-bin/25_surp")),
                                 QStringLiteral("status")));
        QVERIFY(TestEnv::ReadAll(f.Sheet(QStringLiteral("25_surp.Sh"))).startsWith("<html>"));
    }

    // A page replaces the cached one whole: a shorter page leaves nothing of
    // the longer one behind it.
    void shorterPageReplacesWhole()
    {
        const QString file = f.Sheet(QStringLiteral("mwwinners.Sh"));
        TestEnv::WriteAll(file, QByteArray(20000, 'z'));
        f.TickOnly({16});
        f.m->RunUpdate();
        const QByteArray page = TestEnv::ReadAll(file);
        QVERIFY(page.startsWith("<html>"));
        QVERIFY(!page.contains('z' + QByteArray(10, 'z')));
    }
};

TW_TEST(tst_pagefetch)
#include "tst_pagefetch.moc"
