// The research sheets: splits, upgrades, downgrades, broker reports,
// momentum rating, profile and short interest, from page bytes to cells.
#include "SheetFixture.h"
#include "common/TestRegistry.h"

#include <QPointer>
#include <QTest>

using tw::test::HttpHead;
using tw::test::SheetFixture;

using Filler = void (frmMain::*)();
Q_DECLARE_METATYPE(Filler)

namespace {

QByteArray Row(const QList<QByteArray> &texts)
{
    QByteArray row = "<tr>";
    for (const QByteArray &t : texts)
        row += "<td>" + t + "</td>";
    return row + "</tr>\r\n";
}

const QByteArray kNewstar = Row({"Jan 5, 2001", "Newstar Securities", "Upgraded to Buy, from Hold"});
const QByteArray kThomas = Row({"Feb 1, 2001", "Thomas Weisel", "Upgraded to Strong Buy"});

// Upgrades, downgrades: "begin splits", a head row, rows, "</table>".
QByteArray Changes(const QByteArray &rows, const QByteArray &lead = {})
{
    return HttpHead + "<html><body>" + lead + "<!-- begin splits --><table><tr><th>Date</th><th>Firm</th></tr>\r\n" + rows
           + "</table></body></html>";
}

QByteArray Split(int n) { return Row({"Split", QByteArray::number(n) + " for 1", "a", "b", "c", "d"}); }

QByteArray Splits(const QByteArray &rows, const QByteArray &lead = {})
{
    return HttpHead + "<html><body>" + lead + "<!-- begin splits --><table><tr><td>Type</td></tr>\r\n" + rows
           + "<!-- end splits --></table></body></html>";
}

QByteArray ReportsPage(const QByteArray &rows, const QByteArray &lead = {})
{
    return HttpHead + "<html><body>" + lead + "<!-- begin reports --><table><tr><th>Date</th></tr>\r\n" + rows
           + "</table></body></html>";
}

const QByteArray kReport = Row({"Mar 2 2001", "Birch Capital", "Target raised"});
const QByteArray kFooter = Row({"Reports of the last 90 days"});

QByteArray Momentum(const QByteArray &first, const QByteArray &lead = {})
{
    return HttpHead + "<html><body>" + lead
           + "<table><tr><th>Rank</th><th>Sells</th></tr>\r\n<tr><td>" + first
           + "</td><td>25</td><td>8</td><td>3</td><td>1</td></tr></table></body></html>";
}

QByteArray Profile(const QByteArray &text, const QByteArray &lead = {})
{
    return "<html><head><title>ZETA Profile</title></head><body>" + lead + "<hr>" + text + "<hr></body></html>";
}

QByteArray ShortInterest(const QByteArray &rows, const QByteArray &lead = {})
{
    return HttpHead + "<html><body>" + lead
           + "<table><tr><th>Date</th><th>Days to Cover</th></tr>\r\n" + rows + "</table></body></html>";
}

const QByteArray kInterest = Row({"Jan 15, 2001", "1,234,567", "456,789", "2.70"});

const QString kUpHeads = QStringLiteral("Date|Broker|Comments on Zeta Corp");
const QString kUpTitle = QStringLiteral("ZETA\r\nUpgrades||");
// Names keep every letter: tag clean-up touches tags, and the link words go
// only where they stand as words.
const QString kUpNewstar = QStringLiteral("Jan 5 2001|Newstar Securities|Upgraded to Buy from Hold");
const QString kUpThomas = QStringLiteral("Feb 1 2001|Thomas Weisel|Upgraded to Strong Buy");
const QString kSplitHeads = QStringLiteral("Type|Amount|Ex-Date|Pay-Date|Rec-Date|An-Date");
const QString kSplitTitle = QStringLiteral("ZETA\r\nSplits History|||||");
const QString kBrpTitle = QStringLiteral("ZETA\r\nBroker Reports||");
const QString kSiHeads = QStringLiteral("Settlement Date |Short Interest|Avg Daily Share Volume|Days to Cover");
const QString kSiTitle = QStringLiteral("ZETA\r\nShort Interest|||");
const QString kSiRow = QStringLiteral("Jan15,2001|1,234,567|456,789|2.70");

const QString kNoUpgrades =
    QStringLiteral("No upgrades were found for the symbol you requested, Zeta Corp (ZETA)");
const QString kNoDowngrades =
    QStringLiteral("No downgrads were found for the symbol you requested, Zeta Corp (ZETA)");
const QString kNoSplits = QStringLiteral("No splits were found for the symbol you requested, ZETA");
const QString kNoData = QStringLiteral("No data for the stock you requested, Zeta Corp (ZETA)");

} // namespace

