#include "common/TestRegistry.h"
#include "platform/FlexGrid.h"
#include "platform/FlexGridDelegate.h"
#include "platform/Vb.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>

namespace {

using GridOp = std::function<void(FlexGrid &)>;

// Fills every cell with "r<row>c<col>".
void FillNamed(FlexGrid &g)
{
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 0; c < g.Cols(); ++c)
            g.SetTextMatrix(r, c, QStringLiteral("r%1c%2").arg(r).arg(c));
}

QStringList Column(const FlexGrid &g, int col, int from)
{
    QStringList out;
    for (int r = from; r < g.Rows(); ++r)
        out << g.TextMatrix(r, col);
    return out;
}

void SendMouse(QWidget *w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held,
               Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QMouseEvent e(type, pos, w->mapToGlobal(pos), button, held, mods);
    QApplication::sendEvent(w, &e);
}

} // namespace

Q_DECLARE_METATYPE(GridOp)

class tst_flexgrid : public QObject {
    Q_OBJECT
    std::unique_ptr<FlexGrid> grid;

    QPoint CellCenter(int row, int col) const { return grid->visualRect(grid->model()->index(row, col)).center(); }
    void Show(int w = 400, int h = 300)
    {
        grid->resize(w, h);
        grid->show();
        QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
    }

private Q_SLOTS:
    void init() { grid = std::make_unique<FlexGrid>(); }
    void cleanup() { grid.reset(); }

    void defaults()
    {
        QCOMPARE(grid->Rows(), 2);
        QCOMPARE(grid->Cols(), 2);
        QCOMPARE(grid->FixedRows(), 1);
        QCOMPARE(grid->FixedCols(), 1);
        QCOMPARE(grid->Row(), 1);
        QCOMPARE(grid->Col(), 1);
        QCOMPARE(grid->ColAlignment(1), int(FlexGrid::flexAlignGeneral));
        QCOMPARE(grid->CellAlignment(1, 1), int(FlexGrid::flexAlignGeneral));
        QCOMPARE(grid->GridLines(), int(FlexGrid::flexGridFlat));
        QCOMPARE(grid->BackColor(), 0x80000005u);
        QVERIFY(grid->Redraw());
        QCOMPARE(grid->property("vbType").toString(), QStringLiteral("MSFlexGrid"));
    }

    void rowsAndColsGrowAndShrink()
    {
        grid->SetCols(3);
        grid->SetRows(4);
        FillNamed(*grid);
        grid->SetCellFontBold(3, 2, true);
        grid->SetRows(6);
        QCOMPARE(grid->TextMatrix(3, 2), QStringLiteral("r3c2"));
        QCOMPARE(grid->TextMatrix(5, 2), QString());
        grid->SetRows(3);
        QCOMPARE(grid->Rows(), 3);
        QCOMPARE(grid->TextMatrix(2, 2), QStringLiteral("r2c2"));
        grid->SetRows(4); // the dropped row does not come back
        QCOMPARE(grid->TextMatrix(3, 2), QString());
        QVERIFY(!grid->CellFontBold(3, 2));

        grid->SetCols(5);
        QCOMPARE(grid->TextMatrix(1, 2), QStringLiteral("r1c2"));
        QCOMPARE(grid->TextMatrix(1, 4), QString());
        grid->SetCols(2);
        QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("r1c1"));
        QCOMPARE(grid->TextMatrix(1, 2), QString());
        QCOMPARE(grid->model()->columnCount(), 2);
        QCOMPARE(grid->model()->rowCount(), 4);

