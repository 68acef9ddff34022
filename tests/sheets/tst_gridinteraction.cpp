// The main grid under real mouse and key events: sorting only a sheet's
// data rows, the hand over link columns, header colours, the edit menu, the
// column drag and the stored layout, select all and copy.
#include "SheetFixture.h"
#include "common/TestRegistry.h"
#include "platform/FlexGrid.h"
#include "shell/MouseEvents.h"
#include "sheets/GridInteraction.h"
#include "sheets/LayOut.h"
#include "sheets/Utilities.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

using namespace tw::test;

class tst_gridinteraction : public QObject {
    Q_OBJECT
    SheetFixture f;

    QWidget *Port() const { return f.fg()->viewport(); }
    void Press(int row, int col, Qt::MouseButton b = Qt::LeftButton)
    {
        SendMouse(Port(), QEvent::MouseButtonPress, b, CellCenter(f.fg(), row, col));
        SendMouse(Port(), QEvent::MouseButtonRelease, b, CellCenter(f.fg(), row, col));
    }
    void ShowIT()
    {
        f.Fill(&frmMain::FG_IT, QStringLiteral("ZETA_it.Sh"), SheetFixture::Fixture(QStringLiteral("ZETA_it.Sh")), 8,
               QStringLiteral("IT"));
    }
    QStringList Column(int col) const
    {
        QStringList out;
        for (int r = 0; r < f.fg()->Rows(); ++r)
            out << f.fg()->TextMatrix(r, col);
        return out;
    }
    static double Number(const QString &s) { return QString(s).remove(u',').toDouble(); }
    void ShowQuotes()
    {
        for (const char *sym : {"AAA", "BBB", "CCC"}) {
            StockRecord &s = Stocks[size_t(StockCount)];
            s.Symbol = sym;
            s.Name = QByteArray(sym) + " Corp";
            s.LastSale = "12 3/8";
            s.DChange = "+0.25";
            s.PChange = "+2.06%";
            s.Volume = "120000";
            s.TodayHigh = "13";
            s.TodayLow = "12";
            ++StockCount;
        }
        f.main->FG_Current();
        QCOMPARE(CurrentView, QStringLiteral("Current"));
    }

private Q_SLOTS:
    void init()
    {
        f.Start();
        GridInteraction::SortOrder = 0;
        f.ShowMain();
    }
    void cleanup() { f.Stop(); }

    // The first double-click sorts the data rows ascending, the next one
    // descending; the headings and the two hidden rows stay where they are.
    void sortMovesOnlyDataRows()
    {
        ShowIT();
        const QStringList before = Column(4);
        const int rows = f.fg()->Rows();
        DoubleClick(Port(), CellCenter(f.fg(), 3, 4));
        QStringList after = Column(4);
        QCOMPARE(after.mid(0, 2), before.mid(0, 2));
        QCOMPARE(after.mid(rows - 2), before.mid(rows - 2));
        for (int r = 3; r < rows - 2; ++r)
            QVERIFY2(Number(after[r - 1]) <= Number(after[r]), qPrintable(after.join(u' ')));
        QCOMPARE(GridInteraction::SortOrder, int16_t(1));
        QCOMPARE(f.fg()->RowHeight(rows - 1), 0); // heights travel with their rows
        QCOMPARE(f.fg()->RowHeight(1), 3 * f.base());

        DoubleClick(Port(), CellCenter(f.fg(), 3, 4));
        after = Column(4);
        for (int r = 3; r < rows - 2; ++r)
            QVERIFY(Number(after[r - 1]) >= Number(after[r]));
        QCOMPARE(after.mid(rows - 2), before.mid(rows - 2));
        QCOMPARE(GridInteraction::SortOrder, int16_t(2));
    }

