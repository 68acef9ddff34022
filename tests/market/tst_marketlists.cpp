// The market lists drawn from cached pages: analyst actions, surprises,
// percentage movers, mover and screener lists, broker reports; their
// messages, the zoom hand-over and the sort of their data rows.
#include "sheets/SheetFixture.h"
#include "common/TestRegistry.h"
#include "market/MarketReaders.h"
#include "platform/Artwork.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "platform/TreeView.h"
#include "shell/MouseEvents.h"
#include "shell/Zoom.h"
#include "sheets/GridInteraction.h"

#include <QApplication>
#include <QLabel>

using namespace tw::test;

namespace {

const QByteArray UpgradesPage =
    HttpHead + "<html><body><b>Upgrades</b><table><TR><TH>Company</TH><TH>Ticker</TH><TH>Firm</TH><TH>From</TH>"
               "<TH>To</TH><TH>More</TH></TR><TR><TD colspan=6>June 2</TD></TR><TR><TD>Acme Corp</TD><TD>ACME</TD>"
               "<TD>Thomas Weisel &amp; Co</TD><TD>Hold</TD><TD>Buy</TD><TD>News</TD></TR></table>";

// A mover report as the site writes it: the head ending "P/E<BR>Ratio",
// the spacer row, rows whose company cell is a small table, two blank rows.
QByteArray MoversPage(const QList<QList<QByteArray>> &rows)
{
    QByteArray page = QByteArray("<html><table><tr><TH>Rank</TH><TH>Company</TH><TH>P/E<BR>Ratio</TH></tr>\r\n")
                      + MarketReaders::MoversSpacerRow + "\r\n";
    for (const QList<QByteArray> &r : rows)
        page += CellsRow(r) + "\r\n";
    return page + "<tr><td>&nbsp;</td></tr>\r\n<tr><td>&nbsp;</td></tr>\r\n</table><p>Show next 25</p></html>";
}
QByteArray Company(const QByteArray &name, const QByteArray &address)
{
    return "<table cellpadding=0 cellspacing=0 border=0><tr><td>"
           + (address.isEmpty() ? name : "<a href=\"" + address + "\">" + name + "</a>") + "</td></tr></table>";
}

const QByteArray ScreenerPage =
    "<html><p>Go To page</p><table><tr><td>MSFT</td><td>Microsoft</td><td>25.10</td><td>&nbsp;</td><td>-0.50</td>"
    "<td>-2.0%</td><td>1,000,000</td><td>25,100,000</td><td><a href=\"/n/MSFT.html\"><img src=\"/img/icon_news.gif\">"
    "</a></td></tr></table><p>Click Here</p></html>";

// Section tables of the percentage movers: the first opens with its heading
// row, the others with a row before it; a skipped row before the data.
QByteArray PercentPage(const QByteArray &title)
{
    const QByteArray skip = CellsRow({"", "Symbol", "", "Company", "Last", "Volume", "Change", "% Ch", ""});
    const auto data = [](const QByteArray &sym) {
        return CellsRow({"1", sym, "x", sym + " Inc", "10.00", "1,000", "+1.00", "+11.1%", "&nbsp;"});
    };
    return "<html><title>" + title + "</title><h2>" + title + "</h2>" + "<TABLE>" + CellsRow({"NYSE"}) + skip + data("AAA")
           + "</TABLE><table>" + skip + CellsRow({"NASDAQ"}) + skip + data("BBB") + "</table><table>" + skip + CellsRow({"AMEX"})
           + skip + data("CCC") + "</table><p>All Rights Reserved</p></html>";
}

QByteArray BrokerPage()
{
    return HttpHead + "<html><table><tr><td><a href=\"/\">Home</a> / <span class=\"/Breadcrumb\">Reports</span></td></tr></table>"
                      "<table><tr><td>Ticker</td><td>Company</td><td>Broker</td><td>Report</td></tr>"
                      "<tr><td>ACME</td><td>Acme, Inc. News</td><td>Newstar Securities</td><td>Raised to Buy Chart Compare</td></tr>"
                      "<tr><td>ZETA</td><td>Zeta Corp</td><td>Thomas Weisel</td><td>Initiated &nbsp;</td></tr></table>"
                      "<!-- START BLOOMBERG NEWS --><table><tr><td>06/02</td><td>IBM</td><td>IBM rated 1,200 News</td>"
                      "<td>Wire</td></tr></table></html>";
}

} // namespace

class tst_marketlists : public QObject {
    Q_OBJECT
    SheetFixture f;

    FlexGrid *fg() const { return f.fg(); }

private Q_SLOTS:
    void init()
    {
        f.Start();
        GridInteraction::SortOrder = 0;
    }
    void cleanup()
    {
        for (Zoom *z : SheetFixture::ZoomWindows())
            delete z;
        f.Stop();
    }

