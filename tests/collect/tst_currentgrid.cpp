// The "Current" prices grid: its columns and their looks, which stocks get
// a row, the up/down and alert pictures, the fraction and volume forms, the
// stripes, the user's column order and the Zoom window.
#include "sheets/CurrentGrid.h"
#include "common/TestRegistry.h"
#include "core/ViewState.h"
#include "platform/Artwork.h"
#include "sheets/LayOut.h"
#include "sheets/SheetFixture.h"

#include <QAction>
#include <QPointer>

using tw::test::SheetFixture;

namespace {

const QStringList kHeaders{"",          "Companey",         "Last Sale",      "Change",       "% Change",
                           "Volume",    "Today's High",     "Today's Low",    "Bid",          "Ask",
                           "Last Trade Size", "Open",       "Previous Close", "52 Week High", "52 Week Low",
                           "EPS",       "P/E Ratio",        "Dividend Per Sharev", "Exchange", "Industry",
                           "Last Update"};

StockRecord Quote(const QByteArray &symbol, const QByteArray &name)
{
    StockRecord s;
    s.Symbol = symbol;
    s.Name = name;
    s.LastSale = "12 3/8";
    s.DChange = "+3/8";
    s.PChange = "+3.12%";
    s.Volume = "1200000";
    s.TodayHigh = "13";
    s.TodayLow = "12 1/8";
    s.Bid = "12 1/4";
    s.Ask = "12 1/2";
    s.LTS = "100";
    s.Opens = "12 1/8";
    s.PreClose = "12";
    s.High52 = "20 1/2";
    s.Low52 = "9";
    s.EPS = "1.23";
    s.pe = "10.06";
    s.DPS = "0.40";
    s.Exchange = "-";
    s.industry = "-";
    s.LastUpdate = "4:01PM";
    return s;
}

void SetSet(const QList<StockRecord> &stocks)
{
    Stocks.fill({});
    for (int i = 0; i < stocks.size(); ++i)
        Stocks[size_t(i)] = stocks[i];
    StockCount = int16_t(stocks.size());
}

bool SamePicture(const QPixmap &a, const QPixmap &b)
{
    return a.isNull() == b.isNull() && a.toImage() == b.toImage();
}

} // namespace

class tst_currentgrid : public QObject {
    Q_OBJECT
    SheetFixture f;

    FlexGrid *fg() const { return f.fg(); }
    QStringList Row(int r) const
    {
        QStringList cells;
        for (int c = 0; c < fg()->Cols(); ++c)
            cells << fg()->TextMatrix(r, c);
        return cells;
    }

private Q_SLOTS:
    void init()
    {
        f.Start();
        FractionsMode = {};
        VolumeMode = {};
        LayOut = {};
        CurrentView.clear();
    }
    void cleanup()
    {
        LayOut = {};
        f.Stop();
    }

    // The header row, the hidden spacer row, the grid's own look, and one
    // row per stock, texts as stored.
    void shapeAndHeaders()
    {
        SetSet({Quote("ZETA", "Zeta Corp"), Quote("ACME", "Acme Inc")});
        f.main->FG_Current();
        QCOMPARE(CurrentView, QStringLiteral("Current"));
        QCOMPARE(TargetGrid, fg());
        QVERIFY(fg()->Redraw());
        QCOMPARE(fg()->Rows(), 4);
        QCOMPARE(fg()->Cols(), 21);
        QCOMPARE(Row(0), kHeaders);
        QCOMPARE(fg()->RowHeight(0), f.base());
        QCOMPARE(fg()->RowHeight(1), 0);
        QCOMPARE(fg()->GridLines(), int(FlexGrid::flexGridNone));
        QCOMPARE(fg()->BackColor(), VbColor::Window);
        QCOMPARE(Row(2), QStringList({"", "Zeta Corp", "12 3/8", "+3/8", "+3.12%", "1200000", "13", "12 1/8",
                                      "12 1/4", "12 1/2", "100", "12 1/8", "12", "20 1/2", "9", "1.23", "10.06",
                                      "0.40", "-", "-", "4:01PM"}));
        QCOMPARE(fg()->TextMatrix(3, 1), QStringLiteral("Acme Inc"));
        for (int c = 0; c < 21; ++c)
            QCOMPARE(fg()->CellAlignment(0, c), int(FlexGrid::flexAlignCenterCenter));
    }

    // Each column's alignment and its share of the grid's width.
    void columnFormats()
    {
        SetSet({Quote("ZETA", "Zeta Corp")});
        f.main->FG_Current();
        const int left = FlexGrid::flexAlignLeftCenter, right = FlexGrid::flexAlignRightCenter,
                  centre = FlexGrid::flexAlignCenterCenter;
        const QList<int> aligns{left,  left,  right, right, right, right, right, right, right,  right, right,
                                right, right, right, right, right, right, centre, left, left, centre};
        const QList<int> widths{3, 20, 12, 10, 12, 14, 15, 15, 10, 10, 12, 10, 15, 15, 15, 12, 15, 10, 14, 20, 15};
        for (int c = 0; c < 21; ++c) {
            QCOMPARE(fg()->ColAlignment(c), aligns[c]);
            // the grid keeps whole pixels of 15 twips
            QVERIFY(qAbs(fg()->ColWidth(c) - widths[c] * fg()->Width() / 100.0) < 15);
        }
    }