    // Double-clicking a heading of the quote list sorts its stocks by the
    // figures the cells show: fractions, signed per cents and digit groups
    // as numbers, a stock without a figure after the others.
    void quoteListSortsFigures_data()
    {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("ascending"); // symbols, top to bottom
        // Zeta has a name and nothing else: an empty cell, first of the texts.
        QTest::newRow("Last Sale") << "Last Sale" << QStringList{"CCC", "DDD", "EEE", "AAA", "BBB", "Zeta", "NNN"};
        QTest::newRow("% Change") << "% Change" << QStringList{"EEE", "BBB", "DDD", "AAA", "CCC", "Zeta", "NNN"};
        QTest::newRow("Volume") << "Volume" << QStringList{"DDD", "AAA", "BBB", "EEE", "CCC", "Zeta", "NNN"};
    }
    void quoteListSortsFigures()
    {
        QFETCH(QString, heading);
        QFETCH(QStringList, ascending);
        struct Quote { const char *symbol, *last, *change, *volume; };
        const Quote quotes[] = {
            {"AAA", "104 1/8", "+2.06%", "987,000"},   {"BBB", "137 3/8", "-0.50%", "1,204,300"},
            {"CCC", "14 7/8", "+12.5%", "12,450,000"}, {"DDD", "60 7/8", "0.00%", "45,100"},
            {"EEE", "65 3/8", "-3.10%", "3,000,000"},  {"NNN", "N/A", "N/A", "N/A"},
        };
        for (const Quote &q : quotes) {
            StockRecord &s = Stocks[size_t(StockCount++)];
            s.Symbol = q.symbol;
            s.Name = QByteArray(q.symbol) + " Corp";
            s.LastSale = q.last;
            s.PChange = q.change;
            s.Volume = q.volume;
            s.Exchange = "NYSE";
        }
        f.main->FG_Current();
        const int col = SheetFixture::Cells(f.fg()).first().split(u'|').indexOf(heading);
        QVERIFY(col > 0);
        const auto symbols = [this] {
            QStringList out;
            for (const QString &name : Column(1).mid(2))
                out << name.section(u' ', 0, 0);
            return out;
        };
        DoubleClick(Port(), CellCenter(f.fg(), 0, col));
        QCOMPARE(symbols(), ascending);
        DoubleClick(Port(), CellCenter(f.fg(), 0, col));
        QStringList descending = ascending;
        std::reverse(descending.begin(), descending.end());
        QCOMPARE(symbols(), descending);
        QCOMPARE(f.fg()->RowHeight(1), 0); // the hidden spacer stays on top
    }

    void unsortableViewKeepsOrder()
    {
        ShowIT();
        CurrentView = QStringLiteral("AIS");
        const QStringList before = Column(4);
        DoubleClick(Port(), CellCenter(f.fg(), 3, 4));
        QCOMPARE(Column(4), before);
        QCOMPARE(GridInteraction::SortOrder, int16_t(0));
    }

