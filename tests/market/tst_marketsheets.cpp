// The market sheets of the IPO center, the fund lists, the US and world
// index tables, the option summary and the splits calendars, drawn from
// cached pages (and US.dat): their cells, looks, hidden rows and messages.
#include "sheets/SheetFixture.h"
#include "common/TestRegistry.h"
#include "core/Hosts.h"
#include "market/MarketReaders.h"
#include "platform/Artwork.h"
#include "platform/Shell.h"
#include "shell/MouseEvents.h"
#include "sheets/GridInteraction.h"

#include <QFileInfo>

using namespace tw::test;

namespace {

// An IPO calendar as the socket stores it: headers, the page, a head row
// ending "More Info", the rows, a trailer row.
QByteArray IpoPage(const QList<QByteArray> &rows, const char *open = "<html>")
{
    QByteArray page = HttpHead + open + "<body><table><tr><TH>Date</TH><TH>More Info</TH></tr>";
    for (const QByteArray &r : rows)
        page += r;
    return page + "<TR><TD colspan=8>x</TD></TR></table></body></html>";
}

MarketIndexRecord Index(const QByteArray &last, const QByteArray &time, const QByteArray &change, const QByteArray &pct)
{
    MarketIndexRecord r;
    r.LastTrade = last;
    r.TradeTime = time;
    r.Change = change;
    r.PercentChange = pct;
    return r;
}

// The US market page: a row per label, tags in capitals.
QByteArray USPage(const QList<std::array<QByteArray, 6>> &rows)
{
    QByteArray page = "<html><TABLE>\r\n";
    for (const auto &r : rows) {
        page += "<TR>";
        for (const QByteArray &c : r)
            page += "<TD>" + c + "</TD>";
        page += "</TR>\r\n";
    }
    return page + "</TABLE></html>\r\n";
}

// Four regions of n rows each (the first is Merval, the others fall),
// each followed by its spacer row.
QByteArray WorldPage(int n)
{
    QByteArray page = "<html><table><tr><th>Index</th></tr>";
    int k = 0;
    for (const char *region : {"Americas", "Asia", "Europe", "Africa"}) {
        page += "<tr><td colspan=8><b>" + QByteArray(region) + "</b></td></tr>";
        for (int i = 0; i < n; ++i, ++k) {
            const QByteArray name = k == 0 ? QByteArray("Merval") : "Idx" + QByteArray::number(k);
            page += CellsRow({name, name.left(4).toUpper(), "^" + name.left(4).toUpper(), "Jun 2", "10,123.45", k == 0 ? "+1.2" : "-3.0", "+0.1%",
                         "<a href=\"/c\">Chart</a>, <a href=\"/n\">News</a>"});
        }
        page += "<tr><td></td></tr>";
    }
    return page + "</table></html>";
}

QByteArray OptionPage()
{
    QByteArray page = "<html>";
    for (const char *kind : {"Leaders", "Gainers", "Losers"}) {
        page += "<h3>" + QByteArray(kind) + "</h3><table>" + CellsRow({"Symbol", "Last", "+/-", "Pct", "Volume"});
        page += CellsRow({QByteArray(kind).left(3).toUpper() + " 50 C", "1.00", "+0.50", "-0.20", "1,000"});
        page += CellsRow({"ZZZ 10 P", "2.00", "1.00", "+5%", "900"});
        page += "</table>";
    }
    return page + "</html>";
}

QByteArray SplitsPage(const QByteArray &headRow, const QList<QByteArray> &rows)
{
    QByteArray page = HttpHead + "<html><table>" + headRow;
    for (const QByteArray &r : rows)
        page += r;
    return page + "</table></html>";
}

} // namespace

class tst_marketsheets : public QObject {
    Q_OBJECT
    SheetFixture f;

    FlexGrid *fg() const { return f.fg(); }

private Q_SLOTS:
    void init()
    {
        f.Start();
        GridInteraction::SortOrder = 0;
    }
    void cleanup() { f.Stop(); }

    // The page row of "More Info" is not walked; the last page row and the
    // empty row after it are hidden. Registrations keep their cells whole,
    // commas and all.
    void registrations()
    {
        SheetFixture::WritePage(QStringLiteral("IPO_Reg.sh"),
                                IpoPage({CellsRow({"06/01", "New Co", "NEWC", "1,000", "$10M", "12.00", "06/20", "Profile, News"}),
                                         CellsRow({"05/01", "Old Co, Inc.", "OLDC", "2,000", "$20M", "14.00", "06/30", "Profile"})},
                                        "<HTML>"));
        f.OpenNode("ipo_reg");
        QCOMPARE(CurrentView, QStringLiteral("IPO_Reg"));
        QCOMPARE(fg()->Rows(), 6);
        QCOMPARE(fg()->TextMatrix(2, 7), QStringLiteral("Profile, News"));
        QCOMPARE(fg()->TextMatrix(2, 3), QStringLiteral("1,000"));
        QCOMPARE(fg()->TextMatrix(2, 2), QStringLiteral("NEWC"));
        QCOMPARE(fg()->TextMatrix(3, 2), QStringLiteral("OLDC"));
        QCOMPARE(fg()->TextMatrix(3, 1), QStringLiteral("Old Co, Inc."));
        QVERIFY(f.Link(2, 7));
        QVERIFY(!f.Link(2, 2));
        QCOMPARE(fg()->TextMatrix(1, 1), QStringLiteral("IPO Registrations"));
        QVERIFY(fg()->CellFontBold(1, 1));
        QCOMPARE(fg()->CellBackColor(1, 1), 0xFFFFFFu);
        QCOMPARE(fg()->RowHeight(2), 2 * f.base());
        QCOMPARE(fg()->RowHeight(4), 0);
        QCOMPARE(fg()->RowHeight(5), 0);
        QCOMPARE(fg()->TextMatrix(0, 2), QStringLiteral("Proposed Symbol"));
        QCOMPARE(f.Percent(1), 25);

        QFile::remove(AppFolder + QStringLiteral("/Cache/DataSheet/IPO_Reg.sh"));
        f.main->FG_IPO_Reg();
        f.ExpectMessage(QStringLiteral("Tickerwatch do not have IPO registration informain."));
        QCOMPARE(CurrentView, QStringLiteral("IPO_Reg"));
    }

