// The earnings sheets: growth, history, estimates and consensus trend, all
// cut from one earnings page, drawn column by column into the main grid.
#include "SheetFixture.h"
#include "common/TestRegistry.h"

#include <QPointer>
#include <QTest>

using tw::test::SheetFixture;

using Filler = void (frmMain::*)();
Q_DECLARE_METATYPE(Filler)

namespace {

const QString kFile = QStringLiteral("ZETA_ee.Sh");

QByteArray Page() { return SheetFixture::Fixture(QStringLiteral("Earnings.page")); }

// The page with `from` replaced by `to` at its first occurrence only.
QByteArray Changed(const QByteArray &from, const QByteArray &to)
{
    QByteArray page = Page();
    const qsizetype at = page.indexOf(from);
    return at < 0 ? page : page.replace(at, from.size(), to);
}

const QStringList kEG{
    QStringLiteral("ZETA\r\nEarnings Growth|ZETA|Industry|Sector|S&P 500|PEG \r\n(Jun)|Price/Earnings"),
    QStringLiteral("Last Qtr|10%|8%|6%|5%|1.20|N/A"),
    QStringLiteral("Current Year|12%|9%|7%|6%|1.10|N/A"),
    QStringLiteral("Next Year|15%|11%|9%|8%|0.90|N/A"),
};
const QStringList kEH{
    QStringLiteral("ZETA\r\nEarnings History|Mar 01|Jun 01|Sep 01|Dec 01|Last Year (Dec)"),
    QStringLiteral("EPS Est|0.30|0.33|0.35|0.38|1.36"),
    QStringLiteral("EPS Actual|0.32|0.31|0.36|0.40|1.39"),
    QStringLiteral("Difference|0.02|-0.02|0.01|0.02|0.03"),
    QStringLiteral("Surprise %|6.7%|-6.1%|2.9%|5.3%|2.2%"),
};
const QString kEstimateHeads =
    QStringLiteral("|Current Qtr \r\n(Mar 01)|Next Qtr \r\n(Jun 01)|Current Year \r\n(Dec 01)|Next Year \r\n(Dec 02)");
const QStringList kER{
    QStringLiteral("ZETA\r\nEarnings Estimates") + kEstimateHeads,
    QStringLiteral("Avg Estimate|0.50|0.52|2.05|2.40"),
    QStringLiteral("No. of Analysts|12|11|14|10"),
    QStringLiteral("Low Estimate|0.45|0.47|1.90|2.10"),
    QStringLiteral("High Estimate|0.55|0.58|2.20|2.65"),
    QStringLiteral("Year Ago EPS|0.40|0.44|1.70|2.05"),
    QStringLiteral("Growth|25%|18%|21%|14%"),
};
const QStringList kEC{
    QStringLiteral("ZETA\r\nConsensus EPS Trend") + kEstimateHeads,
    QStringLiteral("Current|0.50|0.52|2.05|2.40"),
    QStringLiteral("7 Days Ago|0.50|0.52|2.04|2.40"),
    QStringLiteral("30 Days Ago|0.49|0.51|2.02|2.38"),
    QStringLiteral("60 Days Ago|0.48|0.51|2.00|2.35"),
    QStringLiteral("90 Days Ago|0.47|0.50|1.98|2.33"),
};

} // namespace

class tst_earnings : public QObject {
    Q_OBJECT
    SheetFixture f;

    void Show(Filler fill, const QByteArray &page) { f.FillOverOther(fill, kFile, page); }

private Q_SLOTS:
    void init() { f.Start(); }
    void cleanup() { f.Stop(); }

