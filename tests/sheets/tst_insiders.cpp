// Insider trades and report filings: page bytes to grid cells.
#include "SheetFixture.h"
#include "common/TestRegistry.h"

#include <QTest>

using tw::test::SheetFixture;

namespace {

// --- insider pages: the fourth table after the first "Insider Trades" ---

QByteArray Trade(const QByteArray &link = "<a href=\"insider/zeta-1.html\">Doe, Jane</a>")
{
    return "<tr><td>2024-01-02</td><td>" + link
           + "</td><td>Sale</td><td>1,000</td><td>Direct</td><td>10.00</td><td>10,000</td></tr>\r\n";
}

const QByteArray kHeads = "<tr><th>Date</th><th>Insider</th><th>Transaction</th></tr>\r\n";

QByteArray Insider(const QByteArray &rows, int tablesBefore = 3, const QByteArray &lead = {})
{
    QByteArray page = "HTTP/1.0 200 OK\r\n\r\n<html><head><title>ZETA Insider Trades</title></head><body>\r\n" + lead;
    for (int i = 0; i < tablesBefore; ++i)
        page += "<table><tr><td>Summary " + QByteArray::number(i) + "</td></tr></table>\r\n";
    return page + "<table border=1>\r\n" + rows + "</table>\r\n</body></html>\r\n";
}

const QString kInsiderHeads = QStringLiteral("Date||Name|Action|Shares|Type|Price|Value");
const QString kInsiderTitle = QStringLiteral("||Zeta Corp\r\nInsider Trades|||||");
const QString kTradeRow = QStringLiteral("2024-01-02|insider/zeta-1.html|Doe, Jane|Sale|1,000|Direct|10.00|10,000");
const QString kEight = QStringLiteral("|||||||");

// --- filings pages: the table after the "Sort By" table, heads left out ---

QByteArray Filing(const QByteArray &form = "10-Q", const QByteArray &description = "Quarterly report",
                  const QByteArray &more = {})
{
    return "<tr><td>2024-01-02</td><td><A HREF=\"?id=ZETA-1\">" + form + "</A></td><td>" + description + "</td>"
           + more + "</tr>\r\n";
}

QByteArray Filings(const QByteArray &rows, const QByteArray &lead = {})
{
    return "<html><head><title>ZETA filings</title></head><body>\r\n" + lead
           + "<table><tr><td>Sort By <b>Date</b></td></tr></table>\r\n<table border=0 cellpadding=3>\r\n"
             "<tr><td>Date</td><td>Filing</td><td>Description</td></tr>\r\n"
           + rows + "</table>\r\n</body></html>\r\n";
}

const QString kFilingHeads = QStringLiteral("Date|Fillings|||||");
const QString kFilingTitle = QStringLiteral("||Zeta Corp Quarterly Reports||||");
const QString kSeven = QStringLiteral("||||||");

using tw::test::NoDataForZeta;

} // namespace

class tst_insiders : public QObject {
    Q_OBJECT
    SheetFixture f;

    void Fill(bool filings, const QByteArray &page)
    {
        if (filings)
            f.Fill(&frmMain::FG_QR, QStringLiteral("ZETA_qr.Sh"), page, 7, QStringLiteral("QR"));
        else
            f.Fill(&frmMain::FG_IT, QStringLiteral("ZETA_it.Sh"), page, 8, QStringLiteral("IT"));
    }

private Q_SLOTS:
    void init() { f.Start(); }
    void cleanup() { f.Stop(); }

