#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "core/AppFolder.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <memory>

using tw::test::TestEnv;

namespace {

// Every field distinct, so a field read into the wrong place shows.
StockRecord Filled(const QByteArray &symbol, float seed = 1.5f)
{
    StockRecord r;
    int n = 0;
    auto t = [&] { return symbol + '#' + QByteArray::number(++n) + "\xe9"; };
    r.Spare1 = t(); r.Symbol = symbol; r.Name = t(); r.Recommendation = seed;
    r.LastSale = t(); r.PChange = t(); r.DChange = t(); r.TodayHigh = t(); r.TodayLow = t();
    r.Volume = t(); r.Ask = t(); r.Bid = t(); r.LTS = t(); r.pe = t(); r.DPS = t(); r.Opens = t();
    r.PreClose = t(); r.High52 = t(); r.Low52 = t(); r.EPS = t(); r.Exchange = t(); r.industry = t();
    r.LastUpdate = t(); r.LowAlert = -seed; r.HighAlert = seed * 1000; r.Spare2 = t();
    r.MarketCap = t(); r.AvgVolume = t(); r.Div = t(); r.Yield = t();
    return r;
}

StockRecord Named(const QByteArray &symbol, const QByteArray &name = {})
{
    StockRecord r;
    r.Symbol = symbol;
    r.Name = name;
    return r;
}

// Symbol "IBM", Name "IBM Corp", LowAlert 10.5, everything else empty: the
// first 77 bytes of its set file, then 200 empty records of 66 bytes.
QByteArray IbmImage()
{
    QByteArray image(13277, '\0');
    const QByteArray head = QByteArray::fromHex("0000030049424D080049424D20436F7270");
    image.replace(0, head.size(), head);
    image[61] = '\x28'; // 10.5f = 41 28 00 00, little-endian from offset 59
    image[62] = '\x41';
    return image;
}

QByteArray SetFileBytes(int set = 0) { return TestEnv::ReadAll(Stock::StockSetFile(int16_t(set))); }

} // namespace

class tst_stock : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;