        // The current cell and the fixed part follow a shrinking grid.
        grid->SetRow(3);
        grid->SetRows(0);
        QCOMPARE(grid->FixedRows(), 0);
        QCOMPARE(grid->Text(), QString());
    }

    void readOutsideIsEmpty_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("row beyond") << 2 << 0;
        QTest::newRow("column beyond") << 0 << 2;
        QTest::newRow("negative row") << -1 << 0;
        QTest::newRow("negative column") << 0 << -1;
    }
    void readOutsideIsEmpty()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        QCOMPARE(grid->TextMatrix(row, col), QString());
        QCOMPARE(grid->CellBackColor(row, col), 0u);
        QVERIFY(!grid->CellFontBold(row, col));
        QVERIFY(grid->CellPicture(row, col).isNull());
    }

    void writeOutsideThrows_data()
    {
        QTest::addColumn<GridOp>("op");
        QTest::addColumn<QString>("message");
        const QString badRow = QStringLiteral("Invalid Row value");
        const QString badCol = QStringLiteral("Invalid Column value");
        QTest::newRow("text, row beyond") << GridOp([](FlexGrid &g) { g.SetTextMatrix(2, 0, "x"); }) << badRow;
        QTest::newRow("text, column beyond") << GridOp([](FlexGrid &g) { g.SetTextMatrix(0, 2, "x"); }) << badCol;
        QTest::newRow("text, negative row") << GridOp([](FlexGrid &g) { g.SetTextMatrix(-1, 0, "x"); }) << badRow;
        QTest::newRow("text array beyond") << GridOp([](FlexGrid &g) { g.SetTextArray(4, "x"); }) << badRow;
        QTest::newRow("cell colour") << GridOp([](FlexGrid &g) { g.SetCellBackColor(0, 5, 255); }) << badCol;
        QTest::newRow("cell bold") << GridOp([](FlexGrid &g) { g.SetCellFontBold(7, 0, true); }) << badRow;
        QTest::newRow("column width") << GridOp([](FlexGrid &g) { g.SetColWidth(2, 100); }) << badCol;
        QTest::newRow("column alignment") << GridOp([](FlexGrid &g) { g.SetColAlignment(2, 1); }) << badCol;
        QTest::newRow("row height") << GridOp([](FlexGrid &g) { g.SetRowHeight(2, 100); }) << badRow;
        QTest::newRow("current row") << GridOp([](FlexGrid &g) { g.SetRow(2); }) << badRow;
        QTest::newRow("selection column") << GridOp([](FlexGrid &g) { g.SetColSel(2); }) << badCol;
        QTest::newRow("item index") << GridOp([](FlexGrid &g) { g.AddItem("a", 3); }) << badRow;
        QTest::newRow("column move") << GridOp([](FlexGrid &g) { g.SetColPosition(0, 2); }) << badCol;
        QTest::newRow("top row") << GridOp([](FlexGrid &g) { g.SetTopRow(2); }) << badRow;
        QTest::newRow("current cell of an empty grid") << GridOp([](FlexGrid &g) {
            g.SetRows(0);
            g.SetCellForeColor(255);
        }) << badRow;
    }
    void writeOutsideThrows()
    {
        QFETCH(GridOp, op);
        QFETCH(QString, message);
        try {
            op(*grid);
            QFAIL("no error raised");
        } catch (const VbError &e) {
            QCOMPARE(e.number, 381.0f);
            QCOMPARE(e.description, message);
        }
    }

    void textArrayRunsOnIntoTheNextRow()
    {
        grid->SetCols(6);
        const QStringList headers{"a", "b", "c", "d", "e", "f", "g"};
        for (int i = 0; i < headers.size(); ++i)
            grid->SetTextArray(i, headers[i]);
        QCOMPARE(grid->TextMatrix(0, 5), QStringLiteral("f"));
        QCOMPARE(grid->TextMatrix(1, 0), QStringLiteral("g"));
        QCOMPARE(grid->TextArray(7), QString());
        QCOMPARE(grid->TextArray(12), QString());
    }

    void addItem_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("index"); // -1: at the end
        QTest::addColumn<int>("row");   // where the new row lands
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("tab-separated parts") << "a\tb\tc" << -1 << 2 << QStringList{"a", "b", "c"};
        QTest::newRow("fewer parts") << "a" << -1 << 2 << QStringList{"a", "", ""};
        QTest::newRow("parts beyond the last column") << "a\tb\tc\td\te" << -1 << 2 << QStringList{"a", "b", "c"};
        QTest::newRow("empty parts keep their places") << "\t\tc" << -1 << 2 << QStringList{"", "", "c"};
        QTest::newRow("inserted at a row") << "x\ty" << 1 << 1 << QStringList{"x", "y", ""};
        QTest::newRow("inserted at the top") << "x" << 0 << 0 << QStringList{"x", "", ""};
    }
    void addItem()
    {
        QFETCH(QString, item);
        QFETCH(int, index);
        QFETCH(int, row);
        QFETCH(QStringList, cells);
        grid->SetCols(3);
        FillNamed(*grid);
        grid->SetRowHeight(1, 600);
        if (index < 0)
            grid->AddItem(item);
        else
            grid->AddItem(item, index);
        QCOMPARE(grid->Rows(), 3);
        QCOMPARE(grid->model()->rowCount(), 3);
        for (int c = 0; c < 3; ++c)
            QCOMPARE(grid->TextMatrix(row, c), cells[c]);
        // The rows below move down with their heights.
        const int oldRow1 = row <= 1 ? 2 : 1;
        QCOMPARE(grid->TextMatrix(oldRow1, 0), QStringLiteral("r1c0"));
        QCOMPARE(grid->RowHeight(oldRow1), 600);
    }

    void clearKeepsSizesAndAlignments()
    {
        grid->SetCols(3);
        grid->SetRows(3);
        FillNamed(*grid);
        grid->SetColWidth(1, 1500);
        grid->SetColAlignment(2, FlexGrid::flexAlignRightCenter);
        grid->SetRowHeight(2, 0);
        grid->SetCellBackColor(1, 1, 0xEFEDD1);
        grid->SetCellFontBold(1, 1, true);
        grid->SetCellAlignment(1, 2, FlexGrid::flexAlignCenterCenter);
        grid->SetCellPicture(1, 0, QPixmap(8, 8));

        grid->Clear();
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                QCOMPARE(grid->TextMatrix(r, c), QString());
        QCOMPARE(grid->CellBackColor(1, 1), grid->BackColor());
        QVERIFY(!grid->CellFontBold(1, 1));
        QCOMPARE(grid->CellAlignment(1, 2), int(FlexGrid::flexAlignRightCenter));
        QVERIFY(grid->CellPicture(1, 0).isNull());
        QCOMPARE(grid->Rows(), 3);
        QCOMPARE(grid->Cols(), 3);
        QCOMPARE(grid->ColWidth(1), 1500);
        QCOMPARE(grid->ColAlignment(2), int(FlexGrid::flexAlignRightCenter));
        QCOMPARE(grid->RowHeight(2), 0);
    }

    void clip_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("rowSel");
        QTest::addColumn<int>("colSel");
        QTest::addColumn<QString>("clip");
        QTest::newRow("everything, hidden column included")
            << 0 << 0 << 2 << 3
            << "r0c0\tr0c1\tr0c2\tr0c3\rr1c0\tr1c1\tr1c2\tr1c3\rr2c0\tr2c1\tr2c2\tr2c3";
        QTest::newRow("one cell") << 1 << 1 << 1 << 1 << "r1c1";
        QTest::newRow("selection drawn upwards and leftwards") << 2 << 3 << 1 << 2 << "r1c2\tr1c3\rr2c2\tr2c3";
        QTest::newRow("one column") << 0 << 1 << 2 << 1 << "r0c1\rr1c1\rr2c1";
        QTest::newRow("one row") << 2 << 0 << 2 << 3 << "r2c0\tr2c1\tr2c2\tr2c3";
    }
    void clip()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, rowSel);
        QFETCH(int, colSel);
        QFETCH(QString, clip);
        grid->SetRows(3);
        grid->SetCols(4);
        FillNamed(*grid);
        grid->SetColWidth(2, 0);
        grid->SetRow(row);
        grid->SetCol(col);
        grid->SetRowSel(rowSel);
        grid->SetColSel(colSel);
        QCOMPARE(grid->Clip(), clip);
    }

    void selectionFollowsTheCurrentCell()
    {
        grid->SetRows(5);
        grid->SetCols(4);
        FillNamed(*grid);
        grid->selectAll();
        QCOMPARE(grid->Row(), 0);
        QCOMPARE(grid->Col(), 0);
        QCOMPARE(grid->RowSel(), 4);
        QCOMPARE(grid->ColSel(), 3);
        QVERIFY(grid->Clip().startsWith(QStringLiteral("r0c0\t")));
        QVERIFY(grid->Clip().endsWith(QStringLiteral("\tr4c3")));
        // Setting Row or Col makes the selection the current cell again.
        grid->SetRow(2);
        QCOMPARE(grid->RowSel(), 2);
        QCOMPARE(grid->ColSel(), 3);
        grid->SetCol(1);
        QCOMPARE(grid->ColSel(), 1);
        QCOMPARE(grid->Clip(), QStringLiteral("r2c1"));
    }

    void currentCellLookAndDirectLook()
    {
        grid->SetRows(4);
        grid->SetCols(3);
        grid->SetRow(2);
        grid->SetCol(1);
        grid->SetCellBackColor(0xEFEDD1);
        grid->SetCellForeColor(0xFF0000);
        grid->SetCellFontBold(true);
        grid->SetCellFontUnderline(true);
        grid->SetCellTextStyle(FlexGrid::flexTextRaisedLight);
        grid->SetCellFontWidth(4);
        grid->SetCellAlignment(FlexGrid::flexAlignCenterCenter);
        grid->SetText(QStringLiteral("here"));
        QCOMPARE(grid->TextMatrix(2, 1), QStringLiteral("here"));
        QCOMPARE(grid->CellBackColor(2, 1), 0xEFEDD1u);
        QCOMPARE(grid->CellForeColor(2, 1), 0xFF0000u);
        QVERIFY(grid->CellFontBold(2, 1));
        QVERIFY(grid->CellFontUnderline(2, 1));
        QCOMPARE(grid->CellTextStyle(2, 1), int(FlexGrid::flexTextRaisedLight));
        QCOMPARE(grid->CellFontWidth(2, 1), 4.0f);
        QCOMPARE(grid->CellAlignment(2, 1), int(FlexGrid::flexAlignCenterCenter));
        // Neighbours keep the plain look.
        QCOMPARE(grid->CellBackColor(2, 2), grid->BackColor());
        QVERIFY(!grid->CellFontBold(1, 1));
        // Direct setters reach their cell without moving the current one.
        grid->SetCellForeColor(3, 2, 255);
        QCOMPARE(grid->CellForeColor(3, 2), 255u);
        QCOMPARE(grid->Row(), 2);
        QCOMPARE(grid->Col(), 1);
        QCOMPARE(grid->CellForeColor(), 0xFF0000u);
    }

    void sort_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("numbers as numbers") << QStringList{"10", "9", "100", "-1.5"} << 1
                                            << QStringList{"-1.5", "9", "10", "100"};
        QTest::newRow("thousands separators read as numbers") << QStringList{"1,200", "900", "12"} << 1
                                                             << QStringList{"12", "900", "1,200"};
        QTest::newRow("texts without regard to case") << QStringList{"beta", "Alpha", "gamma"} << 1
                                                      << QStringList{"Alpha", "beta", "gamma"};
        QTest::newRow("numbers before texts") << QStringList{"b", "2", "", "10", "a"} << 1
                                              << QStringList{"2", "10", "", "a", "b"};
        QTest::newRow("descending numbers") << QStringList{"10", "9", "100"} << 2 << QStringList{"100", "10", "9"};
        QTest::newRow("descending mixed") << QStringList{"b", "2", "a", "10"} << 2
                                          << QStringList{"b", "a", "10", "2"};
        QTest::newRow("no sort") << QStringList{"b", "a"} << 0 << QStringList{"b", "a"};
        // Prices as the quote pages give them: fractions, signs, per cents,
        // dollars and digit groups read as the figures they show.
        QTest::newRow("fractions as numbers") << QStringList{"104 1/8", "137 3/8", "14 7/8", "60 7/8", "65 3/8"} << 1
                                              << QStringList{"14 7/8", "60 7/8", "65 3/8", "104 1/8", "137 3/8"};
        QTest::newRow("fractions among decimals") << QStringList{"14 7/8", "14.8", "15", "14", "1/2", "-1/4", "- 3/8"} << 1
                                                  << QStringList{"- 3/8", "-1/4", "1/2", "14", "14.8", "14 7/8", "15"};
        QTest::newRow("fractions descending") << QStringList{"60 7/8", "104 1/8", "14 7/8"} << 2
                                              << QStringList{"104 1/8", "60 7/8", "14 7/8"};
        QTest::newRow("per cents with signs") << QStringList{"+2.06%", "-0.50%", "0.00%", "+12.5%", "-3.10%"} << 1
                                              << QStringList{"-3.10%", "-0.50%", "0.00%", "+2.06%", "+12.5%"};
        QTest::newRow("dollars") << QStringList{"$1,200.50", "$950", "-$5", "$12"} << 1
                                 << QStringList{"-$5", "$12", "$950", "$1,200.50"};
        QTest::newRow("fractions with digit groups") << QStringList{"1,025 1/4", "", "999 7/8", "1,025.5", "-1,025 1/4", "1,025"} << 1
                                                    << QStringList{"-1,025 1/4", "999 7/8", "1,025", "1,025 1/4", "1,025.5", ""};
        // A figure with anything else about it is text, after the numbers.
        QTest::newRow("look-alikes are texts") << QStringList{"N/A", "10/12/2001", "1/0", "9", "5 %%", "$", "12 3/8 x", "3"} << 1
                                               << QStringList{"3", "9", "$", "1/0", "10/12/2001", "12 3/8 x", "5 %%", "N/A"};
    }
    void sort()
    {
        QFETCH(QStringList, keys);
        QFETCH(int, code);
        QFETCH(QStringList, sorted);
        grid->SetCols(3);
        grid->SetRows(1);
        grid->SetTextMatrix(0, 1, QStringLiteral("header"));
        for (const QString &k : keys)
            grid->AddItem(QStringLiteral("x\t") + k);
        grid->SetCol(1);
        grid->SetSort(code);
        QCOMPARE(grid->TextMatrix(0, 1), QStringLiteral("header")); // fixed rows stay
        QCOMPARE(Column(*grid, 1, 1), sorted);
    }

    void sortIsStableBothWays_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("tags");
        QTest::newRow("ascending") << 1 << QStringList{"c", "a", "d", "b", "e"};
        QTest::newRow("descending") << 2 << QStringList{"b", "e", "a", "d", "c"};
    }
    void sortIsStableBothWays()
    {
        QFETCH(int, code);
        QFETCH(QStringList, tags);
        grid->SetCols(3);
        grid->SetRows(1);
        for (const char *row : {"2\ta", "1\tc", "2\td", "X\tb", "x\te"})
            grid->AddItem(QStringLiteral("\t") + QString::fromLatin1(row));
        grid->SetCol(1);
        grid->SetSort(code);
        QCOMPARE(Column(*grid, 2, 1), tags);
    }

    void sortCarriesLooksAndHeights()
    {
        grid->SetCols(3);
        grid->SetRows(1);
        grid->AddItem("\t3\tthree");
        grid->AddItem("\t1\tone");
        grid->AddItem("\t2\ttwo");
        grid->SetCellFontBold(2, 2, true); // "one"
        grid->SetCellBackColor(2, 0, 0xEFEDD1);
        grid->SetCellPicture(2, 0, QPixmap(8, 8));
        grid->SetRowHeight(3, 0); // "two"
        grid->SetCol(1);
        grid->SetSort(FlexGrid::flexSortGenericAscending);
        QCOMPARE(Column(*grid, 2, 1), (QStringList{"one", "two", "three"}));
        QVERIFY(grid->CellFontBold(1, 2));
        QCOMPARE(grid->CellBackColor(1, 0), 0xEFEDD1u);
        QVERIFY(!grid->CellPicture(1, 0).isNull());
        QCOMPARE(grid->RowHeight(2), 0);
        QVERIFY(grid->RowHeight(1) > 0);
        QVERIFY(!grid->CellFontBold(3, 2));
        QCOMPARE(grid->CellBackColor(3, 0), 0x8000000Fu); // fixed column's own grey
        QVERIFY(grid->isRowHidden(2));
        QVERIFY(!grid->isRowHidden(3));
    }

    void colPosition_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QList<int>>("order"); // old column at each position
        QTest::newRow("to the right") << 1 << 3 << QList<int>{0, 2, 3, 1};
        QTest::newRow("to the left") << 3 << 1 << QList<int>{0, 3, 1, 2};
        QTest::newRow("in place") << 2 << 2 << QList<int>{0, 1, 2, 3};
        QTest::newRow("to the fixed column") << 2 << 0 << QList<int>{2, 0, 1, 3};
    }
    void colPosition()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QList<int>, order);
        grid->SetRows(3);
        grid->SetCols(4);
        FillNamed(*grid);
        const int widths[] = {300, 600, 900, 1200};
        const int aligns[] = {1, 4, 7, 9};
        for (int c = 0; c < 4; ++c) {
            grid->SetColWidth(c, widths[c]);
            grid->SetColAlignment(c, aligns[c]);
            grid->SetCellForeColor(1, c, uint32_t(c + 1));
        }
        grid->SetColPosition(from, to);
        for (int pos = 0; pos < 4; ++pos) {
            const int old = order[pos];
            QCOMPARE(grid->TextMatrix(0, pos), QStringLiteral("r0c%1").arg(old));
            QCOMPARE(grid->TextMatrix(2, pos), QStringLiteral("r2c%1").arg(old));
            QCOMPARE(grid->ColWidth(pos), widths[old]);
            QCOMPARE(grid->ColAlignment(pos), aligns[old]);
            QCOMPARE(grid->CellForeColor(1, pos), uint32_t(old + 1));
            QCOMPARE(grid->columnWidth(pos), widths[old] / 15);
        }
    }

    void sizesInTwips_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("readBack");
        QTest::newRow("whole pixels") << 2790 << 186 << 2790;
        QTest::newRow("rounded to the nearest pixel") << 100 << 7 << 105;
        QTest::newRow("a fraction of a pixel rounds down") << 37 << 2 << 30; // 2.47 pixels
        QTest::newRow("zero hides") << 0 << 0 << 0;
    }
    void sizesInTwips()
    {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QFETCH(int, readBack);
        grid->SetCols(3);
        grid->SetRows(3);
        grid->SetColWidth(1, twips);
        grid->SetRowHeight(1, twips);
        QCOMPARE(grid->ColWidth(1), readBack);
        QCOMPARE(grid->RowHeight(1), readBack);
        QCOMPARE(grid->isColumnHidden(1), pixels == 0);
        QCOMPARE(grid->isRowHidden(1), pixels == 0);
        if (pixels > 0) {
            QCOMPARE(grid->columnWidth(1), pixels);
            QCOMPARE(grid->rowHeight(1), pixels);
        }
        // -1 gives the default back, shown again.
        grid->SetColWidth(1, -1);
        grid->SetRowHeight(1, -1);
        QCOMPARE(grid->ColWidth(1), grid->ColWidth(2));
        QCOMPARE(grid->RowHeight(1), grid->RowHeight(2));
        QVERIFY(!grid->isColumnHidden(1));
        QVERIFY(!grid->isRowHidden(1));
        QCOMPARE(grid->RowHeight(1) % 15, 0);
    }

    // Shares of the grid's width: given again as the grid resizes when it
    // follows its width, moving with their columns; a width of a column's
    // own stays, and a grid that does not follow keeps every width.
    void percentWidthsFollowTheGrid_data()
    {
        QTest::addColumn<bool>("follows");
        QTest::newRow("following") << true;
        QTest::newRow("not following") << false;
    }
    void percentWidthsFollowTheGrid()
    {
        QFETCH(bool, follows);
        grid->SetCols(4);
        grid->SetColsFollowWidth(follows);
        Show(400, 300);
        QCOMPARE(grid->Width(), 6000);
        grid->SetColWidthPercent(0, 10);
        grid->SetColWidthPercent(1, 20);
        grid->SetColWidthPercent(2, 30);
        grid->SetColWidth(3, 900);
        QCOMPARE(grid->ColWidth(1), 1200);
        grid->SetColPosition(0, 2); // widths 20, 30, 10 per cent now
        grid->SetRedraw(false);     // applied once redraw is on again
        grid->resize(800, 300);
        QCOMPARE(grid->Width(), 12000);
        grid->SetRedraw(true);
        const QList<int> widths = follows ? QList<int>{2400, 3600, 1200, 900} : QList<int>{1200, 1800, 600, 900};
        for (int c = 0; c < 4; ++c)
            QCOMPARE(grid->ColWidth(c), widths[c]);
        QCOMPARE(grid->columnWidth(1), widths[1] / 15); // as the view shows it
        grid->resize(600, 300);
        QCOMPARE(grid->ColWidth(0), follows ? 1800 : 1200);
    }

    void redrawOffDefersAllViewWork()
    {
        Show();
        QAbstractItemModel *m = grid->model();
        QSignalSpy reset(m, &QAbstractItemModel::modelReset);
        QSignalSpy changed(m, &QAbstractItemModel::dataChanged);
        QSignalSpy inserted(m, &QAbstractItemModel::rowsInserted);
        QSignalSpy colsInserted(m, &QAbstractItemModel::columnsInserted);
        QTest::qWait(20);
        const long long painted = FlexGridDelegate::PaintedCells();

        grid->SetRedraw(false);
        grid->SetCols(5);
        grid->SetRows(300);
        FillNamed(*grid);
        grid->AddItem(QStringLiteral("last"));
        grid->SetRowHeight(3, 0);
        grid->SetColWidth(2, 3000);
        grid->SetCellBackColor(4, 4, 255);
        grid->SetTopRow(150);
        grid->viewport()->update(); // as if the window were uncovered
        QTest::qWait(50);
        QCOMPARE(FlexGridDelegate::PaintedCells(), painted);
        QCOMPARE(reset.count() + changed.count() + inserted.count() + colsInserted.count(), 0);
        QCOMPARE(m->rowCount(), 2); // the views still know the old shape
        QCOMPARE(m->data(m->index(1, 1)).toString(), QStringLiteral("r1c1"));
        QCOMPARE(grid->TopRow(), 150);

        grid->SetRedraw(true);
        QCOMPARE(reset.count(), 1);
        QCOMPARE(m->rowCount(), 301);
        QCOMPARE(m->columnCount(), 5);
        QVERIFY(grid->isRowHidden(3));
        QCOMPARE(grid->columnWidth(2), 200);
        QCOMPARE(grid->TopRow(), 150);
        QCOMPARE(grid->rowAt(grid->viewport()->height() / 2) > 150, true);
        QTRY_VERIFY(FlexGridDelegate::PaintedCells() > painted);

        // Texts and looks alone come back as one change, not a reset.
        grid->SetRedraw(false);
        grid->SetTextMatrix(5, 1, QStringLiteral("changed"));
        grid->SetCellFontBold(6, 1, true);
        QCOMPARE(changed.count(), 0);
        grid->SetRedraw(true);
        QCOMPARE(reset.count(), 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(m->data(m->index(5, 1)).toString(), QStringLiteral("changed"));
    }

    void liveChangesReachTheView()
    {
        QAbstractItemModel *m = grid->model();
        grid->SetCols(3);
        grid->AddItem(QStringLiteral("a\tb\tc"));
        QCOMPARE(m->rowCount(), 3);
        QCOMPARE(m->data(m->index(2, 2)).toString(), QStringLiteral("c"));
        grid->SetTextMatrix(0, 1, QStringLiteral("head"));
        QCOMPARE(m->data(m->index(0, 1)).toString(), QStringLiteral("head"));
        grid->SetRows(1);
        QCOMPARE(m->rowCount(), 1);
    }

    void fixedPartStaysWhileScrolling()
    {
        grid->SetRows(200);
        grid->SetCols(12);
        FillNamed(*grid);
        for (int c = 0; c < 12; ++c)
            grid->SetColWidth(c, 1200);
        for (int r = 1; r < 200; ++r)
            grid->SetCellBackColor(r, 3, 0x0000FF); // red
        Show(400, 300);

        grid->SetTopRow(100);
        QCOMPARE(grid->TopRow(), 100);
        const QRect header = grid->visualRect(grid->model()->index(0, 3));
        QCOMPARE(header.top(), 0);
        const QRect top = grid->visualRect(grid->model()->index(100, 3));
        QCOMPARE(top.top(), header.bottom() + 1);
        QCOMPARE(grid->indexAt(QPoint(header.center().x(), 2)).row(), 0);
        QCOMPARE(grid->indexAt(top.center()).row(), 100);

        // The header row covers the scrolled rows under it on screen.
        QTest::qWait(20);
        const QImage shot = grid->grab().toImage();
        const QPoint off = grid->viewport()->pos();
        QVERIFY(shot.pixelColor(header.center() + off) != QColor(Qt::red));
        QCOMPARE(shot.pixelColor(top.center() + off), QColor(Qt::red));

        // Sideways: fixed column 0 stays, column 5 moves left.
        const int before = grid->ColPos(5);
        grid->horizontalScrollBar()->setValue(160);
        QCOMPARE(grid->ColPos(5), before - 160 * 15);
        QCOMPARE(grid->ColPos(0), grid->viewport()->x() * 15);
        QCOMPARE(grid->visualRect(grid->model()->index(150, 0)).left(), 0);
    }

    // A cell with a picture and a text shows both: the whole picture, then
    // the text beside it, whatever alignments the two have.
    void pictureAndTextBothShow_data()
    {
        QTest::addColumn<int>("pictureAlignment");
        QTest::addColumn<int>("textAlignment");
        QTest::newRow("both centred, as a list's rank and arrow") << 4 << 4;
        QTest::newRow("both left") << 1 << 1;
        QTest::newRow("picture right, text left") << 7 << 1;
    }
    void pictureAndTextBothShow()
    {
        QFETCH(int, pictureAlignment);
        QFETCH(int, textAlignment);
        grid->SetRows(3);
        grid->SetCols(3);
        grid->SetFixedRows(0);
        grid->SetFixedCols(0);
        grid->SetGridLines(FlexGrid::flexGridNone);
        grid->SetBackColor(0xFFFFFF);
        grid->SetColWidth(1, 1200);
        grid->SetRowHeight(1, 400);
        QPixmap arrow(10, 10);
        arrow.fill(Qt::green);
        grid->SetCellPicture(1, 1, arrow);
        grid->SetCellPictureAlignment(1, 1, pictureAlignment);
        grid->SetTextMatrix(1, 1, QStringLiteral("88"));
        grid->SetCellAlignment(1, 1, textAlignment);
        grid->SetRow(2); // away from the selection's colours
        grid->SetCol(2);
        Show();
        const QRect cell = grid->visualRect(grid->model()->index(1, 1));
        const QImage shot = grid->viewport()->grab().toImage();
        int green = 0, greenRight = -1, ink = 0, inkLeft = cell.right() + 1;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                if (c.green() > 200 && c.red() < 80 && c.blue() < 80) {
                    ++green;
                    greenRight = std::max(greenRight, x);
                } else if (qGray(c.rgb()) < 128) {
                    ++ink;
                    inkLeft = std::min(inkLeft, x);
                }
            }
        QCOMPARE(green, 100);
        QVERIFY(ink > 0);
        QVERIFY2(inkLeft > greenRight, qPrintable(QStringLiteral("text from x=%1, picture to x=%2").arg(inkLeft).arg(greenRight)));
    }

    void everyCellIsReadable()
    {
        grid->SetRows(3);
        grid->SetCols(4);
        FillNamed(*grid);
        grid->SetColWidth(3, 0);
        Show();
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(grid.get());
        QVERIFY(iface);
        QAccessibleTableInterface *table = iface->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->columnCount(), 4);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c) {
                QAccessibleInterface *cell = table->cellAt(r, c);
                QVERIFY(cell);
                QCOMPARE(cell->text(QAccessible::Name), grid->TextMatrix(r, c));
            }
    }

    void mouseSelectsAndReportsInTwips()
    {
        grid->SetRows(6);
        grid->SetCols(4);
        FillNamed(*grid);
        Show();
        QSignalSpy down(grid.get(), &FlexGrid::MouseDown);
        QSignalSpy up(grid.get(), &FlexGrid::MouseUp);
        QSignalSpy click(grid.get(), &FlexGrid::Click);
        QSignalSpy dbl(grid.get(), &FlexGrid::DblClick);
        QWidget *vp = grid->viewport();

        const QPoint p = CellCenter(3, 2);
        QTest::mouseClick(vp, Qt::LeftButton, Qt::ShiftModifier, p);
        QCOMPARE(down.count(), 1);
        QCOMPARE(down[0][0].toInt(), 1);
        QCOMPARE(down[0][1].toInt(), 1);
        QCOMPARE(down[0][2].toFloat(), float((p.x() + vp->x()) * 15));
        QCOMPARE(down[0][3].toFloat(), float((p.y() + vp->y()) * 15));
        QCOMPARE(up.count(), 1);
        QCOMPARE(click.count(), 1);
        QCOMPARE(grid->MouseRow(), 3);
        QCOMPARE(grid->MouseCol(), 2);

        QTest::mouseClick(vp, Qt::LeftButton, Qt::NoModifier, p);
        QCOMPARE(grid->Row(), 3);
        QCOMPARE(grid->Col(), 2);
        QCOMPARE(grid->Clip(), QStringLiteral("r3c2"));

        // The right button reports but leaves the current cell alone.
        QTest::mouseClick(vp, Qt::RightButton, Qt::ControlModifier, CellCenter(4, 1));
        QCOMPARE(down.last()[0].toInt(), 2);
        QCOMPARE(down.last()[1].toInt(), 2);
        QCOMPARE(grid->Row(), 3);
        QCOMPARE(click.count(), 2);

        // A header cell takes its whole column.
        QTest::mouseClick(vp, Qt::LeftButton, Qt::NoModifier, CellCenter(0, 1));
        QCOMPARE(grid->MouseRow(), 0);
        QCOMPARE(grid->Col(), 1);
        QCOMPARE(grid->Row(), 1);
        QCOMPARE(grid->RowSel(), 5);
        QCOMPARE(grid->ColSel(), 1);
        QCOMPARE(grid->Clip(), QStringLiteral("r1c1\rr2c1\rr3c1\rr4c1\rr5c1"));

        // Double click: the second release gives MouseUp and no Click.
        click.clear();
        up.clear();
        QTest::mouseClick(vp, Qt::LeftButton, Qt::NoModifier, CellCenter(2, 3));
        QTest::mouseDClick(vp, Qt::LeftButton, Qt::NoModifier, CellCenter(2, 3));
        QTest::mouseRelease(vp, Qt::LeftButton, Qt::NoModifier, CellCenter(2, 3));
        QCOMPARE(click.count(), 1);
        QCOMPARE(dbl.count(), 1);
        QCOMPARE(up.count(), 2);
        QCOMPARE(grid->Col(), 3);

        // Beyond the last row nothing is under the pointer.
        grid->SetRows(2);
        SendMouse(vp, QEvent::MouseMove, QPoint(5, vp->height() - 2), Qt::NoButton, Qt::NoButton);
        QCOMPARE(grid->MouseRow(), -1);
    }

    void draggingDropsWithoutMouseUp()
    {
        grid->SetRows(6);
        grid->SetCols(5);
        FillNamed(*grid);
        Show();
        QSignalSpy over(grid.get(), &FlexGrid::DragOver);
        QSignalSpy drop(grid.get(), &FlexGrid::DragDrop);
        QSignalSpy up(grid.get(), &FlexGrid::MouseUp);
        QSignalSpy click(grid.get(), &FlexGrid::Click);
        connect(grid.get(), &FlexGrid::MouseMove, grid.get(), [this](int button, int, float, float) {
            if (button == 1 && !grid->Dragging())
                grid->Drag(FlexGrid::vbBeginDrag);
        });
        QWidget *vp = grid->viewport();
        SendMouse(vp, QEvent::MouseButtonPress, CellCenter(0, 1), Qt::LeftButton, Qt::LeftButton);
        SendMouse(vp, QEvent::MouseMove, CellCenter(0, 2), Qt::NoButton, Qt::LeftButton);
        QVERIFY(grid->Dragging());
        SendMouse(vp, QEvent::MouseMove, CellCenter(0, 3), Qt::NoButton, Qt::LeftButton);
        SendMouse(vp, QEvent::MouseMove, CellCenter(0, 4), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(over.count(), 2);
        QCOMPARE(over[0][3].toInt(), int(FlexGrid::vbEnter));
        QCOMPARE(over[1][3].toInt(), int(FlexGrid::vbOver));
        QCOMPARE(over[0][0].value<QWidget *>(), grid.get());
        SendMouse(vp, QEvent::MouseButtonRelease, CellCenter(0, 4), Qt::LeftButton, Qt::NoButton);
        QVERIFY(!grid->Dragging());
        QCOMPARE(drop.count(), 1);
        QCOMPARE(grid->MouseCol(), 4);
        QCOMPARE(grid->MouseRow(), 0);
        QCOMPARE(up.count(), 0);
        QCOMPARE(click.count(), 0);

        // Cancelled: no drop.
        grid->Drag(FlexGrid::vbBeginDrag);
        grid->Drag(FlexGrid::vbCancel);
        QCOMPARE(drop.count(), 1);
    }

    void keysReportButCopyIsTheOwners()
    {
        grid->SetRows(6);
        grid->SetCols(4);
        FillNamed(*grid);
        Show();
        grid->setFocus();
        QSignalSpy keys(grid.get(), &FlexGrid::KeyDown);
        grid->SetRow(2);
        grid->SetCol(1);
        QApplication::clipboard()->setText(QStringLiteral("before"));

        QTest::keyClick(grid.get(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(keys.count(), 2); // the Ctrl key itself, then C with Ctrl held
        QCOMPARE(keys[0][0].toInt(), 17);
        QCOMPARE(keys[1][0].toInt(), 67);
        QCOMPARE(keys[1][1].toInt(), 2);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));

        QTest::keyClick(grid.get(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(keys.last()[0].toInt(), 65);
        QCOMPARE(grid->RowSel(), 2);
        QCOMPARE(grid->ColSel(), 1);

        QTest::keyClick(grid.get(), Qt::Key_F5);
        QCOMPARE(keys.last()[0].toInt(), 116);

        // Arrows move the current cell, skipping hidden rows; Shift extends.
        grid->SetRowHeight(3, 0);
        QTest::keyClick(grid.get(), Qt::Key_Down);
        QCOMPARE(grid->Row(), 4);
        QTest::keyClick(grid.get(), Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(grid->Col(), 1);
        QCOMPARE(grid->ColSel(), 2);
        QTest::keyClick(grid.get(), Qt::Key_Up);
        QCOMPARE(grid->Row(), 2);
        QCOMPARE(grid->ColSel(), 1);
    }

    void mousePointerCodes()
    {
        grid->SetMousePointer(FlexGrid::flexHourglass);
        QCOMPARE(grid->viewport()->cursor().shape(), Qt::WaitCursor);
        grid->SetMouseIcon(QCursor(Qt::PointingHandCursor));
        grid->SetMousePointer(FlexGrid::flexCustom);
        QCOMPARE(grid->viewport()->cursor().shape(), Qt::PointingHandCursor);
        grid->SetMousePointer(FlexGrid::flexDefault);
        QCOMPARE(grid->viewport()->cursor().shape(), Qt::ArrowCursor);
        QVERIFY_THROWS_EXCEPTION(VbError, grid->SetMousePointer(42));
    }
};

TW_TEST(tst_flexgrid)
#include "tst_flexgrid.moc"
