#include "UpdateFixture.h"
#include "common/TestRegistry.h"
#include "platform/Winsock.h"

#include <QDirIterator>
#include <QFile>

using tw::test::SampleSite;
using tw::test::TestEnv;
using Fault = SampleSite::Fault;

namespace {

// Every file below the folder, relative to it.
QStringList FilesBelow(const QString &folder)
{
    QStringList out;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
        out << QDir(folder).relativeFilePath(it.next());
    out.sort();
    return out;
}

} // namespace

class tst_stockpages : public QObject {
    Q_OBJECT
    tw::test::UpdateFixture f;

private Q_SLOTS:
    void init() { QVERIFY(f.Init(1500)); }
    void cleanup() { f.Cleanup(); }

    // Which symbols each per-stock job fetches, and how it spells them.
    void symbolsPerJob_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("2 news") << 2 << QList<QByteArray>{"GET /q?s=A", "GET /q?s=IBM", "GET /q?s=msft"}
                                << QStringList{};
        QTest::newRow("3 balance sheet")
            << 3
            << QList<QByteArray>{"GET /cgi-bin/AW/ZREPORT/DoInquiry?ticker=A&type=8",
                                 "GET /cgi-bin/AW/ZREPORT/DoInquiry?ticker=IBM&type=8",
                                 "GET /cgi-bin/AW/ZREPORT/DoInquiry?ticker=msft&type=8"}
            << QStringList{"A_ABS.Sh", "IBM_ABS.Sh", "msft_ABS.Sh"};
        QTest::newRow("5 estimates, short symbols passed over")
            << 5 << QList<QByteArray>{"GET /z/a/i/IBM.html", "GET /z/a/m/msft.html"}
            << QStringList{"IBM_ee.Sh", "msft_ee.Sh"};
        QTest::newRow("6 filings") << 6
                                   << QList<QByteArray>{"GET /brand/yahoo/search/?sym=A", "GET /brand/yahoo/search/?sym=IBM",
                                                        "GET /brand/yahoo/search/?sym=msft"}
                                   << QStringList{"A_qr.Sh", "IBM_qr.Sh", "msft_qr.Sh"};
        QTest::newRow("7 insiders, short symbols passed over")
            << 7 << QList<QByteArray>{"GET /t/i/IBM.html", "GET /t/m/msft.html"} << QStringList{"IBM_it.Sh", "msft_it.Sh"};
        QTest::newRow("8 options in capitals, file as stored")
            << 8
            << QList<QByteArray>{"GET /QuoteTable.dat?TICKER=A", "GET /QuoteTable.dat?TICKER=IBM",
                                 "GET /QuoteTable.dat?TICKER=MSFT"}
            << QStringList{"A_op.Sh", "IBM_op.Sh", "msft_op.Sh"};
    }
    void symbolsPerJob()
    {
        QFETCH(int, box);
        QFETCH(QList<QByteArray>, lines);
        QFETCH(QStringList, files);
        f.SetStocks({"A", "IBM", "msft"});
        f.TickOnly({box});
        f.m->RunUpdate();
        QCOMPARE(f.RequestLines(), lines);
        if (box != 2)
            QCOMPARE(QDir(SheetCache::DataSheetFolder()).entryList(QDir::Files, QDir::Name), files);
    }

    // Symbols that are no ticker never become a file name or a request; the
    // good ones around them are fetched as usual, and a ticker's own signs are
    // escaped in the address.
    void unusableSymbols()
    {
        f.SetStocks({"../x", "A B", "X\r\nGET /evil", "/etc", "..", "^DJI"});
        f.TickOnly({2, 3, 5, 6, 7, 8});
        f.m->RunUpdate();
        const QList<QByteArray> lines = f.RequestLines();
        QCOMPARE(lines.size(), 6);
        for (const QByteArray &line : lines)
            QVERIFY2(line.contains("%5EDJI"), line.constData());
        QCOMPARE(lines[4], "GET /t/%5E/%5EDJI.html");
        for (const QByteArray &raw : f.site->requests())
            QVERIFY(!raw.contains("evil") && !raw.contains(" B") && !raw.contains(".."));
        QCOMPARE(FilesBelow(f.env->root()),
                 (QStringList{"config/Tickerwatch.reg", "data/Cache/DataSheet/^DJI_ABS.Sh", "data/Cache/DataSheet/^DJI_ee.Sh",
                              "data/Cache/DataSheet/^DJI_it.Sh", "data/Cache/DataSheet/^DJI_op.Sh",
                              "data/Cache/DataSheet/^DJI_qr.Sh", "data/Cache/News/Temp.htm"}));
    }

    // A cache file already there in another letter case is the one written.
    void existingNameInOtherCase()
    {
        const QString older = AppFolder + QStringLiteral("/Cache/DataSheet/ibm_IT.sh");
        TestEnv::WriteAll(older, "older");
        f.SetStocks({"IBM"});
        f.TickOnly({7});
        f.m->RunUpdate();
        QCOMPARE(QDir(SheetCache::DataSheetFolder()).entryList(QDir::Files), QStringList{"ibm_IT.sh"});
        QVERIFY(TestEnv::ReadAll(older).startsWith("HTTP/1.0 200 OK"));
    }

    // A stock whose filings page failed does not cost the stocks after it.
    void filingsGoOnAfterFailure()
    {
        f.SetStocks({"AAA", "BBB", "CCC"});
        f.TickOnly({6});
        QVERIFY(f.site->setFault("/brand/yahoo/search/?sym=BBB", Fault::Reset, 0, 0));
        f.m->RunUpdate();
        QVERIFY(QFile::exists(f.Sheet(QStringLiteral("AAA_qr.Sh"))));
        QVERIFY(!QFile::exists(f.Sheet(QStringLiteral("BBB_qr.Sh"))));
        QVERIFY(QFile::exists(f.Sheet(QStringLiteral("CCC_qr.Sh"))));
    }

    // Upgrades, downgrades, coverage: a failed or short page does not cost
    // the pages after it; 1000 bytes is the least a page may have.
    void analystPages_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<qint64>("value");
        QTest::addColumn<qint64>("upgrades"); // size left, -1 none
        QTest::newRow("reset") << int(Fault::Reset) << qint64(0) << qint64(-1);
        QTest::newRow("999 bytes") << int(Fault::Bytes) << qint64(999) << qint64(-1);
        QTest::newRow("1000 bytes") << int(Fault::Bytes) << qint64(1000) << qint64(1000);
    }
    void analystPages()
    {
        QFETCH(int, mode);
        QFETCH(qint64, value);
        QFETCH(qint64, upgrades);
        f.TickOnly({18});
        QVERIFY(f.site->setFault("/c/u.html", Fault(mode), value));
        f.m->RunUpdate();
        const QString up = f.Sheet(QStringLiteral("Upgrade.sh"));
        QCOMPARE(QFile::exists(up) ? QFileInfo(up).size() : qint64(-1), upgrades);
        QVERIFY(TestEnv::ReadAll(f.Sheet(QStringLiteral("Downgrades.Sh"))).contains("<b>Downgrades</b>"));
        QVERIFY(TestEnv::ReadAll(f.Sheet(QStringLiteral("Coverage.Sh"))).contains("Coverage</b>"));
    }

    void losersMinimum_data()
    {
        QTest::addColumn<qint64>("body");
        QTest::addColumn<bool>("kept");
        QTest::newRow("2499") << qint64(2499) << false;
        QTest::newRow("2500") << qint64(2500) << true;
    }
    void losersMinimum()
    {
        QFETCH(qint64, body);
        QFETCH(bool, kept);
        const qint64 head = QByteArray("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: 2500\r\n\r\n").size();
        f.TickOnly({17});
        QVERIFY(f.site->setFault("/dljd/mwlosers.htm", Fault::Bytes, head + body));
        f.m->RunUpdate();
        QCOMPARE(QFile::exists(f.Sheet(QStringLiteral("mwlosers.Sh"))), kept);
    }

    // With a stop requested, none of the market list calls fetches.
    void marketCallsAfterStop()
    {
        f.m->PrepareInet();
        f.m->AbortFlag = -1;
        f.m->UpdateSurp();
        f.m->UpdateWinners();
        f.m->UpdateLosers();
        f.m->UpdateUpDown();
        f.m->UpdateBigMovers(1, QStringLiteral("PG_N"), 1, QStringLiteral("Price-Gain (NYSE)"));
        f.m->UpdateScreener(10, QStringLiteral("PD_A"), 14, QStringLiteral("Most Active by Price Down (AMEX)"));
        QVERIFY(f.site->requests().isEmpty());
        QVERIFY(QDir(SheetCache::DataSheetFolder()).isEmpty());
    }

    // The screener call writes its list under its key.
    void screenerList()
    {
        f.TickOnly({97});
        f.m->RunUpdate();
        QCOMPARE(f.RequestLines(), QList<QByteArray>{"GET /markets/screener.asp?exchange=14&screen=10"});
        QVERIFY(TestEnv::ReadAll(f.Sheet(QStringLiteral("brPD_A.Sh"))).contains("Go To"));
    }

    // The news job keeps a stock's headlines when its page could not be
    // fetched, and never leaves an older page to be read as the new one.
    void newsKeptOnFailedFetch()
    {
        const QString headlines = AppFolder + QStringLiteral("/Cache/News/IBM.txt");
        const QString temp = AppFolder + QStringLiteral("/Cache/News/Temp.htm");
        TestEnv::WriteAll(headlines, "\" older headline;\"\r\n");
        TestEnv::WriteAll(temp, "<html>an earlier stock's page</html>");
        f.SetStocks({"IBM"});
        f.TickOnly({2});
        QVERIFY(f.site->setFault("/q?s=IBM", Fault::Reset, 0, 0));
        f.m->RunUpdate();
        QCOMPARE(TestEnv::ReadAll(headlines), QByteArray("\" older headline;\"\r\n"));
        QVERIFY(!QFile::exists(temp));
    }

    // Stopped before the news job in single-stock mode: nothing fetched and
    // nothing taken away.
    void newsAfterStopSingleStock()
    {
        const QString headlines = AppFolder + QStringLiteral("/Cache/News/IBM.txt");
        TestEnv::WriteAll(headlines, "\" older headline;\"\r\n");
        f.SetStocks({"IBM"});
        CurrentSymbol = "IBM";
        f.m->SingleStockMode = -1;
        f.m->PrepareInet();
        f.m->AbortFlag = -1;
        f.m->UpdateNews();
        QVERIFY(f.site->requests().isEmpty());
        QCOMPARE(TestEnv::ReadAll(headlines), QByteArray("\" older headline;\"\r\n"));
    }

    // The annual job ends at a stop and gives the caption back.
    void annualStopsWithCaption()
    {
        f.SetStocks({"IBM", "MSFT"});
        f.m->PrepareInet();
        f.m->AbortFlag = -1;
        f.m->setWindowTitle(QStringLiteral("busy"));
        f.m->UpdateAnnual(QStringLiteral("AIS"), QStringLiteral("   Updating Annual Income Statement..."));
        QVERIFY(f.site->requests().isEmpty());
        QCOMPARE(f.m->windowTitle(), f.m->BaseCaption);
    }

    // The tip fetch returns before its reply; asking again closes the first
    // connection before the second starts.
    void tipTwice()
    {
        QVERIFY(f.site->setFault("/zandor/tip.txt", Fault::Silence));
        f.m->UpdateAdvise();
        QCOMPARE(f.m->windowTitle(), f.m->BaseCaption + QStringLiteral("    Updating Tickerwatch Advice"));
        QTRY_VERIFY(f.m->SocketBusy == -1);
        f.m->UpdateAdvise();
        f.m->WinsockWait();
        QCOMPARE(f.site->requests().size(), 2);
        QVERIFY(TestEnv::ReadAll(AppFolder + QStringLiteral("/Tip.Sh")).contains("Tickerwatch"));
    }
};

TW_TEST(tst_stockpages)
#include "tst_stockpages.moc"
