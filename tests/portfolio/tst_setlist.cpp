#include "common/TestRegistry.h"
#include "portfolio/SetList.h"

#include <QTest>
#include <limits>
#include <optional>

using SetList::Alerts;

Q_DECLARE_METATYPE(std::optional<float>)

namespace {

// A stock with quote fields, alerts and the four fields ClearStock keeps.
StockRecord Quoted(const QByteArray &symbol, float low = 0, float high = 0)
{
    StockRecord r;
    r.Symbol = symbol;
    r.Name = symbol + " Corp";
    r.LastSale = "10";
    r.Recommendation = 2;
    r.LowAlert = low;
    r.HighAlert = high;
    r.MarketCap = "1B";
    return r;
}

// "AAA", "BBB:1:2" (alerts 1 and 2), ... into slots 0.. of a table.
Stock::StockTable TableOf(const QStringList &stocks)
{
    Stock::StockTable t{};
    for (int i = 0; i < stocks.size(); ++i) {
        const QStringList p = stocks[i].split(u':');
        t[size_t(i)] = Quoted(p[0].toLatin1(), p.value(1).toFloat(), p.value(2).toFloat());
    }
    return t;
}

QList<QByteArray> Bytes(const QStringList &list)
{
    QList<QByteArray> out;
    for (const QString &s : list)
        out << s.toLatin1();
    return out;
}

} // namespace

