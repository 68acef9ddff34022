// Report pages and summary sections of the earnings, option chain, insider,
// filings, short interest and broker research pages: the sample site's
// pages against golden files, and small pages for each rule.
#include "ReportFixture.h"
#include "common/SampleSite.h"
#include "common/TestRegistry.h"
#include "core/Hosts.h"
#include "reports/EarningsRows.h"
#include "reports/OptionRows.h"
#include "reports/ResearchRows.h"
#include "reports/Summery.h"
#include "reports/TradeRows.h"

#include <QTest>

using tw::test::ReportFixture;
using tw::test::TestEnv;
using ReportPage::Renderer;

namespace {

void Cache(const QByteArray &symbol, const char *suffix, const QByteArray &bytes)
{
    ReportFixture::Cache(QString::fromLatin1(symbol + suffix), bytes);
}

// The site's hosts as the goldens spell them.
QByteArray MaskHosts(QByteArray page)
{
    for (const char *site : {"OptionQuoteHost", "BizNewsHost", "FilingsHost"})
        page.replace(Hosts::Host(QLatin1String(site)).toLatin1(), QByteArray(site).toUpper());
    return page;
}

std::array<uint8_t, 19> Sections()
{
    std::array<uint8_t, 19> flags{};
    for (int p = 6; p <= 19; ++p)
        flags[size_t(p - 1)] = 1;
    return flags;
}

const char *const kSuffixes[] = {"_ee.Sh", "_op.Sh", "_it.Sh", "_qr.Sh", "_SI.Sh",
                                 "_sp.Sh", "_uph.Sh", "_dnh.Sh", "_mr.Sh", "_brp.Sh"};

// The stored pages of a symbol that the site serves.
void CacheSitePages(const QByteArray &symbol)
{
    for (const char *suffix : kSuffixes) {
        const QString fixture = ReportFixture::Fixture(QString::fromLatin1(symbol + suffix));
        if (QFile::exists(fixture))
            Cache(symbol, suffix, TestEnv::ReadAll(fixture));
    }
}

const QByteArray kHistory =
    "<html>Earnings History<table><tr><th></th><th>Jun 02</th><th>Sep 02</th></tr><tr><td>EPS Est<br>EPS "
    "Actual<br>Difference<br>Surprise %</td><td>0.20<br>0.22<br>0.02<br>10.0%</td><td>0.25<br>0.24<br>-0.01<br>"
    "-4.0%</td></tr></table></html>";

const QByteArray kChain = "IBM options\r\nCalls,Last Sale,Net,Bid,Ask,Vol,Open Int,Puts,Last Sale,Net,Bid,Ask,Vol,"
                          "Open Int,\r\nJUN 100 (IBM FT-E),5.10,+0.20,5.00,5.20,120,3400,JUN 100 (IBM RT-E),2.10,"
                          "-0.10,2.00,2.20,80,1500,\r\n";

QByteArray InsiderPage(const QByteArray &row)
{
    return "<html><title>IBM Insider Trades</title><table><tr><td>a</td></tr></table><table></table><table></table>"
           "<table><tr><th>Date</th></tr>"
           + row + "</table></html>";
}

} // namespace

class tst_sheetreports : public QObject {
    Q_OBJECT
    ReportFixture f;

private Q_SLOTS:
    void init()
    {
        f.Start();
        ReportFixture::AddStock("BRK.A", "Berkshire Hathaway <A>");
        CurrentSymbol = "IBM";
    }
    void cleanup() { f.Stop(); }

    // The stored pages are what the site serves: socket pages with their
    // headers, the filings page without.
    void fixturesAreWhatTheSiteServes()
    {
        tw::test::SampleSite site;
        QVERIFY(site.port());
        const struct {
            const char *path, *fixture;
            bool whole;
        } pages[] = {{"/z/a/i/IBM.html", "IBM_ee.Sh", true},
                     {"/QuoteTable.dat?TICKER=IBM", "IBM_op.Sh", true},
                     {"/t/i/IBM.html", "IBM_it.Sh", true},
                     {"/brand/yahoo/search/?sym=IBM", "IBM_qr.Sh", false},
                     {"/asp/quotes_full.asp?kind=shortint&symbol=IBM%60&selected=IBM%60", "IBM_SI.Sh", true},
                     {"/splits/splits-single-company.asp?symbol=ibm", "IBM_sp.Sh", true},
                     {"/upgrades-single-company.asp?symbol=ibm", "IBM_uph.Sh", true},
                     {"/downgrades-single-company.asp?symbol=ibm", "IBM_dnh.Sh", true},
                     {"/momentum-rating-single-company.asp?symbol=ibm", "IBM_mr.Sh", true},
                     {"/reports-single-company.asp?symbol=ibm", "IBM_brp.Sh", true},
                     {"/z/a/b/BRK.A.html", "BRK.A_ee.Sh", true},
                     {"/QuoteTable.dat?TICKER=BRK.A", "BRK.A_op.Sh", true},
                     {"/t/b/BRK.A.html", "BRK.A_it.Sh", true}};
        for (const auto &p : pages) {
            QVERIFY2(site.stored(p.path, p.whole) == TestEnv::ReadAll(ReportFixture::Fixture(QString::fromLatin1(p.fixture))), p.fixture);
        }
    }

