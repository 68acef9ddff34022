// The Update run's jobs of the IPO center, fund lists, index pages, option
// summary and splits calendars against the sample site, and a whole run
// whose pages the tree then shows.
#include "collect/UpdateFixture.h"
#include "common/TestRegistry.h"
#include "core/Hosts.h"
#include "core/ViewState.h"
#include "platform/FlexGrid.h"
#include "platform/Shell.h"
#include "platform/TreeView.h"
#include "shell/MouseEvents.h"

#include <QFileInfo>

using namespace tw::test;
using Fault = SampleSite::Fault;

namespace {

const char *const IpoFiles[] = {"IPO_lts.sh", "IPO_News.sh", "IPO_G3.sh", "IPO_L3.sh", "IPO_Reg.sh", "IPO_Prc.sh", "IPO_wp.sh"};
const char *const IpoPaths[] = {"/ipo/index.html", "/reports/ipo.html", "/ipo/perf_g3.html", "/ipo/perf_l3.html",
                                "/ipo/reg_cal.html", "/ipo/prc_cal.html", "/ipo/wp.html"};

} // namespace

class tst_marketsheetjobs : public QObject {
    Q_OBJECT
    UpdateFixture f;


private Q_SLOTS:
    void init() { QVERIFY(f.Init()); }
    void cleanup() { f.Cleanup(); }

    // Box 57 alone: one hand-made request for the pricings; the other IPO
    // pages keep their bytes.
    void pricingsOnly()
    {
        for (const char *file : IpoFiles)
            TestEnv::WriteAll(f.Sheet(QLatin1String(file)), "older " + QByteArray(file));
        f.TickOnly({57});
        f.m->RunUpdate();
        QCOMPARE(f.site->requests().size(), 1);
        QCOMPARE(f.site->requests()[0], "GET http://" + f.site->hostPort().toLatin1()
                                            + "/ipo/prc_cal.html HTTP/1.0\r\nAccept: */*\r\nAccept: text/html\r\n\r\n");
        QCOMPARE(TestEnv::ReadAll(f.Sheet(QStringLiteral("IPO_Prc.sh"))), f.site->get("/ipo/prc_cal.html"));
        for (const char *file : IpoFiles)
            if (QByteArray(file) != "IPO_Prc.sh")
                QCOMPARE(TestEnv::ReadAll(f.Sheet(QLatin1String(file))), "older " + QByteArray(file));
    }

    // Ticked in any order, the seven IPO pages come in box order.
    void ipoOrder()
    {
        f.TickOnly({58, 52, 56, 53, 57, 55, 54});
        f.m->RunUpdate();
        QList<QByteArray> expected;
        for (const char *path : IpoPaths)
            expected << "GET " + QByteArray(path);
        QCOMPARE(f.RequestLines(), expected);
    }

    // A stop requested: no job connects or changes the caption.
    void afterStop()
    {
        f.m->AbortFlag = -1;
        f.m->setWindowTitle(QStringLiteral("busy"));
        f.m->Update_IPO_Reg();
        f.m->UpdateSplitsCalendar(2);
        f.m->UpdateFunds(QStringLiteral("F_Conv"));
        f.m->UpdateUSMarket();
        f.m->UpdateWMarket();
        f.m->Update_OptSum();
        QVERIFY(f.site->requests().isEmpty());
        QCOMPARE(f.m->windowTitle(), QStringLiteral("busy"));
        f.m->AbortFlag = 0;
    }

