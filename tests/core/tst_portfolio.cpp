#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "core/AppFolder.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <memory>

using tw::test::TestEnv;

Q_DECLARE_METATYPE(TransactionRecord)

namespace {

TransactionRecord Trade(const QByteArray &symbol, const QByteArray &action, int16_t shares, int16_t id)
{
    TransactionRecord t;
    t.Symbol = symbol;
    t.Date = "1/2/2003";
    t.Price = 10.f;
    t.Shares = shares;
    t.Commission = 5.f;
    t.CurrentPrice = "11";
    t.Action = action;
    t.ID = id;
    return t;
}

} // namespace

class tst_portfolio : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;

private Q_SLOTS:
    void init() { env = std::make_unique<TestEnv>(); }
    void cleanup()
    {
        frmMain::Unload();
        env.reset();
    }

    void fileNames()
    {
        QCOMPARE(Stock::PortfolioFile(), AppFolder + QStringLiteral("/Portfolio.dat"));
        QCOMPARE(Stock::USFile(), AppFolder + QStringLiteral("/US.dat"));
    }

    void emptyImages()
    {
        QVERIFY(Stock::SavePortfolio());
        QCOMPARE(TestEnv::ReadAll(Stock::PortfolioFile()), QByteArray(2828, '\0'));
        QVERIFY(Stock::SaveUS());
        QCOMPARE(TestEnv::ReadAll(Stock::USFile()), QByteArray(370, '\0'));
    }

    void transactionImage()
    {
        TransactionRecord &t = Portfolio[1];
        t.Symbol = "IBM";
        t.Date = "1/2";
        t.Price = 12.5f;
        t.Shares = -2;
        t.Commission = 7.5f;
        t.CurrentPrice = "13";
        t.Action = "Buy";
        t.Gain = -2.5;
        t.ID = 300;
        QVERIFY(Stock::SavePortfolio());
        const QByteArray image = TestEnv::ReadAll(Stock::PortfolioFile());
        QCOMPARE(image.size(), 2828 + 11);
        QCOMPARE(image.left(28), QByteArray(28, '\0'));
        QCOMPARE(image.mid(28, 39).toHex(' '),
                 QByteArray("03 00 49 42 4d 03 00 31 2f 32 00 00 48 41 fe ff 00 00 f0 40 02 00 31 33 "
                            "03 00 42 75 79 00 00 00 00 00 00 04 c0 2c 01"));
        QCOMPARE(image.mid(67), QByteArray(99 * 28, '\0'));
    }

    void roundTripAndCount()
    {
        Portfolio[0] = Trade("GE", "Buy", 5, 9);
        Portfolio[1] = Trade("IBM", "Buy", 100, 1);
        Portfolio[7] = Trade("IBM", "Sell", 40, 1);
        Portfolio[7].Gain = -123.456789;
        Portfolio[99] = Trade("MSFT", "Buy", 32767, 99);
        Portfolio[100] = Trade("LAST", "Buy", 1, 100);
        const auto saved = Portfolio;
        QVERIFY(Stock::SavePortfolio());
        Portfolio.fill(Trade("JUNK", "Buy", 1, 1));
        QVERIFY(Stock::ReadPortfolio());
        QVERIFY(Portfolio == saved);
        QCOMPARE(PortfolioCount, int16_t(4)); // slot 100 is not counted
    }

    void readMissingCreatesEmptyFile()
    {
        Portfolio.fill(Trade("OLD", "Buy", 1, 1));
        PortfolioCount = 99;
        QVERIFY(Stock::ReadPortfolio());
        QVERIFY(QFile::exists(Stock::PortfolioFile()));
        QCOMPARE(QFileInfo(Stock::PortfolioFile()).size(), 0);
        QCOMPARE(PortfolioCount, int16_t(0));
        for (const TransactionRecord &t : Portfolio)
            QVERIFY(t == TransactionRecord{});
    }

    void cutFileAndTrailingBytes()
    {
        Portfolio[0] = Trade("IBM", "Sell", 40, 3);
        Portfolio[0].Gain = 99.5;
        QVERIFY(Stock::SavePortfolio());
        const QByteArray image = TestEnv::ReadAll(Stock::PortfolioFile());

        // Cut inside Gain: everything before it is read, Gain and ID are not.
        TestEnv::WriteAll(Stock::PortfolioFile(), image.left(42));
        QVERIFY(Stock::ReadPortfolio());
        TransactionRecord expected = Trade("IBM", "Sell", 40, 0);
        QVERIFY(Portfolio[0] == expected);
        QCOMPARE(PortfolioCount, int16_t(1));

        TestEnv::WriteAll(Stock::PortfolioFile(), image + QByteArray(300, '\x7f'));
        QVERIFY(Stock::ReadPortfolio());
        expected.Gain = 99.5;
        expected.ID = 3;
        QVERIFY(Portfolio[0] == expected);
        QVERIFY(Portfolio[100] == TransactionRecord{});

        QVERIFY(Stock::SavePortfolio());
        QCOMPARE(TestEnv::ReadAll(Stock::PortfolioFile()), image);
    }

    // Failures are quiet: nothing logged, the answer says it, the table stays.
    void fileFailures()
    {
        QVERIFY(QDir().mkpath(Stock::PortfolioFile()));
        QVERIFY(QDir().mkpath(Stock::USFile()));
        Portfolio[2] = Trade("IBM", "Buy", 100, 2);
        PortfolioCount = 1;
        USMarket[0].LastTrade = "10000";
        const auto portfolio = Portfolio;
        const auto us = USMarket;
        QVERIFY(!Stock::ReadPortfolio());
        QVERIFY(!Stock::SavePortfolio());
        QVERIFY(!Stock::ReadUS());
        QVERIFY(!Stock::SaveUS());
        QVERIFY(Portfolio == portfolio);
        QCOMPARE(PortfolioCount, int16_t(1));
        QVERIFY(USMarket == us);
        QCOMPARE(env->ErrorBlocks(), 0);
    }

    // After a read that failed, memory is not saved over the file the
    // program could not read, until a read of it succeeds.
    void noSaveOverAnUnreadFile()
    {
        Portfolio[1] = Trade("IBM", "Buy", 100, 1);
        QVERIFY(Stock::SavePortfolio());
        const QByteArray file = TestEnv::ReadAll(Stock::PortfolioFile());

        const QString path = Stock::PortfolioFile();
        QVERIFY(QFile::rename(path, path + QStringLiteral(".away")));
        QVERIFY(QDir().mkpath(path));
        Portfolio[1] = Trade("OTHER", "Buy", 5, 1);
        QVERIFY(!Stock::ReadPortfolio());
        QVERIFY(QDir().rmdir(path));
        QVERIFY(QFile::rename(path + QStringLiteral(".away"), path));

        QVERIFY(!Stock::SavePortfolio());
        QVERIFY(!Stock::SetTransaction("Buy", "MSFT", 10, 0, "1/2/2003", 12.5, "13", 0, 2, 2));
        QCOMPARE(TestEnv::ReadAll(path), file);

        QVERIFY(Stock::ReadPortfolio());
        QCOMPARE(Portfolio[1], Trade("IBM", "Buy", 100, 1));
        QVERIFY(Stock::SetTransaction("Buy", "MSFT", 10, 0, "1/2/2003", 12.5, "13", 0, 2, 2));
        QCOMPARE(TestEnv::ReadAll(path).left(file.size() - 99 * 28), file.left(file.size() - 99 * 28));
        QCOMPARE(Portfolio[2].Symbol, QByteArray("MSFT"));
    }

    void setTransaction_data()
    {
        QTest::addColumn<QByteArray>("action");
        QTest::addColumn<QByteArray>("symbol");
        QTest::addColumn<int>("shares");
        QTest::addColumn<float>("commission");
        QTest::addColumn<QByteArray>("date");
        QTest::addColumn<double>("price");
        QTest::addColumn<QByteArray>("currentPrice");
        QTest::addColumn<double>("gain");
        QTest::addColumn<int>("id");
        QTest::addColumn<TransactionRecord>("expected");

        TransactionRecord stored = Trade("IBM", "Buy", 100, 2);
        stored.Gain = 3;
        QTest::newRow("nothing given keeps all") << QByteArray() << QByteArray() << 0 << 0.f << QByteArray() << 0.0
                                                 << QByteArray() << 0.0 << 0 << stored;
        QTest::newRow("negatives keep") << QByteArray() << QByteArray() << -5 << -1.f << QByteArray() << -3.0
                                        << QByteArray("-2") << 0.0 << -7 << stored;
        QTest::newRow("quote N/A keeps") << QByteArray() << QByteArray() << 0 << 0.f << QByteArray() << 0.0
                                         << QByteArray("N/A") << 0.0 << 0 << stored;
        QTest::newRow("quote 0 keeps") << QByteArray() << QByteArray() << 0 << 0.f << QByteArray() << 0.0
                                       << QByteArray("0") << 0.0 << 0 << stored;

        TransactionRecord loss = stored;
        loss.Gain = -12.5;
        QTest::newRow("loss is stored") << QByteArray() << QByteArray() << 0 << 0.f << QByteArray() << 0.0
                                        << QByteArray() << -12.5 << 0 << loss;

        TransactionRecord all;
        all.Symbol = "MSFT";
        all.Date = "3/4/2005";
        all.Price = float(20.123456789);
        all.Shares = 40;
        all.Commission = 9.5f;
        all.CurrentPrice = "21.5";
        all.Action = "Sell";
        all.Gain = 33.25;
        all.ID = 7;
        QTest::newRow("all replaced") << QByteArray("Sell") << QByteArray("MSFT") << 40 << 9.5f << QByteArray("3/4/2005")
                                      << 20.123456789 << QByteArray("21.5") << 33.25 << 7 << all;
    }

    void setTransaction()
    {
        QFETCH(QByteArray, action);
        QFETCH(QByteArray, symbol);
        QFETCH(int, shares);
        QFETCH(float, commission);
        QFETCH(QByteArray, date);
        QFETCH(double, price);
        QFETCH(QByteArray, currentPrice);
        QFETCH(double, gain);
        QFETCH(int, id);
        QFETCH(TransactionRecord, expected);
        Portfolio[2] = Trade("IBM", "Buy", 100, 2);
        Portfolio[2].Gain = 3;

        QVERIFY(Stock::SetTransaction(action, symbol, int16_t(shares), commission, date, price, currentPrice, gain,
                                      int16_t(id), 2));
        QVERIFY(Portfolio[2] == expected);
        Portfolio.fill({});
        QVERIFY(Stock::ReadPortfolio()); // it was saved
        QVERIFY(Portfolio[2] == expected);
    }

    void newBuyInEmptySlot()
    {
        Portfolio[1] = Trade("GE", "Buy", 10, 1);
        QVERIFY(Stock::SavePortfolio());
        QVERIFY(Stock::SetTransaction("Buy", "IBM", 100, 0, "1/2/2003", 12.5, "13", 0, 2, 2));
        TransactionRecord expected;
        expected.Symbol = "IBM";
        expected.Date = "1/2/2003";
        expected.Price = 12.5f;
        expected.Shares = 100;
        expected.CurrentPrice = "13";
        expected.Action = "Buy";
        expected.ID = 2;
        QVERIFY(Portfolio[2] == expected);
        QCOMPARE(PortfolioCount, int16_t(2));
    }

    // A slot outside the table stores nothing, but the table is still saved
    // and read back.
    void slotOutsideTable()
    {
        Portfolio[3] = Trade("IBM", "Buy", 100, 3);
        const auto before = Portfolio;
        for (int16_t slot : {int16_t(-1), int16_t(101)}) {
            QVERIFY(Stock::SetTransaction("Buy", "MSFT", 5, 1, "d", 1, "1", 1, 5, slot));
            QVERIFY(Portfolio == before);
        }
        QCOMPARE(PortfolioCount, int16_t(1));
        QCOMPARE(TestEnv::ReadAll(Stock::PortfolioFile()).size(), 2828 + 3 + 8 + 2 + 3);
    }

    void saveFailureIsReported()
    {
        QVERIFY(QDir().mkpath(Stock::PortfolioFile()));
        QVERIFY(!Stock::SetTransaction("Buy", "IBM", 100, 0, "1/2/2003", 12.5, "13", 0, 1, 1));
        QVERIFY(!Stock::ClearPortfolio());
    }

    // Redrawing goes through the main window only when it is loaded.
    void redrawWithOrWithoutMainWindow_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<bool>("loaded");
        for (const char *view : {"Port", "PortLog", "Current"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1, not loaded").arg(view))) << QString::fromLatin1(view) << false;
            QTest::newRow(qPrintable(QStringLiteral("%1, loaded").arg(view))) << QString::fromLatin1(view) << true;
        }
    }

    void redrawWithOrWithoutMainWindow()
    {
        QFETCH(QString, view);
        QFETCH(bool, loaded);
        CurrentView = view;
        if (loaded)
            frmMain::Instance();
        QVERIFY(Stock::SetTransaction("Buy", "IBM", 100, 0, "1/2/2003", 12.5, "13", 0, 1, 1));
        QVERIFY(Stock::ClearPortfolio());
        QCOMPARE(PortfolioCount, int16_t(0));
    }

    // A purge empties the free slots (no symbol, or blanks only) and slot
    // 100; a one-letter ticker's transactions stay.
    void purge()
    {
        Portfolio[1] = Trade("IBM", "Buy", 100, 1);
        Portfolio[2] = Trade("F", "Buy", 100, 2);
        Portfolio[3] = Trade("", "Sell", 10, 1); // a deleted transaction
        Portfolio[4] = Trade("  ", "Sell", 10, 1);
        Portfolio[5] = Trade("MSFT", "Buy", 50, 5);
        Portfolio[6] = Trade("F", "Sell", 50, 2);
        Portfolio[100] = Trade("GE", "Buy", 1, 100);
        const auto before = Portfolio;
        QVERIFY(Stock::SavePortfolio());
        const QByteArray file = TestEnv::ReadAll(Stock::PortfolioFile());

        Stock::PurgePortfolio();
        for (int i = 0; i < Stock::PortfolioSlots; ++i) {
            const bool kept = i == 1 || i == 2 || i == 5 || i == 6;
            QVERIFY2(Portfolio[i] == (kept ? before[i] : TransactionRecord{}), qPrintable(QString::number(i)));
        }
        QCOMPARE(TestEnv::ReadAll(Stock::PortfolioFile()), file);
    }

    void clear()
    {
        Portfolio.fill(Trade("IBM", "Buy", 100, 1));
        QVERIFY(Stock::SavePortfolio());
        QVERIFY(Stock::ReadPortfolio());
        QVERIFY(Stock::ClearPortfolio());
        QCOMPARE(PortfolioCount, int16_t(0));
        QVERIFY(Portfolio[100] == TransactionRecord{});
        QCOMPARE(TestEnv::ReadAll(Stock::PortfolioFile()), QByteArray(2828, '\0'));
    }

    void checkSold_data()
    {
        QTest::addColumn<QList<int>>("sellSlots");
        QTest::addColumn<QList<int>>("sellShares");
        QTest::addColumn<int>("expected");
        QTest::newRow("unsold") << QList<int>{} << QList<int>{} << 0;
        QTest::newRow("40 sold") << QList<int>{2} << QList<int>{40} << 60;
        QTest::newRow("all sold") << QList<int>{2} << QList<int>{100} << int(Stock::SoldOut);
        QTest::newRow("more than held") << QList<int>{2} << QList<int>{150} << int(Stock::SoldOut);
        QTest::newRow("40 then 30") << QList<int>{2, 3} << QList<int>{40, 30} << 30;
        QTest::newRow("30 then 40") << QList<int>{2, 3} << QList<int>{30, 40} << 30;
        QTest::newRow("sold out in parts") << QList<int>{2, 3, 4} << QList<int>{50, 25, 25} << int(Stock::SoldOut);
        QTest::newRow("sale behind a gap") << QList<int>{60} << QList<int>{40} << 60;
        QTest::newRow("sale in slot 100") << QList<int>{100} << QList<int>{40} << 60;
    }

    void checkSold()
    {
        QFETCH(QList<int>, sellSlots);
        QFETCH(QList<int>, sellShares);
        Portfolio[1] = Trade("IBM", "Buy", 100, 1);
        Portfolio[5] = Trade("MSFT", "Buy", 100, 5);
        Portfolio[6] = Trade("MSFT", "Sell", 99, 5); // another lot
        Portfolio[7] = Trade("IBM", "sell", 99, 1);  // not a Sell
        Portfolio[8] = Trade("IBM", "Buy", 99, 1);
        for (int i = 0; i < sellSlots.size(); ++i)
            Portfolio[sellSlots[i]] = Trade("IBM", "Sell", int16_t(sellShares[i]), 1);
        PortfolioCount = 2;
        QTEST(int(Stock::CheckSold(1, 100)), "expected");
    }

    void nextTransaction_data()
    {
        QTest::addColumn<QList<int>>("occupied");
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<int>("slot"); // -1: full
        QTest::addColumn<int>("id");
        QTest::newRow("empty") << QList<int>{} << QList<int>{} << 1 << 1;
        QTest::newRow("untouched") << QList<int>{1, 2, 3} << QList<int>{1, 2, 3} << 4 << 4;
        QTest::newRow("gap after a deletion") << QList<int>{1, 3, 4} << QList<int>{1, 3, 4} << 2 << 5;
        QTest::newRow("lot of a deleted buy still sold") << QList<int>{1, 2} << QList<int>{1, 9} << 3 << 10;
        QTest::newRow("slot 0 is never given") << QList<int>{0} << QList<int>{4} << 1 << 5;
        QTest::newRow("slot 100 counts for the number only") << QList<int>{100} << QList<int>{40} << 1 << 41;
        QList<int> full, ids;
        for (int i = 1; i <= 99; ++i) {
            full << i;
            ids << i;
        }
        QTest::newRow("full though slot 100 is free") << full << ids << -1 << 0;
        QTest::newRow("no number left") << QList<int>{1} << QList<int>{32767} << -1 << 0;
    }

    void nextTransaction()
    {
        QFETCH(QList<int>, occupied);
        QFETCH(QList<int>, ids);
        QFETCH(int, slot);
        for (int i = 0; i < occupied.size(); ++i)
            Portfolio[occupied[i]] = Trade("IBM", "Buy", 1, int16_t(ids[i]));
        const auto next = Stock::NextTransaction();
        QCOMPARE(next.has_value(), slot >= 0);
        if (next) {
            QCOMPARE(int(next->Slot), slot);
            QTEST(int(next->ID), "id");
        }
    }

    void usTable()
    {
        QVERIFY(Stock::ReadUS());
        QCOMPARE(QFileInfo(Stock::USFile()).size(), 0);

        USMarket[0] = {"10000.5", "4:01PM", "+12", "+0.1%", "more"};
        USMarket[36] = {"1", "2", "3", "4", "5"};
        const auto saved = USMarket;
        QVERIFY(Stock::SaveUS());
        const QByteArray image = TestEnv::ReadAll(Stock::USFile());
        QCOMPARE(image.size(), 370 + 7 + 6 + 3 + 5 + 4 + 5);
        QVERIFY(image.startsWith(QByteArray::fromHex("07003130303030") + QByteArray(".5")));

        USMarket.fill({"x", "x", "x", "x", "x"});
        QVERIFY(Stock::ReadUS());
        QVERIFY(USMarket == saved);

        TestEnv::WriteAll(Stock::USFile(), image.left(2 + 7 + 2 + 3)); // cut inside TradeTime
        QVERIFY(Stock::ReadUS());
        QVERIFY(USMarket[0] == (MarketIndexRecord{"10000.5", {}, {}, {}, {}}));
        QVERIFY(USMarket[36] == MarketIndexRecord{});
    }
};

TW_TEST(tst_portfolio)
#include "tst_portfolio.moc"