    // Only the link words of a row's last cell spread over columns; a
    // comma in a name stays. Pricings double the rows after the first.
    void pricingsAndGainers()
    {
        SheetFixture::WritePage(QStringLiteral("IPO_Prc.sh"),
                                IpoPage({CellsRow({"06/01", "Acme, Inc.", "ACME", "10.00", "11.00",
                                              "<a href=\"/n\">News</a>, <a href=\"/c\">Chart</a>, Profile"}),
                                         CellsRow({"06/02", "Beta", "BETA", "1,010.00", "9.00", "News"})}));
        f.main->FG_IPO_Price();
        QCOMPARE(fg()->Rows(), 6);
        QCOMPARE(f.RowTexts(2).mid(0, 8),
                 (QStringList{"06/01", "Acme, Inc.", "ACME", "10.00", "11.00", "News", "Chart", "Profile"}));
        QCOMPARE(fg()->TextMatrix(3, 3), QStringLiteral("1,010.00"));
        QVERIFY(f.Link(2, 1) && f.Link(2, 5) && f.Link(2, 7));
        QVERIFY(!f.Link(2, 2) && !f.Link(2, 4));
        QCOMPARE(fg()->TextMatrix(1, 1), QStringLiteral("IPO Pricings"));
        QCOMPARE(fg()->RowHeight(2), f.base());
        QCOMPARE(fg()->RowHeight(3), 2 * f.base());
        QCOMPARE(fg()->RowHeight(4), 0);

        SheetFixture::WritePage(QStringLiteral("IPO_G3.sh"),
                                IpoPage({CellsRow({"Gamma, Corp.", "GAMA", "05/01", "10.00", "15.00", "+50%", "News, Chart"}),
                                         CellsRow({"x"})}));
        f.main->FG_IPO_Gain();
        QCOMPARE(CurrentView, QStringLiteral("IPO_Gain"));
        QCOMPARE(fg()->TextMatrix(1, 0), QStringLiteral("IPO Gainers"));
        QCOMPARE(fg()->TextMatrix(2, 1), QStringLiteral("GAMA"));
        QCOMPARE(fg()->TextMatrix(2, 7), QStringLiteral("Chart"));
        QVERIFY(f.Link(2, 1) && f.Link(2, 6) && !f.Link(2, 5));

        // Fifteen cells, and link words past the last column: the cells
        // beyond the grid are dropped and the rest is drawn whole.
        QList<QByteArray> wide;
        for (int i = 0; i < 15; ++i)
            wide << QByteArray::number(i);
        SheetFixture::WritePage(QStringLiteral("IPO_Prc.sh"),
                                IpoPage({CellsRow(wide), CellsRow({"06/03", "Wide Co", "WIDE", "1.00", "2.00",
                                                                   "a, b, c, d, e, f, g, h, i, j"}),
                                         CellsRow({"06/04", "Next Co", "NEXT"})}));
        f.main->FG_IPO_Price();
        QCOMPARE(fg()->Rows(), 7);
        QCOMPARE(fg()->TextMatrix(2, 13), QStringLiteral("13"));
        QCOMPARE(fg()->TextMatrix(3, 13), QStringLiteral("i"));
        QCOMPARE(fg()->TextMatrix(4, 2), QStringLiteral("NEXT"));
        QCOMPARE(fg()->TextMatrix(1, 1), QStringLiteral("IPO Pricings"));
        QCOMPARE(fg()->TextMatrix(0, 1), QStringLiteral("Company"));
        QCOMPARE(f.Percent(1), 25);
        QVERIFY(fg()->Redraw());

        f.main->FG_IPO_Loss();
        f.ExpectMessage(QStringLiteral("Tickerwatch do not have IPO Losers informain."));
    }

