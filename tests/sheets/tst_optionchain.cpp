// The option chain sheets: calls, puts and both side by side, from the
// comma-separated option quote table, in the main grid or a Zoom window.
#include "SheetFixture.h"
#include "common/TestRegistry.h"
#include "core/Hosts.h"
#include "platform/Shell.h"
#include "shell/MouseEvents.h"
#include "shell/Zoom.h"
#include "sheets/GridInteraction.h"

#include <QLabel>
#include <QPointer>
#include <QTest>

using tw::test::CellCenter;
using tw::test::SheetFixture;

using Filler = void (frmMain::*)();
Q_DECLARE_METATYPE(Filler)

namespace {

const QString kFile = QStringLiteral("ZETA_op.Sh");
const QString kNoData = QStringLiteral("Data is not available, connect to Internet, and update again .");

QByteArray Page() { return SheetFixture::Fixture(QStringLiteral("Options.page")); }

// Thirteen commas: the last field has none after it.
const QByteArray kShortLine =
    "ZETA Mar 100 (ZTC CT),7.00,+0.40,6.90,7.10,30,600,ZETA Mar 100 (ZTC OT),3.90,-0.30,3.80,4.00,20,400\r\n";
// Well formed but for the line break it lacks.
const QByteArray kLastLine =
    "ZETA Apr 100 (ZTD DT),8.00,+0.50,7.90,8.10,10,300,ZETA Apr 100 (ZTD PT),4.50,-0.40,4.40,4.60,5,200,";

const QString kCallHeads = QStringLiteral("Calls|Last Sale|Net|Bid|Ask|Vol|Open Int");
const QString kPutHeads = QStringLiteral("Puts|Last Sale|Net|Bid|Ask|Vol|Open Int");
const QString kBothHeads =
    QStringLiteral("|Calls|Last Sale|Net|Bid|Ask|Vol|Open Int|Puts|Last Sale|Net|Bid|Ask|Vol|Open Int");
const QStringList kCalls{
    kCallHeads,
    QStringLiteral("ZETA Calls||||||"),
    QStringLiteral("||||||"),
    QStringLiteral(" ZETA Jan 100 (ZTA AT)|5.10|+0.20|5.00|5.20|120|3400"),
    QStringLiteral(" ZETA Jan 105 (ZTA AA)|2.60|+0.15|2.50|2.70|95|2800"),
    QStringLiteral(" ZETA Feb 100 (ZTB BT)|6.20|+0.30|6.10|6.30|40|1200"),
};
const QStringList kPuts{
    kPutHeads,
    QStringLiteral("ZETA Puts||||||"),
    QStringLiteral("||||||"),
    QStringLiteral("ZETA Jan 100 (ZTA MT)|2.10|-0.10|2.00|2.20|80|1500"),
    QStringLiteral("ZETA Jan 105 (ZTA MA)|4.70|-0.20|4.60|4.80|60|900"),
    QStringLiteral("ZETA Feb 100 (ZTB NT)|3.10|-0.05|3.00|3.20|25|700"),
};
const QStringList kBoth{
    kBothHeads,
    QStringLiteral("|ZETA Options|||||||||||||"),
    QStringLiteral("||||||||||||||"),
    QStringLiteral("| ZETA Jan 100 \r\n(ZTA AT)|5.10|+0.20|5.00|5.20|120|3400|ZETA Jan 100 \r\n(ZTA MT)|2.10|-0.10|2.00|2.20|80|1500"),
    QStringLiteral("| ZETA Jan 105 \r\n(ZTA AA)|2.60|+0.15|2.50|2.70|95|2800|ZETA Jan 105 \r\n(ZTA MA)|4.70|-0.20|4.60|4.80|60|900"),
    QStringLiteral("| ZETA Feb 100 \r\n(ZTB BT)|6.20|+0.30|6.10|6.30|40|1200|ZETA Feb 100 \r\n(ZTB NT)|3.10|-0.05|3.00|3.20|25|700"),
};

} // namespace

class tst_optionchain : public QObject {
    Q_OBJECT
    SheetFixture f;