    void upgrades()
    {
        SheetFixture::WritePage(QStringLiteral("Upgrade.sh"), UpgradesPage);
        f.main->ShowConsultation(11);
        QCOMPARE(CurrentView, QStringLiteral("Upgrade"));
        QCOMPARE(fg()->Rows(), 4);
        QCOMPARE(fg()->Cols(), 6);
        QCOMPARE(f.RowTexts(0), (QStringList{"Company", "Ticker", "Firm", "From", "To", "More"}));
        for (int c = 0; c < 6; ++c)
            QCOMPARE(fg()->CellAlignment(0, c), 4);
        QCOMPARE(fg()->TextMatrix(1, 0), QStringLiteral("Upgrades"));
        QVERIFY(fg()->CellFontBold(1, 0));
        QCOMPARE(fg()->CellBackColor(1, 0), 0xFFFFFFu);
        // The firm keeps its capital: only the tags lose theirs.
        QCOMPARE(f.RowTexts(2), (QStringList{"Acme Corp", "ACME", "Thomas Weisel & Co", "Hold", "Buy", "News"}));
        QVERIFY(f.Link(2, 1) && f.Link(2, 5));
        QVERIFY(!f.Link(2, 0) && !f.Link(2, 2));
        QCOMPARE(fg()->RowHeight(0), 2 * f.base());
        QCOMPARE(fg()->RowHeight(1), 2 * f.base());
        QCOMPARE(fg()->RowHeight(3), 0);
        const QList<int> widths{25, 12, 25, 12, 12, 10};
        for (int c = 0; c < 6; ++c)
            QCOMPARE(f.Percent(c), widths[c]);
    }

