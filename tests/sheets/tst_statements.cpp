// Annual balance sheet and income statement: page bytes to grid cells.
#include "SheetFixture.h"
#include "common/TestRegistry.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "sheets/Utilities.h"

#include <QTest>

using tw::test::SheetFixture;

namespace {

QByteArray Row(const QList<QByteArray> &cells)
{
    QByteArray r = "<tr>";
    for (const QByteArray &c : cells)
        r += "<td>" + c + "</td>";
    return r + "</tr>\r\n";
}

QByteArray Line(const QByteArray &label, const QByteArray &figure = "1,000")
{
    return Row({label, figure, figure, figure, figure, figure});
}

const QByteArray kHead = Row({"In Millions", "FY23", "FY22", "FY21", "FY20", "FY19"});

// A statement page of the research site's shape: the name in the title and
// over the table.
QByteArray Page(const QByteArray &name, const QByteArray &rows, const QByteArray &before = {})
{
    return "<html><head><title>ZETA " + name + "</title></head><body>\r\n" + before + "<h2>ZETA " + name
           + "</h2>\r\n<table border=1>\r\n" + rows + "</table>\r\n</body></html>\r\n";
}
QByteArray Income(const QByteArray &rows, const QByteArray &before = {})
{
    return Page("Annual Income Statement", rows, before);
}
QByteArray Balance(const QByteArray &rows, const QByteArray &before = {})
{
    return Page("Annual Balance Sheet", rows, before);
}

const QString kNoData = tw::test::NoDataForZeta + QStringLiteral("|||||");
const QString kBad = QStringLiteral("The Zeta Corp\" annual income statement data is bad, connect to the Internet, "
                                    "and update again .|||||");
const QString kEmptyRow = QStringLiteral("|||||");
const QString kFigures = QStringLiteral("|1,000|1,000|1,000|1,000|1,000");
const QString kHeadRow = QStringLiteral("Zeta Corp|FY23|FY22|FY21|FY20|FY19");

} // namespace

class tst_statements : public QObject {
    Q_OBJECT
    SheetFixture f;

    void Fill(bool balance, const QByteArray &page)
    {
        if (balance)
            f.Fill(&frmMain::FG_ABS, QStringLiteral("ZETA_ABS.Sh"), page, 6, QStringLiteral("ABS"));
        else
            f.Fill(&frmMain::FG_AIS, QStringLiteral("ZETA_AIS.Sh"), page, 6, QStringLiteral("AIS"));
    }

    // A column of that share of the main grid, as the grid keeps it.
    int ColWidth(double percent) const
    {
        return int(Twips::FromPixels(Twips::ToPixels(FlexGrid::PercentTwips(percent, f.fg()->Width()))));
    }

private Q_SLOTS:
    void init() { f.Start(); }
    void cleanup() { f.Stop(); }

