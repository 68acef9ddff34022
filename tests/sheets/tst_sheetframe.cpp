// The filler frame: grid formatting routines, the grid message, the fill or
// message rule, the cache path of a symbol, and the zoom hand-over.
#include "SheetFixture.h"
#include "common/TestRegistry.h"
#include "platform/FlexGrid.h"
#include "core/CellText.h"
#include "sheets/SheetState.h"
#include "sheets/Utilities.h"

#include <QPointer>
#include <QTest>

using tw::test::SheetFixture;
using SheetFrame::SheetTable;

namespace {

// A 600-pixel grid, 9000 twips wide.
std::unique_ptr<FlexGrid> Grid(int rows, int cols)
{
    auto g = std::make_unique<FlexGrid>();
    g->resize(600, 300);
    g->SetRows(rows);
    g->SetCols(cols);
    return g;
}

QList<int> Widths(const FlexGrid *g)
{
    QList<int> w;
    for (int c = 0; c < g->Cols(); ++c)
        w << g->ColWidth(c);
    return w;
}

const QByteArray kInsiderPage = "<html><head><title>ZETA Insider Trades</title></head><body>"
                                "<table><tr><td>a</td></tr></table><table><tr><td>b</td></tr></table>"
                                "<table><tr><td>c</td></tr></table><table>"
                                "<tr><th>Date</th></tr>"
                                "<tr><td>2024-01-02</td><td><a href=\"i/1.html\">Doe, Jane</a></td><td>Sale</td>"
                                "<td>1,000</td><td>Direct</td><td>10.00</td><td>10,000</td></tr>"
                                "</table></body></html>";

} // namespace

class tst_sheetframe : public QObject {
    Q_OBJECT
    SheetFixture f;

    // The balance sheet of the sample site, six columns on show.
    void ShowSixColumnSheet()
    {
        SheetFixture::WritePage(QStringLiteral("ZETA_ABS.Sh"), SheetFixture::Fixture(QStringLiteral("ZETA_ABS.Sh")));
        f.main->FG_ABS();
        QCOMPARE(f.fg()->Cols(), 6);
        QVERIFY(f.fg()->Rows() > 40);
        QFile::remove(AppFolder + QStringLiteral("/Cache/DataSheet/ZETA_ABS.Sh"));
    }

    void VerifyMessage(const QString &message)
    {
        FlexGrid *g = f.fg();
        QCOMPARE(g->Rows(), 1);
        QCOMPARE(g->TextMatrix(0, 0), message);
        QCOMPARE(g->RowHeight(0), 3 * f.base());
        QCOMPARE(g->ColWidth(0), g->Width());
        QCOMPARE(g->CellAlignment(0, 0), 4);
        QCOMPARE(g->GridLines(), 0);
        QCOMPARE(g->BackColor(), VbColor::Window);
        QVERIFY(g->Redraw());
    }

private Q_SLOTS:
    void init() { f.Start(); }
    void cleanup() { f.Stop(); }

    void setColWidth_data()
    {
        QTest::addColumn<QList<double>>("percents");
        QTest::addColumn<QList<int>>("twips");
        QTest::newRow("statement") << QList<double>{31, 13, 13, 13, 13, 13}
                                   << QList<int>{2790, 1170, 1170, 1170, 1170, 1170};
        QTest::newRow("more entries than columns")
            << QList<double>{31, 13, 13, 13, 13, 13, 10, 10, 10} << QList<int>{2790, 1170, 1170, 1170, 1170, 1170};
        QTest::newRow("hidden column") << QList<double>{13, 0, 30} << QList<int>{1170, 0, 2700, -1, -1, -1};
    }
    void setColWidth()
    {
        QFETCH(QList<double>, percents);
        QFETCH(QList<int>, twips);
        auto g = Grid(3, 6);
        QCOMPARE(g->Width(), 9000);
        const int untouched = g->ColWidth(5);
        Utilities::SetColWidth(g.get(), percents);
        for (int &t : twips)
            if (t < 0)
                t = untouched;
        QCOMPARE(Widths(g.get()), twips);
    }