    // Each case: the list, its cache file and page (no page: none), then the
    // message (null: the table is drawn) or the title over cell (1, 0) and
    // the first action's first cell.
    void actionLists_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("first");
        const QString up = QStringLiteral("Tickerwatch do not have additional information for Upgardes");
        const QString cov = QStringLiteral("Tickerwatch do not have additional information for Coverage Initiated");
        const QByteArray table = "<table>" + CellsRow({"Co", "Sym", "Firm", "From", "To", "More"}) + CellsRow({"June 2"})
                                 + CellsRow({"Acme Corp", "ACME", "Birch", "Hold", "Buy", "x"}) + "</table>";
        const QByteArray cover = "<table>" + CellsRow({"Co", "Sym", "Firm", "Rating", "More"}) + CellsRow({"June 2"})
                                 + CellsRow({"Zeta Corp", "ZETA", "Birch", "Buy", "x"}) + "</table>";
        QTest::newRow("upgrades without heading") << 0 << "Upgrade.sh" << QByteArray("<html>" + table) << up << "" << "";
        QTest::newRow("downgrades without heading") << 1 << "Downgrades.sh" << QByteArray("<html>" + table) << QString()
                                                    << "Downgrades" << "Acme Corp";
        QTest::newRow("coverage missing") << 2 << "" << QByteArray() << cov << "" << "";
        QTest::newRow("coverage in capital HTML") << 2 << "Coverage.sh"
                                                  << QByteArray("<HTML><b>New Coverage</b>" + cover + "</HTML>")
                                                  << QString() << "Coverage Initiated" << "Zeta Corp";
        QTest::newRow("coverage without html") << 2 << "Coverage.sh" << QByteArray("<b>Coverage</b>" + cover) << cov << ""
                                               << "";
        // A row wider than the list loses the cells past its last column.
        QTest::newRow("coverage row of six") << 2 << "Coverage.sh"
                                             << QByteArray("<html>Coverage</b>" + table + "</html>") << QString()
                                             << "Coverage Initiated" << "Acme Corp";
        QTest::newRow("upgrades row of seven")
            << 0 << "Upgrade.sh" << QByteArray("<b>Upgrades</b>" + QByteArray(table).replace("<td>x</td>", "<td>x</td><td>g</td>"))
            << QString() << "Upgrades" << "Acme Corp";
        QTest::newRow("row left open") << 0 << "Upgrade.sh"
                                       << QByteArray("<b>Upgrades</b><table><tr><td>a</td><tr><td>b</td></table>") << up
                                       << "" << "";
        QTest::newRow("cell left open") << 0 << "Upgrade.sh"
                                        << QByteArray("<b>Upgrades</b><table><tr><td>a</tr></table>") << up << "" << "";
        QTest::newRow("no table end") << 0 << "Upgrade.sh" << QByteArray("<b>Upgrades</b><table><tr><td>a</td></tr>")
                                      << up << "" << "";
        QTest::newRow("table far into the page") << 0 << "Upgrade.sh" << QByteArray(LongLead + "<b>Upgrades</b>" + table)
                                                 << QString() << "Upgrades" << "Acme Corp";
    }
    void actionLists()
    {
        QFETCH(int, list);
        QFETCH(QString, file);
        QFETCH(QByteArray, page);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(QString, first);
        if (!file.isEmpty())
            SheetFixture::WritePage(file, HttpHead + page);
        f.main->ShowConsultation(11 + list);
        QCOMPARE(CurrentView, (QStringList{"Upgrade", "Downgrade", "Coverage"}[list]));
        QVERIFY(fg()->Redraw());
        if (!message.isNull()) {
            f.ExpectMessage(message);
            return;
        }
        QCOMPARE(fg()->Cols(), list == 2 ? 5 : 6);
        QCOMPARE(fg()->TextMatrix(1, 0), title);
        QCOMPARE(fg()->TextMatrix(2, 0), first);
        QVERIFY(f.Link(2, 1) && f.Link(2, fg()->Cols() - 1));
        QCOMPARE(fg()->RowHeight(fg()->Rows() - 1), 0);
    }

    void surprises()
    {
        SheetFixture::WritePage(QStringLiteral("25_surp.Sh"),
                                "<table><tr><td>Symbol</td><td>Company</td><td>Actual</td><td>Estimate</td><td>Surprise</td>"
                                "</tr><tr><td>IBM</td><td>Intl Business</td><td>1.10</td><td>1.00</td><td>10.0%</td></tr>"
                                "</table>");
        f.main->ShowConsultation(1);
        QCOMPARE(CurrentView, QStringLiteral("SUP"));
        QCOMPARE(fg()->Rows(), 4);
        QCOMPARE(fg()->TextMatrix(1, 1), QStringLiteral("Top Daily Earnings"));
        QVERIFY(fg()->CellFontBold(1, 1));
        QCOMPARE(f.RowTexts(2), (QStringList{"IBM", "Intl Business", "1.10", "1.00", "10.0%"}));
        QVERIFY(f.Link(2, 0));
        QVERIFY(!f.Link(2, 1));
        QCOMPARE(fg()->RowHeight(3), 0);
        QCOMPARE(fg()->RowHeight(1), 2 * f.base());
    }

    // A short page row is continued by the next one; the cells that then
    // fall past the last column are dropped and the list is drawn whole.
    void surprisesByCount()
    {
        SheetFixture::WritePage(QStringLiteral("25_surp.Sh"),
                                "<table>" + CellsRow({"S", "C", "A", "E", "P"}) + CellsRow({"IBM", "Intl", "1.10"})
                                    + CellsRow({"x1", "x2", "x3", "x4", "x5"}) + CellsRow({"HP", "Hewlett", "0.50", "0.40", "25%"})
                                    + "</table>");
        f.main->FG_Surp();
        QCOMPARE(fg()->Rows(), 5);
        QCOMPARE(f.RowTexts(2), (QStringList{"IBM", "Intl", "1.10", "x1", "x2"}));
        QCOMPARE(f.RowTexts(3), (QStringList{"HP", "Hewlett", "0.50", "0.40", "25%"}));
        QCOMPARE(fg()->RowHeight(4), 0);
        QCOMPARE(f.Percent(1), 32);
        QCOMPARE(fg()->TextMatrix(1, 1), QStringLiteral("Top Daily Earnings"));

        QFile::remove(AppFolder + QStringLiteral("/Cache/DataSheet/25_surp.Sh"));
        f.main->FG_Surp();
        f.ExpectMessage(QStringLiteral("The 25 Top Earning data is bad, connect to Internet, and update again."));
    }

    // One page row wider than the list: its cells past the last column are
    // dropped without taking a column, every other cell is drawn where it
    // belongs, with the title and headings, and no message.
    void overWideRows_data()
    {
        QTest::addColumn<int>("list"); // consultation number
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<int>("linkRow"); // a link cell of the list
        QTest::addColumn<int>("linkCol");
        QTest::newRow("upgrades")
            << 11 << "Upgrade.sh"
            << QByteArray(HttpHead + "<b>Upgrades</b><table>" + CellsRow({"Co", "Sym", "Firm", "From", "To", "More"})
                          + CellsRow({"June 2"}) + CellsRow({"Acme Corp", "ACME", "Birch", "Hold", "Buy", "x", "extra"})
                          + CellsRow({"Zeta Corp", "ZETA", "Oak", "Sell", "Hold", "y"}) + "</table>")
            << QStringList{"Co|Sym|Firm|From|To|More", "Upgrades|||||", "Acme Corp|ACME|Birch|Hold|Buy|x",
                           "Zeta Corp|ZETA|Oak|Sell|Hold|y", "|||||"}
            << 2 << 5;
        QTest::newRow("surprises")
            << 1 << "25_surp.Sh"
            << QByteArray("<table>" + CellsRow({"S", "C", "A", "E", "P"})
                          + CellsRow({"IBM", "Intl", "1.10", "1.00", "10%", "extra", "more"})
                          + CellsRow({"HP", "Hewlett", "0.50", "0.40", "25%"}) + "</table>")
            << QStringList{"S|C|A|E|P", "|Top Daily Earnings|||", "IBM|Intl|1.10|1.00|10%", "HP|Hewlett|0.50|0.40|25%",
                           "||||"}
            << 3 << 0;
        QByteArray winners = PercentPage("Percentage Winners");
        const QByteArray lastCell = "<td>&nbsp;</td></tr>";
        winners.insert(winners.indexOf(lastCell) + lastCell.size() - 5, "<td>extra</td>");
        QTest::newRow("percentage movers")
            << 2 << "mwwinners.Sh" << winners
            << QStringList{"|Symbol||Company|Last|Volume|Change|% Ch|", "|||Percentage Winners|||||", "|||NYSE|||||",
                           "1|AAA|x|AAA Inc|10.00|1,000|+1.00|+11.1%|", "|||NASDAQ|||||",
                           "1|BBB|x|BBB Inc|10.00|1,000|+1.00|+11.1%|", "|||AMEX|||||",
                           "1|CCC|x|CCC Inc|10.00|1,000|+1.00|+11.1%|", "||||||||"}
            << 3 << 1;
    }
    void overWideRows()
    {
        QFETCH(int, list);
        QFETCH(QString, file);
        QFETCH(QByteArray, page);
        QFETCH(QStringList, cells);
        QFETCH(int, linkRow);
        QFETCH(int, linkCol);
        SheetFixture::WritePage(file, page);
        f.main->ShowConsultation(list);
        QCOMPARE(SheetFixture::Cells(fg()), cells);
        QCOMPARE(fg()->RowHeight(fg()->Rows() - 1), 0);
        QVERIFY(f.Link(linkRow, linkCol));
        QVERIFY(f.Percent(1) > 0);
        QVERIFY(fg()->Redraw());
    }

    void percentMovers()
    {
        SheetFixture::WritePage(QStringLiteral("mwwinners.Sh"), PercentPage("Percentage Winners"));
        f.main->ShowConsultation(2);
        QCOMPARE(CurrentView, QStringLiteral("WINLOS"));
        QCOMPARE(fg()->Rows(), 9);
        QCOMPARE(fg()->TextMatrix(1, 3), QStringLiteral("Percentage Winners"));
        const QList<std::pair<int, QString>> headings{{2, "NYSE"}, {4, "NASDAQ"}, {6, "AMEX"}};
        for (const auto &[row, text] : headings) {
            QCOMPARE(fg()->TextMatrix(row, 3), text);
            for (int c = 1; c <= 7; ++c)
                QCOMPARE(fg()->CellBackColor(row, c), 0xFFFFu);
            QVERIFY(fg()->CellBackColor(row, 0) != 0xFFFFu);
        }
        QCOMPARE(fg()->TextMatrix(3, 1), QStringLiteral("AAA"));
        QCOMPARE(fg()->TextMatrix(5, 1), QStringLiteral("BBB"));
        QCOMPARE(fg()->TextMatrix(7, 1), QStringLiteral("CCC"));
        QCOMPARE(fg()->TextMatrix(7, 8), QString()); // "&nbsp;" dropped
        for (int r : {3, 5, 7})
            QVERIFY(f.Link(r, 1));
        QCOMPARE(fg()->TextMatrix(0, 7), QStringLiteral("% Ch"));
        QCOMPARE(fg()->RowHeight(8), 0);
        QCOMPARE(f.Percent(2), 0);

        // Any other name is the losers' list; none cached: its message.
        SheetFixture::WritePage(QStringLiteral("other.Sh"), PercentPage("Percentage Losers"));
        f.main->FG_WinLos(QStringLiteral("other.Sh"));
        QCOMPARE(fg()->TextMatrix(1, 3), QStringLiteral("Percentage Losers"));
        f.main->ShowConsultation(3);
        f.ExpectMessage(QStringLiteral("No Data were found"));
        QCOMPARE(CurrentView, QStringLiteral("WINLOS"));
    }

    // The same screener page under the consultation list's title and the
    // tree's; "&nbsp;" keeps its empty column.
    void screener_data()
    {
        QTest::addColumn<bool>("fromTree");
        QTest::addColumn<QString>("title");
        QTest::newRow("list") << false << "Most Active by Dollars Traded (NASDAQ)";
        QTest::newRow("tree") << true << "Most Active By Volume Traded";
    }
    void screener()
    {
        QFETCH(bool, fromTree);
        QFETCH(QString, title);
        SheetFixture::WritePage(QStringLiteral("BrDT_Q.Sh"), ScreenerPage);
        if (fromTree) {
            f.OpenNode("brdt");
        } else {
            f.main->FG_BR(QStringLiteral("BrDT_Q.Sh"));
        }
        QCOMPARE(CurrentView, QStringLiteral("BR"));
        QCOMPARE(fg()->Cols(), 9);
        QCOMPARE(fg()->TextMatrix(1, 1), title);
        QCOMPARE(f.RowTexts(2), (QStringList{"", "MSFT", "Microsoft", "25.10", "", "-0.50", "-2.0%", "1,000,000",
                                           "25,100,000"}));
        QCOMPARE(f.Picture(2), QStringLiteral("DN"));
        QCOMPARE(fg()->TextMatrix(0, 8), QStringLiteral("Dollars Traded"));
        QCOMPARE(fg()->RowHeight(2), f.base());
    }

    // A list without rows: its title and headings, visible, and no box.
    void emptyLists_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("heading"); // of column 1
        QTest::newRow("screener") << "BrPU_N.Sh" << QByteArray("<html><p>Go To page</p><p>Click Here</p></html>")
                                  << "Most Active By Price Up" << "Symbol";
        QTest::newRow("movers") << "BrMAS_Q.Sh"
                                << QByteArray("<html><table><tr><TH>Rank</TH><TH>P/E<BR>Ratio</TH></tr></table>"
                                              "<p>Show next 25</p></html>")
                                << "Most Active Stocks (NASDAQ)" << "Company Name";
    }
    void emptyLists()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, page);
        QFETCH(QString, title);
        QFETCH(QString, heading);
        SheetFixture::WritePage(file, page);
        if (file.startsWith(QLatin1String("BrPU")))
            f.OpenNode("brpu_N");
        else
            f.main->FG_BR(QStringLiteral("brMAS_Q.Sh"));
        QCOMPARE(Dialogs::Log().size(), 0);
        QCOMPARE(CurrentView, QStringLiteral("BR"));
        QCOMPARE(fg()->TextMatrix(0, 1), heading);
        QCOMPARE(fg()->TextMatrix(1, 1), title);
        QVERIFY(fg()->RowHeight(0) > 0);
        QVERIFY(fg()->RowHeight(1) > 0);
    }

    void movers()
    {
        SheetFixture::WritePage(QStringLiteral("BrPG_Q.Sh"),
                                MoversPage({{"1", Company("Acme Corp", "http://x.test/q?s=ACME"), "ACME", "+5%", "1,000",
                                             "10.00", "+0.50", "12"},
                                            {"2", Company("Zeta Corp", ""), "ZETA", "+4%", "2,000", "20.00", "-0.25", "9"},
                                            {"3", Company("Beta Corp", "http://x.test/q?s=BETA"), "BETA", "+3%", "&nbsp;",
                                             "30.00", "0.00", "7"}}));
        f.main->ShowConsultation(4); // brPG_Q.Sh: the stored "BrPG_Q.Sh"
        QCOMPARE(CurrentView, QStringLiteral("BR"));
        QCOMPARE(fg()->Rows(), 7); // no row from the spacer
        QCOMPARE(fg()->TextMatrix(1, 1), QStringLiteral("Largest % Gain in Price (NASDAQ)"));
        QCOMPARE(fg()->TextMatrix(0, 3), QStringLiteral("% Increase in Price"));
        QCOMPARE(f.RowTexts(2), (QStringList{"1", "Acme Corp", "ACME", "+5%", "1,000", "10.00", "+0.50", "12", "",
                                           "http://x.test/q?s=ACME"}));
        QCOMPARE(f.RowTexts(4).mid(3, 5), (QStringList{"+3%", "30.00", "0.00", "7", ""})); // "&nbsp;" cell left out
        QVERIFY(f.Link(2, 1) && f.Link(4, 1));
        QVERIFY(!f.Link(3, 1));
        QCOMPARE(fg()->TextMatrix(3, 9), QString());
        QCOMPARE((QStringList{f.Picture(2), f.Picture(3), f.Picture(4)}), (QStringList{"UP", "DN", ""}));
        QCOMPARE(fg()->RowHeight(5), 0);
        QCOMPARE(fg()->RowHeight(6), 0);
        QCOMPARE(f.Percent(9), 0);

        // A 52-week list: nine cells, the ninth under "P/E Ratio".
        SheetFixture::WritePage(QStringLiteral("Br52-WPH_A.Sh"),
                                MoversPage({{"1", Company("Acme", ""), "ACME", "10.00", "+0.50", "11.00", "9.00", "+5%", "12"}}));
        f.main->FG_BR(QStringLiteral("br52-WPH_A.Sh"));
        QCOMPARE(fg()->TextMatrix(1, 1), QStringLiteral("New 52-Week Price High (AMEX)"));
        QCOMPARE(fg()->TextMatrix(0, 8), QStringLiteral("P/E Ratio"));
        QCOMPARE(fg()->TextMatrix(2, 8), QStringLiteral("12"));

        // A name outside the lists: no title, no headers.
        SheetFixture::WritePage(QStringLiteral("brXX_Q.Sh"), MoversPage({{"1", "Acme", "ACME", "+1"}}));
        f.main->FG_BR(QStringLiteral("brXX_Q.Sh"));
        QCOMPARE(fg()->TextMatrix(1, 1), QString());
        QCOMPARE(fg()->TextMatrix(0, 0), QString());
        QCOMPARE(fg()->TextMatrix(2, 2), QStringLiteral("ACME"));

        f.main->ShowConsultation(28);
        f.ExpectMessage(QStringLiteral("No data for: Largest Money Movers  (NASDAQ)"));
        QCOMPARE(CurrentView, QStringLiteral("BR"));
    }

    // The tag clean-up keeps a mover's name and its link's address letter
    // for letter: the address is stored and opened as the page has it.
    void moverLinkKeepsItsLetters()
    {
        f.ShowMain();
        SheetFixture::WritePage(QStringLiteral("BrPG_Q.Sh"),
                                MoversPage({{"1", Company("THOR TRUST", "http://x.test/q?s=THO"), "THO", "+5%", "1,000",
                                             "10.00", "+0.50", "12"},
                                            {"2", Company("DeThomas TRansport", "http://x.test/q?s=DeTh&TR=1"), "DTR",
                                             "+4%", "2,000", "20.00", "-0.25", "9"}}));
        f.main->FG_BR(QStringLiteral("BrPG_Q.Sh"));
        QCOMPARE(f.RowTexts(2).mid(1, 2), (QStringList{"THOR TRUST", "THO"}));
        QCOMPARE(f.RowTexts(3).mid(1, 2), (QStringList{"DeThomas TRansport", "DTR"}));
        QCOMPARE(fg()->TextMatrix(2, 9), QStringLiteral("http://x.test/q?s=THO"));
        QCOMPARE(fg()->TextMatrix(3, 9), QStringLiteral("http://x.test/q?s=DeTh&TR=1"));
        ClickCell(fg(), 2, 1);
        ClickCell(fg(), 3, 1);
        QCOMPARE(Shell::Opened(), (QStringList{"http://x.test/q?s=THO", "http://x.test/q?s=DeTh&TR=1"}));
    }

    // A double-click sorts the movers only; pictures and addresses go with
    // their rows. The percentage movers never sort.
    void sorting()
    {
        f.ShowMain();
        SheetFixture::WritePage(QStringLiteral("BrPG_Q.Sh"),
                                MoversPage({{"1", Company("Zeta", "http://x.test/z"), "ZETA", "+1%", "1", "1.00", "+0.10", "1"},
                                            {"2", Company("Acme", "http://x.test/a"), "ACME", "+1%", "1", "1.00", "-0.10", "1"},
                                            {"3", Company("Moon", ""), "MOON", "+1%", "1", "1.00", "0.00", "1"}}));
        f.main->FG_BR(QStringLiteral("brPG_Q.Sh"));
        QCOMPARE(fg()->Rows(), 7);
        const QStringList title = f.RowTexts(1), last = f.RowTexts(5) + f.RowTexts(6);
        DoubleClick(fg()->viewport(), CellCenter(fg(), 2, 1));
        QCOMPARE(GridInteraction::SortOrder, int16_t(1));
        QCOMPARE(f.RowTexts(1), title);
        QCOMPARE(f.RowTexts(5) + f.RowTexts(6), last);
        QCOMPARE(fg()->TextMatrix(1, 1), QStringLiteral("Largest % Gain in Price (NASDAQ)"));
        QCOMPARE((QStringList{fg()->TextMatrix(2, 1), fg()->TextMatrix(3, 1), fg()->TextMatrix(4, 1)}),
                 (QStringList{"Acme", "Moon", "Zeta"}));
        QCOMPARE((QStringList{f.Picture(2), f.Picture(3), f.Picture(4)}), (QStringList{"DN", "", "UP"}));
        QCOMPARE((QStringList{fg()->TextMatrix(2, 9), fg()->TextMatrix(3, 9), fg()->TextMatrix(4, 9)}),
                 (QStringList{"http://x.test/a", "", "http://x.test/z"}));
        QCOMPARE(fg()->RowHeight(5), 0);
        QCOMPARE(fg()->RowHeight(6), 0);

        SheetFixture::WritePage(QStringLiteral("mwwinners.Sh"), PercentPage("Percentage Winners"));
        f.main->FG_WinLos(QStringLiteral("mwwinners.Sh"));
        QStringList before;
        for (int r = 0; r < fg()->Rows(); ++r)
            before << f.RowTexts(r).join(u'|');
        DoubleClick(fg()->viewport(), CellCenter(fg(), 3, 1));
        QStringList after;
        for (int r = 0; r < fg()->Rows(); ++r)
            after << f.RowTexts(r).join(u'|');
        QCOMPARE(after, before);
        QCOMPARE(GridInteraction::SortOrder, int16_t(1));
    }

    void brokerReports()
    {
        SheetFixture::WritePage(QStringLiteral("M_BRP.Sh"), BrokerPage());
        f.OpenNode("M_BRP_t");
        QCOMPARE(CurrentView, QStringLiteral("M_BRP0"));
        QCOMPARE(fg()->Rows(), 4);
        QCOMPARE(f.RowTexts(0), (QStringList{"Ticker", "Company", "Broker", "Report"}));
        QCOMPARE(fg()->TextMatrix(1, 1), QStringLiteral("Today's Broker Reports"));
        QVERIFY(fg()->CellFontBold(1, 1));
        // Commas and the link labels are gone from every cell; the names
        // keep every letter.
        QCOMPARE(f.RowTexts(2), (QStringList{"ACME", "Acme Inc.", "Newstar Securities", "Raised to Buy"}));
        QCOMPARE(f.RowTexts(3), (QStringList{"ZETA", "Zeta Corp", "Thomas Weisel", "Initiated"}));
        QVERIFY(f.Link(2, 0) && f.Link(3, 0));
        QVERIFY(!f.Link(2, 1));
        QCOMPARE(fg()->RowHeight(0), f.base());
        QCOMPARE(fg()->RowHeight(3), 2 * f.base());
        QCOMPARE(f.Percent(3), 43);

        f.main->TreeView1_NodeClick(f.main->TreeView1->Find(QStringLiteral("AR_B")));
        QCOMPARE(CurrentView, QStringLiteral("M_BRP1"));
        QCOMPARE(f.RowTexts(0), (QStringList{"Date", "Symbol", "News", "Source"}));
        QCOMPARE(fg()->TextMatrix(1, 2), QStringLiteral("Bloomberg Analysts Recommendations"));
        QCOMPARE(fg()->TextMatrix(1, 1), QString());
        // The emptied cell has the grid's own look, not a black box.
        QCOMPARE(fg()->CellBackColor(1, 1), 0xFFFFFFu);
        QCOMPARE(fg()->CellForeColor(1, 1), fg()->CellForeColor(1, 3));
        QCOMPARE(f.RowTexts(2), (QStringList{"06/02", "IBM", "IBM rated 1200", "Wire"}));
        QVERIFY(!f.Link(2, 0));
        QCOMPARE(fg()->RowHeight(1), f.base());
        QCOMPARE(f.Percent(3), 0);

        // Without the breadcrumb, and no table before the reports: the
        // block starts after the first row of the page's first table, so
        // the reports show under their headings.
        QByteArray plain = BrokerPage();
        plain.remove(plain.indexOf("<table>"), plain.indexOf("</table>") + 8 - plain.indexOf("<table>"));
        QVERIFY(!plain.contains("Breadcrumb"));
        SheetFixture::WritePage(QStringLiteral("M_BRP.Sh"), plain);
        f.main->FG_M_BRP(0);
        QCOMPARE(fg()->Rows(), 4);
        QCOMPARE(f.RowTexts(0), (QStringList{"Ticker", "Company", "Broker", "Report"}));
        QCOMPARE(f.RowTexts(2), (QStringList{"ACME", "Acme Inc.", "Newstar Securities", "Raised to Buy"}));
        QCOMPARE(fg()->TextMatrix(3, 0), QStringLiteral("ZETA"));

        for (int16_t mode : {int16_t(0), int16_t(1)}) {
            QFile::remove(AppFolder + QStringLiteral("/Cache/DataSheet/M_BRP.Sh"));
            f.main->FG_M_BRP(mode);
            f.ExpectMessage(QStringLiteral("Data is not available, connect to Internet, and update again ."));
            QCOMPARE(CurrentView, QStringLiteral("M_BRP%1").arg(mode));
        }
    }

    // A row or cell left open ends each walk as its list says: the list's
    // message, or the rows read so far; a list far into the page reads as
    // one at its start.
    void openTagsAndFarLists_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("message"); // null: drawn
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("row"); // where `symbol` shows; -1: none
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("symbol");
        const QByteArray acme = CellsRow({"1", Company("Acme", "http://x.test/a"), "ACME", "+1%", "1", "1.00", "+0.10", "1"});
        const QByteArray movers = MoversPage({{"1", Company("Acme", ""), "ACME", "+1%", "1", "1.00", "+0.10", "1"}});
        const QByteArray percent = PercentPage("Percentage Winners");
        QTest::newRow("mover row left open")
            << "brPG_Q.Sh" << QByteArray("<BR>Ratio</td></tr>" + acme + "<tr><td>2</td><td>ZETA</td> Show") << QString()
            << 3 << 2 << 2 << "ACME";
        QTest::newRow("mover cell left open") << "brPG_Q.Sh" << QByteArray("<BR>Ratio</td></tr><tr><td>1</tr> Show")
                                              << "No data for: Largest % Gain in Price (NASDAQ)" << 1 << -1 << 0 << "";
        QTest::newRow("movers far into the page") << "brPG_Q.Sh" << QByteArray(LongLead + movers) << QString() << 5 << 2
                                                  << 2 << "ACME";
        QTest::newRow("screener cell left open")
            << "BrDT_N.Sh" << QByteArray("Go To<tr><td>MSFT</td><td>Micro<img src=icon_news.gif></td></tr> Here")
            << QString() << 3 << 2 << 1 << "MSFT";
        QTest::newRow("screener row without its icon")
            << "BrDT_N.Sh" << QByteArray("Go To<tr><td>MSFT</td><td>Micro</td></tr> Here") << QString() << 2 << -1 << 0
            << "";
        QTest::newRow("broker row left open")
            << "M_BRP.Sh" << QByteArray("/Breadcrumb</table><table><tr><td>h</td></tr><tr><td>ACME</td></table>")
            << "Data is not available, connect to Internet, and update again ." << 1 << -1 << 0 << "";
        QTest::newRow("broker reports far into the page") << "M_BRP.Sh" << QByteArray(LongLead + BrokerPage()) << QString()
                                                          << 4 << 3 << 0 << "ZETA";
        QTest::newRow("surprise cell left open")
            << "25_surp.Sh" << QByteArray("<table><tr><td>IBM</tr></table>")
            << "The 25 Top Earning data is bad, connect to Internet, and update again." << 1 << -1 << 0 << "";
        // The last section's only row left open: its heading and no data.
        QTest::newRow("percent row left open")
            << "mwwinners.Sh" << QByteArray(percent).replace("</tr></table><p>All", "</table><p>All") << QString() << 8 << 6
            << 3 << "AMEX";
        QTest::newRow("percent cell left open")
            << "mwwinners.Sh" << QByteArray(percent).replace("&nbsp;</td></tr></table><table>", "&nbsp;</tr></table><table>")
            << "No Data were found" << 1 << -1 << 0 << "";
        QTest::newRow("percent movers far into the page") << "mwwinners.Sh" << QByteArray(LongLead + percent) << QString()
                                                          << 9 << 7 << 1 << "CCC";
    }
    void openTagsAndFarLists()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, page);
        QFETCH(QString, message);
        QFETCH(int, rows);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, symbol);
        SheetFixture::WritePage(file, page);
        if (file == QLatin1String("M_BRP.Sh"))
            f.main->FG_M_BRP(0);
        else if (file == QLatin1String("25_surp.Sh"))
            f.main->FG_Surp();
        else if (file == QLatin1String("mwwinners.Sh"))
            f.main->FG_WinLos(file);
        else
            f.main->FG_BR(file);
        QVERIFY(fg()->Redraw());
        QCOMPARE(fg()->Rows(), rows);
        if (!message.isNull())
            QCOMPARE(fg()->TextMatrix(0, 0), message);
        if (row >= 0)
            QCOMPARE(fg()->TextMatrix(row, col), symbol);
    }

    // A zoomed fill of a missing page: the message in the main grid and no
    // window; each zoomed fill of a page opens one more window.
    void zoom()
    {
        f.ShowMain();
        f.main->WireZoom();
        f.main->FG_Upgrade();
        ZoomMode = -1;
        f.main->FG_Upgrade();
        QCOMPARE(ZoomMode, int16_t(0));
        QVERIFY(SheetFixture::ZoomWindows().isEmpty());
        f.ExpectMessage(QStringLiteral("Tickerwatch do not have additional information for Upgardes"));

        SheetFixture::WritePage(QStringLiteral("Upgrade.sh"), UpgradesPage);
        f.main->FG_Upgrade();
        for (int i = 1; i <= 2; ++i) {
            QTest::mouseClick(f.main->Picture1[3], Qt::LeftButton);
            QCOMPARE(SheetFixture::ZoomWindows().size(), i);
            QCOMPARE(SheetFixture::ZoomWindows().last()->FG->TextMatrix(2, 2), QStringLiteral("Thomas Weisel & Co"));
            QCOMPARE(ZoomMode, int16_t(0));
        }
        f.main->FG_Upgrade();
        QCOMPARE(TargetGrid.data(), fg());
    }
};

TW_TEST(tst_marketlists)
#include "tst_marketlists.moc"