class tst_research : public QObject {
    Q_OBJECT
    SheetFixture f;

    // The page (none when null) as file, then the filler, over a grid that
    // showed a four-column sheet before.
    void Show(Filler fill, const QString &file, const QByteArray &page)
    {
        f.fg()->SetRows(9);
        f.fg()->SetCols(4);
        f.fg()->SetTextMatrix(5, 1, QStringLiteral("before"));
        if (!page.isNull())
            SheetFixture::WritePage(file, page);
        (f.main->*fill)();
        QVERIFY(f.fg()->Redraw());
        QCOMPARE(ZoomMode, int16_t(0));
    }

private Q_SLOTS:
    void init() { f.Start(); }
    void cleanup() { f.Stop(); }

    void rows_data()
    {
        QTest::addColumn<Filler>("fill");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QStringList>("cells");
        const QString uph = QStringLiteral("ZETA_uph.Sh"), sp = QStringLiteral("ZETA_sp.Sh"),
                      brp = QStringLiteral("ZETA_brp.Sh"), si = QStringLiteral("ZETA_SI.Sh");
        const QStringList up{kUpHeads, kUpTitle, kUpNewstar, kUpThomas};
        QTest::newRow("upgrades") << &frmMain::FG_UPH << uph << Changes(kNewstar + kThomas) << up;
        QTest::newRow("upgrades, marker past 32767")
            << &frmMain::FG_UPH << uph << Changes(kNewstar + kThomas, tw::test::LongLead) << up;
        QTest::newRow("upgrades, empty table row")
            << &frmMain::FG_UPH << uph << Changes(kNewstar + "<tr></tr>\r\n" + kThomas)
            << QStringList{kUpHeads, kUpTitle, kUpNewstar, QStringLiteral("||"), kUpThomas};
        QTest::newRow("upgrades, tabs and struck words")
            << &frmMain::FG_UPH << uph
            << Changes(Row({"Jan\t5", "Chart&nbsp;Compare BrokerReports Firm", "a &amp; b"}))
            << QStringList{kUpHeads, kUpTitle, QStringLiteral("Jan 5|Firm|a & b")};
        QTest::newRow("link words only as words")
            << &frmMain::FG_UPH << uph << Changes(Row({"Mar 3, 2001", "Newsome Charts", "Raised News Chart,Compare"}))
            << QStringList{kUpHeads, kUpTitle, QStringLiteral("Mar 3 2001|Newsome Charts|Raised")};
        QTest::newRow("downgrades keep a capital Th")
            << &frmMain::FG_DNH << QStringLiteral("ZETA_dnh.Sh") << Changes(kThomas, tw::test::LongLead)
            << QStringList{kUpHeads, QStringLiteral("ZETA\r\nDowngrades||"),
                           QStringLiteral("Feb 1 2001|Thomas Weisel|Upgraded to Strong Buy")};
        const QStringList splits{kSplitHeads, kSplitTitle, QStringLiteral("Split|2 for 1|a|b|c|d"),
                                 QStringLiteral("Split|3 for 1|a|b|c|d"), QStringLiteral("Split|4 for 1|a|b|c|d")};
        QTest::newRow("splits, an empty row among them")
            << &frmMain::FG_Split << sp << Splits(Split(2) + "<tr></tr>\r\n" + Split(3) + Split(4)) << splits;
        QTest::newRow("splits, marker past 32767")
            << &frmMain::FG_Split << sp << Splits(Split(2) + Split(3) + Split(4), tw::test::LongLead) << splits;
        QTest::newRow("splits, commas kept")
            << &frmMain::FG_Split << sp << Splits(Row({"Split", "2,000"}))
            << QStringList{kSplitHeads, kSplitTitle, QStringLiteral("Split|2,000||||")};
        QTest::newRow("broker reports")
            << &frmMain::FG_BRP << brp << ReportsPage(kReport + kReport + kReport + kFooter, tw::test::LongLead)
            << QStringList{kUpHeads, kBrpTitle, QStringLiteral("Mar 2 2001|Birch Capital|Target raised"),
                           QStringLiteral("Mar 2 2001|Birch Capital|Target raised"),
                           QStringLiteral("Mar 2 2001|Birch Capital|Target raised"),
                           QStringLiteral("Reports of the last 90 days||")};
        QTest::newRow("short interest") << &frmMain::FG_SI << si << ShortInterest(kInterest, tw::test::LongLead)
                                        << QStringList{kSiHeads, kSiTitle, kSiRow};
        QTest::newRow("short interest, five cells and two")
            << &frmMain::FG_SI << si << ShortInterest(Row({"a", "b", "c", "d", "e"}) + Row({"x y", "z"}) + "<tr></tr>")
            << QStringList{kSiHeads, kSiTitle, QStringLiteral("a|b|c|d"), QStringLiteral("xy|z||"),
                           QStringLiteral("|||")};
    }
    void rows()
    {
        QFETCH(Filler, fill);
        QFETCH(QString, file);
        QFETCH(QByteArray, page);
        QFETCH(QStringList, cells);
        Show(fill, file, page);
        QCOMPARE(SheetFixture::Cells(f.fg()), cells);
    }