    // The picture of a row and the colour of its "% Change": the day's
    // direction, replaced by a crossed alert; a price right on an alert
    // crosses nothing.
    void pictures_data()
    {
        QTest::addColumn<QByteArray>("change");
        QTest::addColumn<QByteArray>("sale");
        QTest::addColumn<float>("low");
        QTest::addColumn<float>("high");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<bool>("red");
        QTest::newRow("down") << QByteArray("-0.50%") << QByteArray("12") << 0.f << 0.f << "DN" << true;
        QTest::newRow("up") << QByteArray("+1.2%") << QByteArray("12") << 0.f << 0.f << "UP" << false;
        QTest::newRow("up without a sign") << QByteArray("0.3%") << QByteArray("12") << 0.f << 0.f << "UP" << false;
        QTest::newRow("unchanged") << QByteArray("0.00%") << QByteArray("12") << 0.f << 0.f << "" << false;
        QTest::newRow("empty") << QByteArray() << QByteArray("12") << 0.f << 0.f << "" << false;
        QTest::newRow("N/A") << QByteArray("N/A") << QByteArray("12") << 0.f << 0.f << "" << false;
        QTest::newRow("below the low alert") << QByteArray("+1.2%") << QByteArray("9 7/8") << 10.f << 0.f << "LOW"
                                             << false;
        QTest::newRow("above the high alert") << QByteArray("-0.50%") << QByteArray("10 1/8") << 0.f << 10.f << "HIGH"
                                              << true;
        QTest::newRow("on the low alert") << QByteArray() << QByteArray("10") << 10.f << 0.f << "" << false;
        QTest::newRow("on the high alert") << QByteArray() << QByteArray("10") << 0.f << 10.f << "" << false;
        QTest::newRow("between both") << QByteArray("+1%") << QByteArray("10 1/2") << 10.f << 11.f << "UP" << false;
        QTest::newRow("low alert, no price") << QByteArray() << QByteArray() << 10.f << 0.f << "LOW" << false;
        QTest::newRow("decimal price above") << QByteArray() << QByteArray("10.5") << 0.f << 10.f << "HIGH" << false;
    }
    void pictures()
    {
        QFETCH(QByteArray, change);
        QFETCH(QByteArray, sale);
        QFETCH(float, low);
        QFETCH(float, high);
        QFETCH(QString, picture);
        QFETCH(bool, red);
        StockRecord s;
        s.Symbol = "ZETA";
        s.Name = "Zeta Corp";
        s.PChange = change;
        s.LastSale = sale;
        s.LowAlert = low;
        s.HighAlert = high;
        SetSet({s});
        f.main->FG_Current();
        QCOMPARE(fg()->Rows(), 3);
        QVERIFY(SamePicture(fg()->CellPicture(2, 0), picture.isEmpty() ? QPixmap() : Artwork::Picture(picture)));
        QCOMPARE(fg()->CellForeColor(2, 4), red ? CurrentGrid::Falling : CurrentGrid::Rising);
        if (picture == QLatin1String("UP") || picture == QLatin1String("DN"))
            QCOMPARE(fg()->CellPictureAlignment(2, 0), int(FlexGrid::flexAlignCenterCenter));
    }

    // Prices in two decimals with "Fractions" 1, volumes grouped with
    // "Volume" 1; the 52-week prices and the rest keep their stored text.
    void forms_data()
    {
        QTest::addColumn<QString>("fractions");
        QTest::addColumn<QString>("volume");
        QTest::addColumn<QStringList>("cells"); // Last Sale, Change, Volume, Today's Low, 52 Week High, EPS
        QTest::newRow("as stored") << QString() << QString()
                                   << QStringList{"12 3/8", "+3/8", "1200000", "12 1/8", "20 1/2", "1.23"};
        QTest::newRow("zero modes") << "0" << "0"
                                    << QStringList{"12 3/8", "+3/8", "1200000", "12 1/8", "20 1/2", "1.23"};
        QTest::newRow("decimals") << "1" << QString()
                                  << QStringList{"12.38", "0.38", "1200000", "12.13", "20 1/2", "1.23"};
        QTest::newRow("grouped volume") << QString() << "1"
                                        << QStringList{"12 3/8", "+3/8", "1,200,000", "12 1/8", "20 1/2", "1.23"};
    }
    void forms()
    {
        QFETCH(QString, fractions);
        QFETCH(QString, volume);
        QFETCH(QStringList, cells);
        if (!fractions.isEmpty())
            FractionsMode = RegVariant::FromText(fractions);
        if (!volume.isEmpty())
            VolumeMode = RegVariant::FromText(volume);
        SetSet({Quote("ZETA", "Zeta Corp")});
        const auto before = Stocks;
        f.main->FG_Current();
        QCOMPARE(QStringList({fg()->TextMatrix(2, 2), fg()->TextMatrix(2, 3), fg()->TextMatrix(2, 5),
                              fg()->TextMatrix(2, 7), fg()->TextMatrix(2, 13), fg()->TextMatrix(2, 15)}),
                 cells);
        QCOMPARE(Stocks, before); // the grid only reads the records
    }

