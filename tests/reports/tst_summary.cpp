// The summary page and its options window: the saved choice, the sections
// in page order, the Latest Prices table, the profile, the analyst bar and
// the chart.
#include "ReportFixture.h"
#include "common/StandInOpener.h"
#include "common/TestRegistry.h"
#include "core/Hosts.h"
#include "platform/Ras.h"
#include "reports/SummaryOpt.h"
#include "reports/Summery.h"

#include <QCheckBox>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using tw::test::ReportFixture;
using tw::test::StandInOpener;
using tw::test::TestEnv;

namespace {

std::array<uint8_t, 19> Only(std::initializer_list<int> positions)
{
    std::array<uint8_t, 19> flags{};
    for (int p : positions)
        flags[size_t(p - 1)] = 1;
    return flags;
}

QString SummaryFile() { return ReportFixture::Report(QStringLiteral("Summary/IBM.htm")); }

// The page built from these flags.
QByteArray Page(std::initializer_list<int> positions)
{
    Summery summery;
    if (!summery.GanarateHTML(Only(positions)))
        return {};
    return TestEnv::ReadAll(SummaryFile());
}

} // namespace

class tst_summary : public QObject {
    Q_OBJECT
    ReportFixture f;

    SummaryOpt *Open()
    {
        SummaryOpt *w = SummaryOpt::Load();
        w->show();
        if (!QTest::qWaitForWindowExposed(w))
            qWarning("options window not exposed");
        return w;
    }
    // On a box, its tick mark (a click right of its caption misses it).
    static void Click(QCheckBox *w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2)); }
    static void Click(QPushButton *w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

private Q_SLOTS:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        f.Start(false);
        CurrentSymbol = "IBM";
    }
    void cleanup()
    {
        if (SummaryOpt *w = SummaryOpt::Loaded())
            delete w;
        f.Stop();
        QLocale::setDefault(QLocale::system());
    }

    // Ticking 0 and 18 is what Generate saves, and what a reopened window
    // shows; the window closes once the page is open.
    void choiceIsKept()
    {
        SummaryOpt *w = Open();
        Click(w->chk[0]);
        Click(w->chk[18]);
        QPointer<SummaryOpt> guard(w);
        Click(w->cndGenerate);
        QCOMPARE(f.env->Get(QStringLiteral("SummaryOpt")), QStringLiteral(",1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,"));
        QCOMPARE(Shell::Opened(), QStringList{SummaryFile()});
        QTRY_VERIFY(!guard);
        w = Open();
        for (int i = 0; i < 19; ++i)
            QCOMPARE(w->chk[size_t(i)]->isChecked(), i == 0 || i == 18);
    }

    void noBoxTicked()
    {
        SummaryOpt *w = Open();
        Click(w->cndGenerate);
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("You have to select at least one option."));
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral(""));
        QVERIFY(!Dialogs::Log()[0].title.isNull());
        QCOMPARE(Dialogs::Log()[0].flags, int(Dialogs::vbInformation));
        QVERIFY(w->chk[0]->isChecked());
        QVERIFY(!QFile::exists(SummaryFile()));
        QVERIFY(!f.env->Has(QStringLiteral("SummaryOpt")));
        QCOMPARE(SummaryOpt::Loaded(), w);
        // The second Generate builds the profile block alone.
        Click(w->cndGenerate);
        const QByteArray page = TestEnv::ReadAll(SummaryFile());
        QVERIFY(page.contains("<U>Profile:</U>"));
        QVERIFY(!page.contains("Latest Prices"));
    }

    // A page that cannot be written: one message, nothing opened, and the
    // window stays for another try.
    void failedWriteKeepsWindow()
    {
        QDir().mkpath(SummaryFile());
        SummaryOpt *w = Open();
        Click(w->chk[2]);
        Click(w->cndGenerate);
        QCOMPARE(Dialogs::Log().size(), 1);
        QVERIFY(Shell::Opened().isEmpty());
        QTest::qWait(10);
        QCOMPARE(SummaryOpt::Loaded(), w);
        QVERIFY(w->isVisible());
    }

    // Esc and the close box are Cancel: the ticks are neither saved nor
    // shown at the next opening.
    void escapeAndCloseBoxCancel_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Esc") << true;
        QTest::newRow("close box") << false;
    }
    void escapeAndCloseBoxCancel()
    {
        QFETCH(bool, escape);
        SummaryOpt *w = Open();
        Click(w->chk[3]);
        QVERIFY(w->chk[3]->isChecked());
        QPointer<SummaryOpt> guard(w);
        if (escape)
            QTest::keyClick(w->focusWidget() ? w->focusWidget() : static_cast<QWidget *>(w), Qt::Key_Escape);
        else
            w->close(); // what the close box sends
        QTRY_VERIFY(!guard);
        QVERIFY(!SummaryOpt::Loaded());
        QVERIFY(!f.env->Has(QStringLiteral("SummaryOpt")));
        w = Open();
        QVERIFY(!w->chk[3]->isChecked());
        QVERIFY(!QFile::exists(SummaryFile()));
    }

    // A stock whose symbol cannot be part of a file name: the user is told.
    void unusableSymbolSaysSo()
    {
        CurrentSymbol = "BRK/B";
        SummaryOpt *w = Open();
        Click(w->chk[2]);
        Click(w->cndGenerate);
        QCOMPARE(Dialogs::Log().size(), 1);
        QVERIFY(Dialogs::Log()[0].text.contains(QStringLiteral("\"BRK/B\"")));
        QVERIFY(Shell::Opened().isEmpty());
    }

    // The page is written but no program shows it (the desktop's opener
    // exits with 3): one message says where, and the window closes as after
    // any written page.
    void openFailureSaysWhere()
    {
        const StandInOpener opener("exit 3");
        SummaryOpt *w = Open();
        Click(w->chk[2]);
        QPointer<SummaryOpt> guard(w);
        Click(w->cndGenerate);
        QTRY_COMPARE_WITH_TIMEOUT(Dialogs::Log().size(), 1, 60000);
        QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("No program could show the page. It was written to:\r\n")
                                             + QDir::toNativeSeparators(SummaryFile()));
        QVERIFY(TestEnv::ReadAll(SummaryFile()).contains("<HTML>"));
        QCOMPARE(opener.Handed(), QStringList{SummaryFile()});
        QTRY_VERIFY(!guard);
        QTRY_COMPARE_WITH_TIMEOUT(Shell::Watching(), 0, 60000);
        QCOMPARE(Dialogs::Log().size(), 1);
    }

    // Every section ticked, with balance sheet, income statement and profile
    // pages cached: the sections in page order, each box to its place.
    void wholePage()
    {
        f.CachePage(QStringLiteral("IBM_ABS.Sh"), QStringLiteral("IBM_ABS.Sh"));
        f.CachePage(QStringLiteral("AIS.Sh"), QStringLiteral("IBM_AIS.Sh"));
        ReportFixture::Cache(QStringLiteral("IBM_P.Sh"),
                             "<html><body><hr>Acme makes things. It sells them.<hr></body></html>");
        Stocks[0].Recommendation = 2.5f;
        Stocks[0].LastSale = "101 1/4";
        Stocks[0].industry = "Computers & Peripherals";
        Ras::SetActive(1);
        SummaryOpt *w = Open();
        for (QCheckBox *box : w->chk)
            Click(box);
        Click(w->cndGenerate);
        const QByteArray page = TestEnv::ReadAll(SummaryFile());
        QByteArray masked = page;
        masked.replace(Hosts::Host(QStringLiteral("ChartImageHost")).toLatin1(), "CHARTHOST");
        QVERIFY(ReportFixture::MatchesGolden(masked, QStringLiteral("Summary_all.htm")));
        const char *order[] = {"Profile:", "Analyst's Recommendation", "Latest Prices", "Annual Balance Sheet",
                               "Annual Income Statement", "Earning Growth", "Earning History", "Earning Estimates",
                               "Consensus EPS Trade", "Split History", "Upgrades History", "Downgrades History",
                               "Momentum Rating", "Broker Reports", "Insider Trader", "Quarterly Reports", "Calls",
                               "Puts", "Short Interest"};
        qsizetype at = 0;
        for (const char *headline : order) {
            const qsizetype next = page.indexOf(QByteArray("<U>") + headline + "</U>", at);
            QVERIFY2(next > at, headline);
            at = next;
        }
    }

    void latestPrices()
    {
        const QByteArray page = Page({3});
        QVERIFY(page.contains(
            "<TR><TD WIDTH=\"25%\" nowrap><b><FONT COLOR=\"#000080\" face=\"Arial\" size=\"2\">&nbsp;Symbol:</FONT></b>"
            "</TD><TD WIDTH=\"25%\" nowrap><Font face=\"Arial\" size=\"2\">&nbsp;IBM</Font></TD><TD WIDTH=\"25%\"><b>"
            "<Font color=\"#000080\" face=\"Arial\" size=\"2\">&nbsp;</Font><b></td><td WIDTH=\"25%\"><Font "
            "face=\"Arial\" size=\"2\">&nbsp;</Font></td></TR>\r\n"));
        QVERIFY(!page.contains("Profile:"));
    }

    void profile_data()
    {
        QTest::addColumn<QByteArray>("page"); // null: none cached
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("sentences") << QByteArray("<html><body><hr>Acme makes things. It sells them.<hr></body></html>")
                                   << QByteArray("Acme makes things.<BR>It sells them.");
        QTest::newRow("no page") << QByteArray() << QByteArray("No Data Available.");
        QTest::newRow("no rule") << QByteArray("<html><body>Acme</body></html>") << QByteArray();
        QTest::newRow("link before the rule")
            << QByteArray("<a href=\"/p\">Home</a> Acme & <b>Sons</b> Inc. of Ohio<hr>")
            << QByteArray("Home Acme &amp; Sons Inc.<BR>of Ohio");
        QTest::newRow("markup in the text") << QByteArray("<hr>5 &lt; 6 \"quoted\"<hr>")
                                            << QByteArray("5 &lt; 6 &quot;quoted&quot;");
    }
    void profile()
    {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, text);
        if (!page.isNull())
            ReportFixture::Cache(QStringLiteral("IBM_P.Sh"), page);
        const QByteArray summary = Page({1});
        QVERIFY2(summary.contains("<FONT SIZE=-1 Face=\"Times New Roman\">&nbsp;" + text + "</FONT></TD>\r\n"),
                 summary.constData());
    }

    void analystBar_data()
    {
        QTest::addColumn<float>("recommendation");
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("last");
        QTest::newRow("1.4 strong buy") << 1.4f << QByteArray("104%") << QByteArray("6%");
        QTest::newRow("4.6 sell") << 4.6f << QByteArray("13%") << QByteArray("97%");
        QTest::newRow("2.5 to even") << 2.5f << QByteArray("81%") << QByteArray("29%");
        QTest::newRow("3.5 to even") << 3.5f << QByteArray("36%") << QByteArray("74%");
        QTest::newRow("0.4 none") << 0.4f << QByteArray() << QByteArray();
    }
    void analystBar()
    {
        QFETCH(float, recommendation);
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, last);
        Stocks[0].Recommendation = recommendation;
        const QByteArray page = Page({2});
        if (first.isEmpty()) {
            QVERIFY(!page.contains("Analyst's Recommendation"));
            return;
        }
        QVERIFY(page.contains("<tr><td width=\"" + first + "\" bgcolor=\"#0000FF\" background=\"../../../bar.jpg\">"));
        QVERIFY(page.contains("<td width=\"" + last
                              + "\" bgcolor=\"#0000FF\" background=\"../../../bar.jpg\">&nbsp;</td></tr></TABLE>"));
    }

    void chart_data()
    {
        QTest::addColumn<QByteArray>("symbol");
        QTest::addColumn<int>("connections");
        QTest::addColumn<QByteArray>("cell");
        QTest::newRow("offline") << QByteArray("IBM") << 0
                                 << QByteArray("<FONT Size=-2>Connect to the Internet to view IBM chart</FONT>");
        QTest::newRow("online") << QByteArray("IBM") << 1
                                << QByteArray("<img border=\"0\" src=\"http://CHARTHOST/c/3m/i/IBM.gif\">");
        QTest::newRow("online, caret") << QByteArray("^DJI") << 1
                                       << QByteArray("<img border=\"0\" src=\"http://CHARTHOST/c/3m/%5E/%5EDJI.gif\">");
    }
    void chart()
    {
        QFETCH(QByteArray, symbol);
        QFETCH(int, connections);
        QFETCH(QByteArray, cell);
        Stocks[0].Symbol = symbol;
        CurrentSymbol = symbol;
        Ras::SetActive(int16_t(connections));
        Summery summery;
        QVERIFY(summery.GanarateHTML(Only({1})));
        QByteArray page = TestEnv::ReadAll(
            ReportFixture::Report(QStringLiteral("Summary/") + QString::fromLatin1(symbol) + QStringLiteral(".htm")));
        page.replace(Hosts::Host(QStringLiteral("ChartImageHost")).toLatin1(), "CHARTHOST");
        QVERIFY2(page.contains("BGCOLOR=\"#fffddd\">" + cell + "&nbsp;</TD>"), page.constData());
    }

    // Statements without a cached page say so inside their sections; a page
    // without the anchor gives an empty section.
    void statementsWithoutData()
    {
        const QByteArray missing = "CELLPADDING=0>\r\nNo Data Available.\r\n</TABLE>";
        QCOMPARE(int(Page({4, 5}).count(missing)), 2);
        ReportFixture::Cache(QStringLiteral("IBM_ABS.Sh"), "<html>no table</html>");
        QCOMPARE(int(Page({4, 5}).count(missing)), 1);
        QVERIFY(Page({4}).contains("CELLPADDING=0>\r\n\r\n</TABLE>"));
    }

    // A symbol that may not become a file name builds no page.
    void unusableSymbol()
    {
        CurrentSymbol = "../IBM";
        Summery summery;
        QVERIFY(!summery.GanarateHTML(Only({3})));
        QVERIFY(Shell::Opened().isEmpty());
        QCOMPARE(QDir(ReportFixture::Report({})).entryList(QDir::Files), QStringList());
    }
};

TW_TEST(tst_summary)
#include "tst_summary.moc"