    // Every report of the Reports popup over the site's pages, over a few
    // pages of a symbol with a point, and without any page.
    void sitePages_data()
    {
        QTest::addColumn<QByteArray>("symbol");
        QTest::addColumn<QString>("view");
        QTest::addColumn<QString>("output"); // after the symbol
        const struct {
            const char *view, *output;
        } reports[] = {{"EC", "Earnings/%1 Consensus EPS Trend.Htm"}, {"ER", "Earnings/%1Earnings Estimates.htm"},
                       {"EH", "Earnings/%1 Earnings History.Htm"},    {"EG", "Earnings/%1 Earnings Growth.Htm"},
                       {"Call", "Options/%1 Calls.htm"},              {"Put", "Options/%1 Puts.htm"},
                       {"IT", "Insiders Traders/%1.htm"},             {"QR", "Quarterly Reports/%1 Quarterly Reports.htm"},
                       {"SI", "Misc/%1 Short Interest.Htm"}};
        for (const char *symbol : {"IBM", "BRK.A", "NONE"})
            for (const auto &r : reports) {
                const QString view = QLatin1String(r.view);
                // The symbol with a point has a few pages only.
                if (QByteArray(symbol) == "BRK.A" && view != "EH" && view != "ER" && view != "Call" && view != "Put"
                    && view != "IT")
                    continue;
                QTest::addRow("%s %s", symbol, r.view)
                    << QByteArray(symbol) << view << QString::fromLatin1(r.output).arg(QLatin1String(symbol));
            }
    }
    void sitePages()
    {
        QFETCH(QByteArray, symbol);
        QFETCH(QString, view);
        QFETCH(QString, output);
        CacheSitePages(symbol);
        CurrentSymbol = symbol;
        CurrentView = view;
        f.ChooseReport(0);
        const QString path = f.Report(output);
        QCOMPARE(Shell::Opened(), QStringList{path});
        const QString golden = QStringLiteral("H_") + view + u'_' + QString::fromLatin1(symbol) + QStringLiteral(".htm");
        QVERIFY(ReportFixture::MatchesGolden(MaskHosts(ReportFixture::MaskStamp(TestEnv::ReadAll(path))), golden));
    }

    // Every section of these pages on one summary page.
    void siteSections_data()
    {
        QTest::addColumn<QByteArray>("symbol");
        QTest::newRow("IBM") << QByteArray("IBM");
        QTest::newRow("BRK.A") << QByteArray("BRK.A");
        QTest::newRow("no page") << QByteArray("NONE");
    }
    void siteSections()
    {
        QFETCH(QByteArray, symbol);
        CacheSitePages(symbol);
        CurrentSymbol = symbol;
        Summery summery;
        QVERIFY(summery.GanarateHTML(Sections()));
        const QByteArray page = TestEnv::ReadAll(f.Report(QStringLiteral("Summary/") + QString::fromLatin1(symbol)
                                                   + QStringLiteral(".htm")));
        QVERIFY(ReportFixture::MatchesGolden(MaskHosts(page),
                                             QStringLiteral("Summary_") + QString::fromLatin1(symbol) + ".htm"));
    }

    // No page at all: the first family says so plainly, the second in small
    // type, in page order.
    void sectionsWithoutPages()
    {
        const QByteArray page = [] {
            Summery summery;
            summery.GanarateHTML(Sections());
            return TestEnv::ReadAll(ReportFixture::Report(QStringLiteral("Summary/IBM.htm")));
        }();
        const char *const plain[] = {"Earning Growth", "Earning History", "Earning Estimates", "Consensus EPS Trade",
                                     "Insider Trader", "Quarterly Reports", "Calls", "Puts"};
        const char *const small[] = {"Split History", "Upgrades History", "Downgrades History", "Momentum Rating",
                                     "Broker Reports", "Short Interest"};
        const auto body = [&page](const char *headline) {
            const qsizetype at = page.indexOf(QByteArray("<U>") + headline + "</U>");
            const qsizetype open = page.indexOf("CELLPADDING=0>\r\n", at) + 16;
            return page.mid(open, page.indexOf("\r\n</TABLE>", open) - open);
        };
        for (const char *h : plain)
            QVERIFY2(body(h) == "No Data Available.", h);
        for (const char *h : small)
            QVERIFY2(body(h) == "<FONT Size=-1>No Data Available.</FONT>", h);
        QVERIFY(page.indexOf("<U>Broker Reports</U>") < page.indexOf("<U>Insider Trader</U>"));
        QVERIFY(page.indexOf("<U>Consensus EPS Trade</U>") < page.indexOf("<U>Split History</U>"));
    }