private Q_SLOTS:
    void init() { env = std::make_unique<TestEnv>(); }
    void cleanup() { env.reset(); }

    void fileNames()
    {
        QCOMPARE(Stock::StockSetFile(0), AppFolder + QStringLiteral("/Set0.dat"));
        QCOMPARE(Stock::StockSetFile(20), AppFolder + QStringLiteral("/Set20.dat"));
    }

    void savedImage()
    {
        QVERIFY(Stock::SaveStocks());
        QCOMPARE(SetFileBytes(), QByteArray(13266, '\0'));

        Stocks[0] = Named("IBM", "IBM Corp");
        Stocks[0].LowAlert = 10.5f;
        QVERIFY(Stock::SaveStocks());
        QCOMPARE(SetFileBytes(), IbmImage());
    }

    void savesToTheOpenSet()
    {
        CurrentSet = 12;
        Stocks[0] = Named("IBM");
        QVERIFY(Stock::SaveStocks());
        QVERIFY(!QFile::exists(Stock::StockSetFile(0)));
        QCOMPARE(SetFileBytes(12).size(), 13266 + 3);
    }

    // Another set read, edited and saved beside the open one: the open set,
    // its number and its count stay as they were, and the bytes are the
    // same codec's.
    void otherSetBesideTheOpenOne()
    {
        CurrentSet = 2;
        Stocks[0] = Named("OPEN");
        StockCount = 1;
        const auto open = Stocks;

        Stock::StockTable table;
        table[0] = Named("IBM", "IBM Corp");
        table[0].LowAlert = 10.5f;
        table[1] = Filled("MSFT");
        QVERIFY(Stock::SaveStocks(9, table));
        QCOMPARE(SetFileBytes(9).left(77), IbmImage().left(77));
        Stock::ClearStock(table, 1);
        QCOMPARE(table[1].Symbol, QByteArray());
        QVERIFY(!table[1].MarketCap.isEmpty());
        Stock::ClearStock(table, 201);

        Stock::StockTable back;
        back.fill(Filled("JUNK"));
        QVERIFY(Stock::ReadStocks(9, back));
        QCOMPARE(back[0], table[0]);
        QCOMPARE(back[1], Filled("MSFT"));
        QCOMPARE(Stock::CountStocks(back), int16_t(2));
        QVERIFY(Stocks == open);
        QCOMPARE(CurrentSet, int16_t(2));
        QCOMPARE(StockCount, int16_t(1));
        QVERIFY(!QFile::exists(Stock::StockSetFile(2)));
    }

    void roundTrip()
    {
        Stocks[0] = Filled("IBM", 2.25f);
        Stocks[1] = Filled("MSFT", -0.0f);
        Stocks[1].Name = QByteArray(300, 'n'); // needs the high byte of the length
        Stocks[200] = Filled("LAST", 3.4e38f);
        const auto saved = Stocks;
        QVERIFY(Stock::SaveStocks());
        Stocks.fill(Filled("JUNK"));
        QVERIFY(Stock::ReadStocks());
        QVERIFY(Stocks == saved);
        QCOMPARE(StockCount, int16_t(3));
    }

    void overlongTextIsCutNotCorrupting()
    {
        Stocks[0] = Named("IBM", QByteArray(70000, 'x'));
        Stocks[1] = Filled("MSFT");
        QVERIFY(Stock::SaveStocks());
        const StockRecord second = Stocks[1];
        QVERIFY(Stock::ReadStocks());
        QCOMPARE(Stocks[0].Name, QByteArray(65535, 'x'));
        QVERIFY(Stocks[1] == second);
        QCOMPARE(StockCount, int16_t(2));
    }

    void readMissingCreatesEmptyFile()
    {
        CurrentSet = 7;
        Stocks.fill(Filled("OLD"));
        StockCount = 201;
        QVERIFY(Stock::ReadStocks());
        QVERIFY(QFile::exists(Stock::StockSetFile(7)));
        QCOMPARE(SetFileBytes(7).size(), 0);
        QCOMPARE(StockCount, int16_t(0));
        for (const StockRecord &r : Stocks)
            QVERIFY(r == StockRecord{});
    }

    void readTenRecords()
    {
        for (int i = 0; i < 10; ++i)
            Stocks[i] = Filled("S" + QByteArray::number(i), float(i));
        const auto saved = Stocks;
        QVERIFY(Stock::SaveStocks());
        QByteArray image = SetFileBytes();
        image.chop(191 * 66); // only the ten written records are left
        TestEnv::WriteAll(Stock::StockSetFile(0), image);

        Stocks.fill(Filled("JUNK"));
        QVERIFY(Stock::ReadStocks());
        QVERIFY(Stocks == saved);
        QCOMPARE(StockCount, int16_t(10));
    }

    void bytesAfterLastRecordIgnored()
    {
        TestEnv::WriteAll(Stock::StockSetFile(0), IbmImage() + QByteArray(500, '\xff'));
        QVERIFY(Stock::ReadStocks());
        QCOMPARE(StockCount, int16_t(1));
        QCOMPARE(Stocks[0].Name, QByteArray("IBM Corp"));
        QVERIFY(Stocks[200] == StockRecord{});
    }

    void saveLeavesExactlyTheNewImage()
    {
        TestEnv::WriteAll(Stock::StockSetFile(0), IbmImage() + QByteArray(20000, '\xff'));
        QVERIFY(Stock::ReadStocks());
        QVERIFY(Stock::SaveStocks());
        QCOMPARE(SetFileBytes(), IbmImage());
    }

    void fileCutInsideRecord_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("symbol");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<float>("recommendation");
        QTest::addColumn<float>("lowAlert");
        QTest::addColumn<float>("highAlert");
        QTest::addColumn<QByteArray>("marketCap");
        // Offsets: Symbol 2-6, Name 7-16, Recommendation 17-20, LowAlert 59-62,
        // HighAlert 63-66, Spare2 67-68, MarketCap 69-72.
        QTest::newRow("empty file") << 0 << QByteArray() << QByteArray() << 0.f << 0.f << 0.f << QByteArray();
        QTest::newRow("inside first length") << 1 << QByteArray() << QByteArray() << 0.f << 0.f << 0.f << QByteArray();
        QTest::newRow("inside symbol") << 6 << QByteArray() << QByteArray() << 0.f << 0.f << 0.f << QByteArray();
        QTest::newRow("after symbol") << 7 << QByteArray("IBM") << QByteArray() << 0.f << 0.f << 0.f << QByteArray();
        // Seven bytes of the name are there: enough for a Single, but the
        // data is over and nothing after the cut is read.
        QTest::newRow("inside name") << 16 << QByteArray("IBM") << QByteArray() << 0.f << 0.f << 0.f << QByteArray();
        QTest::newRow("after name") << 17 << QByteArray("IBM") << QByteArray("IBM Corp") << 0.f << 0.f << 0.f << QByteArray();
        QTest::newRow("after recommendation") << 21 << QByteArray("IBM") << QByteArray("IBM Corp") << 2.5f << 0.f << 0.f << QByteArray();
        QTest::newRow("inside low alert") << 61 << QByteArray("IBM") << QByteArray("IBM Corp") << 2.5f << 0.f << 0.f << QByteArray();
        QTest::newRow("after low alert") << 63 << QByteArray("IBM") << QByteArray("IBM Corp") << 2.5f << 10.5f << 0.f << QByteArray();
        QTest::newRow("inside market cap") << 72 << QByteArray("IBM") << QByteArray("IBM Corp") << 2.5f << 10.5f << 20.f << QByteArray();
        QTest::newRow("after market cap") << 73 << QByteArray("IBM") << QByteArray("IBM Corp") << 2.5f << 10.5f << 20.f << QByteArray("1B");
    }

    void fileCutInsideRecord()
    {
        QFETCH(int, size);
        Stocks[0] = Named("IBM", "IBM Corp");
        Stocks[0].Recommendation = 2.5f;
        Stocks[0].LowAlert = 10.5f;
        Stocks[0].HighAlert = 20.f;
        Stocks[0].MarketCap = "1B";
        Stocks[1] = Filled("MSFT");
        QVERIFY(Stock::SaveStocks());
        TestEnv::WriteAll(Stock::StockSetFile(0), SetFileBytes().left(size));

        QVERIFY(Stock::ReadStocks());
        const StockRecord &r = Stocks[0];
        QTEST(r.Symbol, "symbol");
        QTEST(r.Name, "name");
        QTEST(r.Recommendation, "recommendation");
        QTEST(r.LowAlert, "lowAlert");
        QTEST(r.HighAlert, "highAlert");
        QTEST(r.MarketCap, "marketCap");
        QVERIFY(Stocks[1] == StockRecord{});
        QCOMPARE(StockCount, int16_t(r.Symbol.isEmpty() ? 0 : 1));
    }

    void fileFailures_data()
    {
        QTest::addColumn<bool>("folderMissing");
        QTest::newRow("set file is a folder") << false;
        // The error log lives in the same folder, so nothing can be logged.
        QTest::newRow("data folder missing") << true;
    }

    // A failed read or save is logged without a box, reported, and leaves
    // the table, its count and the disk as they were.
    void fileFailures()
    {
        QFETCH(bool, folderMissing);
        if (folderMissing)
            AppFolder = env->root() + QStringLiteral("/gone");
        else
            QVERIFY(QDir().mkpath(Stock::StockSetFile(0)));
        Stocks[4] = Filled("IBM");
        StockCount = 5;
        const auto before = Stocks;

        QVERIFY(!Stock::ReadStocks());
        QVERIFY(Stocks == before);
        QCOMPARE(StockCount, int16_t(5));
        QVERIFY(!Stock::SaveStocks());
        QVERIFY(Dialogs::Log().isEmpty());
        if (folderMissing) {
            QVERIFY(!QFileInfo::exists(AppFolder));
            return;
        }
        const QByteArray log = env->ErrorLog();
        QCOMPARE(env->ErrorBlocks(), 2);
        QCOMPARE(log.count("Number:        75\r\n"), 2);
        QVERIFY(log.contains("Where: Stocks_ReadStocks\r\n"));
        QVERIFY(log.contains("Where: Stocks_SaveStocks\r\n"));
        QVERIFY(QFileInfo(Stock::StockSetFile(0)).isDir());
    }

    void findStock_data()
    {
        QTest::addColumn<QByteArray>("symbol");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("slot");
        QTest::newRow("slot 0") << QByteArray("IBM") << 3 << 0;
        QTest::newRow("absent is not slot 0") << QByteArray("XYZ") << 3 << int(Stock::NotFound);
        QTest::newRow("case matters") << QByteArray("ibm") << 3 << int(Stock::NotFound);
        QTest::newRow("first of two") << QByteArray("MSFT") << 3 << 1;
        QTest::newRow("slot at count") << QByteArray("GE") << 5 << 5;
        QTest::newRow("slot past count") << QByteArray("GE") << 4 << int(Stock::NotFound);
        QTest::newRow("slot 200") << QByteArray("LAST") << 200 << 200;
        QTest::newRow("full set, absent") << QByteArray("XYZ") << 201 << int(Stock::NotFound);
        QTest::newRow("no symbol is no free slot") << QByteArray() << 3 << int(Stock::NotFound);
    }

    void findStock()
    {
        QFETCH(QByteArray, symbol);
        QFETCH(int, count);
        Stocks[0] = Named("IBM");
        Stocks[1] = Named("MSFT");
        Stocks[2] = Named("MSFT");
        Stocks[5] = Named("GE");
        Stocks[200] = Named("LAST");
        StockCount = int16_t(count);
        QTEST(int(Stock::FindStock(symbol)), "slot");
    }

    void stockDetails()
    {
        StockRecord r = Filled("IBM");
        r.Name = "Name"; r.DChange = "DChange"; r.PChange = "PChange"; r.Volume = "Volume";
        r.TodayHigh = "TodayHigh"; r.TodayLow = "TodayLow"; r.Bid = "Bid"; r.Ask = "Ask"; r.LTS = "LTS";
        r.Opens = "Opens"; r.PreClose = "PreClose"; r.High52 = "High52"; r.Low52 = "Low52"; r.EPS = "EPS";
        r.pe = "pe"; r.DPS = "DPS"; r.Exchange = "Exchange"; r.industry = "industry"; r.LastUpdate = "LastUpdate";
        Stocks[7] = r;
        QCOMPARE(Stock::StockDetails("IBM"),
                 QByteArray("Name;DChange;PChange;Volume;TodayHigh;TodayLow;Bid;Ask;LTS;Opens;PreClose;"
                            "High52;Low52;EPS;pe;DPS;Exchange;industry;LastUpdate"));
        QCOMPARE(StockIndex, int16_t(7));

        QCOMPARE(Stock::StockDetails("ibm"), QByteArray());
        QCOMPARE(StockIndex, int16_t(7));
    }

    // Slot 200 is beyond the reach of the details line and the last price,
    // but not of the other lookups.
    void lookupsAtTheLastSlots()
    {
        Stocks[199] = Named("NEXT", "Next Inc");
        Stocks[199].LastSale = "7.25";
        Stocks[200] = Named("LAST", "Last Inc");
        Stocks[200].LastSale = "12.5";
        Stocks[200].Recommendation = 1.5f;
        StockCount = 200;
        StockIndex = 3;

        QCOMPARE(Stock::StockDetails("LAST"), QByteArray());
        QCOMPARE(StockIndex, int16_t(3));
        QCOMPARE(Stock::GetLastPrice("LAST"), QByteArray());
        QCOMPARE(Stock::GetRecommendation("LAST"), 1.5f);
        QCOMPARE(Stock::FindStock("LAST"), int16_t(200));
        CurrentSymbol = "LAST";
        QCOMPARE(Stock::CurrentStockName(), QByteArray("Last Inc"));

        QVERIFY(Stock::StockDetails("NEXT").startsWith("Next Inc;"));
        QCOMPARE(StockIndex, int16_t(199));
        QCOMPARE(Stock::GetLastPrice("NEXT"), QByteArray("7.25"));
    }

    void lastPriceAndRecommendationOfAbsentStock()
    {
        Stocks[0] = Named("IBM");
        Stocks[0].LastSale = "12.5";
        Stocks[0].Recommendation = 2.f;
        QCOMPARE(Stock::GetLastPrice("IBM"), QByteArray("12.5"));
        QCOMPARE(Stock::GetLastPrice("XYZ"), QByteArray());
        QCOMPARE(Stock::GetRecommendation("XYZ"), 0.f);
    }

    void currentStockName_data()
    {
        QTest::addColumn<QByteArray>("current");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("name") << QByteArray("IBM") << QByteArray("IBM Corp") << QByteArray("IBM Corp");
        QTest::newRow("two-character name") << QByteArray("IBM") << QByteArray("IB") << QByteArray("IB");
        QTest::newRow("one-character name") << QByteArray("IBM") << QByteArray("I") << QByteArray("IBM");
        QTest::newRow("no name") << QByteArray("IBM") << QByteArray() << QByteArray("IBM");
        QTest::newRow("absent") << QByteArray("XYZ") << QByteArray("IBM Corp") << QByteArray();
        QTest::newRow("no current symbol") << QByteArray() << QByteArray("IBM Corp") << QByteArray();
    }

    void currentStockName()
    {
        QFETCH(QByteArray, current);
        QFETCH(QByteArray, name);
        Stocks[0] = Named("GE", "General");
        Stocks[1] = Named("IBM", name);
        StockCount = 2;
        CurrentSymbol = current;
        QTEST(Stock::CurrentStockName(), "expected");
    }

    void clearStockKeepsLastFourFields()
    {
        Stocks[3] = Filled("IBM");
        const StockRecord before = Stocks[3];
        Stock::ClearStock(3);
        StockRecord expected;
        expected.MarketCap = before.MarketCap;
        expected.AvgVolume = before.AvgVolume;
        expected.Div = before.Div;
        expected.Yield = before.Yield;
        QVERIFY(Stocks[3] == expected);
    }

    void clearStockOutsideTable()
    {
        Stocks.fill(Filled("IBM"));
        const auto before = Stocks;
        for (int16_t slot : {int16_t(-1), int16_t(201), int16_t(32767), int16_t(-32768)})
            Stock::ClearStock(slot);
        QVERIFY(Stocks == before);
    }

    // Deleting a stock: clear its slot, pack, save, read back. One-letter
    // tickers are stocks like any other; a slot whose symbol is blanks only
    // is free.
    void deleteAndCompact()
    {
        const QList<QByteArray> symbols{"AA", "BB", "CC", "DD", "EE", "F", "GG"};
        for (int i = 0; i < symbols.size(); ++i)
            Stocks[i] = Filled(symbols[i], float(i));
        Stocks[10] = Filled("HH");
        Stocks[11] = Filled("  ");
        Stocks[12] = Filled("X");
        const auto before = Stocks;
        StockCount = 10;

        Stock::ClearStock(3);
        Stock::CompactStocks();
        QCOMPARE(StockCount, int16_t(10));
        const int kept[] = {0, 1, 2, 4, 5, 6, 10, 12};
        for (int i = 0; i < int(std::size(kept)); ++i)
            QVERIFY2(Stocks[i] == before[kept[i]], qPrintable(QString::number(i)));
        for (int i = int(std::size(kept)); i < Stock::StockSlots; ++i)
            QVERIFY2(Stocks[i] == StockRecord{}, qPrintable(QString::number(i)));

        QVERIFY(Stock::SaveStocks());
        QVERIFY(Stock::ReadStocks());
        QCOMPARE(StockCount, int16_t(8));
        QCOMPARE(Stock::FindStock("F"), int16_t(4));
        QCOMPARE(Stock::FindStock("X"), int16_t(7));
    }

    // After a read that failed, the file the program could not read is not
    // written over, whatever memory holds, until a read of it succeeds.
    void noSaveOverAnUnreadFile_data()
    {
        QTest::addColumn<bool>("openSet");
        QTest::newRow("the open set") << true;
        QTest::newRow("another set") << false;
    }
    void noSaveOverAnUnreadFile()
    {
        QFETCH(bool, openSet);
        CurrentSet = 3;
        const int16_t set = openSet ? int16_t(3) : int16_t(7);
        Stock::StockTable table{};
        table[0] = Filled("IBM");
        QVERIFY(Stock::SaveStocks(set, table));
        const QByteArray file = SetFileBytes(set);

        // Unreadable for a moment (a folder in its place), then back.
        const QString path = Stock::StockSetFile(set);
        QVERIFY(QFile::rename(path, path + QStringLiteral(".away")));
        QVERIFY(QDir().mkpath(path));
        Stock::StockTable other{};
        other[0] = Filled("OTHER");
        Stocks = other;
        QVERIFY(openSet ? !Stock::ReadStocks() : !Stock::ReadStocks(set, other));
        QVERIFY(QDir().rmdir(path));
        QVERIFY(QFile::rename(path + QStringLiteral(".away"), path));

        QVERIFY(openSet ? !Stock::SaveStocks() : !Stock::SaveStocks(set, other));
        QCOMPARE(SetFileBytes(set), file);
        // Read again: saves go through once more.
        Stock::StockTable &read = openSet ? Stocks : other;
        QVERIFY(openSet ? Stock::ReadStocks() : Stock::ReadStocks(set, other));
        QCOMPARE(read[0], table[0]);
        read[1] = Filled("MSFT");
        QVERIFY(openSet ? Stock::SaveStocks() : Stock::SaveStocks(set, read));
        QCOMPARE(SetFileBytes(set).left(file.size() - 66 * 200), file.left(file.size() - 66 * 200));
        QVERIFY(SetFileBytes(set) != file);
    }
};

TW_TEST(tst_stock)
#include "tst_stock.moc"