    // Whole twips, halves to the even neighbour.
    void colWidthTwips_data()
    {
        QTest::addColumn<double>("percent");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("twips");
        QTest::newRow("31% of 9050") << 31.0 << 9050 << 2806; // 2805.5
        QTest::newRow("13% of 9050") << 13.0 << 9050 << 1176; // 1176.5
        QTest::newRow("31% of 9000") << 31.0 << 9000 << 2790;
        QTest::newRow("50% of 5") << 50.0 << 5 << 2;
        QTest::newRow("50% of 7") << 50.0 << 7 << 4;
        QTest::newRow("13% of 9070") << 13.0 << 9070 << 1179; // 1179.1
    }
    void colWidthTwips()
    {
        QFETCH(double, percent);
        QFETCH(int, width);
        QFETCH(int, twips);
        QCOMPARE(FlexGrid::PercentTwips(percent, width), twips);
    }

    void setColAlignment()
    {
        auto g = Grid(3, 6);
        Utilities::SetColAlignment(g.get(), {1, 7, 7, 7, 7, 7, 4, 4});
        for (int c = 0; c < 6; ++c)
            QCOMPARE(g->ColAlignment(c), c ? 7 : 1);
        Utilities::SetColAlignment2(g.get(), {4, 1});
        QCOMPARE(g->ColAlignment(0), 4);
        QCOMPARE(g->ColAlignment(1), 1);
        QCOMPARE(g->ColAlignment(2), 7);
    }

    void setHeaders()
    {
        auto g = Grid(3, 6);
        Utilities::SetHeaders(g.get(), {"a", "b", "c", "d", "e", "f", "seventh"});
        QCOMPARE(g->TextMatrix(0, 5), QStringLiteral("f"));
        QCOMPARE(g->TextMatrix(1, 0), QStringLiteral("seventh"));
        // Texts beyond the last cell are skipped.
        auto small = Grid(1, 2);
        Utilities::SetHeaders(small.get(), {"a", "b", "c"});
        QCOMPARE(small->TextMatrix(0, 1), QStringLiteral("b"));
    }

    void setCellAndMarkRows()
    {
        auto g = Grid(6, 4);
        g->SetCellFontUnderline(2, 1, true);
        Utilities::SetCell(g.get(), 2, 1, QStringLiteral("x"), 7, true, 0, 255, 0xEFEDD1);
        QCOMPARE(g->TextMatrix(2, 1), QStringLiteral("x"));
        QCOMPARE(g->CellAlignment(2, 1), 7);
        QVERIFY(g->CellFontBold(2, 1));
        QVERIFY(!g->CellFontUnderline(2, 1));
        QCOMPARE(g->CellForeColor(2, 1), 255u);
        QCOMPARE(g->CellBackColor(2, 1), 0xEFEDD1u);
        QCOMPARE(g->Row(), 2);
        QCOMPARE(g->Col(), 1);

        // A cell outside the grid: nothing raised, no other cell changed.
        Utilities::SetCell(g.get(), 9, 1, QStringLiteral("y"), 4, true, 0, 255, 255);
        QCOMPARE(g->CellAlignment(2, 1), 7);
        QCOMPARE(g->CellBackColor(2, 1), 0xEFEDD1u);

        g->SetTextMatrix(3, 2, QStringLiteral("kept"));
        Utilities::MarkRows(g.get(), 3, 8, 2);
        for (int r = 3; r < 6; ++r) {
            QVERIFY(g->CellFontUnderline(r, 2));
            QCOMPARE(g->CellForeColor(r, 2), 0xFF0000u);
        }
        QVERIFY(!g->CellFontUnderline(2, 2));
        QCOMPARE(g->TextMatrix(3, 2), QStringLiteral("kept"));
    }