    void messages_data()
    {
        QTest::addColumn<Filler>("fill");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("page"); // null: none
        QTest::addColumn<QString>("message");
        const QString uph = QStringLiteral("ZETA_uph.Sh"), dnh = QStringLiteral("ZETA_dnh.Sh"),
                      sp = QStringLiteral("ZETA_sp.Sh"), brp = QStringLiteral("ZETA_brp.Sh"),
                      mr = QStringLiteral("ZETA_mr.Sh"), p = QStringLiteral("ZETA_P.Sh"), si = QStringLiteral("ZETA_SI.Sh");
        QTest::newRow("upgrades missing") << &frmMain::FG_UPH << uph << QByteArray() << kNoUpgrades;
        QTest::newRow("upgrades holding the no-data text")
            << &frmMain::FG_UPH << uph << Changes(kNewstar) + "No upgrades were found" << kNoUpgrades;
        QTest::newRow("upgrades, row without its end")
            << &frmMain::FG_UPH << uph << Changes("<tr><td>a</td>") << kNoUpgrades;
        QTest::newRow("downgrades missing") << &frmMain::FG_DNH << dnh << QByteArray() << kNoDowngrades;
        QTest::newRow("downgrades without marker")
            << &frmMain::FG_DNH << dnh << Changes(kThomas).replace("begin splits", "begin") << kNoDowngrades;
        QTest::newRow("downgrades holding the no-data text")
            << &frmMain::FG_DNH << dnh << "No downgrades were found" + Changes(kThomas) << kNoDowngrades;
        QTest::newRow("splits missing") << &frmMain::FG_Split << sp << QByteArray() << kNoSplits;
        QTest::newRow("splits without end marker")
            << &frmMain::FG_Split << sp << Splits(Split(2)).replace("end splits", "end") << kNoSplits;
        QTest::newRow("broker reports missing")
            << &frmMain::FG_BRP << brp << QByteArray() << kNoData + QStringLiteral("\r\nPlease update again.");
        QTest::newRow("broker reports without marker")
            << &frmMain::FG_BRP << brp << ReportsPage(kReport).replace("begin reports", "begin splits")
            << QStringLiteral("No broker reports were found for the symbol you requested, Zeta Corp (ZETA)");
        QTest::newRow("momentum missing") << &frmMain::FG_NMR << mr << QByteArray() << kNoData;
        QTest::newRow("momentum without Sells") << &frmMain::FG_NMR << mr << Momentum("12").replace("Sells", "S") << kNoData;
        QTest::newRow("momentum with four values")
            << &frmMain::FG_NMR << mr << Momentum("12").replace("<td>1</td>", "") << kNoData;
        QTest::newRow("momentum: no rating")
            << &frmMain::FG_NMR << mr << Momentum("No rating")
            << QStringLiteral("Tickerwatch did not find momentum ratings data for ZETA");
        QTest::newRow("profile missing") << &frmMain::FG_Profile << p << QByteArray() << tw::test::NoDataForZeta;
        QTest::newRow("profile without a rule") << &frmMain::FG_Profile << p << QByteArray("<html>text</html>") << QString();
        QTest::newRow("profile with one rule")
            << &frmMain::FG_Profile << p << QByteArray("<html><hr>text</html>") << QString();
        QTest::newRow("short interest missing") << &frmMain::FG_SI << si << QByteArray() << tw::test::NoDataForZeta;
        QTest::newRow("short interest without Cover")
            << &frmMain::FG_SI << si << ShortInterest(kInterest).replace("Cover", "Cov") << tw::test::NoDataForZeta;
        QTest::newRow("short interest cell without end")
            << &frmMain::FG_SI << si << ShortInterest("<tr><td>a</tr>") << tw::test::NoDataForZeta;
    }
    void messages()
    {
        QFETCH(Filler, fill);
        QFETCH(QString, file);
        QFETCH(QByteArray, page);
        QFETCH(QString, message);
        Show(fill, file, page);
        QCOMPARE(f.fg()->Rows(), 1);
        QCOMPARE(f.fg()->TextMatrix(0, 0), message);
        QCOMPARE(f.fg()->RowHeight(0), 3 * f.base());
    }

