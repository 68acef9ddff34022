// Clicks on the main grid's cells: the page a link cell opens, the hand over
// link columns, the red mark of the statements, and the Zoom window keeping
// the links of the sheet it was drawn with.
#include "../shell/MainFixture.h"
#include "../shell/MouseEvents.h"
#include "HostAddresses.h"
#include "common/TestRegistry.h"
#include "core/ViewState.h"
#include "platform/Dialogs.h"
#include "platform/FlexGrid.h"
#include "platform/Ras.h"
#include "platform/Shell.h"
#include "shell/Zoom.h"

#include <QApplication>
#include <QMap>
#include <QTest>

using namespace tw::test;

namespace {

// The cells of every data row, by column.
using Row = QMap<int, QString>;

// A sheet as a filler leaves it: title row 0, header row 1, then four data
// rows of the same cells.
void Fill(FlexGrid *grid, const QString &view, const Row &cells, int cols = 13)
{
    grid->SetRows(0);
    grid->SetCols(cols);
    grid->SetRows(6);
    grid->SetFixedRows(0);
    grid->SetFixedCols(0);
    for (int c = 0; c < cols; ++c) {
        grid->SetColWidth(c, 900);
        grid->SetTextMatrix(0, c, view);
        grid->SetTextMatrix(1, c, QStringLiteral("Head %1").arg(c));
        for (int r = 2; r < 6; ++r)
            grid->SetTextMatrix(r, c, cells.value(c));
    }
    grid->SetRow(0);
    grid->SetCol(0);
}

bool HandOver(FlexGrid *grid, int row, int col)
{
    SendMouse(grid->viewport(), QEvent::MouseMove, Qt::NoButton, CellCenter(grid, row, col));
    return grid->MousePointer() == FlexGrid::flexCustom;
}

} // namespace

class tst_gridclick : public QObject {
    Q_OBJECT
    MainFixture f;

    FlexGrid *fg() const { return f.main->FG; }

    void Show(const QString &view, const Row &cells, int cols = 13)
    {
        Fill(fg(), view, cells, cols);
        CurrentView = view;
    }

private Q_SLOTS:
    void init()
    {
        f.Start();
        QVERIFY(f.Show(QSize(1200, 800)));
        fg()->resize(1100, 400);
    }
    void cleanup() { f.Stop(); }

