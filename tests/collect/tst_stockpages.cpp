#include "UpdateFixture.h"
#include "common/TestRegistry.h"
#include "platform/Winsock.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

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
    void init() { QVERIFY(f.Init()); }
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
        QTest::newRow("5 estimates")
            << 5 << QList<QByteArray>{"GET /z/a/a/A.html", "GET /z/a/i/IBM.html", "GET /z/a/m/msft.html"}
            << QStringList{"A_ee.Sh", "IBM_ee.Sh", "msft_ee.Sh"};
        QTest::newRow("6 filings") << 6
                                   << QList<QByteArray>{"GET /brand/yahoo/search/?sym=A", "GET /brand/yahoo/search/?sym=IBM",
                                                        "GET /brand/yahoo/search/?sym=msft"}
                                   << QStringList{"A_qr.Sh", "IBM_qr.Sh", "msft_qr.Sh"};
        QTest::newRow("7 insiders")
            << 7 << QList<QByteArray>{"GET /t/a/A.html", "GET /t/i/IBM.html", "GET /t/m/msft.html"}
            << QStringList{"A_it.Sh", "IBM_it.Sh", "msft_it.Sh"};
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

    // The research jobs on [ZETA, ACME, F]: which symbols each fetches, how
    // it spells them, and the page each stores.
    void researchJobs_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<QStringList>("files");
        const auto lower = [](const char *path, QList<QByteArray> symbols) {
            QList<QByteArray> out;
            for (const QByteArray &s : symbols)
                out << "GET " + QByteArray(path) + s;
            return out;
        };
        QTest::newRow("9 splits") << 9 << lower("/splits/splits-single-company.asp?symbol=", {"zeta", "acme", "f"})
                                  << QStringList{"ACME_sp.Sh", "F_sp.Sh", "ZETA_sp.Sh"};
        QTest::newRow("10 upgrades") << 10 << lower("/upgrades-single-company.asp?symbol=", {"zeta", "acme", "f"})
                                     << QStringList{"ACME_uph.Sh", "F_uph.Sh", "ZETA_uph.Sh"};
        QTest::newRow("11 downgrades")
            << 11 << lower("/downgrades-single-company.asp?symbol=", {"zeta", "acme", "f"})
            << QStringList{"ACME_dnh.Sh", "F_dnh.Sh", "ZETA_dnh.Sh"};
        QTest::newRow("12 momentum")
            << 12 << lower("/momentum-rating-single-company.asp?symbol=", {"zeta", "acme", "f"})
            << QStringList{"ACME_mr.Sh", "F_mr.Sh", "ZETA_mr.Sh"};
        QTest::newRow("13 broker reports")
            << 13 << lower("/reports-single-company.asp?symbol=", {"zeta", "acme", "f"})
            << QStringList{"ACME_brp.Sh", "F_brp.Sh", "ZETA_brp.Sh"};
        QTest::newRow("14 profile over the transfer control")
            << 14 << lower("/cgi-bin/brand_newsalert_mlist.cgi?symbol=", {"ZETA", "ACME", "F"})
            << QStringList{"ACME_P.Sh", "F_P.Sh", "ZETA_P.Sh"};
        QTest::newRow("88 short interest")
            << 88
            << QList<QByteArray>{"GET /asp/quotes_full.asp?kind=shortint&symbol=ZETA%60&selected=ZETA%60",
                                 "GET /asp/quotes_full.asp?kind=shortint&symbol=ACME%60&selected=ACME%60",
                                 "GET /asp/quotes_full.asp?kind=shortint&symbol=F%60&selected=F%60"}
            << QStringList{"ACME_SI.Sh", "F_SI.Sh", "ZETA_SI.Sh"};
    }
    void researchJobs()
    {
        QFETCH(int, box);
        QFETCH(QList<QByteArray>, lines);
        QFETCH(QStringList, files);
        f.SetStocks({"ZETA", "ACME", "F"});
        f.TickOnly({box});
        f.m->RunUpdate();
        QCOMPARE(f.RequestLines(), lines);
        QCOMPARE(QDir(SheetCache::DataSheetFolder()).entryList(QDir::Files, QDir::Name), files);
        // Stored whole, byte for byte: the socket pages with their status line.
        for (const QString &file : files) {
            const QByteArray page = TestEnv::ReadAll(f.Sheet(file));
            QVERIFY(page.size() >= 2500);
            QCOMPARE(page.startsWith("HTTP/1.0 200 OK\r\n"), box != 14);
        }
    }

    // The request exactly as sent, in absolute form without a Host line, and
    // the caption while it runs.
    void splitsRequestAndCaption()
    {
        f.SetStocks({"ZETA", "ACME", "F"});
        f.TickOnly({9});
        QStringList captions;
        QObject::connect(f.m, &QWidget::windowTitleChanged, f.m, [&captions](const QString &t) { captions << t; });
        f.m->RunUpdate();
        const QList<QByteArray> requests = f.site->requests();
        QCOMPARE(requests.size(), 3);
        QCOMPARE(requests[0], "GET http://" + f.site->hostPort().toLatin1()
                                  + "/splits/splits-single-company.asp?symbol=zeta HTTP/1.0\r\nAccept: */*\r\n"
                                    "Accept: text/html\r\n\r\n");
        QVERIFY(captions.contains(f.m->BaseCaption + QStringLiteral("    Updating ZETA Splits History")));
        QVERIFY(captions.contains(f.m->BaseCaption + QStringLiteral("    Updating F Splits History")));
    }

    // A ticker's own signs stay as they are; the socket jobs say the symbol
    // in the case of their site.
    void dottedSymbol()
    {
        f.SetStocks({"BRK.A"});
        f.TickOnly({9, 88});
        f.m->RunUpdate();
        QCOMPARE(f.RequestLines(),
                 (QList<QByteArray>{"GET /splits/splits-single-company.asp?symbol=brk.a",
                                    "GET /asp/quotes_full.asp?kind=shortint&symbol=BRK.A%60&selected=BRK.A%60"}));
        QCOMPARE(QDir(SheetCache::DataSheetFolder()).entryList(QDir::Files, QDir::Name),
                 (QStringList{"BRK.A_SI.Sh", "BRK.A_sp.Sh"}));
    }

    // Empty slots and symbols that are no ticker are neither fetched nor
    // written; single-stock mode fetches the current stock alone.
    void researchSymbols_data()
    {
        QTest::addColumn<QList<QByteArray>>("stocks");
        QTest::addColumn<bool>("single");
        QTest::addColumn<QByteArray>("only");
        QTest::newRow("empty slot and blank") << QList<QByteArray>{"ZETA", "", "A B", "../x"} << false << QByteArray("zeta");
        QTest::newRow("single stock ACME") << QList<QByteArray>{"ZETA", "ACME", "F"} << true << QByteArray("acme");
    }
    void researchSymbols()
    {
        QFETCH(QList<QByteArray>, stocks);
        QFETCH(bool, single);
        QFETCH(QByteArray, only);
        f.SetStocks(stocks);
        if (single) {
            CurrentSymbol = "ACME";
            f.m->SingleStockMode = -1;
        }
        f.TickOnly({9, 10, 11, 12, 13, 14, 88});
        f.m->RunUpdate();
        const QList<QByteArray> lines = f.RequestLines();
        QCOMPARE(lines.size(), 7);
        for (const QByteArray &line : lines)
            QVERIFY2(line.toLower().contains("symbol=" + only), line.constData());
        for (const QString &file : QDir(SheetCache::DataSheetFolder()).entryList(QDir::Files))
            QVERIFY2(file.startsWith(QString::fromLatin1(only.toUpper() + '_')), qPrintable(file));
        QCOMPARE(QDir(SheetCache::DataSheetFolder()).entryList(QDir::Files).size(), 7);
    }

    // 2500 bytes is the least a research page may have; the socket pages
    // count their status line and headers.
    void researchMinimum_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("file");
        QTest::addColumn<qint64>("bytes"); // of the stored page
        QTest::addColumn<bool>("kept");
        const struct {
            int box;
            const char *path, *file;
        } jobs[] = {{9, "/splits/splits-single-company.asp", "ZETA_sp.Sh"},
                    {10, "/upgrades-single-company.asp", "ZETA_uph.Sh"},
                    {11, "/downgrades-single-company.asp", "ZETA_dnh.Sh"},
                    {12, "/momentum-rating-single-company.asp", "ZETA_mr.Sh"},
                    {13, "/reports-single-company.asp", "ZETA_brp.Sh"},
                    {14, "/cgi-bin/brand_newsalert_mlist.cgi", "ZETA_P.Sh"},
                    {88, "/asp/quotes_full.asp", "ZETA_SI.Sh"}};
        for (const auto &j : jobs)
            for (const qint64 bytes : {qint64(2499), qint64(2500)})
                QTest::addRow("%d, %lld bytes", j.box, bytes)
                    << j.box << QByteArray(j.path) << QString::fromLatin1(j.file) << bytes << (bytes == 2500);
    }
    void researchMinimum()
    {
        QFETCH(int, box);
        QFETCH(QByteArray, path);
        QFETCH(QString, file);
        QFETCH(qint64, bytes);
        QFETCH(bool, kept);
        // The transfer control stores the body alone.
        const qint64 head = box == 14
                                ? QByteArray("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: 2500\r\n\r\n").size()
                                : 0;
        f.SetStocks({"ZETA"});
        f.TickOnly({box});
        QVERIFY(f.site->setFault(path, Fault::Bytes, head + bytes));
        f.m->RunUpdate();
        QCOMPARE(QFile::exists(f.Sheet(file)), kept);
        if (kept)
            QCOMPARE(QFileInfo(f.Sheet(file)).size(), bytes);
    }

    // The research site's whole answer under the minimum is its "no data
    // for this symbol" page: the older page goes and the sheet says there is
    // no data. A failed, cut or non-200 answer keeps the older page as it
    // was, byte for byte.
    void researchNoData_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("mode");
        QTest::addColumn<qint64>("value");
        QTest::addColumn<bool>("kept");
        const struct {
            int box;
            const char *path, *file;
        } jobs[] = {{9, "/splits/splits-single-company.asp", "ZETA_sp.Sh"},
                    {10, "/upgrades-single-company.asp", "ZETA_uph.Sh"}};
        for (const auto &j : jobs) {
            const auto row = [&](const char *what, Fault mode, qint64 value, bool kept) {
                QTest::addRow("%d, %s", j.box, what)
                    << j.box << QByteArray(j.path) << QString::fromLatin1(j.file) << int(mode) << value << kept;
            };
            row("whole and short", Fault::Bytes, 600, false);
            row("status 500", Fault::Status, 500, true);
            row("404 with a whole page", Fault::ErrorPage, 404, true);
            row("cut short", Fault::Cut, 600, true);
            row("reset", Fault::Reset, 600, true);
        }
    }
    void researchNoData()
    {
        QFETCH(int, box);
        QFETCH(QByteArray, path);
        QFETCH(QString, file);
        QFETCH(int, mode);
        QFETCH(qint64, value);
        QFETCH(bool, kept);
        const QByteArray older = f.site->get(path + "?symbol=zeta");
        QVERIFY(older.size() >= 2500);
        TestEnv::WriteAll(f.Sheet(file), older);
        f.SetStocks({"ZETA"});
        Stocks[0].Name = "Zeta Corp";
        f.TickOnly({box});
        QVERIFY(f.site->setFault(path, Fault(mode), value));
        f.m->RunUpdate();
        QCOMPARE(f.RequestLines().last(), "GET " + path + "?symbol=zeta");
        QCOMPARE(QFile::exists(f.Sheet(file)), kept);
        if (kept)
            QCOMPARE(TestEnv::ReadAll(f.Sheet(file)), older);

        CurrentSymbol = "ZETA";
        box == 9 ? f.m->FG_Split() : f.m->FG_UPH();
        const QString message = f.m->FG->TextMatrix(0, 0);
        QCOMPARE(message.startsWith(QLatin1String(box == 9 ? "No splits were found" : "No upgrades were found")), !kept);
        CurrentSymbol.clear();
    }

    // A peer that breaks off or never answers: the fetch ends, nothing is
    // written, the older page stays, and the next stock is fetched.
    void researchFailedFetch_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<int>("mode");
        QTest::newRow("splits, reset") << 9 << QByteArray("/splits/splits-single-company.asp?symbol=zeta")
                                       << QStringLiteral("_sp.Sh") << int(Fault::Reset);
        QTest::newRow("splits, silent") << 9 << QByteArray("/splits/splits-single-company.asp?symbol=zeta")
                                        << QStringLiteral("_sp.Sh") << int(Fault::Silence);
        QTest::newRow("short interest, silent")
            << 88 << QByteArray("/asp/quotes_full.asp?kind=shortint&symbol=ZETA%60&selected=ZETA%60")
            << QStringLiteral("_SI.Sh") << int(Fault::Silence);
        QTest::newRow("profile, reset") << 14 << QByteArray("/cgi-bin/brand_newsalert_mlist.cgi?symbol=ZETA")
                                        << QStringLiteral("_P.Sh") << int(Fault::Reset);
        QTest::newRow("profile, silent") << 14 << QByteArray("/cgi-bin/brand_newsalert_mlist.cgi?symbol=ZETA")
                                         << QStringLiteral("_P.Sh") << int(Fault::Silence);
    }
    void researchFailedFetch()
    {
        QFETCH(int, box);
        QFETCH(QByteArray, path);
        QFETCH(QString, suffix);
        QFETCH(int, mode);
        const QByteArray older = "older " + QByteArray(3000, 'o');
        const QString zeta = AppFolder + QStringLiteral("/Cache/DataSheet/ZETA") + suffix;
        TestEnv::WriteAll(zeta, older);
        f.SetStocks({"ZETA", "ACME"});
        f.TickOnly({box});
        QVERIFY(f.site->setFault(path, Fault(mode), 100));
        QElapsedTimer t;
        t.start();
        f.m->RunUpdate();
        QVERIFY(t.elapsed() < 30000); // ended by the 1.5 s limit, not by the site
        QCOMPARE(TestEnv::ReadAll(zeta), older);
        QVERIFY(QFileInfo(f.Sheet(QStringLiteral("ACME") + suffix)).size() >= 2500);
        QCOMPARE(f.RequestLines().size(), 2);
    }

    // Stop while the second of five stocks is fetched: its transfer ends,
    // no stock after it is asked for, and the next job's loop ends at once.
    void researchStop()
    {
        f.SetStocks({"AAA", "BBB", "CCC", "DDD", "EEE"});
        f.TickOnly({9, 10});
        // A silence far longer than the wait below: only the stop ends it.
        UpdateJobs::SetSilenceMs(20000);
        QVERIFY(f.site->setFault("/splits/splits-single-company.asp?symbol=bbb", Fault::Silence));
        f.m->show();
        QTimer poll;
        bool clicked = false;
        QObject::connect(&poll, &QTimer::timeout, f.m, [&] {
            // Once the site has BBB's request: the stop then cuts a fetch
            // under way, whatever the machine's speed.
            if (!clicked && f.m->SocketBusy == -1 && f.m->windowTitle().endsWith(QLatin1String("BBB Splits History"))
                && f.RequestLines().size() == 2) {
                clicked = true;
                QTest::mouseClick(f.m->Picture1[0], Qt::LeftButton);
            }
        });
        poll.start(10);
        QElapsedTimer t;
        t.start();
        f.m->RunUpdate();
        QVERIFY(clicked);
        QVERIFY(t.elapsed() < 10000);
        QCOMPARE(f.RequestLines(), (QList<QByteArray>{"GET /splits/splits-single-company.asp?symbol=aaa",
                                                      "GET /splits/splits-single-company.asp?symbol=bbb"}));
        QVERIFY(!QFile::exists(f.Sheet(QStringLiteral("BBB_sp.Sh"))));
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
                              "data/Cache/DataSheet/^DJI_qr.Sh", "data/Cache/News/Temp.htm",
                              "data/Cache/News/^DJI.txt"}));
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