    // The splits minimum; the option summary and the funds keep any page.
    void minimums_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("file");
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<bool>("kept");
        QTest::newRow("splits 2499") << 86 << "/splits/splits-recent.asp" << "FMS_Rec.Sh" << qint64(2499) << false;
        QTest::newRow("splits 2500") << 86 << "/splits/splits-recent.asp" << "FMS_Rec.Sh" << qint64(2500) << true;
        QTest::newRow("tech splits 2499") << 87 << "/mostsplits.asp" << "FMS_Tech.Sh" << qint64(2499) << false;
        QTest::newRow("registrations 999") << 56 << "/ipo/reg_cal.html" << "IPO_Reg.sh" << qint64(999) << false;
        QTest::newRow("US page 999") << 50 << "/m1" << "US.Sh" << qint64(999) << false;
        QTest::newRow("option summary 200") << 60 << "/cgi-bin/htx.exe/dbcfiles/optiont.html" << "OptSum.Sh" << qint64(200)
                                            << true;
    }
    void minimums()
    {
        QFETCH(int, box);
        QFETCH(QString, path);
        QFETCH(QString, file);
        QFETCH(qint64, bytes);
        QFETCH(bool, kept);
        f.TickOnly({box});
        QVERIFY(f.site->setFault(path.toLatin1(), Fault::Bytes, bytes));
        f.m->RunUpdate();
        QCOMPARE(QFile::exists(f.Sheet(file)), kept);
        if (kept && file == QLatin1String("OptSum.Sh")) {
            f.m->FG_OptSum(1);
            QCOMPARE(f.m->FG->TextMatrix(0, 0), QStringLiteral("Tickerwatch do not have Options market informain."));
        }
    }

    // The Stagecoach list's odd page name goes out as it stands.
    void stagecoachAddress()
    {
        f.TickOnly({78});
        f.m->RunUpdate();
        QCOMPARE(f.RequestLines(),
                 QList<QByteArray>{"GET /cgi-bin/htx.exe/dbcfiles/Ssgcmmt.htmls?SOURCE=blq/ASK"});
        QVERIFY(QFile::exists(f.Sheet(QStringLiteral("F_Stagecoach.Sh"))));
    }

    // The US page fetched while "US" is on show: US.dat and the grid take
    // its values.
    void usRedrawn()
    {
        USMarket.fill({});
        QVERIFY(Stock::SaveUS());
        f.m->FG_USMarket();
        QCOMPARE(f.m->FG->TextMatrix(3, 4), QString());
        f.TickOnly({50});
        f.m->RunUpdate();
        const QByteArray page = f.site->get("/m1?u");
        const QString last = f.m->FG->TextMatrix(3, 4);
        QVERIFY(!last.isEmpty());
        QVERIFY(page.contains("<TD>^DJI</TD><TD>" + f.m->FG->TextMatrix(3, 3).toLatin1() + "</TD><TD>" + last.toLatin1()));
        QVERIFY(Stock::ReadUS());
        QCOMPARE(USMarket[36].LastTrade, f.m->FG->TextMatrix(45, 4).toLatin1());
    }

    // A whole run of these boxes; the tree then shows the site's rows.
    void wholeRun()
    {
        const std::initializer_list<int> boxes{50, 51, 52, 53, 54, 55, 56, 57, 58, 60, 61, 83, 84, 85, 86, 87};
        f.TickOnly(boxes);
        f.m->RunUpdate();
        QCOMPARE(f.site->requests().size(), qsizetype(boxes.size()));
        f.m->initTree();
        FlexGrid *fg = f.m->FG;

        f.Open(QStringLiteral("US"));
        QCOMPARE(CurrentView, QStringLiteral("US"));
        QCOMPARE(fg->Rows(), 46);
        const QByteArray us = f.site->get("/m1?u");
        for (int r : {3, 8, 18, 45}) {
            QVERIFY(!fg->TextMatrix(r, 4).isEmpty());
            QVERIFY(us.contains("<TD>" + fg->TextMatrix(r, 2).toLatin1() + "</TD><TD>" + fg->TextMatrix(r, 3).toLatin1()
                                + "</TD><TD>" + fg->TextMatrix(r, 4).toLatin1() + "</TD>"));
        }

        f.Open(QStringLiteral("mkt_ME"));
        QCOMPARE(CurrentView, QStringLiteral("WM"));
        QCOMPARE(fg->TextMatrix(1, 1), QStringLiteral("Americas"));
        QCOMPARE(fg->TextMatrix(2, 1), QStringLiteral("Merval"));
        QCOMPARE(fg->TextMatrix(2, 9), QStringLiteral("News"));
        // Its chart link opens the chart of the index on that row.
        QCOMPARE(fg->TextMatrix(2, 8), QStringLiteral("Chart"));
        ClickCell(fg, 2, 8);
        QCOMPARE(Shell::Opened(), QStringList{Hosts::Url(QStringLiteral("QuoteHost"), QStringLiteral("/q?s=^MERV&d=3m"))});
        QStringList titles;
        for (int r = 1; r < fg->Rows(); ++r)
            if (fg->CellFontBold(r, 1))
                titles << fg->TextMatrix(r, 1);
        QCOMPARE(titles, (QStringList{"Americas", "Asia/Pacific", "Europe", "Africa/Middle East"}));

        f.Open(QStringLiteral("ipo_price"));
        QCOMPARE(CurrentView, QStringLiteral("IPO_Price"));
        QCOMPARE(fg->Rows(), 12 + 4);
        const QByteArray pricings = f.site->get("/ipo/prc_cal.html");
        for (int r = 2; r < 14; ++r) {
            QVERIFY(pricings.contains("<td>" + fg->TextMatrix(r, 2).toLatin1() + "</td>"));
            QCOMPARE(fg->TextMatrix(r, 7), QStringLiteral("Profile"));
        }

        f.Open(QStringLiteral("ipo_news"));
        QCOMPARE(fg->Rows(), 10);
        QVERIFY(fg->TextMatrix(9, 4).startsWith(QLatin1String("n/i/")));

        f.Open(QStringLiteral("ipo_last"));
        QCOMPARE(fg->Rows(), 3 + 6 + 5 + 4);
        QCOMPARE(fg->TextMatrix(7, 2), QStringLiteral("Latest Filings"));

        f.Open(QStringLiteral("F_Conv"));
        QCOMPARE(CurrentView, QStringLiteral("F_Conv"));
        QCOMPARE(fg->Rows(), 2 + 15);
        QCOMPARE(fg->TextMatrix(1, 1), QStringLiteral("Largest Convertible Bond Funds"));
        QVERIFY(fg->TextMatrix(16, 0).endsWith(u'X'));

        f.Open(QStringLiteral("OptSum_G"));
        QCOMPARE(fg->Rows(), 12);
        for (int r = 2; r < 12; ++r)
            QVERIFY(fg->TextMatrix(r, 2).startsWith(u'+'));

        f.Open(QStringLiteral("SP_R"));
        QCOMPARE(CurrentView, QStringLiteral("FMS3"));
        QCOMPARE(fg->Rows(), 12);
        QCOMPARE(fg->TextMatrix(1, 0), QStringLiteral("Recently Announced Splits"));
        QVERIFY(fg->TextMatrix(2, 2).contains(QLatin1String("-for-")));
        f.Open(QStringLiteral("SP_C"));
        QCOMPARE(fg->Rows(), 12);
        QVERIFY(!fg->TextMatrix(11, 2).isEmpty());
    }
};

TW_TEST(tst_marketsheetjobs)
#include "tst_marketsheetjobs.moc"