    void earningsHistory()
    {
        const QByteArray report = *EarningsRows::Rows(EarningsRows::Table::History, Renderer::Report, kHistory);
        QVERIFY(report.startsWith("<TR><th align=\"left\" width=\"28%\" height=\"50\" nowrap>&nbsp;</th>\r\n"
                                  "<th align=\"center\" width=\"12%\">Jun 02<HR></th>\r\n"
                                  "<th align=\"center\" width=\"12%\">Sep 02<HR></th>\r\n</tr>\r\n<tr>"
                                  "<td align=\"left\"><b><FONT>EPS Est</font></b></td>\r\n"
                                  "<td align=\"center\"><FONT color=#484848>0.20</font></td>\r\n"
                                  "<td align=\"center\"><FONT color=#484848>0.25</font></td>\r\n</tr><tr>"));
        QVERIFY(report.endsWith("<td align=\"left\"><b><FONT>Surprise %</font></b></td>\r\n"
                                "<td align=\"center\"><FONT color=#484848>10.0%</font></td>\r\n"
                                "<td align=\"center\"><FONT color=#484848>-4.0%</font></td>\r\n</tr>"));
        const QByteArray section = *EarningsRows::Rows(EarningsRows::Table::History, Renderer::Summary, kHistory);
        QVERIFY(section.contains("Jun 02<br>&nbsp;</Font><HR></th>"));
        // A missing page: the corner, the row end and four empty rows.
        QCOMPARE(*EarningsRows::Rows(EarningsRows::Table::History, Renderer::Report, {}),
                 QByteArray("<TR><th align=\"left\" width=\"28%\" height=\"50\" nowrap>&nbsp;</th>\r\n</tr>\r\n"
                            "<tr></tr><tr></tr><tr></tr><tr></tr>"));
        QVERIFY(!EarningsRows::Rows(EarningsRows::Table::History, Renderer::Summary, "<html></html>"));
    }