class tst_setlist : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writeBack_data()
    {
        QTest::addColumn<QStringList>("before");   // the set as stored
        QTest::addColumn<QStringList>("list");     // the editor's list
        QTest::addColumn<int>("selected");
        QTest::addColumn<std::optional<float>>("low");
        QTest::addColumn<std::optional<float>>("high");
        QTest::addColumn<QStringList>("after");    // symbol:low:high per slot
        QTest::addColumn<QList<int>>("quoted");    // slots that keep their quote fields

        const QStringList five{"AAA", "BBB:1:2", "CCC:9.5:20", "DDD", "EEE"};
        const std::optional<float> none;
        QTest::newRow("unchanged") << five << QStringList{"AAA", "BBB", "CCC", "DDD", "EEE"} << -1 << none << none
                                   << QStringList{"AAA:0:0", "BBB:1:2", "CCC:9.5:20", "DDD:0:0", "EEE:0:0"}
                                   << QList<int>{0, 1, 2, 3, 4};
        // The stocks below the removed one move up with their alerts; their
        // quotes wait for the next update.
        QTest::newRow("second removed") << five << QStringList{"AAA", "CCC", "DDD", "EEE"} << -1 << none << none
                                        << QStringList{"AAA:0:0", "CCC:9.5:20", "DDD:0:0", "EEE:0:0"}
                                        << QList<int>{0};
        QTest::newRow("renamed: a new symbol has no alerts")
            << five << QStringList{"AAA", "BBB", "CCX", "DDD", "EEE"} << -1 << none << none
            << QStringList{"AAA:0:0", "BBB:1:2", "CCX:0:0", "DDD:0:0", "EEE:0:0"} << QList<int>{0, 1, 3, 4};
        QTest::newRow("renamed to a listed symbol takes its alerts")
            << five << QStringList{"AAA", "BBB", "CCC", "BBB", "EEE"} << -1 << none << none
            << QStringList{"AAA:0:0", "BBB:1:2", "CCC:9.5:20", "BBB:1:2", "EEE:0:0"} << QList<int>{0, 1, 2, 4};
        QTest::newRow("removed and added again") << five << QStringList{"AAA", "CCC", "DDD", "EEE", "BBB"} << -1
                                                 << none << none
                                                 << QStringList{"AAA:0:0", "CCC:9.5:20", "DDD:0:0", "EEE:0:0", "BBB:1:2"}
                                                 << QList<int>{0};
        QTest::newRow("added to an empty set") << QStringList{} << QStringList{"IBM"} << 0 << std::optional<float>(3)
                                               << none << QStringList{"IBM:3:0"} << QList<int>{};
        // The boxes speak for the selected entry, wherever it now stands.
        QTest::newRow("selected moved up") << five << QStringList{"AAA", "CCC", "DDD", "EEE"} << 1
                                           << std::optional<float>(7) << none
                                           << QStringList{"AAA:0:0", "CCC:7:20", "DDD:0:0", "EEE:0:0"} << QList<int>{0};
        QTest::newRow("zero typed removes") << five << QStringList{"AAA", "BBB", "CCC", "DDD", "EEE"} << 2
                                            << std::optional<float>(0) << std::optional<float>(25)
                                            << QStringList{"AAA:0:0", "BBB:1:2", "CCC:0:25", "DDD:0:0", "EEE:0:0"}
                                            << QList<int>{0, 1, 2, 3, 4};
        QTest::newRow("selected past the list") << five << QStringList{"AAA"} << 3 << std::optional<float>(7)
                                                << std::optional<float>(8) << QStringList{"AAA:0:0"}
                                                << QList<int>{0};
        QTest::newRow("all removed") << five << QStringList{} << -1 << none << none << QStringList{} << QList<int>{};
    }
    void writeBack()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, list);
        QFETCH(int, selected);
        QFETCH(std::optional<float>, low);
        QFETCH(std::optional<float>, high);
        QFETCH(QStringList, after);
        QFETCH(QList<int>, quoted);

        Stock::StockTable table = TableOf(before);
        const Stock::StockTable old = table;
        SetList::WriteBack(table, Bytes(list), SetList::AlertsBySymbol(table), selected, low, high);

        for (int i = 0; i < Stock::StockSlots; ++i) {
            const StockRecord &r = table[size_t(i)];
            if (i >= after.size()) {
                QVERIFY2(r.Symbol.isEmpty() && r.LowAlert == 0 && r.HighAlert == 0 && r.LastSale.isEmpty(),
                         qPrintable(QString::number(i)));
                continue;
            }
            const QStringList p = after[i].split(u':');
            QCOMPARE(r.Symbol, p[0].toLatin1());
            QCOMPARE(r.LowAlert, p[1].toFloat());
            QCOMPARE(r.HighAlert, p[2].toFloat());
            if (quoted.contains(i)) {
                QCOMPARE(r.LastSale, QByteArray("10"));
                QCOMPARE(r.Name, old[size_t(i)].Name);
            } else {
                QCOMPARE(r.LastSale, QByteArray());
                QCOMPARE(r.Recommendation, 0.0f);
            }
        }
    }

    // Entries past the table's 201 slots are not stored.
    void listLongerThanTheTable()
    {
        QList<QByteArray> list;
        for (int i = 0; i < 203; ++i)
            list << "S" + QByteArray::number(i);
        Stock::StockTable table{};
        SetList::WriteBack(table, list, {}, 202, 5.0f, 6.0f);
        QCOMPARE(table[200].Symbol, QByteArray("S200"));
        QCOMPARE(Stock::CountStocks(table), int16_t(201));
        for (const StockRecord &r : table)
            QVERIFY(r.LowAlert == 0 && r.HighAlert == 0);
    }

    void alertValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::addColumn<std::optional<float>>("value");
        QTest::newRow("empty") << "" << false << std::optional<float>();
        QTest::newRow("blank") << " " << false << std::optional<float>();
        QTest::newRow("letter after digits") << "12x" << false << std::optional<float>();
        QTest::newRow("price") << "9.5" << true << std::optional<float>(9.5f);
        QTest::newRow("blanks around") << " 20 " << true << std::optional<float>(20.0f);
        QTest::newRow("thousands") << "1,250.75" << true << std::optional<float>(1250.75f);
        QTest::newRow("zero") << "0" << true << std::optional<float>(0.0f);
        QTest::newRow("negative") << "-3" << true << std::optional<float>(-3.0f);
        QTest::newRow("beyond a single") << "1e39" << true << std::optional<float>();
        // A comma only groups digits; each keystroke still passes it.
        QTest::newRow("decimal comma") << "12,5" << true << std::optional<float>();
        QTest::newRow("four digits after a comma") << "1,2345" << true << std::optional<float>();
        QTest::newRow("comma on the way to a group") << "1," << true << std::optional<float>();
        QTest::newRow("too small for a single") << "1e-300" << true << std::optional<float>();
    }
    void alertValue()
    {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QFETCH(std::optional<float>, value);
        QCOMPARE(SetList::ReadsAsNumber(text), number);
        QCOMPARE(SetList::AlertValue(text), value);
    }

    void alertsBySymbolTakesTheFirstSlot()
    {
        const auto alerts = SetList::AlertsBySymbol(TableOf({"AAA:1:2", "BBB", "AAA:3:4"}));
        QCOMPARE(alerts.size(), 2);
        QCOMPARE(alerts.value("AAA").Low, 1.0f);
        QCOMPARE(alerts.value("AAA").High, 2.0f);
        QVERIFY(!alerts.contains(""));
    }
};

TW_TEST(tst_setlist)
#include "tst_setlist.moc"