    void upgradesLayout()
    {
        Show(&frmMain::FG_UPH, QStringLiteral("ZETA_uph.Sh"), Changes(kNewstar + kThomas));
        FlexGrid *g = f.fg();
        QCOMPARE(g->RowHeight(0), f.base());
        for (int r = 1; r < 4; ++r)
            QCOMPARE(g->RowHeight(r), 2 * f.base());
        QVERIFY(g->CellFontBold(1, 0));
        QCOMPARE(g->CellBackColor(1, 0), 0xFFFFFFu);
        QCOMPARE(g->ColAlignment(0), 4);
        QCOMPARE(g->ColAlignment(1), 1);
    }

    // The footer row is hidden; with no report, the title row is the last.
    void brokerReportsLastRowHidden_data()
    {
        QTest::addColumn<QByteArray>("rows");
        QTest::addColumn<int>("gridRows");
        QTest::newRow("three reports and footer") << kReport + kReport + kReport + kFooter << 6;
        QTest::newRow("one row") << kReport << 3;
        QTest::newRow("none") << QByteArray() << 2;
    }
    void brokerReportsLastRowHidden()
    {
        QFETCH(QByteArray, rows);
        QFETCH(int, gridRows);
        Show(&frmMain::FG_BRP, QStringLiteral("ZETA_brp.Sh"), ReportsPage(rows));
        FlexGrid *g = f.fg();
        QCOMPARE(g->Rows(), gridRows);
        for (int r = 0; r < gridRows; ++r)
            QCOMPARE(g->RowHeight(r) > 0, r < gridRows - 1);
        QCOMPARE(g->CellAlignment(0, 2), 3);
    }

    void momentum()
    {
        Show(&frmMain::FG_NMR, QStringLiteral("ZETA_mr.Sh"), Momentum("12", tw::test::LongLead));
        FlexGrid *g = f.fg();
        QCOMPARE(g->Rows(), 7);
        QCOMPARE(g->Cols(), 1);
        const QStringList cells = SheetFixture::Cells(g);
        QCOMPARE(cells.mid(0, 5), (QStringList{QStringLiteral("Zeta Corp Momentum Rating"), QStringLiteral("Rank: 12"),
                                               QStringLiteral("Momentum Rating: 25"), QStringLiteral("Buys: 8"),
                                               QStringLiteral("Holds: 3")}));
        QVERIFY(cells[5].endsWith(QStringLiteral(" 1")));
        QVERIFY(cells[6].startsWith(QStringLiteral("\r\nThe premise behind the Momentum Ratings is simple:")));
        QCOMPARE(g->CellForeColor(6, 0), 0x808080u);
        QCOMPARE(g->RowHeight(6), 30 * f.base());
        QCOMPARE(g->RowHeight(5), f.base());
        QVERIFY(g->CellFontBold(0, 0));
    }