    // A missing page after a six-column sheet: the message stands alone in
    // the main grid under the new view code.
    void missingPage_data()
    {
        QTest::addColumn<QByteArray>("symbol");
        QTest::addColumn<QByteArray>("name"); // "-": not in the open set
        QTest::addColumn<QString>("message");
        QTest::newRow("named") << QByteArray("ZETA") << QByteArray("Zeta Corp")
                               << QStringLiteral("Tickerwatch do not have additional information for Zeta Corp");
        QTest::newRow("one-character name") << QByteArray("ZZ") << QByteArray("Z")
                                            << QStringLiteral("Tickerwatch do not have additional information for ZZ");
        QTest::newRow("not in the set") << QByteArray("QQQ") << QByteArray("-")
                                        << QStringLiteral("Tickerwatch do not have additional information for ");
    }
    void missingPage()
    {
        QFETCH(QByteArray, symbol);
        QFETCH(QByteArray, name);
        QFETCH(QString, message);
        ShowSixColumnSheet();
        if (name != "-" && symbol != "ZETA")
            SheetFixture::AddStock(symbol, name);
        CurrentSymbol = symbol;
        f.main->FG_ABS();
        QCOMPARE(CurrentView, QStringLiteral("ABS"));
        QCOMPARE(f.fg()->Cols(), 6);
        VerifyMessage(message);
    }

    // A symbol that cannot be a file name reads nothing, even where a page
    // sits at the place it would lead to.
    void unusableSymbol_data()
    {
        QTest::addColumn<QByteArray>("symbol");
        QTest::newRow("parent folder") << QByteArray("../ZETA");
        QTest::newRow("slash") << QByteArray("Cache/ZETA");
        QTest::newRow("backslash") << QByteArray("..\\ZETA");
        QTest::newRow("NUL") << QByteArray("ZE\0TA", 5);
        QTest::newRow("control character") << QByteArray("ZE\x01TA");
        QTest::newRow("line end") << QByteArray("ZETA\n");
    }
    void unusableSymbol()
    {
        QFETCH(QByteArray, symbol);
        tw::test::TestEnv::WriteAll(AppFolder + QStringLiteral("/Cache/ZETA_it.Sh"), kInsiderPage);
        SheetFixture::WritePage(QStringLiteral("ZETA_it.Sh"), kInsiderPage);
        SheetFixture::AddStock(symbol, "Odd Corp");
        CurrentSymbol = symbol;
        f.main->FG_IT();
        QCOMPARE(CurrentView, QStringLiteral("IT"));
        VerifyMessage(QStringLiteral("Tickerwatch do not have additional information for Odd Corp"));
    }

    // The grid keeps no row of the sheet before: row looks and heights start
    // afresh.
    void noRowKeptFromSheetBefore()
    {
        ShowSixColumnSheet();
        QCOMPARE(f.fg()->RowHeight(2), 2 * f.base()); // the balance sheet's "Assets"
        SheetFixture::WritePage(QStringLiteral("ZETA_it.Sh"), kInsiderPage);
        f.main->FG_IT();
        QCOMPARE(f.fg()->Rows(), 5);
        QCOMPARE(f.fg()->TextMatrix(2, 3), QStringLiteral("Sale"));
        QCOMPARE(f.fg()->RowHeight(2), f.base());
        QVERIFY(!f.fg()->CellFontBold(2, 0));
    }

    // The frame's rule for a sheet that names no message: before the set-up
    // the no-data message stands in; after it, the part read so far is drawn.
    void failureWithoutMessage_data()
    {
        QTest::addColumn<bool>("afterSetUp");
        QTest::newRow("before set-up") << false;
        QTest::newRow("after set-up") << true;
    }
    void failureWithoutMessage()
    {
        QFETCH(bool, afterSetUp);
        ShowSixColumnSheet();
        SheetFixture::WritePage(QStringLiteral("ZETA_xy.Sh"), "page");
        SheetFrame::Fill(*f.main, {QStringLiteral("XY"), SheetFrame::StockPage("_xy.Sh"),
                                   [afterSetUp](QByteArray &, const QByteArray &, SheetTable &t) {
                                       if (afterSetUp) {
                                           t.SetUp(2, 3);
                                           t.SetText(1, 1, "drawn");
                                       }
                                       throw VbError::Overflow();
                                   },
                                   [](int, const QByteArray &) { return std::optional<QByteArray>(); }});
        QCOMPARE(CurrentView, QStringLiteral("XY"));
        if (afterSetUp) {
            QCOMPARE(SheetFixture::Cells(f.fg()), (QStringList{QStringLiteral("||"), QStringLiteral("|drawn|")}));
            QCOMPARE(f.fg()->GridLines(), 1);
        } else {
            VerifyMessage(tw::test::NoDataForZeta);
        }
        QVERIFY(f.fg()->Redraw());
    }