    void earningsEdges_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("contains");
        QTest::addColumn<QByteArray>("lacks");
        // Values go by count: a short column shifts the next one up.
        QTest::newRow("short column")
            << QByteArray("Earnings History<table><tr><th>A</th></tr><tr><td>a<br>b<br>c<br>d</td><td>1<br>2<br>3</td>"
                          "<td>5<br>6</td></tr></table>")
            << QByteArray("<b><FONT>a</font></b></td>\r\n<td align=\"center\"><FONT color=#484848>1</font></td>\r\n"
                          "<td align=\"center\"><FONT color=#484848>6</font></td>")
            << QByteArray("<FONT>7");
        QTest::newRow("blank counts, empty does not")
            << QByteArray("Earnings History<table><tr><th>A</th></tr><tr><td>a<br>b<br>c<br>d</td><td> <br></td></tr>"
                          "</table>")
            << QByteArray("<b><FONT>a</font></b></td>\r\n<td align=\"center\"><FONT color=#484848> </font></td>")
            << QByteArray("<FONT color=#484848></font>");
        QTest::newRow("markup in a label is text")
            << QByteArray("Earnings History<table><tr><th>A</th></tr><tr><td>a&lt;b&gt; & \"c\"<br>b<br>c<br>d</td>"
                          "</tr></table>")
            << QByteArray("<FONT>a&lt;b&gt; &amp; &quot;c&quot;</font>") << QByteArray("<b>\"");
        // A cell left open ends the walk; nothing repeats.
        QTest::newRow("cell left open")
            << QByteArray("Earnings History<table><tr><th>A</th></tr><tr><td>a<br>b<br>c<br>d</td><td>1<br>2"
                          "</tr></table>")
            << QByteArray("<FONT>a</font></b></td>\r\n<td align=\"center\"><FONT color=#484848>1</font></td>\r\n</tr>")
            << QByteArray("<FONT color=#484848>2");
        QTest::newRow("far into a long page")
            << QByteArray(70000, ' ') + "Earnings History<table><tr><th>A</th></tr><tr><td>a<br>b<br>c<br>d</td>"
                                        "<td>1</td></tr></table>"
            << QByteArray("<FONT>a</font></b></td>\r\n<td align=\"center\"><FONT color=#484848>1</font>")
            << QByteArray("x");
    }
    void earningsEdges()
    {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, contains);
        QFETCH(QByteArray, lacks);
        const QByteArray rows = *EarningsRows::Rows(EarningsRows::Table::History, Renderer::Report, page);
        QVERIFY2(rows.contains(contains), rows.constData());
        QVERIFY2(!rows.contains(lacks), rows.constData());
        QCOMPARE(int(rows.count("</tr><tr>")), 3);
    }

    // The report files of the estimates and the trend, headings with a
    // bracket, and labels from the header row on when the anchor is
    // missing (a row's label is all its text).
    void earningsFiles()
    {
        Cache("IBM", "_ee.Sh", TestEnv::ReadAll(ReportFixture::Fixture(QStringLiteral("IBM_ee.Sh"))));
        CurrentView = QStringLiteral("ER");
        f.ChooseReport(0);
        QVERIFY(QFile::exists(f.Report(QStringLiteral("Earnings/IBMEarnings Estimates.htm"))));
        const QByteArray section = *EarningsRows::Rows(EarningsRows::Table::Estimates, Renderer::Summary,
                                                       TestEnv::ReadAll(ReportFixture::Fixture(QStringLiteral("IBM_ee.Sh"))));
        QVERIFY(section.contains("Current Qtr <br>(Mar 2024)</Font>"));
        const QByteArray noAnchor = "Earnings Estimates &amp; R<tr><th>Q</th><td><table><tr><td>first</td></tr>"
                                    "</table></td><td>1</td></tr>";
        QVERIFY(EarningsRows::Rows(EarningsRows::Table::Trend, Renderer::Report, noAnchor)->contains("<B>Qfirst</b>"));
        QVERIFY(!EarningsRows::Rows(EarningsRows::Table::Trend, Renderer::Summary, noAnchor));
    }

    void optionChain()
    {
        Cache("IBM", "_op.Sh", kChain);
        CurrentView = QStringLiteral("Call");
        f.ChooseReport(0);
        CurrentView = QStringLiteral("Put");
        f.ChooseReport(0);
        const QByteArray calls = MaskHosts(TestEnv::ReadAll(f.Report(QStringLiteral("Options/IBM Calls.htm"))));
        const QByteArray puts = MaskHosts(TestEnv::ReadAll(f.Report(QStringLiteral("Options/IBM Puts.htm"))));
        QVERIFY(calls.contains("<a href=\"http://OPTIONQUOTEHOST/cgi-bin/cboeget.exe?TICKER=IBM%20FT-E\">"));
        QVERIFY(calls.contains("<Td Align=\"Right\" Width=\"12%\"><Font color=#484848 size=-1>5.10</Font></td>\r\n"
                               "<Td Align=\"Right\" Width=\"12%\"><Font color=#484848 size=-1>+0.20</Font></td>"));
        QCOMPARE(int(calls.count("<Td Align=\"Right\"")), 6);
        QVERIFY(puts.contains("TICKER=IBM%20RT-E\">JUN 100 (IBM RT-E)</a></Font></td>"));
        QVERIFY(!puts.contains("FT-E"));
        QCOMPARE(int(puts.count("<Td Align=\"Right\"")), 6);
    }

    void optionLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("callCells");
        QTest::addColumn<int>("putCells");
        QTest::newRow("seven commas") << QByteArray("A (X),1,2,3,4,5,6,") << 7 << 0;
        QTest::newRow("eight commas") << QByteArray("A (X),1,2,3,4,5,6,B (Y),") << 7 << 1;
        QTest::newRow("one comma") << QByteArray("A (X),") << 0 << 0;
        QTest::newRow("blank line") << QByteArray() << 0 << 0;
        QTest::newRow("no code") << QByteArray("A,1,") << 2 << 0;
    }
    void optionLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, callCells);
        QFETCH(int, putCells);
        const QByteArray body = "\r\n" + line + "\r\n";
        const QByteArray calls = OptionRows::Rows(OptionRows::Side::Calls, Renderer::Report, body);
        const QByteArray puts = OptionRows::Rows(OptionRows::Side::Puts, Renderer::Report, body);
        QCOMPARE(int(calls.count("<Td ")), callCells);
        QCOMPARE(int(puts.count("<Td ")), putCells);
        QVERIFY(calls.endsWith("</tr>\r\n") && puts.endsWith("</tr>\r\n"));
        // The last line counts only with its line break.
        QCOMPARE(OptionRows::Rows(OptionRows::Side::Calls, Renderer::Report, "\r\n" + line), QByteArray());
    }

    // Over 30000 characters of lines the user is asked; Cancel keeps the
    // old report and leaves the section's headline over an empty table.
    void largeChain_data()
    {
        QTest::addColumn<int>("bodySize");
        QTest::addColumn<bool>("asked");
        QTest::newRow("30000") << 30000 << false;
        QTest::newRow("30001") << 30001 << true;
    }
    void largeChain()
    {
        QFETCH(int, bodySize);
        QFETCH(bool, asked);
        QByteArray body = "\r\nA (X),1,2,3,4,5,6,\r\n";
        body += QByteArray(bodySize - body.size() - 2, 'x') + "\r\n";
        Cache("IBM", "_op.Sh", "Puts Open Int" + body);
        const QString path = f.Report(QStringLiteral("Options/IBM Calls.htm"));
        TestEnv::WriteAll(path, "old");
        Dialogs::QueueAnswer(Dialogs::vbCancel);
        Dialogs::QueueAnswer(Dialogs::vbCancel);
        CurrentView = QStringLiteral("Call");
        f.ChooseReport(0);
        Summery summery;
        const QByteArray section = summery.S_Calls();
        if (!asked) {
            QVERIFY(Dialogs::Log().isEmpty());
            QVERIFY(TestEnv::ReadAll(path).contains("TICKER=X"));
            QVERIFY(section.startsWith("<TR><TH ALIGN=\"CENTER\" WIDTH=\"25%\" HEIGHT=\"26\"><Font Face=\"Arial\" "
                                       "Size=-1>Calls</Font><hr></th>"));
            return;
        }
        QCOMPARE(Dialogs::Log().size(), 2);
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("To many records"));
        QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("There is to many records, and it might take time.\r\n"
                                                         "(Up to 5 minuets).\r\nClick Cancel to cancel this "
                                                         "operation, or OK to continue"));
        QCOMPARE(Dialogs::Log()[0].flags, int(Dialogs::vbOKCancel | Dialogs::vbInformation));
        QVERIFY(Dialogs::Log()[1].text.endsWith(QStringLiteral("Click Cancel to skip on Calls section, or OK to continue")));
        QCOMPARE(TestEnv::ReadAll(path), QByteArray("old"));
        QVERIFY(Shell::Opened().isEmpty());
        QCOMPARE(section, QByteArray());
    }

    void insiders_data()
    {
        QTest::addColumn<QByteArray>("row");
        QTest::addColumn<QByteArray>("name");
        const QByteArray cells = "<td>Sale</td><td>1,000</td><td>Direct</td><td>$10.00</td><td>$10,000</td></tr>";
        QTest::newRow("relative path")
            << "<tr><td>06/02/03</td><td><a href=\"t/i/jdoe.html\">Jane Doe</a></td>" + cells
            << QByteArray("<TD ALIGN=\"LEFT\"><a href=\"http://BIZNEWSHOST/t/i/jdoe.html\"><small>Jane Doe<small></a>"
                          "</Font></td>");
        QTest::newRow("script path")
            << "<tr><td>06/02/03</td><td><a href=\"javascript:x.html\">Jane <b>Doe</b> &amp; Co</a></td>" + cells
            << QByteArray("<TD ALIGN=\"LEFT\"><small>Jane Doe &amp; Co<small></Font></td>");
        QTest::newRow("quote in path")
            << "<tr><td>06/02/03</td><td><a href=\"t/\"x.html\">Jane</a></td>" + cells
            << QByteArray("<a href=\"http://BIZNEWSHOST/t/&quot;x.html\"><small>Jane<small>");
    }
    void insiders()
    {
        QFETCH(QByteArray, row);
        QFETCH(QByteArray, name);
        const QByteArray page = InsiderPage(row);
        const QByteArray report = MaskHosts(TradeRows::Insiders(Renderer::Report, page).rows);
        const QByteArray section = MaskHosts(TradeRows::Insiders(Renderer::Summary, page).rows);
        QVERIFY2(report.contains(name), report.constData());
        QVERIFY(report.contains("<TD ALIGN=\"CENTER\"><FONT size=-1 color=#151515>Direct</Font></td>"));
        QVERIFY(section.contains("<TD ALIGN=\"LEFT\"><FONT size=-1 color=#151515>Direct</Font></td>"));
        QVERIFY(report.contains("<TH ALIGN=\"CENTER\" WIDTH=\"15%\">Value Int<HR></th>\r\n</TR>\r\n<TR></tr>\r\n<tr>"));
    }

    // The tag clean-up leaves the names, texts and link addresses of the
    // insider, filings, short interest and earnings tables letter for
    // letter, in the reports and the summary sections alike.
    void namesKeepTheirLetters_data()
    {
        QTest::addColumn<int>("walk"); // 0 insiders report, 1 insiders section, 2 filings, 3 short interest, 4 earnings
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArrayList>("texts");
        const QByteArray cells = "<td>Sale</td><td>1,000</td><td>Direct</td><td>$10.00</td><td>$10,000</td></tr>";
        const QByteArray insiders =
            InsiderPage("<TR><TD>06/02/03</TD><TD><a href=\"t/i/THOMAS.html\">TRENT THOMAS</a></TD>" + cells
                        + "<tr><td>06/03/03</td><td><a href=\"t/i/DeTh.html\">DeThomas, STRAUSS</a></td>" + cells);
        const QByteArrayList names = {"<small>TRENT THOMAS<small>", "http://BIZNEWSHOST/t/i/THOMAS.html\"",
                                      "<small>DeThomas, STRAUSS<small>", "http://BIZNEWSHOST/t/i/DeTh.html\""};
        QTest::newRow("insiders report") << 0 << insiders << names;
        QTest::newRow("insiders section") << 1 << insiders << names;
        QTest::newRow("filings") << 2
                                 << QByteArray("<html>Sort By<TABLE></TABLE><TABLE><TR><TD>Date</TD></TR>"
                                               "<TR><TD>TABLE TRUST</TD><TD>The Thrift</TD></TR></TABLE></html>")
                                 << QByteArrayList{">TABLE TRUST<", ">The Thrift<"};
        QTest::newRow("short interest") << 3
                                        << QByteArray("<html><TABLE><TR><TH>Days to Cover</TH></TR>"
                                                      "<TR><TD>Thursday TABLE</TD><TD>1.5</TD></TR></TABLE></html>")
                                        << QByteArrayList{">Thursday TABLE<", ">1.5<"};
        QTest::newRow("earnings history") << 4
                                          << QByteArray(kHistory).replace("Difference", "TRUE Difference")
                                                                 .replace("Jun 02", "Trend Jun 02")
                                          << QByteArrayList{"TRUE Difference", "Trend Jun 02"};
    }
    void namesKeepTheirLetters()
    {
        QFETCH(int, walk);
        QFETCH(QByteArray, page);
        QFETCH(QByteArrayList, texts);
        QByteArray rows;
        if (walk == 0) {
            rows = TradeRows::Insiders(Renderer::Report, page).rows;
        } else if (walk == 1) {
            Cache("IBM", "_it.Sh", page);
            rows = Summery().S_IT();
        } else if (walk == 2) {
            rows = TradeRows::Filings(Renderer::Report, page).rows;
        } else if (walk == 3) {
            rows = TradeRows::ShortInterest(page, "</TR>").rows;
        } else {
            rows = EarningsRows::Rows(EarningsRows::Table::History, Renderer::Report, page).value_or("none");
        }
        rows = MaskHosts(rows);
        for (const QByteArray &text : texts)
            QVERIFY2(rows.contains(text), (text + " in " + rows).constData());
    }

    void insiderSection()
    {
        Summery summery;
        const QByteArray row = "<tr><td>1</td><td><a href=\"a.html\">N</a></td></tr>";
        Cache("IBM", "_it.Sh", InsiderPage(row));
        QVERIFY(summery.S_IT().contains("<small>N<small>"));
        // A row left open empties the section; the report keeps the rows before it.
        Cache("IBM", "_it.Sh", InsiderPage(row + "<tr><td>2</td>"));
        QCOMPARE(summery.S_IT(), QByteArray());
        QCOMPARE(int(TradeRows::Insiders(Renderer::Report, InsiderPage(row + "<tr><td>2</td>")).rows.count("<small>N")), 1);
        Cache("IBM", "_it.Sh", "<html>no trades</html>");
        QCOMPARE(summery.S_IT(), QByteArray());
    }

    void filings()
    {
        const QByteArray page = "<html>Sort By<table></table><table><tr><td>Date</td></tr>"
                                "<tr><td>a</td><td></td><td>b</td><td>c</td><td>d</td><td>e</td><td>f</td><td>g</td>"
                                "<td>h</td></tr>"
                                "<tr><td><A HREF=\"/doc/1.txt\" ALT=\"Full Filing\">10-Q</A></td><td>x: y</td></tr>"
                                "<tr><td>\"/doc/2.txt Bad</td></tr></table></html>";
        const QByteArray rows = MaskHosts(TradeRows::Filings(Renderer::Report, page).rows);
        QVERIFY(rows.startsWith("<TR><TH ALIGN=\"LEFT\" WIDTH=\"15%\" HEIGHT=\"26\">Date<HR></th>"));
        // Values 3 and 7 of the row (empty cells not counted) are left out.
        QVERIFY(rows.contains(">a</FONT></td>\r\n<TD><FONT color=#484848 size=-1>b</FONT></td>\r\n"
                              "<TD><FONT color=#484848 size=-1>c</FONT></td>\r\n<TD><FONT color=#484848 size=-1>e</FONT>"));
        QVERIFY(!rows.contains(">d<") && !rows.contains(">h<"));
        QVERIFY(rows.contains("<A HREF=\"http://FILINGSHOST/auth/doctrans/doc/1.txt\"> 10-Q</a>"));
        QVERIFY(rows.contains(">x</FONT></td>\r\n<TD><FONT color=#484848 size=-1>y</FONT></td>"));
        // One quote holds no address: the text alone.
        QVERIFY(rows.contains("<TD><FONT color=#484848 size=-1>&quot;/doc/2.txt Bad</FONT></td>"));

        Summery summery;
        Cache("IBM", "_qr.Sh", page);
        QVERIFY(summery.S_QR().contains("<TD><FONT color=#484848 size=-1 Face=\"Arial\">a</FONT></td>"));
        Cache("IBM", "_qr.Sh", "<html>nothing</html>");
        QCOMPARE(summery.S_QR(), QByteArray());
        Cache("IBM", "_qr.Sh", TestEnv::ReadAll(ReportFixture::Fixture(QStringLiteral("IBM_qr.Sh"))));
        CurrentView = QStringLiteral("QR");
        f.ChooseReport(0);
        QVERIFY(TestEnv::ReadAll(f.Report(QStringLiteral("Quarterly Reports/IBM Quarterly Reports.htm")))
                    .contains("<U><B>Quarterly Reports </B></U>"));
    }

    // The insider and filings sections follow one rule: rows when the page
    // gave some, nothing for a page that gave only the heading row or left a
    // row open, the no-data text when the page is missing.
    void tradeSections_data()
    {
        QTest::addColumn<bool>("insiders");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("shown"); // a piece of the section; empty: the section is empty

        const QByteArray row = "<tr><td>1</td><td><a href=\"a.html\">N</a></td></tr>";
        QTest::newRow("insiders: rows") << true << InsiderPage(row) << QByteArray("<small>N<small>");
        QTest::newRow("insiders: no table after the markers")
            << true << QByteArray("<html>Insider Trades, none</html>") << QByteArray();
        QTest::newRow("insiders: row left open") << true << InsiderPage(row + "<tr><td>2</td>") << QByteArray();
        QTest::newRow("insiders: no page") << true << QByteArray() << QByteArray("No Data Available.");

        const QByteArray head = "<html>Sort By<table></table><table><tr><td>Date</td></tr>";
        QTest::newRow("filings: rows") << false << head + "<tr><td>a</td></tr></table></html>"
                                       << QByteArray("<TD><FONT color=#484848 size=-1 Face=\"Arial\">a</FONT></td>");
        QTest::newRow("filings: heading row alone") << false << head + "</table></html>" << QByteArray();
        QTest::newRow("filings: row left open")
            << false << head + "<tr><td>a</td></tr><tr><td>b</td></table></html>" << QByteArray();
        QTest::newRow("filings: no page") << false << QByteArray() << QByteArray("No Data Available.");
    }
    void tradeSections()
    {
        QFETCH(bool, insiders);
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, shown);
        if (!page.isEmpty())
            Cache("IBM", insiders ? "_it.Sh" : "_qr.Sh", page);
        Summery summery;
        const QByteArray section = insiders ? summery.S_IT() : summery.S_QR();
        if (shown.isEmpty())
            QCOMPARE(section, QByteArray());
        else
            QVERIFY2(section.contains(shown), section.constData());
    }

    void shortInterest()
    {
        const QByteArray page = "<table><tr><th>Days to Cover</th></tr><tr><td>Jan 15</td><td></td><td>5</td><td>6</td>"
                                "<td>7</td></tr></table>";
        Cache("IBM", "_SI.Sh", page);
        CurrentView = QStringLiteral("SI");
        f.ChooseReport(0);
        const QByteArray report = TestEnv::ReadAll(f.Report(QStringLiteral("Misc/IBM Short Interest.Htm")));
        QVERIFY(report.contains("<tr><TD ALIGN=\"left\"><FONT size=-1 color=#151515>Jan 15</Font></td>\r\n"
                                "<TD ALIGN=\"right\"><FONT size=-1 color=#484848></Font></td>\r\n"));
        QCOMPARE(int(report.count("<TD ALIGN=\"right\">")), 4);
        QVERIFY(report.contains("</TR>\r\n<TR></TR></TABLE></CENTER></P><P><CENTER><HR>"));
        Summery summery;
        QVERIFY(summery.S_SI().endsWith("</tr>\r\n<tr></TR>"));
        Cache("IBM", "_SI.Sh", "<table><tr><td>no heading</td></tr></table>");
        QCOMPARE(summery.S_SI(), ResearchRows::NoData);
    }

    void research_data()
    {
        QTest::addColumn<int>("kind"); // 0 splits, 1 changes, 2 momentum, 3 broker
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("body"); // the whole body, or a part of it with "..."
        const QByteArray nd = ResearchRows::NoData;
        QTest::newRow("momentum")
            << 2 << QByteArray("<tr><th>Sells</th></tr><tr><td>12</td><td>25</td><td>8</td><td>3</td><td>1</td></tr></table>")
            << QByteArray("<TR><TD ALIGN=\"CENTER\"><FONT size=-1><b>Rank: </b>12</FONT></TD></tr>\r\n"
                          "<TR><TD ALIGN=\"CENTER\"><FONT size=-1><b>Momentum Rating: </b>25</FONT></TD></tr>\r\n"
                          "<TR><TD ALIGN=\"CENTER\"><FONT size=-1><b>Buy: </b>8</FONT></TD></tr>\r\n"
                          "<TR><TD ALIGN=\"CENTER\"><FONT size=-1><b>Hold: </b>3</FONT></TD></tr>\r\n"
                          "<TR><TD ALIGN=\"CENTER\"><FONT><b>Sell: </b>1</FONT></TD></tr>\r\n");
        QTest::newRow("momentum, four cells")
            << 2 << QByteArray("Sells<td>12</td><td>25</td><td>8</td><td>3</td></table>") << nd;
        QTest::newRow("momentum, no data") << 2 << QByteArray("Sells No data</table>") << nd;
        QTest::newRow("momentum, commas")
            << 2 << QByteArray("Sells<td>1,200&nbsp;</td><td>2</td><td>3</td><td>4</td><td>5</td></table>")
            << QByteArray("<b>Rank: </b>1200</FONT>...");
        const QByteArray three = "<td>d</td><td>b</td><td>c</td>";
        QTest::newRow("broker, nine cells")
            << 3 << "begin reports<tr></tr>" + three + three + "<td>1</td><td>2</td><td>3</td></table>"
            << QByteArray("...<Font size=-1 Face=\"Arial\">Comment</Font><HR></th>\r\n</TR>\r\n<TR></tr>\r\n<tr>\r\n"
                          "</tr>\r\n<tr>\r\n<TD ALIGN=\"LEFT\"><FONT color=#484848 size=-1 Face=\"Arial\">1</FONT></td>"
                          "\r\n...3</FONT></td>\r\n</tr>\r\n<tr>\r\n");
        QTest::newRow("broker, two cells") << 3 << QByteArray("begin reports</tr><td>a</td><td>b</td></table>")
                                           << QByteArray();
        QTest::newRow("broker, cell left open") << 3 << QByteArray("begin reports</tr><td>a</table>") << nd;
        const QByteArray split = "<tr><td>Split</td><td>2 for 1</td><td>a</td><td>b</td><td>c</td><td>d</td><td>e</td></tr>";
        QTest::newRow("split, seven cells")
            << 0 << "begin splits<tr><td>Type</td></tr>" + split + "</table>"
            << QByteArray("...</TR>\r\n<TR><TD ALIGN=\"CENTER\"><FONT color=#484848 size=-1 Face=\"Arial\">Split</FONT>"
                          "...<TD ALIGN=\"CENTER\" WIDTH=\"10%\"><FONT color=#484848 size=-1 Face=\"Arial\">d</FONT>"
                          "</td>\r\n</tr>\r\n");
        QTest::newRow("split, no marker") << 0 << "<tr><td>Type</td></tr>" + split + "</table>" << QByteArray();
        QTest::newRow("split, row left open") << 0 << QByteArray("begin splits</tr><tr><td>x</td></table>") << nd;
        QTest::newRow("split, no page") << 0 << QByteArray() << nd;
        // "News" goes where it stands as a word; "Newstar" keeps its letters.
        QTest::newRow("changes")
            << 1
            << QByteArray("begin splits<table><tr><th>Date</th></tr><tr><td>Jan 5, 2001</td><td>Newstar News</td><td></td>"
                          "<td>x</td></tr><tr><td>Feb 1</td><td>B</td><td>Up, to Buy</td></tr></table>")
            << QByteArray("<TR><TH ALIGN=\"LEFT\" WIDTH=\"20%\" HEIGHT=\"26\"><Font size=-1 Face=\"Arial\">Type</Font><HR>"
                          "</th>\r\n<TH ALIGN=\"LEFT\" WIDTH=\"30%\"><Font size=-1 Face=\"Arial\">Broker</Font><HR></th>\r\n"
                          "<TH ALIGN=\"LEFT\" WIDTH=\"50%\"><Font size=-1 Face=\"Arial\">Comments</Font><HR></th>\r\n"
                          "</TR>\r\n<TR><TD><FONT color=#484848 size=-1 Face=\"Arial\"><B>Jan 5 2001</B></FONT></td>\r\n"
                          "<TD><FONT color=#484848 size=-1 Face=\"Arial\">Newstar</FONT></td>\r\n"
                          "<TD><FONT color=#484848 size=-1 Face=\"Arial\"></FONT></td>\r\n</tr>\r\n<tr>\r\n"
                          "<TD><FONT color=#484848 size=-1 Face=\"Arial\"><B>Feb 1</B></FONT></td>\r\n"
                          "<TD><FONT color=#484848 size=-1 Face=\"Arial\">B</FONT></td>\r\n"
                          "<TD><FONT color=#484848 size=-1 Face=\"Arial\">Up to Buy</FONT></td>\r\n</tr>\r\n");
        QTest::newRow("changes, no page") << 1 << QByteArray() << nd;
    }
    void research()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, body);
        QByteArray (*const readers[])(QByteArray) = {ResearchRows::Splits, ResearchRows::RatingChanges,
                                                     ResearchRows::Momentum, ResearchRows::Broker};
        const QByteArray actual = readers[kind](page);
        if (!body.contains("...")) {
            QVERIFY2(actual == body, actual.constData());
            return;
        }
        // The parts in order.
        qsizetype at = 0;
        for (const QByteArray &part : body.split('.'))
            if (!part.isEmpty()) {
                at = actual.indexOf(part, at);
                QVERIFY2(at >= 0, part.constData());
            }
    }
};

TW_TEST(tst_sheetreports)
#include "tst_sheetreports.moc"