    // The hand shows over the link column in every row, headings included.
    void handOverLinkColumns_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<int>("col");
        QTest::addColumn<bool>("hand");
        QTest::newRow("IT name column") << "IT" << 2 << true;
        QTest::newRow("IT action column") << "IT" << 3 << false;
        QTest::newRow("Call code column") << "Call" << 0 << true;
        QTest::newRow("Call column 5") << "Call" << 5 << false;
        QTest::newRow("fund list") << "F_Conv" << 0 << false;
    }
    void handOverLinkColumns()
    {
        QFETCH(QString, view);
        QFETCH(int, col);
        QFETCH(bool, hand);
        ShowIT();
        CurrentView = view;
        for (int row : {0, 1, 3}) {
            SendMouse(Port(), QEvent::MouseMove, Qt::NoButton, CellCenter(f.fg(), row, col));
            QCOMPARE(f.fg()->MousePointer() == FlexGrid::flexCustom, hand);
            QCOMPARE(Port()->cursor().shape() == Qt::PointingHandCursor, hand);
        }
    }

    // A left mouse-down turns its column's header blue and the others black.
    void headerColours()
    {
        ShowIT();
        Press(5, 3);
        for (int c = 0; c < f.fg()->Cols(); ++c)
            QCOMPARE(f.fg()->CellForeColor(0, c), c == 3 ? 0xFF0000u : 0u);
        QCOMPARE(f.fg()->Row(), 5);
    }

    // The right button opens the edit menu with the view's items.
    void editMenuPerView()
    {
        QList<QMenu *> opened;
        frmMain::SetPopupHook([&](QMenu *m, QPointF) { opened << m; });
        ShowQuotes();
        Press(2, 2, Qt::RightButton);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0], f.main->mnuEdits);
        QVERIFY(f.main->mnuEdit[7]->isVisible());
        for (int i : {6, 8, 9})
            QVERIFY(!f.main->mnuEdit[i]->isVisible());
        ShowIT();
        Press(2, 2, Qt::RightButton);
        QCOMPARE(opened.size(), 1); // no menu over a sheet
        // The transaction log's menu hides "Old Style Background"; the quote
        // list's shows it again.
        CurrentView = QStringLiteral("PortLog");
        Press(2, 2, Qt::RightButton);
        QVERIFY(!f.main->mnuEdit[4]->isVisible() && f.main->mnuEdit[9]->isVisible());
        ShowQuotes();
        Press(2, 2, Qt::RightButton);
        QVERIFY(f.main->mnuEdit[4]->isVisible() && f.main->mnuEdit[5]->isVisible());
        QVERIFY(!f.main->mnuEdit[9]->isVisible());
        frmMain::SetPopupHook(nullptr);
    }

    // Dragging "Volume" onto the second column stores the quote list's order,
    // and it comes back after a restart.
    void columnDragStoresTheLayout()
    {
        QFile::remove(LayOutFile::Path());
        f.main->LoadLayOut();
        ShowQuotes();
        QCOMPARE(f.fg()->TextMatrix(0, 5), QStringLiteral("Volume"));
        const QPoint from = CellCenter(f.fg(), 0, 5);
        SendMouse(Port(), QEvent::MouseButtonPress, Qt::LeftButton, from);
        SendMouse(Port(), QEvent::MouseMove, Qt::LeftButton, from + QPoint(-3, 0)); // 45 twips: no drag yet
        QVERIFY(!f.fg()->Dragging());
        SendMouse(Port(), QEvent::MouseMove, Qt::LeftButton, from + QPoint(-4, 0)); // 60 twips
        QVERIFY(f.fg()->Dragging());
        SendMouse(Port(), QEvent::MouseMove, Qt::LeftButton, CellCenter(f.fg(), 0, 2));
        QVERIFY(f.main->picSplit->isVisible());
        SendMouse(Port(), QEvent::MouseButtonRelease, Qt::LeftButton, CellCenter(f.fg(), 0, 2));
        QVERIFY(!f.main->picSplit->isVisible());
        QCOMPARE(f.fg()->TextMatrix(0, 2), QStringLiteral("Volume"));
        QCOMPARE(f.main->FGDrag.col, int16_t(-1));

        const QByteArray file = TestEnv::ReadAll(LayOutFile::Path());
        QCOMPARE(file.size(), 432);
        QCOMPARE(file.left(12), QByteArray(12, '\0'));
        QCOMPARE(file.mid(12, 20), QByteArray::fromHex("0800") + "Companey" + QByteArray::fromHex("0000" "01000000" "01000000"));
        QCOMPARE(file.mid(32, 18), QByteArray::fromHex("0600") + "Volume" + QByteArray::fromHex("0000" "02000000" "02000000"));

        // The next start reads the file and the quote list takes the order.
        LayOut.fill({});
        f.main->LoadLayOut();
        f.main->FG_Current();
        QCOMPARE(f.fg()->TextMatrix(0, 2), QStringLiteral("Volume"));
    }

    // The quote list drawn in a small window, which then grows: every column
    // takes its share of the wider grid again, so the headings show whole,
    // but a column the user dragged elsewhere keeps the width it had.
    void columnsFollowTheGridsWidth()
    {
        const QList<double> percents{3, 20, 12, 10, 12, 14, 15, 15, 10, 10, 12, 10, 15, 15, 15, 12, 15, 10, 14, 20, 15};
        f.main->ShowWindow(); // loaded, so its controls follow its size
        f.main->resize(632, 425);
        QTRY_COMPARE(f.main->width(), 632);
        ShowQuotes();
        // The share of the grid's width, to the pixel the screen can show.
        const auto follows = [this](int col, double percent) {
            return qAbs(f.fg()->ColWidth(col) - FlexGrid::PercentTwips(percent, f.fg()->Width())) < 15;
        };
        const int small = f.fg()->Width();
        QVERIFY(follows(12, 15));

        f.main->resize(1600, 1200);
        QTRY_VERIFY(f.fg()->Width() > 2 * small);
        for (int c = 0; c < f.fg()->Cols(); ++c)
            QVERIFY2(follows(c, percents[c]), qPrintable(f.fg()->TextMatrix(0, c)));
        const QFontMetrics metrics(f.fg()->font());
        QCOMPARE(f.fg()->TextMatrix(0, 12), QStringLiteral("Previous Close"));
        QVERIFY(15 * (metrics.horizontalAdvance(QStringLiteral("Previous Close")) + 4) <= f.fg()->ColWidth(12));

        // "Volume" dragged onto the second column.
        const QPoint from = CellCenter(f.fg(), 0, 5);
        SendMouse(Port(), QEvent::MouseButtonPress, Qt::LeftButton, from);
        SendMouse(Port(), QEvent::MouseMove, Qt::LeftButton, from + QPoint(-8, 0));
        SendMouse(Port(), QEvent::MouseMove, Qt::LeftButton, CellCenter(f.fg(), 0, 2));
        SendMouse(Port(), QEvent::MouseButtonRelease, Qt::LeftButton, CellCenter(f.fg(), 0, 2));
        QCOMPARE(f.fg()->TextMatrix(0, 2), QStringLiteral("Volume"));
        const int dragged = f.fg()->ColWidth(2);
        f.main->resize(1000, 700);
        QTRY_VERIFY(f.fg()->Width() < 1000 * 15);
        QCOMPARE(f.fg()->ColWidth(2), dragged);
        QVERIFY(follows(1, 20)); // "Companey"
        QVERIFY(follows(3, 12)); // "Last Sale", shifted by the drop

        // A message in place of a sheet spans the grid at any width.
        SheetFrame::ShowGridMessage(*f.main, QStringLiteral("No data"));
        f.main->resize(1400, 900);
        QTRY_VERIFY(f.fg()->Width() > 1000 * 15);
        QVERIFY(follows(0, 100));
    }

    // The drag distance is across plus down, in twips: 49 starts nothing.
    void dragDistance()
    {
        ShowQuotes();
        SendMouse(Port(), QEvent::MouseButtonPress, Qt::LeftButton, CellCenter(f.fg(), 0, 5));
        const float x = f.main->FGDrag.startX, y = f.main->FGDrag.startY;
        f.main->FG_MouseMove(1, 0, x + 30, y + 19);
        QVERIFY(!f.fg()->Dragging());
        f.main->FG_MouseMove(1, 0, x + 30, y + 20);
        QVERIFY(f.fg()->Dragging());
        QCOMPARE(f.main->FGDrag.col, int16_t(5));
        f.fg()->Drag(FlexGrid::vbCancel);
        QCOMPARE(f.main->FGDrag.col, int16_t(-1)); // nothing left to drop
    }

    // A drop over a data row moves nothing; a drop in a sheet moves the
    // column but keeps the stored layout.
    void dropsThatStoreNothing()
    {
        QFile::remove(LayOutFile::Path());
        f.main->LoadLayOut();
        ShowQuotes();
        const QStringList heads = SheetFixture::Cells(f.fg()).mid(0, 1);
        SendMouse(Port(), QEvent::MouseButtonPress, Qt::LeftButton, CellCenter(f.fg(), 0, 5));
        SendMouse(Port(), QEvent::MouseMove, Qt::LeftButton, CellCenter(f.fg(), 0, 5) + QPoint(-8, 0));
        SendMouse(Port(), QEvent::MouseMove, Qt::LeftButton, CellCenter(f.fg(), 2, 2));
        SendMouse(Port(), QEvent::MouseButtonRelease, Qt::LeftButton, CellCenter(f.fg(), 2, 2));
        QCOMPARE(SheetFixture::Cells(f.fg()).mid(0, 1), heads);
        QCOMPARE(QFile(LayOutFile::Path()).size(), 0);
        QVERIFY(!f.main->picSplit->isVisible());

        ShowIT();
        SendMouse(Port(), QEvent::MouseButtonPress, Qt::LeftButton, CellCenter(f.fg(), 0, 4));
        SendMouse(Port(), QEvent::MouseMove, Qt::LeftButton, CellCenter(f.fg(), 0, 4) + QPoint(-8, 0));
        SendMouse(Port(), QEvent::MouseMove, Qt::LeftButton, CellCenter(f.fg(), 0, 3));
        SendMouse(Port(), QEvent::MouseButtonRelease, Qt::LeftButton, CellCenter(f.fg(), 0, 3));
        QCOMPARE(f.fg()->TextMatrix(0, 3), QStringLiteral("Shares"));
        QCOMPARE(QFile(LayOutFile::Path()).size(), 0);
    }

    // Ctrl+A then Ctrl+C, typed to the grid: the whole grid as text.
    void selectAllAndCopy()
    {
        ShowIT();
        f.fg()->setFocus();
        QTest::keyClick(f.fg(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(f.fg(), Qt::Key_C, Qt::ControlModifier);
        QStringList rows;
        for (const QString &r : SheetFixture::Cells(f.fg()))
            rows << QString(r).replace(u'|', u'\t');
        QCOMPARE(QGuiApplication::clipboard()->text(), rows.join(u'\r'));
    }
};

TW_TEST(tst_gridinteraction)
#include "tst_gridinteraction.moc"