    // A sheet that names a message for a missing page only: a failure before
    // its set-up shows that message, not another sheet's rows or the
    // no-data text.
    void failureBeforeSetUpTakesPageMissingMessage()
    {
        ShowSixColumnSheet();
        SheetFixture::WritePage(QStringLiteral("ZETA_xy.Sh"), "page");
        SheetFrame::Fill(*f.main, {QStringLiteral("XY"), SheetFrame::StockPage("_xy.Sh"),
                                   [](QByteArray &, const QByteArray &, SheetTable &) { throw VbError::Overflow(); },
                                   [](int number, const QByteArray &) -> std::optional<QByteArray> {
                                       if (number == SheetFrame::PageMissing)
                                           return QByteArray("no xy for ZETA");
                                       return std::nullopt;
                                   }});
        VerifyMessage(QStringLiteral("no xy for ZETA"));
    }

    // The grid's add-row step: tab-separated texts from column 0 on, those
    // beyond the last column dropped, an empty line an empty row.
    void addItem_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("three texts") << QByteArray("a\tb\tc\t") << QStringList{"a", "b", "c"};
        QTest::newRow("more texts than columns") << QByteArray("a\tb\tc\td\te") << QStringList{"a", "b", "c"};
        QTest::newRow("fewer") << QByteArray("a") << QStringList{"a", "", ""};
        QTest::newRow("empty line") << QByteArray() << QStringList{"", "", ""};
    }
    void addItem()
    {
        QFETCH(QByteArray, line);
        QFETCH(QStringList, cells);
        SheetTable t;
        t.SetUp(2, 3);
        t.SetText(1, 0, "title");
        t.AddItem(line);
        QCOMPARE(t.Rows(), 3);
        QCOMPARE(t.Text(1, 0), QByteArray("title"));
        QCOMPARE(t.RowHeight(2), -1);
        for (int c = 0; c < 3; ++c)
            QCOMPARE(QString::fromLatin1(t.Text(2, c)), cells[c]);
    }

    // A cell's text, for every reader of sheets and reports: markup dropped
    // (also what stands before the first ">"), "&amp;" read as "&", and only
    // spaces trimmed, unless the blanks are kept; tabs, line ends, "&nbsp;"
    // and 8-bit blanks stay as they are.
    void cellText_data()
    {
        QTest::addColumn<QByteArray>("piece");
        QTest::addColumn<QByteArray>("trimmed");
        QTest::addColumn<QByteArray>("kept");
        QTest::newRow("plain") << QByteArray("<td>Acme") << QByteArray("Acme") << QByteArray("Acme");
        QTest::newRow("spaces around") << QByteArray("<td>  Acme  ") << QByteArray("Acme") << QByteArray("  Acme  ");
        QTest::newRow("spaces only") << QByteArray("<td>   ") << QByteArray() << QByteArray("   ");
        QTest::newRow("empty") << QByteArray() << QByteArray() << QByteArray();
        QTest::newRow("tabs stay") << QByteArray("<td>\tAcme\t") << QByteArray("\tAcme\t") << QByteArray("\tAcme\t");
        QTest::newRow("line ends stay") << QByteArray("<td> Acme\r\n ") << QByteArray("Acme\r\n")
                                        << QByteArray(" Acme\r\n ");
        QTest::newRow("nbsp stays") << QByteArray("<td> &nbsp;Acme&nbsp; ") << QByteArray("&nbsp;Acme&nbsp;")
                                    << QByteArray(" &nbsp;Acme&nbsp; ");
        QTest::newRow("8-bit blank stays") << QByteArray("<td>\xA0" "Caf\xE9 ") << QByteArray("\xA0" "Caf\xE9")
                                           << QByteArray("\xA0" "Caf\xE9 ");
        QTest::newRow("amp once") << QByteArray("<td>A&amp;B &amp;amp;") << QByteArray("A&B &amp;")
                                  << QByteArray("A&B &amp;");
        QTest::newRow("tags dropped, inner spaces kept")
            << QByteArray("<td><b> Acme </b> Corp <br>") << QByteArray("Acme  Corp") << QByteArray(" Acme  Corp ");
        QTest::newRow("before the first tag end") << QByteArray("Acme<b>Corp") << QByteArray("Corp")
                                                  << QByteArray("Corp");
        QTest::newRow("no tag at all") << QByteArray(" Acme ") << QByteArray() << QByteArray();
        QTest::newRow("tag left open") << QByteArray("<td>Acme <b") << QByteArray("Acme") << QByteArray("Acme ");
    }
    void cellText()
    {
        QFETCH(QByteArray, piece);
        QFETCH(QByteArray, trimmed);
        QFETCH(QByteArray, kept);
        QCOMPARE(CellText::Of(piece), trimmed);
        QCOMPARE(CellText::Of(piece, CellText::Blanks::Keep), kept);
    }

    // A zoom request draws into a new window's grid and ends with the call;
    // a failed one shows no window and leaves the message in the main grid.
    void zoom_data()
    {
        QTest::addColumn<bool>("pagePresent");
        QTest::newRow("drawn") << true;
        QTest::newRow("missing page") << false;
    }
    void zoom()
    {
        QFETCH(bool, pagePresent);
        ShowSixColumnSheet();
        const QStringList before = SheetFixture::Cells(f.fg());
        QPointer<QWidget> window;
        QPointer<FlexGrid> zoomGrid;
        SheetFrame::SetZoomMaker([&] {
            window = new QWidget(f.main, Qt::Window);
            zoomGrid = new FlexGrid(window);
            return SheetFrame::ZoomTarget{window, zoomGrid};
        });
        if (pagePresent)
            SheetFixture::WritePage(QStringLiteral("ZETA_it.Sh"), kInsiderPage);
        ZoomMode = -1;
        f.main->FG_IT();
        QCOMPARE(ZoomMode, int16_t(0));
        QCOMPARE(CurrentView, QStringLiteral("IT"));
        if (pagePresent) {
            QVERIFY(window && window->isVisible());
            QCOMPARE(TargetGrid, zoomGrid.data());
            QCOMPARE(zoomGrid->TextMatrix(2, 2), QStringLiteral("Doe, Jane"));
            QCOMPARE(SheetFixture::Cells(f.fg()), before);
            delete window.data();
        } else {
            QVERIFY(!window);
            VerifyMessage(tw::test::NoDataForZeta);
        }

        // The next call is no zoom request: the main grid again.
        SheetFixture::WritePage(QStringLiteral("ZETA_it.Sh"), kInsiderPage);
        f.main->FG_IT();
        QCOMPARE(TargetGrid, f.fg());
        QCOMPARE(f.fg()->TextMatrix(2, 2), QStringLiteral("Doe, Jane"));
    }

    // The main window's own maker: a zoom request draws into a new Zoom
    // window, shown, and leaves the main grid as it was.
    void zoomIntoTheZoomWindow()
    {
        f.main->WireZoom(); // the fixture's cases may have put their own maker in
        SheetFixture::WritePage(QStringLiteral("ZETA_it.Sh"), kInsiderPage);
        const QStringList before = SheetFixture::Cells(f.fg());
        ZoomMode = -1;
        f.main->FG_IT();
        QCOMPARE(ZoomMode, int16_t(0));
        QVERIFY(TargetGrid && TargetGrid != f.fg());
        QCOMPARE(TargetGrid->window()->objectName(), QStringLiteral("Zoom"));
        QVERIFY(TargetGrid->window()->isVisible());
        QCOMPARE(TargetGrid->TextMatrix(2, 2), QStringLiteral("Doe, Jane"));
        QCOMPARE(SheetFixture::Cells(f.fg()), before);
        delete TargetGrid->window();
        QVERIFY(!TargetGrid);
    }
};

TW_TEST(tst_sheetframe)
#include "core/CellText.h"
#include "core/ViewState.h"
#include "tst_sheetframe.moc"