    void cells_data()
    {
        QTest::addColumn<Filler>("fill");
        QTest::addColumn<QString>("view");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("growth") << &frmMain::FG_EG << "EG" << Page() << kEG;
        QTest::newRow("history") << &frmMain::FG_EH << "EH" << Page() << kEH;
        QTest::newRow("estimates") << &frmMain::FG_ER << "ER" << Page() << kER;
        QTest::newRow("trend") << &frmMain::FG_EC << "EC" << Page() << kEC;
        const QByteArray far = Changed("<body>\r\n", "<body>\r\n" + tw::test::LongLead);
        QTest::newRow("growth, anchor past 32767") << &frmMain::FG_EG << "EG" << far << kEG;
        QTest::newRow("trend, anchor past 32767") << &frmMain::FG_EC << "EC" << far << kEC;
        const QByteArray upper = QByteArray(Page()).replace("<tr>", "<TR>").replace("</tr>", "</TR>");
        QTest::newRow("growth, capital row tags") << &frmMain::FG_EG << "EG" << upper << kEG;
        QTest::newRow("trend, capital row tags") << &frmMain::FG_EC << "EC" << upper << kEC;
        // The tag clean-up leaves the words of the page as they are.
        QStringList capitals = kEC;
        capitals[1] = QStringLiteral("CURRENT TRend|0.50|0.52|2.05|2.40");
        QTest::newRow("trend, capitals in a label")
            << &frmMain::FG_EC << "EC" << Changed("<td>Current</td>", "<td>CURRENT TRend</td>") << capitals;
        // An empty cell takes no place; a blank one shows its blank.
        QStringList blank = kEG;
        blank[1] = QStringLiteral("Last Qtr| |8%|6%|5%|1.20|N/A");
        QTest::newRow("growth, empty and blank cells")
            << &frmMain::FG_EG << "EG" << Changed("<td>10%<br>", "<td></td><td> </td><td>") << blank;
        // More headers or values than the grid has columns for: those past
        // the last column are dropped.
        QTest::newRow("growth, 22 values")
            << &frmMain::FG_EG << "EG" << Changed("<td>N/A<br>", "<td>N/A<br>N/A<br>") << kEG;
        QStringList moreHeads = kEG;
        moreHeads[0] = QStringLiteral("ZETA\r\nEarnings Growth|ZETA|More|Industry|Sector|S&P 500|PEG \r\n(Jun)");
        QTest::newRow("growth, a seventh header")
            << &frmMain::FG_EG << "EG" << Changed("<th>ZETA</th>", "<th>ZETA</th><th>More</th>") << moreHeads;
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

    // Row heights, alignments, title look and widths; the trend sheet after
    // the growth sheet gets its rows 2 to 5 back at the default height.
    void layout_data()
    {
        QTest::addColumn<Filler>("fill");
        QTest::addColumn<QList<int>>("heights"); // in base rows
        QTest::addColumn<QList<int>>("widths");  // per cent
        QTest::addColumn<bool>("labelColumn");   // column 0 aligned left-top as a column
        QTest::newRow("growth") << &frmMain::FG_EG << QList<int>{2, 2, 2, 2} << QList<int>{20, 15, 15, 12, 12, 12, 12}
                                << false;
        QTest::newRow("history") << &frmMain::FG_EH << QList<int>{2, 1, 1, 1, 1} << QList<int>{22, 15, 15, 15, 15, 15}
                                 << false;
        QTest::newRow("estimates") << &frmMain::FG_ER << QList<int>{2, 1, 1, 1, 1, 1, 1}
                                   << QList<int>{28, 17, 17, 17, 17} << true;
        QTest::newRow("trend") << &frmMain::FG_EC << QList<int>{2, 1, 1, 1, 1, 1} << QList<int>{28, 17, 17, 17, 17}
                               << true;
    }
    void layout()
    {
        QFETCH(Filler, fill);
        QFETCH(QList<int>, heights);
        QFETCH(QList<int>, widths);
        QFETCH(bool, labelColumn);
        Show(&frmMain::FG_EG, Page());
        f.fg()->SetColAlignment(0, FlexGrid::flexAlignRightCenter);
        Show(fill, Page());
        FlexGrid *g = f.fg();
        QCOMPARE(g->Rows(), heights.size());
        QCOMPARE(g->Cols(), widths.size());
        for (int r = 0; r < g->Rows(); ++r)
            QCOMPARE(g->RowHeight(r), heights[r] * f.base());
        for (int c = 0; c < g->Cols(); ++c) {
            QCOMPARE(qRound(100.0 * g->ColWidth(c) / g->Width()), widths[c]);
            QCOMPARE(g->CellAlignment(0, c), int(FlexGrid::flexAlignCenterTop));
            for (int r = 1; r < g->Rows(); ++r) {
                const int want = c > 0 ? FlexGrid::flexAlignRightCenter : FlexGrid::flexAlignLeftTop;
                QVERIFY2(g->CellAlignment(r, c) == want, qPrintable(QStringLiteral("%1,%2").arg(r).arg(c)));
            }
        }
        if (labelColumn)
            QCOMPARE(g->ColAlignment(0), int(FlexGrid::flexAlignLeftTop));
        QVERIFY(g->CellFontBold(0, 0));
        QCOMPARE(g->CellTextStyle(0, 0), int(FlexGrid::flexTextRaisedLight));
        QCOMPARE(g->BackColor(), 0xFFFFFFu);
        QCOMPARE(g->GridLines(), 1);
    }

    void messages_data()
    {
        QTest::addColumn<Filler>("fill");
        QTest::addColumn<QString>("view");
        QTest::addColumn<QByteArray>("page"); // null: none
        QTest::addColumn<QString>("message");
        const QString none = tw::test::NoDataForZeta;
        const struct {
            const char *name, *view;
            Filler fill;
        } sheets[] = {{"growth", "EG", &frmMain::FG_EG},
                      {"history", "EH", &frmMain::FG_EH},
                      {"estimates", "ER", &frmMain::FG_ER},
                      {"trend", "EC", &frmMain::FG_EC}};
        for (const auto &s : sheets)
            QTest::addRow("%s, no page", s.name) << s.fill << s.view << QByteArray() << none;
        QTest::newRow("growth without its heading")
            << &frmMain::FG_EG << "EG" << Changed("Earnings Growth", "Earnings growth") << none;
        QTest::newRow("history without a row after its heading")
            << &frmMain::FG_EH << "EH" << Page().left(Page().indexOf("Earnings History") + 20) << none;
        QTest::newRow("history, value row without its end")
            << &frmMain::FG_EH << "EH" << Page().left(Page().indexOf("</tr></table>", Page().indexOf("Earnings History")))
            << none;
        QTest::newRow("estimates without the label marker")
            << &frmMain::FG_ER << "ER" << Changed("Earnings Estimates<br>", "Earnings Estimates ") << none;
        QTest::newRow("trend without its marker")
            << &frmMain::FG_EC << "EC" << Changed("Consensus EPS Trend", "Consensus EPS TREND") << none;
        QTest::newRow("estimates, header without its end")
            << &frmMain::FG_ER << "ER" << Changed("<th>Next Year (Dec 02)</th>", "<th>Next Year") << none;
        // More labels than the grid has rows for: an empty message.
        QTest::newRow("trend, a sixth label")
            << &frmMain::FG_EC << "EC" << Changed("<tr><td>Current</td></tr>", "<tr><td>Now</td></tr><tr><td>Current</td></tr>")
            << QString();
    }
    void messages()
    {
        QFETCH(Filler, fill);
        QFETCH(QString, view);
        QFETCH(QByteArray, page);
        QFETCH(QString, message);
        Show(fill, page);
        QCOMPARE(CurrentView, view);
        QCOMPARE(f.fg()->Rows(), 1);
        QCOMPARE(f.fg()->TextMatrix(0, 0), message);
        QCOMPARE(f.fg()->RowHeight(0), 3 * f.base());
    }

    // A symbol that may not become a file name has no page.
    void refusedSymbol()
    {
        SheetFixture::AddStock("ZE/TA", "Zeta Slash");
        CurrentSymbol = "ZE/TA";
        Show(&frmMain::FG_ER, QByteArray());
        QCOMPARE(f.fg()->TextMatrix(0, 0), QStringLiteral("Tickerwatch do not have additional information for Zeta Slash"));
    }

    // Outside the zoom hand-over: a zoom request and a Zoom window's target
    // grid are left alone, the sheet goes to the main grid.
    void mainGridOnly_data()
    {
        QTest::addColumn<Filler>("fill");
        QTest::addColumn<int>("rows");
        QTest::newRow("growth") << &frmMain::FG_EG << 4;
        QTest::newRow("history") << &frmMain::FG_EH << 5;
        QTest::newRow("estimates") << &frmMain::FG_ER << 7;
        QTest::newRow("trend") << &frmMain::FG_EC << 6;
    }
    void mainGridOnly()
    {
        QFETCH(Filler, fill);
        QFETCH(int, rows);
        QWidget window;
        auto *other = new FlexGrid(&window);
        other->SetRows(2);
        bool made = false;
        SheetFrame::SetZoomMaker([&] {
            made = true;
            return SheetFrame::ZoomTarget{};
        });
        TargetGrid = other;
        ZoomMode = -1;
        Show(fill, Page());
        QVERIFY(!made);
        QCOMPARE(TargetGrid, other);
        QCOMPARE(ZoomMode, int16_t(-1));
        QCOMPARE(other->Rows(), 2);
        QCOMPARE(f.fg()->Rows(), rows);
        ZoomMode = 0;
    }
};

TW_TEST(tst_earnings)
#include "tst_earnings.moc"