    // A cell runs to the next "<td"; column 6 is a link cell whatever the
    // symbol, with "Profile" unless the symbol has two characters.
    void withdrawals()
    {
        SheetFixture::WritePage(QStringLiteral("IPO_wp.sh"),
                                IpoPage({CellsRow({"06/01", "Ab Co", "AB", "100", "9.00", "05/01", "Profile"}),
                                         CellsRow({"06/02", "No Sym, Inc.", "", "200", "8.00", "05/02", "Profile"}),
                                         CellsRow({"06/03", "Abc<br>Two", "ABC", "300", "7.00", "05/03", "Profile"}),
                                         CellsRow({"06/04", "Wide Co", "WIDE", "400", "6.00", "05/04", "Profile", "x", "y"})}));
        f.main->FG_IPO_With();
        QCOMPARE(CurrentView, QStringLiteral("IPO_With"));
        QCOMPARE(fg()->Rows(), 8);
        QCOMPARE(fg()->TextMatrix(5, 2), QStringLiteral("WIDE")); // its cells past column 6 dropped
        QCOMPARE(fg()->TextMatrix(0, 6), QStringLiteral("More Info"));
        QCOMPARE(fg()->TextMatrix(1, 1), QStringLiteral("IPO Withdrawals"));
        QCOMPARE(fg()->TextMatrix(2, 6), QString());
        QVERIFY(f.Link(2, 6));
        QCOMPARE(fg()->TextMatrix(3, 6), QStringLiteral("Profile"));
        QVERIFY(f.Link(3, 6));
        QCOMPARE(fg()->TextMatrix(3, 1), QStringLiteral("No Sym, Inc."));
        QCOMPARE(fg()->TextMatrix(4, 1), QStringLiteral("Abc\r\nTwo"));
        QCOMPARE(fg()->TextMatrix(4, 5), QStringLiteral("05/03"));
    }

    // Three sections stacked under their subtitles: p + f + w + 3 rows.
    void latestEvents()
    {
        const QByteArray priced = CellsRow({"06/01", "PRCD", "Priced Co, Inc.", "10.00", "Priced", "News, Chart"});
        const QByteArray filed = CellsRow({"06/02", "FILD", "Filed Co", "12.00", "Filed", "News"});
        const QByteArray page = HttpHead + "<html><b>Pricings</b><table>" + CellsRow({"2 this week"}) + priced + priced
                                + "</table><b>Filings</b><table>" + CellsRow({"1 this week"}) + filed
                                + "</table><b>Withdrawals</b><table>" + CellsRow({"none"}) + "</table><b>News</b></html>";
        SheetFixture::WritePage(QStringLiteral("IPO_lts.sh"), page);
        f.OpenNode("ipo_last");
        QCOMPARE(CurrentView, QStringLiteral("IPO_Last"));
        QCOMPARE(fg()->Rows(), 3 + 2 + 1 + 3); // the one-cell rows count
        QCOMPARE(fg()->TextMatrix(1, 2), QStringLiteral("Latest IPO Events"));
        QCOMPARE(fg()->TextMatrix(2, 1), QStringLiteral("PRCD"));
        QCOMPARE(fg()->TextMatrix(2, 2), QStringLiteral("Priced Co, Inc."));
        QCOMPARE(fg()->TextMatrix(2, 6), QStringLiteral("Chart"));
        QVERIFY(f.Link(2, 1) && f.Link(2, 5) && f.Link(2, 6) && !f.Link(2, 2));
        // A one-cell row keeps the subtitle beside it.
        QCOMPARE(fg()->TextMatrix(4, 2), QStringLiteral("Latest Filings"));
        QCOMPARE(fg()->TextMatrix(4, 0), QStringLiteral("1 this week"));
        QVERIFY(fg()->CellFontBold(4, 2));
        QCOMPARE(fg()->TextMatrix(5, 1), QStringLiteral("FILD"));
        QCOMPARE(fg()->TextMatrix(6, 2), QStringLiteral("Latest Withdrawals"));
        QCOMPARE(fg()->RowHeight(fg()->Rows() - 1), 0);

        // A row wider than the grid loses the cells past column 13 only.
        QList<QByteArray> wide{"06/09", "WIDE"};
        for (int i = 2; i < 16; ++i)
            wide << QByteArray::number(i);
        QByteArray widePage = page;
        widePage.replace("<b>Withdrawals</b><table>", "<b>Withdrawals</b><table>" + CellsRow(wide));
        SheetFixture::WritePage(QStringLiteral("IPO_lts.sh"), widePage);
        f.main->FG_IPO_Last();
        QCOMPARE(fg()->Rows(), 3 + 2 + 1 + 4);
        QCOMPARE(fg()->TextMatrix(6, 1), QStringLiteral("WIDE"));
        QCOMPARE(fg()->TextMatrix(6, 13), QStringLiteral("13"));
        QCOMPARE(fg()->TextMatrix(1, 2), QStringLiteral("Latest IPO Events"));
        QCOMPARE(fg()->TextMatrix(0, 0), QStringLiteral("Date"));

        QByteArray noNews = page;
        noNews.replace("<b>News</b>", "");
        SheetFixture::WritePage(QStringLiteral("IPO_lts.sh"), noNews);
        f.main->FG_IPO_Last();
        f.ExpectMessage(QStringLiteral("Tickerwatch do not have Latest IPO Events informain."));
    }

