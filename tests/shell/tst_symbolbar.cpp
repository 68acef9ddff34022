#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "MainFixture.h"
#include "MouseEvents.h"
#include "core/Misc.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/Artwork.h"
#include "platform/Dialogs.h"
#include "platform/FlexGrid.h"
#include "platform/Geometry.h"
#include "platform/NewsTicker.h"
#include "platform/TreeView.h"
#include "portfolio/Properties.h"
#include "shell/Skins.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <limits>
#include <QTimer>

using tw::test::SendMouse;

namespace {

// Fills slots 0.. with the symbols, each rated 3 and named "<symbol> Corp".
void SetStocks(const QList<QByteArray> &symbols)
{
    for (int i = 0; i < symbols.size(); ++i) {
        Stocks[size_t(i)].Symbol = symbols[i];
        Stocks[size_t(i)].Name = symbols[i] + " Corp";
        Stocks[size_t(i)].Recommendation = 3;
    }
    StockCount = int16_t(symbols.size());
}

QList<QByteArray> Numbered(int n)
{
    QList<QByteArray> out;
    for (int i = 0; i < n; ++i)
        out << "S" + QByteArray::number(i);
    return out;
}

} // namespace

class tst_symbolbar : public QObject {
    Q_OBJECT
    tw::test::MainFixture f;
    frmMain *m = nullptr;

    QStringList Captions() const
    {
        QStringList out;
        for (QLabel *l : m->lblSbl)
            out << l->text();
        return out;
    }
    static bool Selected(const QLabel *l)
    {
        return l->font().bold() && l->palette().color(QPalette::WindowText) == QColor(0, 0, 255);
    }
    static bool Plain(const QLabel *l)
    {
        return !l->font().bold() && l->palette().color(QPalette::WindowText) == QColor(0, 0, 0);
    }
    QList<Properties *> Windows() const { return m->findChildren<Properties *>(); }
    QByteArray TickerText() const { return m->findChild<NewsTicker *>(QStringLiteral("NewsTicker1"))->Text(); }

    // Set 0 written with these stocks, each rated 3, named "<symbol> Corp"
    // and priced, and opened.
    void OpenSet(const QList<QByteArray> &symbols)
    {
        Stocks.fill({});
        SetStocks(symbols);
        for (StockRecord &r : Stocks) {
            if (Stock::IsFreeSlot(r.Symbol))
                break;
            r.LastSale = "12.5";
            r.DChange = "+0.25";
            r.PChange = "+2.04%";
            r.LastUpdate = "4:00PM Jan 5";
        }
        QVERIFY(Stock::SaveStocks(0, Stocks));
        m->mnuSet_Click(0);
        QCOMPARE(StockCount, int16_t(symbols.size()));
    }
    static QList<QByteArray> Symbols(const Stock::StockTable &table)
    {
        QList<QByteArray> out;
        for (const StockRecord &r : table)
            if (!Stock::IsFreeSlot(r.Symbol))
                out << r.Symbol;
        return out;
    }

private Q_SLOTS:
    void init()
    {
        f.Start();
        m = f.main;
        FractionsMode = {};
        VolumeMode = {};
        Misc::ApplySkin();
    }
    void cleanup() { f.Stop(); }

