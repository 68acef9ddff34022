// The quote list of the fast update: which symbols are asked for, and which
// stock each line of the reply goes to.
#include "collect/QuoteList.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "core/Stock.h"

#include <QTest>
#include <memory>

namespace {

void SetSlots(const QList<QByteArray> &symbols)
{
    Stocks.fill({});
    int16_t count = 0;
    for (int i = 0; i < symbols.size(); ++i) {
        Stocks[size_t(i)].Symbol = symbols[i];
        if (!symbols[i].isEmpty())
            ++count;
        Stocks[size_t(i)].DChange = "dchange";
        Stocks[size_t(i)].PChange = "pchange";
        Stocks[size_t(i)].LastSale = "old";
    }
    StockCount = count;
}

const QByteArray kIbm = "\"IBM\",112.5,\"6/2/2000\",\"4:01PM\",+1.25,111,113,110.5,452";
const QByteArray kMsft = "\"MSFT\",80.25,\"6/2/2000\",\"3:59PM\",-0.5,81,81.5,79,1200";

// Each slot as "LastSale LastUpdate DChange PChange Opens TodayHigh TodayLow Volume"
// joined by "|", stocks by "; ".
QByteArray Shown(int count)
{
    QList<QByteArray> out;
    for (int i = 0; i < count; ++i) {
        const StockRecord &r = Stocks[size_t(i)];
        out << QList<QByteArray>{r.LastSale, r.LastUpdate, r.DChange, r.PChange, r.Opens, r.TodayHigh, r.TodayLow, r.Volume}.join('|');
    }
    return out.join("; ");
}

} // namespace

class tst_quotelist : public QObject {
    Q_OBJECT
    std::unique_ptr<tw::test::TestEnv> env;

private Q_SLOTS:
    void init() { env = std::make_unique<tw::test::TestEnv>(); }
    void cleanup()
    {
        Stocks.fill({});
        StockCount = 0;
        env.reset();
    }

    void symbols_data()
    {
        QTest::addColumn<QList<QByteArray>>("stocks");
        QTest::addColumn<QString>("list");
        QTest::newRow("two") << QList<QByteArray>{"IBM", "msft"} << QStringLiteral("ibm,msft");
        QTest::newRow("up to the first free slot") << QList<QByteArray>{"IBM", "MSFT", "", "T"}
                                                  << QStringLiteral("ibm,msft");
        QTest::newRow("slot 0 free") << QList<QByteArray>{"", "IBM"} << QString();
        QTest::newRow("signs of a ticker escaped") << QList<QByteArray>{"^DJI", "BRK.A", "A&B"}
                                                   << QStringLiteral("%5Edji,brk.a,a%26b");
    }
    void symbols()
    {
        QFETCH(QList<QByteArray>, stocks);
        QFETCH(QString, list);
        SetSlots(stocks);
        QCOMPARE(QuoteList::Symbols(), list);
    }

    void wholeTableAsked()
    {
        QList<QByteArray> all;
        for (int i = 0; i < Stock::StockSlots; ++i)
            all << "S" + QByteArray::number(i);
        SetSlots(all);
        const QStringList list = QuoteList::Symbols().split(u',');
        QCOMPARE(list.size(), 201);
        QCOMPARE(list.last(), QStringLiteral("s200"));
        QCOMPARE(QuoteList::Path(QStringLiteral("ibm,msft")),
                 QStringLiteral("/d/quotes.csv?s=ibm,msft&f=sl1d1t1c1ohgv&e=.csv"));
    }