    void linkCells_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<Row>("cells");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("address"); // empty: nothing opens
        const Row upgrade{{1, "MSFT"}, {2, "Microsoft"}, {5, "News"}};
        QTest::newRow("Upgrade quote") << "Upgrade" << upgrade << 2 << 1 << "{QuoteHost}/q?s=MSFT&d=t";
        QTest::newRow("Upgrade company") << "Upgrade" << upgrade << 4 << 5 << "{BizNewsHost}/c/m/MSFT.html";
        QTest::newRow("Upgrade plain column") << "Upgrade" << upgrade << 2 << 2 << "";
        QTest::newRow("Upgrade header row") << "Upgrade" << upgrade << 1 << 1 << "";
        QTest::newRow("Upgrade title row") << "Upgrade" << upgrade << 0 << 5 << "";
        QTest::newRow("Call keeps the inner blank")
            << "Call" << Row{{0, "MSFT Jan 100 (MSQ AT)"}} << 3 << 0 << "{OptionQuoteHost}/cgi-bin/cboeget.exe?TICKER=MSQ%20AT";
        QTest::newRow("Options drops blanks")
            << "Options" << Row{{1, "MSFT Jan 100\r\n(MSQ AT)"}} << 3 << 1 << "{OptionQuoteHost}/cgi-bin/cboeget.exe?TICKER=MSQAT";
        QTest::newRow("Call without a code") << "Call" << Row{{0, "MSFT Jan 100"}} << 3 << 0 << "";
        QTest::newRow("Call without a closing bracket") << "Call" << Row{{0, "x (MSQ"}} << 3 << 0 << "";
        const Row ipo{{1, "Abcde Corp"}, {2, "ABCDE"}, {5, "Chart"}, {6, "News"}};
        QTest::newRow("IPO_Price news") << "IPO_Price" << ipo << 2 << 6 << "{BizNewsHost}/n/i/ABCD.html";
        QTest::newRow("IPO_Price company") << "IPO_Price" << ipo << 2 << 1 << "{QuoteHost}/q?s=ABCD&d=t";
        QTest::newRow("IPO_Price leading blank")
            << "IPO_Price" << Row{{2, " ABCDE"}, {6, "News"}} << 2 << 6 << "{BizNewsHost}/n/i/ABC.html";
        const Row wm{{1, "Dow"}, {2, "DJI"}, {4, "2/1"}, {6, "+12"}, {8, "Chart"}};
        QTest::newRow("WM chart") << "WM" << wm << 2 << 8 << "{QuoteHost}/q?s=^DJI&d=3m";
        QTest::newRow("WM change column") << "WM" << wm << 2 << 6 << "{QuoteHost}/q?s=^DJI&d=t";
        QTest::newRow("WM date column") << "WM" << wm << 2 << 4 << "";
        const Row gain{{1, "ABCDE"}, {5, "12.5%"}, {6, "Msgs"}};
        QTest::newRow("IPO_Gain percent") << "IPO_Gain" << gain << 2 << 5 << "";
        QTest::newRow("IPO_Gain board") << "IPO_Gain" << gain << 2 << 6 << "{MessageBoardHost}/?action=q&board=ABCD";
        QTest::newRow("SUP") << "SUP" << Row{{0, "IBM"}} << 2 << 0
                             << "{EarningsResearchHost}/ows-bin/owa/zbrc?tick=IBM&comp_id=main&search=1";
        QTest::newRow("FMS2") << "FMS2" << Row{{0, "IBM"}} << 2 << 0
                              << "{SplitQuoteHost}/quote.asp?symbol=IBM&Whattoget=detailquote";
        QTest::newRow("FMS0") << "FMS0" << Row{{0, "IBM"}} << 2 << 0 << "";
        QTest::newRow("fund list") << "F_Conv" << Row{{0, "IBM"}} << 2 << 0 << "";
        QTest::newRow("BR one character") << "BR" << Row{{1, "IBM"}, {9, "x"}} << 2 << 1 << "";
        QTest::newRow("BR empty") << "BR" << Row{{1, "IBM"}} << 2 << 1 << "";
        QTest::newRow("BR whole address")
            << "BR" << Row{{1, "IBM"}, {9, "http://reports.test/r?id=1&a=b"}} << 2 << 1 << "http://reports.test/r?id=1&a=b";
        QTest::newRow("IPO_News path with a quote")
            << "IPO_News" << Row{{1, "Headline"}, {4, "news/a.html\""}} << 2 << 1 << "{BizNewsHost}/news/a.html";
        QTest::newRow("IPO_News headline without a link") << "IPO_News" << Row{{1, "Headline"}} << 2 << 1 << "";
    }
    void linkCells()
    {
        QFETCH(QString, view);
        QFETCH(Row, cells);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, address);
        Show(view, cells);
        ClickCell(fg(), row, col);
        QCOMPARE(Shell::Opened(), address.isEmpty() ? QStringList{} : QStringList{Expand(address)});
        QVERIFY(!QApplication::overrideCursor());
        for (int r = 0; r < fg()->Rows(); ++r)
            for (int c = 0; c < fg()->Cols(); ++c)
                QCOMPARE(fg()->TextMatrix(r, c), r == 0 ? view : r == 1 ? QStringLiteral("Head %1").arg(c) : cells.value(c));
    }

    // The hand shows over every row of a link column, title and header
    // included, and nowhere else.
    void hand_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QList<int>>("links");
        QTest::newRow("Upgrade") << "Upgrade" << QList<int>{1, 5};
        QTest::newRow("WM") << "WM" << QList<int>{3, 6, 7, 8, 9, 10, 11, 12};
        QTest::newRow("AIS") << "AIS" << QList<int>{};
        QTest::newRow("FMS0") << "FMS0" << QList<int>{};
        QTest::newRow("fund list") << "F_Conv" << QList<int>{};
    }
    void hand()
    {
        QFETCH(QString, view);
        QFETCH(QList<int>, links);
        Show(view, Row{{1, "MSFT"}});
        for (int r = 0; r < fg()->Rows(); ++r)
            for (int c = 0; c < fg()->Cols(); ++c)
                QVERIFY2(HandOver(fg(), r, c) == links.contains(c), qPrintable(QStringLiteral("%1,%2").arg(r).arg(c)));
    }

    // The statements mark the clicked cell red and open nothing.
    void statementMarksCell()
    {
        Show(QStringLiteral("AIS"), Row{{1, "1,200"}, {3, "900"}}, 6);
        const uint32_t plain = fg()->CellForeColor(5, 3);
        ClickCell(fg(), 5, 3);
        QCOMPARE(fg()->CellForeColor(5, 3), uint32_t(0x0000FF)); // red in the low byte
        QCOMPARE(fg()->CellForeColor(5, 2), plain);
        QCOMPARE(fg()->CellForeColor(4, 3), plain);
        QVERIFY(Shell::Opened().isEmpty());
        QVERIFY(!QApplication::overrideCursor());
    }

    // A link cell hands its page over without the online check: no
    // connection and dial prompting on still open it, and nothing asks.
    void noOnlineCheck()
    {
        f.env->Set(QStringLiteral("Prompt"), QStringLiteral("1"));
        Ras::SetActive(0);
        Show(QStringLiteral("SUP"), Row{{0, "IBM"}});
        ClickCell(fg(), 2, 0);
        QCOMPARE(Shell::Opened().size(), 1);
        QVERIFY(Dialogs::Log().isEmpty());
    }

    // The Zoom window keeps the links of the sheet it was drawn with.
    void zoomKeepsItsView()
    {
        Show(QStringLiteral("Upgrade"), Row{{1, "MSFT"}});
        auto *zoom = new Zoom(f.main);
        zoom->Form_Load();
        Fill(zoom->FG, QStringLiteral("Upgrade"), Row{{1, "MSFT"}}, 6);
        zoom->resize(800, 500);
        zoom->show();
        QVERIFY(QTest::qWaitForWindowExposed(zoom));
        zoom->FG->resize(700, 300);

        Show(QStringLiteral("AIS"), Row{{1, "MSFT"}});
        ClickCell(zoom->FG, 2, 1);
        QCOMPARE(Shell::Opened(), QStringList{Expand(QStringLiteral("{QuoteHost}/q?s=MSFT&d=t"))});
        QVERIFY(HandOver(zoom->FG, 0, 1));
        ClickCell(fg(), 2, 1);
        QCOMPARE(Shell::Opened().size(), 1);
        QVERIFY(!QApplication::overrideCursor());
        delete zoom;
    }
};

TW_TEST(tst_gridclick)
#include "tst_gridclick.moc"