    // Five items, the last one ending at "</ul>": rows 2 to 6; the address
    // alone in column 4, whatever its quotes and the anchor's other
    // attributes; an item without a link has none and opens nothing.
    void ipoNews()
    {
        f.ShowMain();
        const QByteArray anchors[] = {"<a href=\"n/i/x.html\" target=\"_blank\">", "<a href='n/i/x2.html'>", "",
                                      "<A class=hot HREF=n/i/x4.html>", "<a href = \"n/i/x5.html\" >"};
        QByteArray page = HttpHead + "<html><body><ul>\r\n";
        for (int i = 1; i <= 5; ++i) {
            const QByteArray text = "Headline " + QByteArray::number(i) + " - Wire - 10:3" + QByteArray::number(i);
            const QByteArray &a = anchors[i - 1];
            page += a.isEmpty() ? "<li>" + text + "\r\n" : "<li>" + a + text + "</a>\r\n";
        }
        page += "</ul><p>More news</p></body></html>";
        SheetFixture::WritePage(QStringLiteral("IPO_News.sh"), page);
        f.OpenNode("ipo_news");
        QCOMPARE(CurrentView, QStringLiteral("IPO_News"));
        QCOMPARE(fg()->Rows(), 7);
        QCOMPARE((QStringList{fg()->TextMatrix(2, 4), fg()->TextMatrix(3, 4), fg()->TextMatrix(4, 4),
                              fg()->TextMatrix(5, 4), fg()->TextMatrix(6, 4)}),
                 (QStringList{"n/i/x.html", "n/i/x2.html", "", "n/i/x4.html", "n/i/x5.html"}));
        QCOMPARE(fg()->TextMatrix(2, 2), QStringLiteral("Wire "));
        QCOMPARE(fg()->TextMatrix(2, 3), QStringLiteral("10:31"));
        QCOMPARE(fg()->TextMatrix(6, 1), QStringLiteral("Headline 5 "));
        QVERIFY(!f.Link(4, 1));
        QVERIFY(f.Link(2, 1) && f.Link(3, 1) && f.Link(5, 1) && f.Link(6, 1));
        QCOMPARE(fg()->RowHeight(1), 0);
        QCOMPARE(fg()->TextMatrix(0, 1), QStringLiteral("IPO News"));
        QCOMPARE(f.Percent(4), 0);

        ClickCell(fg(), 4, 1);
        QCOMPARE(Shell::Opened(), QStringList());
        ClickCell(fg(), 2, 1);
        QCOMPARE(Shell::Opened(), QStringList{Hosts::Url(QStringLiteral("BizNewsHost"), QStringLiteral("/n/i/x.html"))});

        QByteArray noHtml = page;
        noHtml.replace("<html>", "<body>");
        SheetFixture::WritePage(QStringLiteral("IPO_News.sh"), noHtml);
        f.main->FG_IPO_News();
        f.ExpectMessage(QStringLiteral("Tickerwatch do not have IPO News informain."));
    }