    // Rows come from slots 0 to StockCount - 1; a record with next to
    // nothing in it (8 characters of values or fewer) gives no row.
    void whichStocksGetRows()
    {
        StockRecord bare;
        bare.Symbol = "BARE";
        StockRecord eight = bare;
        eight.Name = "Eight Ch";
        StockRecord nine = bare;
        nine.Name = "Nine Char";
        SetSet({Quote("ZETA", "Zeta Corp"), bare, eight, nine, Quote("ACME", "Acme Inc")});
        StockCount = 4; // slot 4 lies past the count
        f.main->FG_Current();
        QCOMPARE(fg()->Rows(), 4);
        QCOMPARE(fg()->TextMatrix(2, 1), QStringLiteral("Zeta Corp"));
        QCOMPARE(fg()->TextMatrix(3, 1), QStringLiteral("Nine Char"));

        // With "Fractions" 1 an empty price reads "0": eight zeros are still
        // no row.
        FractionsMode = RegVariant::FromText(QStringLiteral("1"));
        SetSet({bare});
        f.main->FG_Current();
        QCOMPARE(fg()->Rows(), 2);
    }

    void emptySet()
    {
        SetSet({});
        f.main->FG_Current();
        QCOMPARE(fg()->Rows(), 2);
        QCOMPARE(Row(0), kHeaders);
    }

    // "Old Style Background" stripes every odd row, picture column aside.
    void stripes_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::newRow("plain") << false;
        QTest::newRow("old style") << true;
    }
    void stripes()
    {
        QFETCH(bool, ticked);
        f.main->mnuEdit[4]->setChecked(ticked);
        SetSet({Quote("A1", "One Inc"), Quote("A2", "Two Inc"), Quote("A3", "Three Inc")});
        Stocks[1].PChange = "-1%";
        f.main->FG_Current();
        for (int r = 2; r < 5; ++r) {
            for (int c = 1; c < 21; ++c) {
                const uint32_t want = ticked && r % 2 ? CurrentGrid::Stripe : fg()->BackColor();
                QCOMPARE(fg()->CellBackColor(r, c), want);
            }
            QVERIFY(fg()->CellBackColor(r, 0) != CurrentGrid::Stripe);
        }
        QCOMPARE(fg()->CellForeColor(3, 4), CurrentGrid::Falling);
    }

    // The user's column order is put back after every fill, columns found by
    // their header.
    void savedColumnOrder()
    {
        LayOut[1].Caption = "Volume";
        LayOut[1].Pos = 2;
        LayOut[2].Caption = "Companey";
        LayOut[2].Pos = 20;
        SetSet({Quote("ZETA", "Zeta Corp")});
        f.main->FG_Current();
        QCOMPARE(fg()->TextMatrix(0, 2), QStringLiteral("Volume"));
        QCOMPARE(fg()->TextMatrix(2, 2), QStringLiteral("1200000"));
        QCOMPARE(fg()->TextMatrix(0, 20), QStringLiteral("Companey"));
        QCOMPARE(fg()->TextMatrix(2, 20), QStringLiteral("Zeta Corp"));
        QCOMPARE(fg()->TextMatrix(0, 1), QStringLiteral("Last Sale"));
        f.main->FG_Current(); // a refill starts from the fixed order again
        QCOMPARE(fg()->TextMatrix(0, 2), QStringLiteral("Volume"));
    }

    // A zoom request draws into the Zoom window's grid and shows it; the
    // main grid keeps what it had.
    void zoom()
    {
        SetSet({Quote("ZETA", "Zeta Corp")});
        fg()->SetRows(3);
        fg()->SetTextMatrix(2, 1, QStringLiteral("before"));
        QPointer<QWidget> window;
        QPointer<FlexGrid> zoomGrid;
        SheetFrame::SetZoomMaker([&] {
            window = new QWidget(f.main, Qt::Window);
            zoomGrid = new FlexGrid(window);
            return SheetFrame::ZoomTarget{window, zoomGrid};
        });
        ZoomMode = -1;
        f.main->FG_Current();
        QCOMPARE(ZoomMode, int16_t(0));
        QVERIFY(window && window->isVisible());
        QCOMPARE(TargetGrid, zoomGrid.data());
        QCOMPARE(zoomGrid->TextMatrix(2, 1), QStringLiteral("Zeta Corp"));
        QCOMPARE(zoomGrid->TextMatrix(0, 1), QStringLiteral("Companey"));
        QCOMPARE(fg()->TextMatrix(2, 1), QStringLiteral("before"));
        delete window.data();
    }
};

TW_TEST(tst_currentgrid)
#include "tst_currentgrid.moc"