    // No stock on show: the view code changes, nothing else.
    void momentumWithoutSymbol()
    {
        f.fg()->SetRows(3);
        f.fg()->SetTextMatrix(2, 1, QStringLiteral("kept"));
        CurrentSymbol.clear();
        ZoomMode = -1;
        f.main->FG_NMR();
        QCOMPARE(CurrentView, QStringLiteral("NMR"));
        QCOMPARE(ZoomMode, int16_t(0));
        QCOMPARE(f.fg()->TextMatrix(2, 1), QStringLiteral("kept"));
    }

    void profile_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("text");
        QTest::newRow("sentences") << Profile("ZETA Corp. makes widgets. It sells them worldwide.")
                                   << QStringLiteral("ZETA Corp\r\nmakes widgets\r\nIt sells them worldwide.");
        QTest::newRow("rule past 32767") << Profile("Zeta Inc. makes gears", tw::test::LongLead)
                                         << QStringLiteral("Zeta Inc\r\nmakes gears");
        QTest::newRow("line breaks run words together")
            << Profile("makes wid\r\ngets\tand more") << QStringLiteral("makes widgetsand more");
        QTest::newRow("only tags between the rules") << Profile("<b></b>") << QString();
        QTest::newRow("first hr in a link") << QByteArray("<a href=\"x\">Profile text</a><hr>rest")
                                            << QStringLiteral("Profile text");
    }
    void profile()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, text);
        Show(&frmMain::FG_Profile, QStringLiteral("ZETA_P.Sh"), page);
        FlexGrid *g = f.fg();
        QCOMPARE(g->Rows(), 2);
        QCOMPARE(g->Cols(), 3);
        QCOMPARE(g->TextMatrix(1, 1), text);
        QCOMPARE(g->TextMatrix(0, 1), QStringLiteral("Zeta Corp (ZETA) Profile"));
        QCOMPARE(g->RowHeight(1), 7 * f.base());
        QCOMPARE(g->GridLines(), 0);
        QCOMPARE(g->CellForeColor(1, 1), 0x404040u);
    }

    // The zoom hand-over: every research sheet but the downgrades draws into
    // the Zoom window's grid.
    void zoom_data()
    {
        QTest::addColumn<Filler>("fill");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<bool>("zoomed");
        QTest::newRow("splits") << &frmMain::FG_Split << QStringLiteral("ZETA_sp.Sh") << Splits(Split(2)) << true;
        QTest::newRow("upgrades") << &frmMain::FG_UPH << QStringLiteral("ZETA_uph.Sh") << Changes(kNewstar) << true;
        QTest::newRow("downgrades") << &frmMain::FG_DNH << QStringLiteral("ZETA_dnh.Sh") << Changes(kNewstar) << false;
        QTest::newRow("momentum") << &frmMain::FG_NMR << QStringLiteral("ZETA_mr.Sh") << Momentum("12") << true;
        QTest::newRow("broker reports") << &frmMain::FG_BRP << QStringLiteral("ZETA_brp.Sh") << ReportsPage(kReport) << true;
        QTest::newRow("profile") << &frmMain::FG_Profile << QStringLiteral("ZETA_P.Sh") << Profile("x") << true;
        QTest::newRow("short interest") << &frmMain::FG_SI << QStringLiteral("ZETA_SI.Sh") << ShortInterest(kInterest)
                                        << true;
    }
    void zoom()
    {
        QFETCH(Filler, fill);
        QFETCH(QString, file);
        QFETCH(QByteArray, page);
        QFETCH(bool, zoomed);
        QPointer<QWidget> window;
        QPointer<FlexGrid> grid;
        SheetFrame::SetZoomMaker([&] {
            window = new QWidget(f.main, Qt::Window);
            grid = new FlexGrid(window);
            return SheetFrame::ZoomTarget{window, grid};
        });
        ZoomMode = -1;
        Show(fill, file, page);
        QCOMPARE(bool(window), zoomed);
        QCOMPARE(TargetGrid, zoomed ? grid.data() : f.fg());
        QCOMPARE(f.fg()->TextMatrix(5, 1), zoomed ? QStringLiteral("before") : QString());
        delete window.data();
    }
};

TW_TEST(tst_research)
#include "tst_research.moc"