    void income_data()
    {
        QTest::addColumn<QByteArray>("page"); // null: no page
        QTest::addColumn<QStringList>("cells");
        const QStringList three{kHeadRow, QStringLiteral("Annual Income Statement|||||"),
                                QStringLiteral("Revenue") + kFigures, QStringLiteral("Net Income") + kFigures,
                                kEmptyRow};
        QTest::newRow("three table rows") << Income(kHead + Line("Revenue") + Line("Net Income")) << three;
        QTest::newRow("40000 characters first") << Income(kHead + Line("Revenue") + Line("Net Income"), tw::test::LongLead)
                                                << three;
        QTest::newRow("spanning cell")
            << Income(kHead + "<tr><td>Per Share</td><td colspan=5>in dollars</td></tr>\r\n")
            << QStringList{kHeadRow, QStringLiteral("Annual Income Statement|||||"),
                           QStringLiteral("Per Share|||||in dollars"), kEmptyRow};
        QTest::newRow("spanning header cell is not read")
            << Income(kHead + "<tr><th colspan=5>Notes</th></tr>\r\n" + Line("Revenue"))
            << QStringList{kHeadRow, QStringLiteral("Annual Income Statement|||||"),
                           QStringLiteral("Revenue") + kFigures, kEmptyRow};
        QTest::newRow("ii removed") << Income(kHead + Line("Skiing Revenue"))
                                    << QStringList{kHeadRow, QStringLiteral("Annual Income Statement|||||"),
                                                   QStringLiteral("Skng Revenue") + kFigures, kEmptyRow};
        // The cell number starts again with each table row, so only a sixth
        // cell of one table row closes the grid row: this one stays open and
        // is the last, hidden row.
        QTest::newRow("short rows share a grid row")
            << Income(kHead + Row({"Revenue", "1", "2"}) + Row({"3", "4", "5"}))
            << QStringList{kHeadRow, QStringLiteral("Annual Income Statement|||||"),
                           QStringLiteral("Revenue|1|2|3|4|5")};
        QTest::newRow("page missing") << QByteArray() << QStringList{
            QStringLiteral("Tickerwatch do not have additional information for Zeta Corp|||||")};
        QTest::newRow("no anchor") << Page("Income", kHead) << QStringList{kBad};
        QTest::newRow("empty page") << QByteArray("") << QStringList{kBad};
        QTest::newRow("no table after the anchor")
            << QByteArray("<table><tr><td>x</td></tr></table>Annual Income Statement") << QStringList{kBad};
        QTest::newRow("no table end") << Income(kHead).replace("</table>", "") << QStringList{kBad};
        QTest::newRow("row without its end") << Income(kHead + "<tr><td>Revenue</td>") << QStringList{kBad};
        QTest::newRow("cell without its end") << Income(kHead + "<tr><td>Revenue</tr>") << QStringList{kBad};
        // Cells past column 5 are dropped: those a continued row pushes
        // there, and a table row's cells after its sixth, which take no
        // column, so the next table row keeps its place.
        QTest::newRow("cell beyond column 5")
            << Income(kHead + Row({"a", "b"}) + Row({"c", "d", "e", "f", "g"}))
            << QStringList{kHeadRow, QStringLiteral("Annual Income Statement|||||"), QStringLiteral("a|b|c|d|e|f")};
        QTest::newRow("table row of seven cells")
            << Income(kHead + Row({"Revenue", "1", "2", "3", "4", "5", "6"}) + Line("Net Income"))
            << QStringList{kHeadRow, QStringLiteral("Annual Income Statement|||||"), QStringLiteral("Revenue|1|2|3|4|5"),
                           QStringLiteral("Net Income") + kFigures, kEmptyRow};
    }
    void income()
    {
        QFETCH(QByteArray, page);
        QFETCH(QStringList, cells);
        Fill(false, page);
        QCOMPARE(SheetFixture::Cells(f.fg()), cells);
    }

    // Rows and looks of a statement read: header, title, lines, one hidden row.
    void incomeLayout()
    {
        Fill(false, Income(kHead + Line("Revenue") + Line("Net Income")));
        FlexGrid *g = f.fg();
        QCOMPARE(g->TopRow(), 1);
        QCOMPARE(g->RowHeight(0), f.base());
        QCOMPARE(g->RowHeight(1), 2 * f.base());
        QCOMPARE(g->RowHeight(3), f.base());
        QCOMPARE(g->RowHeight(4), 0);
        for (int c = 0; c < 6; ++c)
            QCOMPARE(g->CellAlignment(0, c), 4);
        QVERIFY(g->CellFontBold(1, 0));
        QCOMPARE(g->CellTextStyle(1, 0), 3);
        QCOMPARE(g->CellBackColor(1, 0), 0xFFFFFFu);
        QCOMPARE(g->GridLines(), 1);
        QCOMPARE(g->ColWidth(0), ColWidth(31));
        QCOMPARE(g->ColWidth(5), ColWidth(13));
    }

    // The last column is right-aligned whatever the sheet before left there
    // (the insider sheet's column 5 is left-aligned).
    void incomeLastColumnAlignment()
    {
        f.fg()->SetCols(6);
        f.fg()->SetColAlignment(5, 1);
        Fill(false, Income(kHead + Line("Revenue")));
        QCOMPARE(f.fg()->ColAlignment(5), 7);
        QCOMPARE(f.fg()->ColAlignment(0), 1);
    }