    // The money market list cuts at "Last", the others at "Date".
    void funds_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("first"); // null: the message
        const QByteArray fund = "<tr><td>ABCDX</td><td>Abc Fund</td><td>10.12</td><td>-0.05</td><td>06/02</td></tr>";
        const QByteArray up = "<tr><td>UPPX</td><td>Up Fund</td><td>9.00</td><td>+0.05</td><td>06/02</td></tr>";
        const QByteArray flat = "<tr><td>FLTX</td><td>Flat Fund</td><td>9.00</td><td>0.00</td><td>06/02</td></tr>";
        const QByteArray table = "<TABLE><TR><TH>Symbol</TH><TH>Name</TH><TH>Last</TH><TH>Change</TH><TH>Date</TH></TR>" + fund
                                 + up + flat + "</TABLE>";
        QTest::newRow("convertible at Date") << "F_Conv" << QByteArray("<html>" + table) << "ABCDX";
        // "Last" before the table: the money market list starts there, and
        // the table's head row (header cells are never read) is an empty row.
        QTest::newRow("money market at Last") << "F_LMM" << QByteArray("<p>Last update</p>" + table) << "";
        QTest::newRow("money market missing") << "F_LMM" << QByteArray() << QString();
        QTest::newRow("no table end") << "F_Stagecoach" << QByteArray("<p>Date</p><table>" + fund) << QString();
    }
    void funds()
    {
        QFETCH(QString, key);
        QFETCH(QByteArray, page);
        QFETCH(QString, first);
        if (!page.isNull())
            SheetFixture::WritePage(key + QStringLiteral(".Sh"), page);
        f.OpenNode(key.toLatin1().constData());
        QCOMPARE(CurrentView, key);
        const QByteArray title = MarketReaders::FindFundList(key)->title;
        if (first.isNull()) {
            f.ExpectMessage(QStringLiteral("Tickerwatch do not have %1 informain.").arg(QLatin1String(title)));
            return;
        }
        QCOMPARE(fg()->TextMatrix(1, 1), QLatin1String(title));
        QVERIFY(fg()->CellFontBold(1, 1));
        QCOMPARE(fg()->TextMatrix(2, 0), first);
        const int abc = first == QLatin1String("ABCDX") ? 2 : 3;
        QCOMPARE(f.RowTexts(abc), (QStringList{"ABCDX", "Abc Fund", "10.12", "-0.05", "06/02"}));
        QVERIFY(f.Link(abc, 0));
        QCOMPARE(fg()->CellForeColor(abc, 3), 255u);
        QCOMPARE(fg()->CellForeColor(abc + 1, 3), 0xFF0000u);
        QCOMPARE(fg()->CellForeColor(abc + 2, 3), fg()->CellForeColor(abc + 2, 2)); // unsigned: no colour of its own
        QCOMPARE(f.RowTexts(0), (QStringList{"Symbol", "Company Name", "Last", "Change", "Date"}));
        QCOMPARE(fg()->RowHeight(1), 2 * f.base());
        QCOMPARE(f.Percent(1), 48);
    }

    void usIndices()
    {
        f.ShowMain();
        USMarket.fill({});
        USMarket[0] = Index("8,897.81", "4:01pm", "+65.32", "+0.74%");
        USMarket[1] = Index("3,000.00", "4:02pm", "-2.10", "-0.07%");
        USMarket[2] = Index("300.00", "4:03pm", "0.00", "0.00%");
        QVERIFY(Stock::SaveUS());
        USMarket.fill({});
        f.OpenNode("US");
        QCOMPARE(CurrentView, QStringLiteral("US"));
        QCOMPARE(fg()->Rows(), 46);
        QCOMPARE(f.RowTexts(3).mid(1, 7),
                 (QStringList{"30 Industrials", "^DJI", "4:01pm", "8,897.81", "+65.32", "+0.74%", ""}));
        QCOMPARE(fg()->TextMatrix(3, 8), Hosts::Url(QStringLiteral("QuotePortal"), QStringLiteral("/q?s=^DJI&d=t")));
        QCOMPARE((QStringList{f.Picture(3), f.Picture(4), f.Picture(5), f.Picture(6)}), (QStringList{"UP", "DN", "", ""}));
        QCOMPARE(fg()->TextMatrix(2, 1), QStringLiteral("Dow Jones Averages"));
        QVERIFY(fg()->CellFontBold(2, 1));
        QCOMPARE(fg()->CellBackColor(2, 7), 0xFFFFFFu);
        QCOMPARE(fg()->RowHeight(2), 2 * f.base());
        QCOMPARE(fg()->TextMatrix(45, 1), QStringLiteral("Philadelphia Gold & Silver"));
        QCOMPARE(fg()->TextMatrix(45, 2), QStringLiteral("^XAU"));
        QCOMPARE(fg()->CellForeColor(45, 2), 0xFF0000u);
        QVERIFY(!fg()->CellFontUnderline(45, 2));
        QCOMPARE(fg()->BackColor(), 0xE8FFFFu);
        QCOMPARE(fg()->GridLines(), 0);
        QCOMPARE(fg()->RowHeight(1), 0);
        QCOMPARE(f.Percent(8), 0);

        f.OpenNode("US_SP");
        QCOMPARE(fg()->TopRow(), 17);
        QCOMPARE(fg()->TextMatrix(17, 1), QStringLiteral("Standard and Poor's"));

        // Without US.dat: the message, and the view on show stays.
        QFile::remove(Stock::USFile());
        CurrentView = QStringLiteral("WM");
        f.main->FG_USMarket();
        f.ExpectMessage(QStringLiteral("Tickerwatch do not have US market information"));
        QCOMPARE(CurrentView, QStringLiteral("WM"));
        QVERIFY(!QFile::exists(Stock::USFile()));
    }

    // The parse takes the four values after each label's symbol; a label
    // the page lacks keeps its record; "Composite" and "Volume in 000's"
    // go by their symbols.
    void parseUS()
    {
        USMarket.fill({});
        USMarket[2] = Index("kept", "kept", "kept", "kept");
        USMarket[2].MoreInfo = "info";
        QVERIFY(Stock::SaveUS());
        const QByteArray page = USPage({{"30 Industrials", "^DJI", "4:01pm", "8,897.81", "+65.32", "+0.74%"},
                                        {"20 Transportation", "^DJT", "4:02pm", "3,000.00", "-2.10", "-0.07%"},
                                        {"65 Composite", "^DJA", "t", "1", "+1", "+1%"},
                                        {"Volume in 000's", "^TV.N", "t", "2", "+2", "+2%"},
                                        {"Composite", "^NYA", "t", "3", "+3", "+3%"},
                                        {"Composite", "^IXIC", "t", "4", "+4", "+4%"},
                                        {"Volume in 000's", "^TV.O", "t", "5", "+5", "+5%"}});
        SheetFixture::WritePage(QStringLiteral("US.Sh"), LongLead + page);
        f.main->Parse_US();
        USMarket.fill({});
        QVERIFY(Stock::ReadUS());
        QCOMPARE(USMarket[0], Index("8,897.81", "4:01pm", "+65.32", "+0.74%"));
        QCOMPARE(USMarket[1].Change, QByteArray("-2.10"));
        QCOMPARE(USMarket[2].LastTrade, QByteArray("kept"));
        QCOMPARE(USMarket[2].MoreInfo, QByteArray("info"));
        QCOMPARE(USMarket[3].LastTrade, QByteArray("1"));
        QCOMPARE(USMarket[4].LastTrade, QByteArray("2"));
        QCOMPARE(USMarket[5].LastTrade, QByteArray("3"));
        QCOMPARE(USMarket[8].LastTrade, QByteArray("4"));
        QCOMPARE(USMarket[9].LastTrade, QByteArray("5"));
        QCOMPARE(USMarket[36].LastTrade, QByteArray());

        // No label found, or no page: US.dat stays as it is, or absent.
        const QByteArray saved = TestEnv::ReadAll(Stock::USFile());
        SheetFixture::WritePage(QStringLiteral("US.Sh"), "<html>nothing</html>");
        f.main->Parse_US();
        QCOMPARE(TestEnv::ReadAll(Stock::USFile()), saved);
        QFile::remove(Stock::USFile());
        f.main->Parse_US();
        QVERIFY(!QFile::exists(Stock::USFile()));
        QFile::remove(AppFolder + QStringLiteral("/Cache/DataSheet/US.Sh"));
        f.main->Parse_US();
        QVERIFY(!QFile::exists(Stock::USFile()));
    }

    // Labels and symbols are compared cleaned and without the blanks and
    // no-break spaces around them: each record takes its own row's figures.
    void parseUSPaddedLabels_data()
    {
        QTest::addColumn<QByteArray>("label");
        QTest::addColumn<QByteArray>("symbol");
        QTest::newRow("no-break space after") << QByteArray("Composite&nbsp;") << QByteArray("^NYA");
        QTest::newRow("no-break spaces around") << QByteArray("&nbsp;&nbsp;Composite &nbsp;") << QByteArray("^NYA");
        QTest::newRow("code page no-break space") << QByteArray("Composite\xA0") << QByteArray("^NYA\xA0");
        QTest::newRow("in a font tag") << QByteArray("<FONT>Composite</FONT>&nbsp;") << QByteArray("&nbsp;^NYA");
    }
    void parseUSPaddedLabels()
    {
        QFETCH(QByteArray, label);
        QFETCH(QByteArray, symbol);
        USMarket.fill(Index("old", "old", "old", "old"));
        QVERIFY(Stock::SaveUS());
        SheetFixture::WritePage(QStringLiteral("US.Sh"), USPage({{"30 Industrials", "^DJI", "t0", "l0", "+0", "p0"},
                                                                 {label, symbol, "t5", "l5", "+5", "p5"},
                                                                 {"Composite&nbsp;", "^IXIC", "t8", "l8", "+8", "p8"}}));
        f.main->Parse_US();
        USMarket.fill({});
        QVERIFY(Stock::ReadUS());
        QCOMPARE(USMarket[0], Index("l0", "t0", "+0", "p0"));
        QCOMPARE(USMarket[5], Index("l5", "t5", "+5", "p5"));
        QCOMPARE(USMarket[8], Index("l8", "t8", "+8", "p8"));
        QCOMPARE(USMarket[1], Index("old", "old", "old", "old"));
    }

    // A page without one of the two "Composite" rows: that record keeps
    // what US.dat held, and every other record takes its own row's figures,
    // never its neighbour's.
    void parseUSRowMissing_data()
    {
        QTest::addColumn<QByteArray>("symbol");
        QTest::addColumn<int>("record");
        QTest::newRow("no NYSE Composite") << QByteArray("^NYA") << 5;
        QTest::newRow("no Nasdaq Composite") << QByteArray("^IXIC") << 8;
        QTest::newRow("no NYSE volume") << QByteArray("^TV.N") << 4;
    }
    void parseUSRowMissing()
    {
        QFETCH(QByteArray, symbol);
        QFETCH(int, record);
        USMarket.fill(Index("old", "old", "old", "old"));
        QVERIFY(Stock::SaveUS());
        QList<std::array<QByteArray, 6>> rows;
        int k = 0;
        for (const MarketReaders::IndexRow &row : MarketReaders::USIndexRows()) {
            if (!row.symbol)
                continue;
            const QByteArray n = QByteArray::number(k++);
            if (symbol != row.symbol)
                rows.append({row.label, row.symbol, "t" + n, "l" + n, "+" + n, "p" + n});
        }
        SheetFixture::WritePage(QStringLiteral("US.Sh"), USPage(rows));
        f.main->Parse_US();
        USMarket.fill({});
        QVERIFY(Stock::ReadUS());
        for (int i = 0; i < Stock::USMarketSlots; ++i) {
            const QByteArray n = QByteArray::number(i);
            const MarketIndexRecord expected = i == record ? Index("old", "old", "old", "old") : Index("l" + n, "t" + n, "+" + n, "p" + n);
            QVERIFY2(USMarket[size_t(i)] == expected, n.constData());
        }
    }

    // Each region's title lands on the spacer row before it; the last
    // spacer and the empty row after it are hidden.
    void worldMarkets()
    {
        f.ShowMain();
        SheetFixture::WritePage(QStringLiteral("Market.Sh"), WorldPage(8));
        f.OpenNode("W_Market");
        QCOMPARE(CurrentView, QStringLiteral("WM"));
        QCOMPARE(fg()->Rows(), 7 + 4 * 8);
        QCOMPARE(fg()->TextMatrix(1, 1), QStringLiteral("Americas"));
        QCOMPARE(f.RowTexts(2).mid(1, 9), (QStringList{"Merval", "MERV", "^MERV", "Jun 2", "10,123.45", "+1.2", "+0.1%",
                                                     "Chart", "News"}));
        QCOMPARE(f.Picture(2), QStringLiteral("UP"));
        QCOMPARE(f.Picture(3), QStringLiteral("DN"));
        QVERIFY(f.Link(2, 3) && f.Link(2, 8) && f.Link(2, 9) && !f.Link(2, 5));
        const QList<std::pair<int, QString>> titles{{10, "Asia/Pacific"}, {19, "Europe"}, {28, "Africa/Middle East"}};
        for (const auto &[row, title] : titles) {
            QCOMPARE(fg()->TextMatrix(row, 1), title);
            QVERIFY(fg()->CellFontBold(row, 1));
            QCOMPARE(fg()->CellBackColor(row, 11), 0xFFFFFFu);
            QCOMPARE(fg()->RowHeight(row), 2 * f.base());
        }
        QCOMPARE(fg()->TextMatrix(29, 1), QStringLiteral("Idx24"));
        QCOMPARE(fg()->TextMatrix(36, 1), QStringLiteral("Idx31"));
        QCOMPARE(fg()->RowHeight(36), f.base());
        QCOMPARE(fg()->RowHeight(37), 0);
        QCOMPARE(fg()->RowHeight(38), 0);
        QCOMPARE(fg()->BackColor(), 0xE8FFFFu);
        QCOMPARE(fg()->TextMatrix(0, 3), QStringLiteral("Symbol"));

        f.OpenNode("mkt_ME");
        QCOMPARE(fg()->TopRow(), 28);

        // Link words past column 11 are dropped; the rest is drawn whole.
        QByteArray wide = WorldPage(2);
        wide.replace(wide.indexOf("News</a>"), 8, "News</a>, x, y, z");
        SheetFixture::WritePage(QStringLiteral("Market.Sh"), wide);
        f.main->FG_WMarket();
        QCOMPARE(fg()->Rows(), 7 + 4 * 2);
        QCOMPARE(f.RowTexts(2), (QStringList{"", "Merval", "MERV", "^MERV", "Jun 2", "10,123.45", "+1.2", "+0.1%", "Chart",
                                           "News", "x", "y"}));
        QCOMPARE(f.RowTexts(3).mid(1, 9), (QStringList{"Idx1", "IDX1", "^IDX1", "Jun 2", "10,123.45", "-3.0", "+0.1%",
                                                     "Chart", "News"}));
        QCOMPARE(fg()->TextMatrix(1, 1), QStringLiteral("Americas"));
        QCOMPARE(fg()->TextMatrix(10, 1), QStringLiteral("Africa/Middle East"));
        QCOMPARE(fg()->TextMatrix(12, 1), QStringLiteral("Idx7"));
        QCOMPARE(fg()->TextMatrix(0, 3), QStringLiteral("Symbol"));
        QCOMPARE(f.Picture(2), QStringLiteral("UP"));
        QCOMPARE(f.Percent(1), 20);

        QByteArray noEurope = WorldPage(1);
        noEurope.replace("Europe", "Eu");
        SheetFixture::WritePage(QStringLiteral("Market.Sh"), noEurope);
        f.main->FG_WMarket();
        f.ExpectMessage(QStringLiteral("No Data were found"));
        QFile::remove(AppFolder + QStringLiteral("/Cache/DataSheet/Market.Sh"));
        f.main->FG_WMarket();
        f.ExpectMessage(QStringLiteral("No Data were found"));
    }

    void optionSummary_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("symbol");
        QTest::newRow("leaders") << 0 << "Top 10 Option Volume Leaders" << "Pct Change" << "LEA 50 C";
        QTest::newRow("gainers") << 1 << "Top 10 Option Percentage Gainers" << "Pct Gain" << "GAI 50 C";
        QTest::newRow("losers") << 2 << "Top 10 Option Percentage Losers" << "Pct Loss" << "LOS 50 C";
    }
    void optionSummary()
    {
        QFETCH(int, mode);
        QFETCH(QString, title);
        QFETCH(QString, header);
        QFETCH(QString, symbol);
        SheetFixture::WritePage(QStringLiteral("OptSum.Sh"), OptionPage());
        f.OpenNode(mode == 0 ? "OptSum_D" : mode == 1 ? "OptSum_G" : "OptSum_L");
        QCOMPARE(CurrentView, QStringLiteral("OptSum"));
        QCOMPARE(fg()->Rows(), 4);
        QCOMPARE(fg()->TextMatrix(1, 0), title);
        QVERIFY(fg()->CellFontBold(1, 0));
        QCOMPARE(fg()->TextMatrix(0, 3), header);
        QCOMPARE(fg()->TextMatrix(2, 0), symbol);
        QCOMPARE(fg()->TextMatrix(1, 2), QStringLiteral("+/-"));
        QCOMPARE(fg()->CellForeColor(1, 2), fg()->CellForeColor(1, 1)); // the title row is never coloured
        QCOMPARE(fg()->CellForeColor(2, 2), 0xFF0000u);
        QCOMPARE(fg()->CellForeColor(2, 3), 255u);
        QCOMPARE(fg()->CellForeColor(3, 3), 0xFF0000u);
        QCOMPARE(fg()->CellForeColor(3, 2), fg()->CellForeColor(3, 1));
        QCOMPARE(fg()->RowHeight(1), 2 * f.base());
        QCOMPARE(f.Percent(0), 24);
    }

    void optionSummaryWithoutMarkers()
    {
        SheetFixture::WritePage(QStringLiteral("OptSum.Sh"), "<html>busy</html>");
        for (int16_t mode : {int16_t(0), int16_t(1), int16_t(2), int16_t(3)}) {
            f.main->FG_OptSum(mode);
            f.ExpectMessage(QStringLiteral("Tickerwatch do not have Options market informain."));
        }
    }

    void splits()
    {
        const QByteArray dated = CellsRow({"ABC", "Abc Co", "1,000", "06/01", "06/15", "<a href=\"/n\">News</a>", "Chart"});
        SheetFixture::WritePage(QStringLiteral("FMS_Today.Sh"),
                                SplitsPage(CellsRow({"Ticker", "Company", "Amount", "Ex", "Pay"}), {dated}));
        f.OpenNode("SP_T");
        QCOMPARE(CurrentView, QStringLiteral("FMS0"));
        QCOMPARE(fg()->Rows(), 3);
        QCOMPARE(f.RowTexts(2), (QStringList{"ABC", "Abc Co", "1000", "06/01", "06/15", "", ""}));
        QVERIFY(f.Link(2, 0) && !f.Link(2, 1));
        QCOMPARE(fg()->TextMatrix(1, 1), QStringLiteral("Today's Splits"));
        QCOMPARE(fg()->TextMatrix(0, 0), QStringLiteral("Ticker"));
        QCOMPARE(f.Percent(5), 0);

        const QByteArray recent = CellsRow({"DEF", "Def Co", "2-for-1", "05/01", "06/01", "06/15", "News", "Chart"});
        SheetFixture::WritePage(QStringLiteral("FMS_Rec.Sh"),
                                SplitsPage(CellsRow({"Sym", "Co", "Ratio", "Ann", "Ex", "Pay-date"}), {recent}));
        f.OpenNode("SP_R");
        QCOMPARE(CurrentView, QStringLiteral("FMS3"));
        QCOMPARE(fg()->TextMatrix(1, 0), QStringLiteral("Recently Announced Splits"));
        QVERIFY(fg()->CellFontBold(1, 0));
        QCOMPARE(fg()->TextMatrix(1, 1), QString());
        QVERIFY(!fg()->CellFontBold(1, 1));
        QCOMPARE(fg()->TextMatrix(2, 5), QStringLiteral("06/15"));
        QCOMPARE(f.Percent(5), 0);
        QCOMPARE(fg()->TextMatrix(0, 3), QStringLiteral("Announce Date"));
        QVERIFY(!f.Link(2, 0));

        // The tech list's marker holds "The", which the tags step leaves
        // as it stands outside the tags.
        SheetFixture::WritePage(QStringLiteral("FMS_Tech.Sh"),
                                SplitsPage("<tr><td><b>Tech Stocks with The Most Splits</b></td></tr>",
                                           {CellsRow({"GHI", "Ghi Co", "7", "News", "Chart"})}));
        f.OpenNode("SP_C");
        QCOMPARE(CurrentView, QStringLiteral("FMS4"));
        QCOMPARE(f.RowTexts(2).mid(0, 3), (QStringList{"GHI", "Ghi Co", "7"}));
        QCOMPARE((QList<int>{f.Percent(0), f.Percent(1), f.Percent(2), f.Percent(3)}), (QList<int>{38, 29, 29, 0}));

        QFile::remove(AppFolder + QStringLiteral("/Cache/DataSheet/FMS_Today.Sh"));
        f.main->FG_SplitsCalendar(0);
        f.ExpectMessage(QStringLiteral("Data is not available, connect to Internet, and update again ."));
        QCOMPARE(CurrentView, QStringLiteral("FMS0"));
    }

    // None of these views sorts: a double-click leaves grid and order alone.
    void noSorting()
    {
        f.ShowMain();
        SheetFixture::WritePage(QStringLiteral("F_Conv.Sh"),
                                "<p>Date</p><table><tr><td>ZZX</td></tr><tr><td>AAX</td></tr></table>");
        f.main->FG_Funds(QStringLiteral("F_Conv"));
        DoubleClick(fg()->viewport(), CellCenter(fg(), 2, 0));
        QCOMPARE(fg()->TextMatrix(2, 0), QStringLiteral("ZZX"));
        QCOMPARE(GridInteraction::SortOrder, int16_t(0));
    }
};

TW_TEST(tst_marketsheets)
#include "tst_marketsheets.moc"