    void store_data()
    {
        QTest::addColumn<QList<QByteArray>>("stocks");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QByteArray>("shown");
        QTest::addColumn<int>("written");
        const QByteArray ibm = "112.5|6/2/2000|+1.25|+1.12%|111|113|110.5|452";
        const QByteArray msft = "80.25|6/2/2000|-0.5|-0.62%|81|81.5|79|1200";
        const QByteArray untouched = "old||dchange|pchange||||";
        QTest::newRow("both in order") << QList<QByteArray>{"ibm", "msft"} << kIbm + "\r\n" + kMsft + "\r\n"
                                       << ibm + "; " + msft << 2;
        QTest::newRow("lines reordered") << QList<QByteArray>{"IBM", "MSFT"} << kMsft + "\r\n" + kIbm + "\r\n"
                                         << ibm + "; " + msft << 2;
        QTest::newRow("first line missing") << QList<QByteArray>{"IBM", "MSFT"} << kMsft + "\r\n"
                                            << untouched + "; " + msft << 1;
        QTest::newRow("foreign line") << QList<QByteArray>{"IBM", "MSFT"}
                                      << "\"ORCL\",30,\"6/2/2000\",\"4:00PM\",+1,29,31,28,10\r\n" + kMsft + "\r\n"
                                      << untouched + "; " + msft << 1;
        QTest::newRow("line without a symbol") << QList<QByteArray>{"IBM", "MSFT"} << ",1,2,3,4,5,6,7,8\r\n" + kMsft
                                               << untouched + "; " + msft << 1;
        QTest::newRow("an empty line ends the list") << QList<QByteArray>{"IBM", "MSFT"}
                                                     << kIbm + "\r\n\r\n" + kMsft + "\r\n" << ibm + "; " + untouched << 1;
        QTest::newRow("short line updates what it has")
            << QList<QByteArray>{"IBM"} << QByteArray("\"IBM\",99,\"6/1/2000\"") << QByteArray("99|6/1/2000|dchange|pchange||||") << 1;
        QTest::newRow("placeholders stored, fields past the ninth ignored, lone line ends")
            << QList<QByteArray>{"IBM", "MSFT"}
            << "\"IBM\",N/A,\"N/A\",\"N/A\",N/A, ,N/A,N/A,N/A,extra\n" + kMsft
            << QByteArray("N/A|N/A|N/A|N/A||N/A|N/A|N/A; ") + msft << 2;
        QTest::newRow("a symbol held twice gets both lines")
            << QList<QByteArray>{"IBM", "IBM"}
            << kIbm + "\r\n\"IBM\",1,\"6/2/2000\",\"4:01PM\",+1,1,1,1,1\r\n"
            << ibm + "; 1|6/2/2000|+1||1|1|1|1" << 2;
        QTest::newRow("only the asked stocks") << QList<QByteArray>{"IBM", "", "MSFT"} << kMsft + "\r\n" + kIbm
                                              << ibm + "; " + untouched + "; " + untouched << 1;
    }
    void store()
    {
        QFETCH(QList<QByteArray>, stocks);
        QFETCH(QByteArray, reply);
        QFETCH(QByteArray, shown);
        QFETCH(int, written);
        SetSlots(stocks);
        QCOMPARE(QuoteList::Store(reply), written);
        QCOMPARE(Shown(int(stocks.size())), shown);
        for (int i = 0; i < stocks.size(); ++i)
            QCOMPARE(Stocks[size_t(i)].Symbol, stocks[i]);
    }

    // The list's change is in dollars; the percentage is worked out from the
    // previous close (last minus change), as the quote page shows it.
    void changeAndPercent_data()
    {
        QTest::addColumn<QByteArray>("last");
        QTest::addColumn<QByteArray>("change");
        QTest::addColumn<QByteArray>("dchange");
        QTest::addColumn<QByteArray>("pchange");
        QTest::newRow("fall") << QByteArray("65.375") << QByteArray("-0.625") << QByteArray("-0.625") << QByteArray("-0.95%");
        QTest::newRow("rise") << QByteArray("101") << QByteArray("+1") << QByteArray("+1") << QByteArray("+1.00%");
        QTest::newRow("unchanged") << QByteArray("20") << QByteArray("0") << QByteArray("0") << QByteArray("0.00%");
        QTest::newRow("no change figure") << QByteArray("20") << QByteArray("N/A") << QByteArray("N/A") << QByteArray("N/A");
        QTest::newRow("no last price") << QByteArray("N/A") << QByteArray("-1") << QByteArray("-1") << QByteArray();
        QTest::newRow("no previous close") << QByteArray("2") << QByteArray("+2") << QByteArray("+2") << QByteArray();
    }
    void changeAndPercent()
    {
        QFETCH(QByteArray, last);
        QFETCH(QByteArray, change);
        QFETCH(QByteArray, dchange);
        QFETCH(QByteArray, pchange);
        SetSlots({"ZETA"});
        QCOMPARE(QuoteList::Store("\"ZETA\"," + last + ",\"6/2/2000\",\"4:00PM\"," + change + ",1,1,1,1\r\n"), 1);
        QCOMPARE(Stocks[0].DChange, dchange);
        QCOMPARE(Stocks[0].PChange, pchange);
    }

    // With no free slot, all 201 lines are read and the last one reaches
    // slot 200; lines past it are ignored.
    void wholeTableStored()
    {
        QList<QByteArray> all;
        QByteArray reply;
        for (int i = 0; i < Stock::StockSlots; ++i) {
            all << "S" + QByteArray::number(i);
            reply += "\"S" + QByteArray::number(i) + "\"," + QByteArray::number(i) + ",\"6/2/2000\"\r\n";
        }
        reply += "\"S0\",999\r\n";
        SetSlots(all);
        QCOMPARE(QuoteList::Store(reply), 201);
        QCOMPARE(Stocks[200].LastSale, QByteArray("200"));
        QCOMPARE(Stocks[0].LastSale, QByteArray("0"));
    }
};

TW_TEST(tst_quotelist)
#include "tst_quotelist.moc"