    void controlsHaveTheirNames()
    {
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(m->findChild<QLabel *>(QStringLiteral("lblSbl_%1").arg(i)), m->lblSbl[i]);
            QCOMPARE(m->findChild<QLabel *>(QStringLiteral("img_%1").arg(i)), m->img[i]);
        }
    }

    // Slots 0 to 6 only; a one-letter ticker is a stock like any other, a
    // free slot (no symbol, or blanks) is passed over.
    void loadPricesSkipsFreeSlots()
    {
        SetStocks({"IBM", "MSFT", "F", "ORCL", " ", "CSCO", "INTC", "DELL"});
        m->ClearRecStrip();
        m->LoadPrices();
        QCOMPARE(Captions(), QStringList({"IBM", "MSFT", "F", "ORCL", "CSCO", "INTC", ""}));
        for (QLabel *img : m->img)
            QVERIFY(img->isHidden());
    }

    void markerX_data()
    {
        QTest::addColumn<double>("rating");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("x");
        QTest::newRow("1") << 1.0 << 300 << 282;
        QTest::newRow("2") << 2.0 << 300 << 214;
        QTest::newRow("2.5") << 2.5 << 300 << 180;
        QTest::newRow("3") << 3.0 << 300 << 146;
        QTest::newRow("4") << 4.0 << 300 << 78;
        QTest::newRow("4.5") << 4.5 << 300 << 44;
        QTest::newRow("5") << 5.0 << 300 << 9;
        // Ratings read from a damaged set file: a position, never undefined.
        QTest::newRow("1e30") << 1e30 << 300 << -(1 << 24);
        QTest::newRow("infinity") << double(std::numeric_limits<float>::infinity()) << 300 << 0;
        QTest::newRow("-infinity") << -double(std::numeric_limits<float>::infinity()) << 300 << 0;
        QTest::newRow("nan") << double(std::numeric_limits<float>::quiet_NaN()) << 300 << 0;
    }
    void markerX()
    {
        QFETCH(double, rating);
        QFETCH(int, width);
        QFETCH(int, x);
        QCOMPARE(frmMain::MarkerX(rating, width), x);
    }

    // The marker is the 8 x 10 block of the marker surface, copied onto the
    // bar's picture; redrawing starts again from the picture alone.
    void showRecCopiesMarkerOntoBar()
    {
        SetStocks({"IBM"});
        Stocks[0].Recommendation = 2.5f;
        for (QLabel *img : m->img)
            Geometry::SetWidth(img, 300 * 15);
        m->LoadPrices();
        m->ShowRec();
        QVERIFY(!m->img[0]->isHidden());

        const QImage bar = Artwork::Picture(SkinBarName).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage marker = BitBltModule::Surface(SkinMarkerDC).toImage().convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!bar.isNull() && !marker.isNull());
        auto shown = [&] { return m->img[0]->pixmap().toImage().convertToFormat(QImage::Format_ARGB32); };
        QImage drawn = shown();
        QCOMPARE(drawn.size(), bar.size());
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 8; ++x)
                QCOMPARE(drawn.pixel(180 + x, y), marker.pixel(x, y));
        QCOMPARE(drawn.pixel(179, 5), bar.pixel(179, 5));
        QCOMPARE(drawn.pixel(188, 5), bar.pixel(188, 5));
        QCOMPARE(drawn.pixel(184, 12), bar.pixel(184, 12));

        Stocks[0].Recommendation = 5;
        m->ShowRec();
        drawn = shown();
        QCOMPARE(drawn.pixel(183, 5), bar.pixel(183, 5)); // the old marker is gone
        QCOMPARE(drawn.pixel(9, 5), marker.pixel(0, 5));
    }

    // A bar without a picture gets the skin's bar; a new skin picture set
    // from outside is the one drawn on next time.
    void showRecUsesTheBarsPicture()
    {
        SetStocks({"IBM"});
        m->LoadPrices();
        m->img[0]->setPixmap(QPixmap());
        m->ShowRec();
        const QImage skin = Artwork::Picture(SkinBarName).toImage();
        const QImage first = m->img[0]->pixmap().toImage();
        QCOMPARE(first.size(), QSize(m->img[0]->width(), skin.height()));
        QCOMPARE(first.pixel(2, 2), skin.pixel(2, 2));

        QPixmap other(50, 12);
        other.fill(Qt::green);
        m->img[0]->setPixmap(other);
        m->ShowRec();
        const QImage drawn = m->img[0]->pixmap().toImage();
        QCOMPARE(drawn.size(), QSize(m->img[0]->width(), 12));
        QCOMPARE(drawn.pixelColor(0, 11), QColor(Qt::green));
    }

    // A bar the resizer widened stretches its picture: the marker stands at
    // the same fraction of the bar, and of the scale drawn on it, at any size.
    void widenedBarStretchesItsPicture_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("design") << 300;
        QTest::newRow("twice") << 600;
        QTest::newRow("three times") << 900;
    }
    void widenedBarStretchesItsPicture()
    {
        QFETCH(int, width);
        SetStocks({"IBM"});
        Stocks[0].Recommendation = 1;
        m->LoadPrices();
        m->img[0]->resize(width, m->img[0]->height());
        m->ShowRec();
        const QImage picture = Artwork::Picture(SkinBarName).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage drawn = m->img[0]->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(drawn.width(), width);
        const int x = frmMain::MarkerX(1, width);
        QVERIFY(qAbs(double(x) / width - double(frmMain::MarkerX(1, 300)) / 300) < 0.01);
        const QImage marker = BitBltModule::Surface(SkinMarkerDC).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(drawn.pixel(x, 5), marker.pixel(0, 5));
        // The scale reaches the bar's right end: its last column is there.
        const int last = picture.height() - 1;
        QCOMPARE(drawn.pixel(width - 1, last), picture.pixel(picture.width() - 1, last));
        QCOMPARE(drawn.pixel(width / 2, last), picture.pixel(picture.width() / 2, last));
    }

    // A stock without a rating hides only its own bar; the first empty row
    // hides its bar and ends the pass.
    void showRecHidesUnratedAndStopsAtEmptyRow()
    {
        SetStocks({"IBM", "MSFT", "ORCL"});
        Stocks[1].Recommendation = 0;
        m->ClearRecStrip();
        m->LoadPrices();
        m->img[4]->show(); // below the first empty row: left alone
        m->ShowRec();
        QVERIFY(!m->img[0]->isHidden());
        QVERIFY(m->img[1]->isHidden());
        QVERIFY(!m->img[2]->isHidden());
        QVERIFY(m->img[3]->isHidden());
        QVERIFY(!m->img[4]->isHidden());
    }

    void selectSymbolShowsSevenSlotsFromIt()
    {
        SetStocks(Numbered(10));
        m->LoadPrices();
        m->ShowRec();
        QByteArray symbol = "S5";
        m->SelectSymbol(symbol);
        QCOMPARE(CurrentSymbol, QByteArray("S5"));
        QCOMPARE(Captions(), QStringList({"S5", "S6", "S7", "S8", "S9", "", ""}));
        QVERIFY(Selected(m->lblSbl[0]));
        for (int i = 1; i < 7; ++i)
            QVERIFY(Plain(m->lblSbl[i]));
        // Emptied rows lose their picture, so their bars ignore clicks.
        QVERIFY(m->img[5]->pixmap().isNull());
        QVERIFY(m->img[6]->pixmap().isNull());
        QVERIFY(!m->img[4]->pixmap().isNull());
        m->img_Click(6);
        QCOMPARE(CurrentSymbol, QByteArray("S5"));
    }

    // Slots past the table's end read as empty.
    void selectSymbolNearTableEnd()
    {
        SetStocks(Numbered(Stock::StockSlots));
        QByteArray symbol = "S198";
        m->SelectSymbol(symbol);
        QCOMPARE(Captions(), QStringList({"S198", "S199", "S200", "", "", "", ""}));
    }

    void selectSymbolNotInSet()
    {
        SetStocks(Numbered(10));
        m->LoadPrices();
        Style1Bold();
        QByteArray symbol = "ZZZ";
        m->SelectSymbol(symbol);
        QCOMPARE(CurrentSymbol, QByteArray("ZZZ"));
        QCOMPARE(Captions(), QStringList({"S0", "S1", "S2", "S3", "S4", "S5", "S6"}));
        QVERIFY(Selected(m->lblSbl[0]));
        QVERIFY(Plain(m->lblSbl[1]));
    }

    // Down scrolls one slot a step until the strip is empty, then stops; up
    // stops with the first stock in row 0 and brings them back one a step.
    void scrollThroughTheSet()
    {
        SetStocks(Numbered(10));
        m->LoadPrices();
        const QStringList start = Captions();
        m->ScrollRecStrip(true);
        QCOMPARE(Captions(), start);

        m->ScrollRecStrip(false);
        QCOMPARE(Captions(), QStringList({"S1", "S2", "S3", "S4", "S5", "S6", "S7"}));
        for (int step = 0; step < 3; ++step)
            m->ScrollRecStrip(false);
        QCOMPARE(Captions(), QStringList({"S4", "S5", "S6", "S7", "S8", "S9", ""}));
        for (int step = 0; step < 6; ++step)
            m->ScrollRecStrip(false);
        QCOMPARE(Captions(), QStringList({"", "", "", "", "", "", ""}));
        m->ScrollRecStrip(false);
        QCOMPARE(Captions(), QStringList({"", "", "", "", "", "", ""}));

        m->ScrollRecStrip(true);
        QCOMPARE(Captions(), QStringList({"S9", "", "", "", "", "", ""}));
        m->ScrollRecStrip(true);
        QCOMPARE(Captions(), QStringList({"S8", "S9", "", "", "", "", ""}));
    }

    // Scrolling restyles the rows it writes and hides rows below the down
    // arrow.
    void scrollStylesAndHidesRows()
    {
        SetStocks(Numbered(10));
        m->LoadPrices();
        CurrentSymbol = "S3";
        Geometry::SetTop(m->ImgDn, 2000);
        m->ScrollRecStrip(false);
        QVERIFY(Selected(m->lblSbl[2]));
        QVERIFY(Plain(m->lblSbl[3]));
        QVERIFY(!m->lblSbl[4]->isHidden());
        QVERIFY(m->lblSbl[5]->isHidden());
        QVERIFY(m->lblSbl[6]->isHidden());
    }

    void hoverTimerStartsAndStops()
    {
        m->ImgUp_MouseMove(0, 0, 10, 10);
        QVERIFY(m->ScrollUp);
        QVERIFY(m->TmrNav->isActive());
        m->ImgUp_MouseDown(1, 0, 10, 10);
        QVERIFY(!m->TmrNav->isActive());
        m->ImgDn_MouseMove(0, 0, 10, 10);
        QVERIFY(!m->ScrollUp);
        QVERIFY(m->TmrNav->isActive());
        m->ImgDn_MouseUp(1, 0, 10, 10);
        QVERIFY(!m->TmrNav->isActive());

        // Through the controls' own events.
        SendMouse(m->ImgDn, QEvent::MouseMove, Qt::NoButton);
        QVERIFY(m->TmrNav->isActive());
        SendMouse(m->img[2], QEvent::MouseMove, Qt::NoButton); // a bar does not stop it
        QVERIFY(m->TmrNav->isActive());
        SendMouse(m->lblSbl[2], QEvent::MouseMove, Qt::NoButton);
        QVERIFY(!m->TmrNav->isActive());
        SendMouse(m->ImgUp, QEvent::MouseMove, Qt::NoButton);
        SendMouse(m->PicCont, QEvent::MouseMove, Qt::NoButton);
        QVERIFY(!m->TmrNav->isActive());
    }

    // The mouse keeps moving over the arrow: the strip still scrolls.
    void hoverScrollsWhileMouseMoves()
    {
        SetStocks(Numbered(10));
        m->LoadPrices();
        m->ShowRec();
        QTimer mover;
        QObject::connect(&mover, &QTimer::timeout, m, [this] { m->ImgDn_MouseMove(0, 0, 10, 10); });
        mover.start(20);
        QTRY_VERIFY(m->lblSbl[0]->text() != QLatin1String("S0"));
        mover.stop();
        m->TmrNav->stop();
    }

    void rowClickSelectsStockAndTreeNode()
    {
        SetStocks({"IBM", "MSFT", "ORCL"});
        m->LoadPrices();
        m->ShowRec();
        TreeView *tree = m->TreeView1;
        tree->Add(QString(), TreeView::tvwLast, QStringLiteral("All"), QStringLiteral("All"), 3);
        // A leaf with the same text but no stock key comes first.
        tree->Add(QStringLiteral("All"), TreeView::tvwChild, QStringLiteral("MSFTProfile"), QStringLiteral("MSFT"), 1);
        for (int i = 0; i < 3; ++i)
            tree->Add(QStringLiteral("All"), TreeView::tvwChild, QStringLiteral("ID%1").arg(i),
                      QString::fromLatin1(Stocks[size_t(i)].Symbol), 1);
        QSignalSpy clicks(tree, &TreeView::NodeClick);
        CurrentView = QStringLiteral("Coverage");

        m->img_Click(1);
        QCOMPARE(CurrentSymbol, QByteArray("MSFT"));
        QCOMPARE(tree->SelectedItem(), tree->Find(QStringLiteral("ID1")));
        QCOMPARE(clicks.count(), 0);
        QVERIFY(Selected(m->lblSbl[1]));
        QVERIFY(Plain(m->lblSbl[0]));
        QVERIFY(Plain(m->lblSbl[2]));
        QCOMPARE(Captions().mid(0, 3), QStringList({"IBM", "MSFT", "ORCL"}));
        QCOMPARE(CurrentView, QStringLiteral("Coverage"));

        // The label forwards to the bar.
        m->lblSbl_Click(2);
        QCOMPARE(CurrentSymbol, QByteArray("ORCL"));
        QVERIFY(Selected(m->lblSbl[2]));
        QVERIFY(Plain(m->lblSbl[1]));
    }

    void rowClickWithoutPictureDoesNothing()
    {
        SetStocks({"IBM", "MSFT"});
        m->LoadPrices();
        m->img[1]->setPixmap(QPixmap());
        CurrentSymbol = "IBM";
        m->img_Click(1);
        QCOMPARE(CurrentSymbol, QByteArray("IBM"));
        QVERIFY(Plain(m->lblSbl[1]));
    }

    // With "Current" on show the grid is not refilled; the stock's row is
    // selected and scrolled into view.
    void rowClickSelectsCurrentGridRow_data()
    {
        QTest::addColumn<int>("matchRow"); // -1: no row holds the symbol
        QTest::addColumn<int>("topBefore");
        QTest::addColumn<int>("topAfter");
        QTest::newRow("below view") << 30 << 2 << 30;
        QTest::newRow("above view") << 5 << 20 << 5;
        QTest::newRow("in view") << 10 << 5 << 5;
        QTest::newRow("last row of view") << 11 << 5 << 5;
        QTest::newRow("just past view") << 12 << 5 << 12;
        QTest::newRow("no match") << -1 << 5 << 5;
    }
    void rowClickSelectsCurrentGridRow()
    {
        QFETCH(int, matchRow);
        QFETCH(int, topBefore);
        QFETCH(int, topAfter);
        SetStocks({"IBM", "MSFT"});
        m->LoadPrices();
        m->ShowRec();
        FlexGrid *fg = m->FG;
        fg->SetRows(40);
        fg->SetCols(4);
        for (int r = 2; r < 40; ++r) {
            fg->SetTextMatrix(r, 1, QStringLiteral("Name %1").arg(r));
            fg->SetRowData(r, QStringLiteral("S%1").arg(r));
        }
        if (matchRow >= 0) {
            fg->SetTextMatrix(matchRow, 1, QStringLiteral("MSFT Corp"));
            fg->SetRowData(matchRow, QStringLiteral("MSFT"));
        }
        // Another stock of the same name: rows are told apart by symbol.
        fg->SetTextMatrix(4, 1, QStringLiteral("MSFT Corp"));
        fg->SetTextMatrix(1, 1, QStringLiteral("MSFT Corp")); // rows above 2 are not searched
        fg->SetRowData(1, QStringLiteral("MSFT"));
        fg->SetTopRow(topBefore);
        fg->SetRow(3);
        fg->SetCol(2);
        CurrentView = QStringLiteral("Current");

        m->img_Click(1);
        QCOMPARE(fg->TopRow(), topAfter);
        QVERIFY(fg->Redraw());
        if (matchRow < 0) {
            QCOMPARE(fg->Row(), 3);
            QCOMPARE(fg->Col(), 2);
            return;
        }
        QCOMPARE(fg->Row(), matchRow);
        QCOMPARE(fg->Col(), 0);
        QCOMPARE(fg->RowSel(), matchRow);
        QCOMPARE(fg->ColSel(), 1);
        QCOMPARE(CurrentView, QStringLiteral("Current"));
    }

    void doubleClickOpensFilledProperties_data()
    {
        QTest::addColumn<QString>("modes"); // Fractions and Volume
        QTest::addColumn<QString>("volume");
        QTest::addColumn<QString>("shownVolume");
        QTest::addColumn<bool>("decimals");
        QTest::newRow("as stored") << "0" << "1200000" << "1200000" << false;
        QTest::newRow("unset") << "" << "1200000" << "1200000" << false;
        QTest::newRow("formatted") << "1" << "1200000" << "1,200,000" << true;
        QTest::newRow("zero volume") << "1" << "0" << "" << true;
        QTest::newRow("volume not a number") << "1" << "N/A" << "N/A" << true;
    }
    void doubleClickOpensFilledProperties()
    {
        QFETCH(QString, modes);
        QFETCH(QString, volume);
        QFETCH(QString, shownVolume);
        QFETCH(bool, decimals);
        if (!modes.isEmpty()) {
            FractionsMode = RegVariant::FromText(modes);
            VolumeMode = RegVariant::FromText(modes);
        }
        SetStocks({"IBM", "MSFT"});
        StockRecord &s = Stocks[1];
        s.Name = "Microsoft Corporation";
        s.LastSale = "27 3/8";
        s.DChange = "+1/4";
        s.PChange = "+0.92%";
        s.Volume = volume.toLatin1();
        s.TodayHigh = "27 1/2";
        s.TodayLow = "26 7/8";
        s.Bid = "27 1/4";
        s.Ask = "27 1/2";
        s.LTS = "300";
        s.Opens = "27";
        s.PreClose = "27 1/8";
        s.High52 = "40 1/2";
        s.Low52 = "20 1/4";
        s.EPS = "0.85";
        s.pe = "32.2";
        s.DPS = "0.16";
        s.Exchange = "NASDAQ";
        s.industry = "Software";
        s.LastUpdate = "6/1/2001 4:01PM";
        s.LowAlert = 25.5f;
        s.HighAlert = 0;
        CurrentSymbol = "MSFT";

        m->img_DblClick(0);
        const QList<Properties *> open = Windows();
        QCOMPARE(open.size(), 1);
        Properties *w = open[0];
        QVERIFY(w->isVisible());
        QVERIFY(w->isWindow());
        QCOMPARE(w->parentWidget(), m);
        QCOMPARE(w->windowTitle(), QStringLiteral("Microsoft Corporation"));
        QCOMPARE(w->findChild<QLabel *>(QStringLiteral("lblName"))->text(), QStringLiteral("Microsoft Corporation"));

        auto price = [&](const char *text) {
            QByteArray t(text);
            return QString::fromLatin1(decimals ? Misc::FormatP(t, false) : t);
        };
        const QStringList expected = {price("27 3/8"), price("+1/4"), "+0.92%", shownVolume, price("27 1/2"),
                                      price("26 7/8"), price("27 1/4"), price("27 1/2"), "300", price("27"),
                                      price("27 1/8"), "40 1/2", "20 1/4", "0.85", "32.2", "0.16", "NASDAQ",
                                      "Software"};
        for (int i = 0; i < 18; ++i)
            QCOMPARE(w->findChild<QLabel *>(QStringLiteral("lblData_%1").arg(i))->text(), expected[i]);
        if (decimals)
            QCOMPARE(w->lblData[0]->text(), QStringLiteral("27.38"));
        QCOMPARE(w->findChild<QLabel *>(QStringLiteral("lblTime"))->text(), QStringLiteral("6/1/2001 4:01PM"));
        QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("txtTarget_0"))->text(), QStringLiteral("25.5"));
        QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("txtTarget_1"))->text(), QStringLiteral("0"));
        QCOMPARE(Stocks[1].LastSale, QByteArray("27 3/8")); // shown, not rewritten

        QVERIFY(qAbs(Geometry::Left(w) - (Geometry::Width(m) / 2 - Geometry::Width(w) / 2)) <= 15);
        QVERIFY(qAbs(Geometry::Top(w) - (Geometry::Top(m->NewsTicker1) + 700)) <= 15);

        // Every call opens another window.
        m->img_DblClick(0);
        QCOMPARE(Windows().size(), 2);
    }

    void doubleClickOnSymbolNoLongerInSetOpensNothing()
    {
        SetStocks({"IBM", "MSFT"});
        CurrentSymbol = "GONE";
        m->img_DblClick(0);
        QVERIFY(Windows().isEmpty());
    }

    // Press look, row click and then the window, in the order of the events:
    // the window shows the stock that was double-clicked.
    void doubleClickOnBarShowsThatStock()
    {
        SetStocks({"IBM", "MSFT"});
        m->LoadPrices();
        m->ShowRec();
        CurrentSymbol = "IBM";
        QWidget *bar = m->img[1];
        SendMouse(bar, QEvent::MouseButtonPress, Qt::LeftButton);
        QCOMPARE(m->img[1]->frameShape(), QFrame::Box);
        SendMouse(bar, QEvent::MouseButtonRelease, Qt::LeftButton);
        QCOMPARE(m->img[1]->frameShape(), QFrame::NoFrame);
        QCOMPARE(CurrentSymbol, QByteArray("MSFT"));
        SendMouse(bar, QEvent::MouseButtonDblClick, Qt::LeftButton);
        SendMouse(bar, QEvent::MouseButtonRelease, Qt::LeftButton);
        const QList<Properties *> open = Windows();
        QCOMPARE(open.size(), 1);
        QCOMPARE(open[0]->lblName->text(), QStringLiteral("MSFT Corp"));
    }

    void pressLook()
    {
        SetStocks({"IBM", "MSFT"});
        m->ClearRecStrip();
        m->LoadPrices();
        m->lblSbl_MouseDown(1, 1, 0, 10, 10);
        QCOMPARE(m->img[1]->frameShape(), QFrame::Box);
        QVERIFY(!m->Shape1->isHidden());
        QCOMPARE(Geometry::Top(m->Shape1), Geometry::Top(m->lblSbl[1]) - 15); // 20 twips, whole pixels
        m->lblSbl_MouseUp(1, 1, 0, 10, 10);
        QCOMPARE(m->img[1]->frameShape(), QFrame::NoFrame);
        QVERIFY(m->Shape1->isHidden());

        m->img_MouseDown(4, 1, 0, 10, 10); // empty row: no press frame
        QCOMPARE(m->img[4]->frameShape(), QFrame::Box);
        QVERIFY(m->Shape1->isHidden());
        m->img_MouseUp(4, 1, 0, 10, 10);
    }

    void rightButtonOpensStockMenu()
    {
        SetStocks({"IBM", "MSFT", "ORCL"});
        m->LoadPrices();
        m->ShowRec();
        SendMouse(m->img[2], QEvent::MouseButtonPress, Qt::RightButton, QPointF(10, 2));
        QCOMPARE(f.PopupNames(), QStringList({"mnuTrees"}));
        // At the mouse, in the window's twips.
        const QPoint corner = m->img[2]->mapTo(m, QPoint(0, 0));
        QCOMPARE(f.popups[0].second, QPointF(corner.x() * 15 + 150, corner.y() * 15 + 30));
        QVERIFY(!m->mnuTree[0]->isVisible());
        QVERIFY(!m->mnuTree[1]->isVisible());
        for (int i = 2; i < 12; ++i)
            QVERIFY(m->mnuTree[i]->isVisible());
        QCOMPARE(m->img[2]->frameShape(), QFrame::NoFrame);
        SendMouse(m->img[2], QEvent::MouseButtonRelease, Qt::RightButton, QPointF(10, 2));

        // A bar without a stock has no stock to offer commands for.
        SendMouse(m->img[4], QEvent::MouseButtonPress, Qt::RightButton, QPointF(10, 2));
        QCOMPARE(f.popups.size(), 1);
        QCOMPARE(CurrentSymbol, QByteArray("ORCL"));
    }

    // A right click on a bar is about that bar's stock, whichever stock was
    // current: the menu offers its commands and they act on it.
    void rightClickMenuActsOnTheBarClicked_data()
    {
        QTest::addColumn<QList<QByteArray>>("set");
        QTest::addColumn<int>("current"); // row clicked first; -1 none
        QTest::addColumn<int>("pointed");
        QTest::newRow("another stock after the current one") << QList<QByteArray>{"AAA", "BBB", "CCC"} << 0 << 1;
        QTest::newRow("a one-letter stock before the current one") << QList<QByteArray>{"F", "BBB", "CCC"} << 2 << 0;
        QTest::newRow("no stock chosen before") << QList<QByteArray>{"AAA", "BBB", "CCC"} << -1 << 2;
    }
    void rightClickMenuActsOnTheBarClicked()
    {
        QFETCH(QList<QByteArray>, set);
        QFETCH(int, current);
        QFETCH(int, pointed);
        OpenSet(set);
        // Only the pointed stock holds shares, so Sell tells whose menu it is.
        Portfolio[0].Symbol = set[pointed];
        Portfolio[0].Action = "Buy";
        Portfolio[0].Shares = 10;
        QVERIFY(f.Show(QSize(1000, 800)));
        frmMain::SetPopupHook(nullptr); // the real menu
        if (current >= 0) {
            QTest::mouseClick(m->img[current], Qt::LeftButton, {}, QPoint(5, 5));
            QCOMPARE(CurrentSymbol, set[current]);
        }

        QTest::mouseClick(m->img[pointed], Qt::RightButton, {}, QPoint(5, 5));
        QTRY_COMPARE(QApplication::activePopupWidget(), m->mnuTrees);
        QCOMPARE(CurrentSymbol, set[pointed]);
        QVERIFY(Selected(m->lblSbl[pointed]));
        QVERIFY(m->mnuTree[3]->isEnabled());

        // Delete, by its letter, asks about the stock pointed at and removes
        // that one alone.
        Dialogs::QueueAnswer(Dialogs::vbYes);
        QTest::keyClick(m->mnuTrees, Qt::Key_D);
        QTRY_COMPARE(Dialogs::Log().size(), 1);
        const QString symbol = QString::fromLatin1(set[pointed]);
        QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("Do you want to remove %1 Corp (%1)?").arg(symbol));
        Stock::StockTable saved{};
        QVERIFY(Stock::ReadStocks(0, saved));
        QList<QByteArray> left = set;
        left.removeAt(pointed);
        QCOMPARE(Symbols(saved), left);
    }

    // A removed stock leaves at once every list of the open set on show:
    // the symbol bar (the others keep their place), the news ticker, the
    // tree and the price list; it is no one's current stock any more.
    void removedStockLeavesEveryList_data()
    {
        QTest::addColumn<QString>("how"); // "tree", "share" (the price list) or "bar"
        QTest::addColumn<int>("ticker");  // the Ticker menu item on show
        QTest::addColumn<QByteArray>("current");
        QTest::addColumn<QStringList>("strip");      // the bar's rows afterwards
        QTest::addColumn<QByteArray>("tickerShows"); // "": an empty ticker
        // Nine stocks S0 to S8; S3 goes. The tree and the bar make the
        // stock they point at current, and with it the ticker shows its
        // headlines.
        QTest::newRow("tree Delete") << "tree" << 0 << QByteArray("S1")
                                     << QStringList{"S4", "S5", "S6", "S7", "S8", "", ""} << QByteArray();
        QTest::newRow("Delete Share of the current stock, its price")
            << "share" << 1 << QByteArray("S3") << QStringList{"S4", "S5", "S6", "S7", "S8", "", ""} << QByteArray();
        QTest::newRow("Delete Share of another stock, the current one's price")
            << "share" << 1 << QByteArray("S1") << QStringList{"S1", "S2", "S4", "S5", "S6", "S7", "S8"}
            << QByteArray("S1 Corp");
        QTest::newRow("Delete Share of another stock, all prices")
            << "share" << 4 << QByteArray("S1") << QStringList{"S1", "S2", "S4", "S5", "S6", "S7", "S8"}
            << QByteArray("S8");
        QTest::newRow("bar Delete") << "bar" << 0 << QByteArray("S2")
                                    << QStringList{"S2", "S4", "S5", "S6", "S7", "S8", ""} << QByteArray();
    }
    void removedStockLeavesEveryList()
    {
        QFETCH(QString, how);
        QFETCH(int, ticker);
        QFETCH(QByteArray, current);
        QFETCH(QStringList, strip);
        QFETCH(QByteArray, tickerShows);
        const QByteArray removed = "S3";
        OpenSet(Numbered(9));
        QVERIFY(f.Show(QSize(1000, 800)));
        m->FG_Current();
        m->SelectSymbol(current);
        m->mnuTicker[ticker]->trigger();

        // The menu that deletes it, opened on it.
        Dialogs::QueueAnswer(Dialogs::vbYes);
        QAction *remove = m->mnuTree[6];
        if (how == QLatin1String("tree")) {
            TreeNode *node = m->TreeView1->Find(QStringLiteral("ID3"));
            QVERIFY(node && node->Text() == QString::fromLatin1(removed));
            m->TreeView1->EnsureVisible(node);
            SendMouse(m->TreeView1->viewport(), QEvent::MouseButtonPress, Qt::RightButton,
                      m->TreeView1->visualItemRect(node).center());
        } else if (how == QLatin1String("share")) {
            int row = 2;
            while (row < m->FG->Rows() && m->FG->RowData(row) != QString::fromLatin1(removed))
                ++row;
            QVERIFY(row < m->FG->Rows());
            tw::test::ClickCell(m->FG, row, 1);
            const QPoint at = tw::test::CellCenter(m->FG, row, 1);
            SendMouse(m->FG->viewport(), QEvent::MouseButtonPress, Qt::RightButton, at);
            SendMouse(m->FG->viewport(), QEvent::MouseButtonRelease, Qt::RightButton, at);
            remove = m->mnuEdit[7];
        } else {
            QWidget *bar = m->img[Captions().indexOf(QString::fromLatin1(removed))];
            SendMouse(bar, QEvent::MouseButtonPress, Qt::RightButton);
            SendMouse(bar, QEvent::MouseButtonRelease, Qt::RightButton);
        }
        QCOMPARE(f.popups.size(), 1);
        QVERIFY(remove->isVisible());
        QCOMPARE(TickerText().contains(removed), tickerShows.isEmpty() || ticker == 4);
        const qsizetype stood = Captions().indexOf(QString::fromLatin1(removed));
        QVERIFY(stood >= 0);
        remove->trigger();
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(StockCount, int16_t(8));
        QCOMPARE(Stock::FindStock(removed), Stock::NotFound);

        QCOMPARE(Captions(), strip);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(Selected(m->lblSbl[i]), !CurrentSymbol.isEmpty() && strip[i] == QString::fromLatin1(CurrentSymbol));
        QVERIFY(CurrentSymbol != removed);
        QVERIFY(!TickerText().contains(removed));
        if (tickerShows.isEmpty())
            QCOMPARE(TickerText(), QByteArray());
        else
            QVERIFY(TickerText().contains(tickerShows));
        for (int n = 1; n <= m->TreeView1->Count(); ++n)
            QVERIFY(m->TreeView1->Node(n)->Text() != QString::fromLatin1(removed));
        QCOMPARE(CurrentView, QStringLiteral("Current"));
        for (int r = 2; r < m->FG->Rows(); ++r)
            QVERIFY(m->FG->RowData(r) != QString::fromLatin1(removed));

        // The row where it stood picks a stock of the set.
        QTest::mouseClick(m->img[stood], Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(CurrentSymbol, strip[stood].toLatin1());
        QVERIFY(Stock::FindStock(CurrentSymbol) != Stock::NotFound);
    }

private:
    void Style1Bold()
    {
        // Row 1 bold from an earlier selection: the selection restyles all.
        QFont f = m->lblSbl[1]->font();
        f.setBold(true);
        m->lblSbl[1]->setFont(f);
    }
};

TW_TEST(tst_symbolbar)
#include "tst_symbolbar.moc"