    void Show(Filler fill, const QByteArray &page)
    {
        f.FillOverOther(fill, kFile, page);
        QCOMPARE(ZoomMode, int16_t(0));
    }

private Q_SLOTS:
    void init() { f.Start(); }
    void cleanup()
    {
        QList<QPointer<Zoom>> zooms;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *z = qobject_cast<Zoom *>(w))
                zooms << z;
        for (const QPointer<Zoom> &z : zooms)
            delete z.data();
        f.Stop();
    }

    void cells_data()
    {
        QTest::addColumn<Filler>("fill");
        QTest::addColumn<QString>("view");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("calls") << &frmMain::FG_Call << "Call" << Page() << kCalls;
        QTest::newRow("puts") << &frmMain::FG_Put << "Put" << Page() << kPuts;
        QTest::newRow("options") << &frmMain::FG_Options << "Options" << Page() << kBoth;
        // A line of thirteen commas is enough for either half, not for both;
        // a last line without its line break is no line.
        const QByteArray odd = Page() + kShortLine + kLastLine;
        QTest::newRow("calls, short and unended lines")
            << &frmMain::FG_Call << "Call" << odd
            << kCalls + QStringList{QStringLiteral(" ZETA Mar 100 (ZTC CT)|7.00|+0.40|6.90|7.10|30|600")};
        QTest::newRow("puts, short and unended lines")
            << &frmMain::FG_Put << "Put" << odd
            << kPuts + QStringList{QStringLiteral("ZETA Mar 100 (ZTC OT)|3.90|-0.30|3.80|4.00|20|400")};
        QTest::newRow("options, short and unended lines") << &frmMain::FG_Options << "Options" << odd << kBoth;
        // Lines of too few fields are skipped one by one: the first line
        // split in two leaves too few for the calls, and exactly seven
        // commas give the puts an empty row.
        const QByteArray split = QByteArray(Page()).replace("3400,ZETA", "3400\r\nZETA");
        QTest::newRow("calls, a line split in two")
            << &frmMain::FG_Call << "Call" << split << QStringList(kCalls.mid(0, 3) + kCalls.mid(4));
        QTest::newRow("puts, a line split in two")
            << &frmMain::FG_Put << "Put" << split
            << QStringList(kPuts.mid(0, 3) + QStringList{QStringLiteral("||||||")} + kPuts.mid(4));
        // No header line: the data is sought from the page's start, and the
        // text before its first line break is no line.
        const QByteArray bare = Page().mid(Page().indexOf("Open Int,\r\n") + 11);
        QTest::newRow("options, no header line")
            << &frmMain::FG_Options << "Options" << bare << QStringList(kBoth.mid(0, 3) + kBoth.mid(4));
        QTest::newRow("puts, only the header line")
            << &frmMain::FG_Put << "Put" << Page().left(Page().indexOf("Open Int,\r\n") + 11) << kPuts.mid(0, 3);
    }
    void cells()
    {
        QFETCH(Filler, fill);
        QFETCH(QString, view);
        QFETCH(QByteArray, page);
        QFETCH(QStringList, cells);
        Show(fill, page);
        QCOMPARE(CurrentView, view);
        QCOMPARE(SheetFixture::Cells(f.fg()), cells);
    }

    void layout_data()
    {
        QTest::addColumn<Filler>("fill");
        QTest::addColumn<int>("titleCol");
        QTest::addColumn<QList<int>>("links");
        QTest::addColumn<QList<int>>("widths"); // twips of a 9000-twip grid
        QTest::addColumn<QList<int>>("alignments");
        QTest::addColumn<int>("lines"); // of an option row
        QTest::newRow("calls") << &frmMain::FG_Call << 0 << QList<int>{0}
                               << QList<int>{2430, 1080, 810, 1080, 1080, 1080, 1080} << QList<int>{1, 7, 7, 7, 7, 7, 7} << 1;
        QTest::newRow("puts") << &frmMain::FG_Put << 0 << QList<int>{0}
                              << QList<int>{2160, 1080, 1080, 1080, 1080, 1080, 1080} << QList<int>{1, 7, 7, 7, 7, 7, 7} << 1;
        // The descriptions show their option code on a second line, which
        // the row is tall enough to show.
        QTest::newRow("options") << &frmMain::FG_Options << 1 << QList<int>{1, 8}
                                 << QList<int>{180, 1080, 720, 720, 720, 720, 720, 720, 1080, 720, 720, 720, 720, 720, 720}
                                 << QList<int>{1, 1, 7, 4, 7, 7, 7, 7, 1, 7, 4, 7, 7, 7, 7} << 2;
    }
    void layout()
    {
        QFETCH(Filler, fill);
        QFETCH(int, titleCol);
        QFETCH(QList<int>, links);
        QFETCH(QList<int>, widths);
        QFETCH(QList<int>, alignments);
        QFETCH(int, lines);
        f.fg()->resize(9000 / 15, f.fg()->height());
        QCOMPARE(f.fg()->Width(), 9000);
        Show(fill, Page());
        FlexGrid *g = f.fg();
        QCOMPARE(g->RowHeight(0), f.base());
        QCOMPARE(g->RowHeight(1), 2 * f.base());
        QCOMPARE(g->RowHeight(2), 0);
        for (int r = 3; r < g->Rows(); ++r)
            QCOMPARE(g->RowHeight(r), lines * f.base());
        QVERIFY(QFontMetrics(g->font()).lineSpacing() * 15 <= f.base());
        QVERIFY(g->CellFontBold(1, titleCol));
        QCOMPARE(g->CellTextStyle(1, titleCol), int(FlexGrid::flexTextRaisedLight));
        QCOMPARE(g->CellBackColor(1, titleCol), 0xFFFFFFu);
        int sum = 0;
        for (int c = 0; c < g->Cols(); ++c) {
            QCOMPARE(g->ColWidth(c), widths[c]);
            sum += g->ColWidth(c);
            QCOMPARE(g->ColAlignment(c), alignments[c]);
            QCOMPARE(g->CellAlignment(0, c), int(FlexGrid::flexAlignCenterCenter));
            for (int r = 1; r < g->Rows(); ++r) {
                const bool link = r >= 2 && links.contains(c);
                QVERIFY2(g->CellFontUnderline(r, c) == link, qPrintable(QStringLiteral("%1,%2").arg(r).arg(c)));
                QCOMPARE(g->CellForeColor(r, c) == 0xFF0000u, link);
            }
        }
        if (links.size() == 2)
            QCOMPARE(sum, 10980); // wider than the grid: the chain scrolls sideways
    }

    void messages_data()
    {
        QTest::addColumn<Filler>("fill");
        QTest::addColumn<QByteArray>("page"); // null: none
        QTest::newRow("calls, no page") << &frmMain::FG_Call << QByteArray();
        QTest::newRow("puts, no page") << &frmMain::FG_Put << QByteArray();
        QTest::newRow("options, no page") << &frmMain::FG_Options << QByteArray();
        QTest::newRow("options, empty page") << &frmMain::FG_Options << QByteArray("");
    }
    void messages()
    {
        QFETCH(Filler, fill);
        QFETCH(QByteArray, page);
        Show(fill, page);
        QCOMPARE(f.fg()->Rows(), 1);
        QCOMPARE(f.fg()->TextMatrix(0, 0), kNoData);
    }

    void refusedSymbol()
    {
        SheetFixture::AddStock("ZE/TA", "Zeta Slash");
        CurrentSymbol = "ZE/TA";
        Show(&frmMain::FG_Call, QByteArray());
        QCOMPARE(f.fg()->TextMatrix(0, 0), kNoData);
    }

    // A zoom request without a page: the message in the main grid, no
    // window, the request gone.
    void zoomWithoutPage()
    {
        f.ShowMain();
        f.main->WireZoom();
        ZoomMode = -1;
        Show(&frmMain::FG_Options, QByteArray());
        QCOMPARE(f.fg()->TextMatrix(0, 0), kNoData);
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<Zoom *>(w));
    }

    // The Zoom button on the chain opens a window of the same cells, whose
    // option cells open the option's quote page.
    void zoomButton()
    {
        f.ShowMain();
        f.main->WireZoom();
        Show(&frmMain::FG_Options, Page());
        const QStringList cells = SheetFixture::Cells(f.fg());
        QTest::mouseClick(f.main->Picture1[3], Qt::LeftButton);
        const QList<Zoom *> zooms = SheetFixture::ZoomWindows();
        Zoom *z = zooms.isEmpty() ? nullptr : zooms.last();
        QVERIFY(z);
        QVERIFY(QTest::qWaitForWindowExposed(z));
        QCOMPARE(TargetGrid.data(), z->FG);
        QCOMPARE(SheetFixture::Cells(z->FG), cells);
        QCOMPARE(SheetFixture::Cells(f.fg()), cells);
        QCOMPARE(ZoomMode, int16_t(0));
        QVERIFY(z->FG->CellFontUnderline(3, 8));

        Shell::Reset();
        tw::test::ClickCell(z->FG, 3, 8);
        QString root = Hosts::Url(QStringLiteral("OptionQuoteHost"), QStringLiteral("/"));
        root.chop(1);
        QCOMPARE(Shell::Opened(), QStringList{root + QStringLiteral("/cgi-bin/cboeget.exe?TICKER=ZTAMT")});
    }

    // A sort moves the option rows only: the title and the hidden row stay.
    void sortMovesOptionRows()
    {
        f.ShowMain();
        GridInteraction::SortOrder = 0;
        Show(&frmMain::FG_Call, Page());
        tw::test::DoubleClick(f.fg()->viewport(), CellCenter(f.fg(), 3, 5));
        const QStringList cells = SheetFixture::Cells(f.fg());
        QCOMPARE(cells.mid(0, 3), kCalls.mid(0, 3));
        QCOMPARE(cells.mid(3), (QStringList{kCalls[5], kCalls[4], kCalls[3]}));
        QCOMPARE(f.fg()->RowHeight(2), 0);
        QCOMPARE(f.fg()->RowHeight(1), 2 * f.base());
    }
};

TW_TEST(tst_optionchain)
#include "tst_optionchain.moc"