    void insider_data()
    {
        QTest::addColumn<QByteArray>("page"); // null: no page
        QTest::addColumn<QStringList>("cells");
        const QStringList one{kInsiderHeads, kInsiderTitle, kTradeRow, kEight, kEight};
        QTest::newRow("one trade") << Insider(kHeads + Trade()) << one;
        QTest::newRow("40000 characters first") << Insider(kHeads + Trade(), 3, tw::test::LongLead) << one;
        QTest::newRow("tabs") << Insider(kHeads + Trade().replace("Sale", "\tSale\t")) << one;
        QTest::newRow("fewer than four tables")
            << Insider(kHeads + Trade(), 2) << QStringList{kInsiderHeads, kInsiderTitle, kEight};
        QTest::newRow("table of one row")
            << Insider("<tr><td>A</td><td>B</td><td>C</td><td>D</td></tr>")
            << QStringList{kInsiderHeads, QStringLiteral("A|B|Zeta Corp\r\nInsider Trades|D||||"), kEight, kEight};
        // Without ".html" the link cell stays one: address, quote and name
        // run together and the cells after it move one to the left.
        QTest::newRow("link not to an html page")
            << Insider(kHeads + Trade("<a href=\"insider/zeta-1.htm\">Doe, Jane</a>"))
            << QStringList{kInsiderHeads, kInsiderTitle,
                           QStringLiteral("2024-01-02|insider/zeta-1.htm\"Doe, Jane|Sale|1,000|Direct|10.00|10,000|"),
                           kEight, kEight};
        // A row wider than the sheet loses the cells past its last column.
        QTest::newRow("ninth cell") << Insider(kHeads + Trade().replace("</tr>", "<td>extra</td></tr>") + Trade())
                                    << QStringList{kInsiderHeads, kInsiderTitle, kTradeRow, kTradeRow, kEight, kEight};
        QTest::newRow("page missing") << QByteArray() << QStringList{NoDataForZeta + kEight};
        QTest::newRow("no anchor") << Insider(kHeads + Trade()).replace("Insider Trades", "Trades")
                                   << QStringList{NoDataForZeta + kEight};
        QTest::newRow("no page end") << Insider(kHeads + Trade()).replace("</html>", "")
                                     << QStringList{NoDataForZeta + kEight};
        QTest::newRow("row without its end") << Insider(kHeads + "<tr><td>2024-01-02</td>")
                                             << QStringList{NoDataForZeta + kEight};
        QTest::newRow("cell without its end") << Insider(kHeads + "<tr><td>2024-01-02</tr>")
                                              << QStringList{NoDataForZeta + kEight};
    }
    void insider()
    {
        QFETCH(QByteArray, page);
        QFETCH(QStringList, cells);
        Fill(false, page);
        QCOMPARE(SheetFixture::Cells(f.fg()), cells);
    }

    void insiderLayout()
    {
        Fill(false, Insider(kHeads + Trade() + Trade()));
        FlexGrid *g = f.fg();
        QCOMPARE(g->Rows(), 6);
        QCOMPARE(g->ColWidth(1), 0);
        QVERIFY(g->ColWidth(2) > 0);
        for (int r = 2; r < 4; ++r) {
            QCOMPARE(g->CellForeColor(r, 2), 0xFF0000u);
            QVERIFY(g->CellFontUnderline(r, 2));
            QVERIFY(!g->CellFontUnderline(r, 3));
        }
        QCOMPARE(g->RowHeight(0), f.base());
        QCOMPARE(g->RowHeight(1), 3 * f.base());
        QCOMPARE(g->RowHeight(2), f.base());
        QCOMPARE(g->RowHeight(4), 0);
        QCOMPARE(g->RowHeight(5), 0);
        QCOMPARE(g->TopRow(), 1);
        QVERIFY(g->CellFontBold(1, 2));
        QCOMPARE(g->CellAlignment(1, 2), 4);
        QCOMPARE(g->CellTextStyle(1, 2), 3);
        const QList<int> aligns{4, 1, 1, 1, 4, 1, 7, 7};
        for (int c = 0; c < 8; ++c) {
            QCOMPARE(g->ColAlignment(c), aligns[c]);
            QCOMPARE(g->CellAlignment(0, c), 4);
        }
    }

    // Only rows without any header cells: the title keeps the link look of
    // the first row's third cell.
    void insiderTitleOverLink()
    {
        Fill(false, Insider(Trade()));
        QCOMPARE(f.fg()->TextMatrix(1, 2), QStringLiteral("Zeta Corp\r\nInsider Trades"));
        QCOMPARE(f.fg()->TextMatrix(1, 1), QStringLiteral("insider/zeta-1.html"));
        QVERIFY(f.fg()->CellFontUnderline(1, 2));
        QCOMPARE(f.fg()->CellForeColor(1, 2), 0xFF0000u);
    }