    void balance_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QStringList>("cells");
        const QStringList two{kHeadRow, QStringLiteral("Annual Balance Sheet|||||"),
                              QStringLiteral("Cash") + kFigures, kEmptyRow, kEmptyRow};
        QTest::newRow("named twice") << Balance(kHead + Line("Cash")) << two;
        QTest::newRow("40000 characters first") << Balance(kHead + Line("Cash"), tw::test::LongLead) << two;
        QTest::newRow("named once")
            << QByteArray("<html><body><p>Annual Balance Sheet</p><table>" + kHead + Line("Cash") + "</table>")
            << two;
        // The table after the second naming is the statement.
        QTest::newRow("table before the second naming")
            << Balance(kHead + Line("Cash"), "<table>" + Row({"Decoy"}) + "</table>") << two;
        QTest::newRow("section headings")
            << Balance(kHead + Row({"Assets", ""}) + Line("Cash") + Row({"Liabilities &amp; Shareholder's Equity", ""})
                       + Row({"Shareholders' Equity", ""}))
            << QStringList{kHeadRow, QStringLiteral("Annual Balance Sheet|||||"), QStringLiteral("Assets|||||"),
                           QStringLiteral("Cash") + kFigures,
                           QStringLiteral("Liabilities & Shareholder's Equity|||||"),
                           QStringLiteral("Shareholders' Equity|||||"), kEmptyRow, kEmptyRow};
        QTest::newRow("ii and doubled font ends")
            << Balance(kHead + Line("<font><font>Receivables from Hawaii</font></font>"))
            << QStringList{kHeadRow, QStringLiteral("Annual Balance Sheet|||||"),
                           QStringLiteral("Receivables from Hawa") + kFigures, kEmptyRow, kEmptyRow};
        QTest::newRow("page missing") << QByteArray() << QStringList{kNoData};
        QTest::newRow("not named") << Page("Balance", kHead) << QStringList{kNoData};
        QTest::newRow("no table end") << Balance(kHead).replace("</table>", "") << QStringList{kNoData};
        QTest::newRow("row without its end") << Balance(kHead + "<tr><td>Cash</td>") << QStringList{kNoData};
        // A heading alone in its row leaves the grid row open; the next row
        // runs past column 5, loses its last cell there, and the sheet goes on.
        QTest::newRow("heading alone in its row")
            << Balance(kHead + Row({"Assets"}) + Line("Cash") + Line("Debt"))
            << QStringList{kHeadRow, QStringLiteral("Annual Balance Sheet|||||"),
                           QStringLiteral("Assets|Cash|1,000|1,000|1,000|1,000"), QStringLiteral("Debt") + kFigures,
                           kEmptyRow, kEmptyRow};
        QTest::newRow("table row of seven cells")
            << Balance(kHead + Row({"Cash", "1", "2", "3", "4", "5", "6"}) + Line("Debt"))
            << QStringList{kHeadRow, QStringLiteral("Annual Balance Sheet|||||"), QStringLiteral("Cash|1|2|3|4|5"),
                           QStringLiteral("Debt") + kFigures, kEmptyRow, kEmptyRow};
    }
    void balance()
    {
        QFETCH(QByteArray, page);
        QFETCH(QStringList, cells);
        Fill(true, page);
        QCOMPARE(SheetFixture::Cells(f.fg()), cells);
    }

    void balanceLayout()
    {
        Fill(true, Balance(kHead + Row({"Assets", ""}) + Line("Cash")));
        FlexGrid *g = f.fg();
        QCOMPARE(g->TopRow(), 1);
        QCOMPARE(g->RowHeight(0), f.base());
        QCOMPARE(g->RowHeight(1), f.base());
        QCOMPARE(g->RowHeight(2), 2 * f.base());
        QCOMPARE(g->RowHeight(4), 0);
        QCOMPARE(g->RowHeight(5), 0);
        QCOMPARE(g->CellAlignment(2, 0), 2);
        QCOMPARE(g->CellTextStyle(2, 0), 4);
        QCOMPARE(g->CellFontWidth(2, 0), 4.0f);
        for (int c = 0; c < 6; ++c)
            QCOMPARE(g->ColAlignment(c), c ? 7 : 1);
    }
};

TW_TEST(tst_statements)
#include "tst_statements.moc"