    void filings_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QStringList>("cells");
        const QStringList one{kFilingHeads, kFilingTitle,
                              QStringLiteral("2024-01-02|10-Q|Quarterly report||?id=ZETA-1||"), kSeven};
        QTest::newRow("one filing") << Filings(Filing()) << one;
        QTest::newRow("40000 characters first") << Filings(Filing(), tw::test::LongLead) << one;
        QTest::newRow("amended form") << Filings(Filing("10-Q/A", "Amended report"))
                                      << QStringList{kFilingHeads, kFilingTitle,
                                                     QStringLiteral("2024-01-02|10-Q|Amended report||?id=ZETA-1||"),
                                                     kSeven};
        QTest::newRow("a time splits its cell")
            << Filings(Filing("8-K", "Filed 10:30")) << QStringList{kFilingHeads, kFilingTitle,
                                                                    QStringLiteral("2024-01-02|8-K|Filed 10|30|?id=ZETA-1||"),
                                                                    kSeven};
        QTest::newRow("tag words in texts")
            << Filings(Filing("S-8", "Trust N/A TABLE")) << QStringList{kFilingHeads, kFilingTitle,
                                                                       QStringLiteral("2024-01-02|S-8|Trust N TABLE||?id=ZETA-1||"),
                                                                       kSeven};
        QTest::newRow("empty and blank cells")
            << Filings("<tr><td>2024-01-02</td><td></td><td>&nbsp;</td><td>Note</td></tr>")
            << QStringList{kFilingHeads, kFilingTitle, QStringLiteral("2024-01-02||Note||||"), kSeven};
        // A fifth cell with text lands over the document address.
        QTest::newRow("fifth cell") << Filings(Filing("10-K", "Annual report", "<td>x</td><td>y</td>"))
                                    << QStringList{kFilingHeads, kFilingTitle,
                                                   QStringLiteral("2024-01-02|10-K|Annual report|x|y||"), kSeven};
        QTest::newRow("no filings") << Filings({}) << QStringList{kFilingHeads, kFilingTitle, kSeven};
        QTest::newRow("page missing") << QByteArray() << QStringList{NoDataForZeta + kSeven};
        QTest::newRow("no anchor") << Filings(Filing()).replace("Sort By", "Order") << QStringList{NoDataForZeta + kSeven};
        QTest::newRow("single double quote") << Filings(Filing("10-Q", "5\" drive")) << QStringList{NoDataForZeta + kSeven};
        QTest::newRow("no table after the anchor")
            << QByteArray("<html>Sort By <table><tr><td>x</td></tr></table></html>") << QStringList{NoDataForZeta + kSeven};
        // Past the last column: the fifth cell's address and an eighth cell
        // are dropped, the rest of the sheet is drawn.
        QTest::newRow("quoted part in the fifth cell")
            << Filings(Filing("10-K", "Annual report", "<td>x</td><td><A HREF=\"y\">z</A></td>") + Filing())
            << QStringList{kFilingHeads, kFilingTitle, QStringLiteral("2024-01-02|10-K|Annual report|x|z||"),
                           QStringLiteral("2024-01-02|10-Q|Quarterly report||?id=ZETA-1||"), kSeven};
        QTest::newRow("eighth cell") << Filings(Filing("10-K", "r", "<td>4</td><td>5</td><td>6</td><td>7</td><td>8</td>")
                                                + Filing())
                                     << QStringList{kFilingHeads, kFilingTitle, QStringLiteral("2024-01-02|10-K|r|4|5|6|7"),
                                                    QStringLiteral("2024-01-02|10-Q|Quarterly report||?id=ZETA-1||"),
                                                    kSeven};
    }
    void filings()
    {
        QFETCH(QByteArray, page);
        QFETCH(QStringList, cells);
        Fill(true, page);
        QCOMPARE(SheetFixture::Cells(f.fg()), cells);
    }

    void filingsLayout()
    {
        Fill(true, Filings(Filing() + Filing()));
        FlexGrid *g = f.fg();
        QCOMPARE(g->Rows(), 5);
        for (int c = 3; c < 7; ++c)
            QCOMPARE(g->ColWidth(c), 0);
        for (int r = 2; r < 4; ++r) {
            QCOMPARE(g->CellForeColor(r, 1), 0xFF0000u);
            QVERIFY(g->CellFontUnderline(r, 1));
        }
        QCOMPARE(g->RowHeight(0), f.base());
        QCOMPARE(g->RowHeight(1), 2 * f.base());
        QCOMPARE(g->RowHeight(2), f.base());
        QCOMPARE(g->RowHeight(4), 0);
        QVERIFY(g->CellFontBold(1, 2));
        QVERIFY(!g->CellFontUnderline(1, 2));
        QCOMPARE(g->CellAlignment(1, 2), 4);
        QCOMPARE(g->CellFontWidth(1, 2), 4.0f);
        QCOMPARE(g->ColAlignment(0), 4);
        QCOMPARE(g->ColAlignment(1), 1);
        QCOMPARE(g->ColAlignment(2), 1);
    }
};

TW_TEST(tst_insiders)
#include "tst_insiders.moc"
