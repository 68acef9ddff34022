// The quote page reader: these page bytes give these record fields; the
// reset of a stock whose quote failed; the analysts' recommendation figure.
#include "QuoteFixture.h"
#include "collect/QuotePage.h"
#include "common/TestRegistry.h"
#include "core/Stock.h"

#include <QMap>
#include <QTest>

using tw::test::kQuotePage;

namespace {

using Field = QByteArray StockRecord::*;

const QMap<QByteArray, Field> &Fields()
{
    static const QMap<QByteArray, Field> f{
        {"Spare1", &StockRecord::Spare1},     {"Symbol", &StockRecord::Symbol},       {"Name", &StockRecord::Name},
        {"LastSale", &StockRecord::LastSale}, {"PChange", &StockRecord::PChange},     {"DChange", &StockRecord::DChange},
        {"TodayHigh", &StockRecord::TodayHigh}, {"TodayLow", &StockRecord::TodayLow}, {"Volume", &StockRecord::Volume},
        {"Ask", &StockRecord::Ask},           {"Bid", &StockRecord::Bid},             {"LTS", &StockRecord::LTS},
        {"pe", &StockRecord::pe},             {"DPS", &StockRecord::DPS},             {"Opens", &StockRecord::Opens},
        {"PreClose", &StockRecord::PreClose}, {"High52", &StockRecord::High52},       {"Low52", &StockRecord::Low52},
        {"EPS", &StockRecord::EPS},           {"Exchange", &StockRecord::Exchange},   {"industry", &StockRecord::industry},
        {"LastUpdate", &StockRecord::LastUpdate}, {"Spare2", &StockRecord::Spare2},   {"MarketCap", &StockRecord::MarketCap},
        {"AvgVolume", &StockRecord::AvgVolume}, {"Div", &StockRecord::Div},           {"Yield", &StockRecord::Yield},
    };
    return f;
}

// A record with something in every field, so a field the page leaves alone
// shows.
StockRecord OldRecord()
{
    StockRecord r;
    for (const auto &[name, field] : Fields().asKeyValueRange())
        r.*field = "old";
    r.Symbol = "ZETA";
    r.Recommendation = 2.5f;
    r.LowAlert = 7;
    r.HighAlert = 30;
    return r;
}

const QList<QByteArray> kWholePage{
    "Name=Zeta Corp",  "LastUpdate=4:01PM", "LastSale=12 3/8",  "DChange=+3/8",      "PChange=+3.12%",
    "PreClose=12",     "Volume=1,200,000",  "TodayLow=12 1/8",  "TodayHigh=13",      "Bid=12 1/4",
    "Ask=12 1/2",      "Opens=12 1/8",      "AvgVolume=900,000", "Div=Jun 15",       "Low52=9",
    "High52=20 1/2",   "EPS=1.23",          "pe=10.06",          "MarketCap=1.5B",   "DPS=0.40",
    "Yield=3.2",       "Exchange=-",        "industry=-",
};

QByteArray Replaced(QByteArray page, const QByteArray &before, const QByteArray &after)
{
    return page.replace(before, after);
}

// The whole page's fields with some changed ("Field=value"; "Field" alone
// for a field left as it was).
QList<QByteArray> Except(const QList<QByteArray> &changes)
{
    QList<QByteArray> out = kWholePage;
    for (const QByteArray &c : changes) {
        const QByteArray name = c.left(c.indexOf('=') < 0 ? c.size() : c.indexOf('='));
        out.removeIf([&](const QByteArray &f) { return f.startsWith(name + '='); });
        if (c.contains('='))
            out << c;
    }
    return out;
}

} // namespace

class tst_quotepage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void read_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QList<QByteArray>>("fields"); // written fields; every other keeps "old"
        QTest::addColumn<QByteArray>("name");

        QTest::newRow("whole page") << kQuotePage << kWholePage << QByteArray("Zeta Corp");
        QTest::newRow("sup and sub tags, a label across lines")
            << Replaced(Replaced(kQuotePage, "<b>12 3/8</b>", "<b>12<sup>3</sup>/<sub>8</sub></b>"), "Last Trade",
                        "La\r\nst Trade")
            << kWholePage << QByteArray("Zeta Corp");
        QTest::newRow("no Views: the name from the first cell")
            << Replaced(Replaced(kQuotePage, "Views", "Opinions"), "<TABLE WIDTH=100%>",
                        "<table><tr><td>Market Summary (delayed)</td></tr></table><TABLE WIDTH=100%>")
            << Except({"Name=Market Summary"}) << QByteArray("Market Summary");
        QTest::newRow("no middle dot: trade cell kept, Change found after the name")
            << Replaced(kQuotePage, "&#183;", "-") << Except({"LastUpdate", "LastSale"}) << QByteArray("Zeta Corp");
        QTest::newRow("empty page") << QByteArray() << QList<QByteArray>{"Name=", "Exchange=-", "industry=-"}
                                    << QByteArray();
        QTest::newRow("empty value keeps the field, a placeholder is stored")
            << Replaced(Replaced(kQuotePage, "<b>12 1/4</b>", "<b></b>"), "<b>10.06</b>", "<b>N/A</b>")
            << Except({"Bid", "pe=N/A"}) << QByteArray("Zeta Corp");
        QTest::newRow("52-week range without its high")
            << Replaced(kQuotePage, "9 - 20 1/2", "9 -") << Except({"High52"}) << QByteArray("Zeta Corp");
        QTest::newRow("negative change")
            << Replaced(kQuotePage, "+3/8 (+3.12%)", "- 1/4 ( -2.04% )") << Except({"DChange=- 1/4", "PChange=-2.04%"})
            << QByteArray("Zeta Corp");
        QTest::newRow("amp in the name")
            << Replaced(kQuotePage, "Zeta Corp (", "Zeta &amp; Sons (") << Except({"Name=Zeta & Sons"})
            << QByteArray("Zeta & Sons");
        // Positions are full-width: a label far down a long page is found.
        const QByteArray longGap = "<td>" + QByteArray(40000, 'x') + "</td>";
        QTest::newRow("Yield past character 32767")
            << Replaced(kQuotePage, "<td>Yield<br>", longGap + "<td>Yield<br>") << kWholePage << QByteArray("Zeta Corp");
        QTest::newRow("whole quote past character 32767")
            << Replaced(kQuotePage, "<p><a", "<p>" + QByteArray(70000, 'y') + "</p><p><a") << kWholePage
            << QByteArray("Zeta Corp");
    }
    void read()
    {
        QFETCH(QByteArray, page);
        QFETCH(QList<QByteArray>, fields);
        QFETCH(QByteArray, name);
        StockRecord r = OldRecord();
        StockRecord want = OldRecord();
        for (const QByteArray &f : fields) {
            const qsizetype eq = f.indexOf('=');
            QVERIFY2(Fields().contains(f.left(eq)), f.constData());
            want.*Fields().value(f.left(eq)) = f.mid(eq + 1);
        }
        QCOMPARE(QuotePage::Read(page, r), name);
        for (const auto &[n, field] : Fields().asKeyValueRange())
            QVERIFY2(r.*field == want.*field, (n + ": " + r.*field + " / " + want.*field).constData());
        QVERIFY(r == want); // the numbers too: recommendation and alerts untouched
    }

    // The reset of a stock whose turn failed clears quote fields only: the
    // user's alerts, the symbol and the figures no quote brings stay.
    void clearKeepsAlerts()
    {
        StockRecord r = OldRecord();
        QuotePage::Clear(r);
        StockRecord want = OldRecord();
        for (const char *f : {"Ask", "Bid", "DChange", "DPS", "EPS", "High52", "LastSale", "Low52", "LTS", "Opens",
                              "PChange", "pe", "PreClose", "TodayHigh", "TodayLow", "Volume"})
            want.*Fields().value(f) = "0";
        for (const char *f : {"Exchange", "industry", "LastUpdate", "Spare1", "Spare2"})
            want.*Fields().value(f) = "";
        want.Name = "No Current Stock";
        want.Recommendation = 0;
        QCOMPARE(r.LowAlert, 7.0f);
        QCOMPARE(r.HighAlert, 30.0f);
        QCOMPARE(r.Symbol, QByteArray("ZETA"));
        QCOMPARE(r.MarketCap, QByteArray("old"));
        QVERIFY(r == want);
    }

    void recommendation_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<bool>("found");
        QTest::addColumn<float>("value");
        const QByteArray head = "<html><body><table><tr><td>Current Average Recommendation</td><td>";
        QTest::newRow("one character before the figure")
            << head + "<font color=#0000ee>2.25</font></td></tr></table>" << true << 2.25f;
        QTest::newRow("across lines") << "<p>Current Average\r\n Recommendation</p>" + QByteArray() << false << 0.f;
        QTest::newRow("lines joined")
            << "Current Average Recommendation\r\n<font color=#0000ee>1.\r\n50</font>" + QByteArray() << true << 1.5f;
        QTest::newRow("two characters before: no number")
            << head + "<font color=\"#0000ee\">2.25</font>" << false << 0.f;
        QTest::newRow("no marker") << QByteArray("<font color=#0000ee>2.25</font>") << false << 0.f;
        QTest::newRow("no colour after the marker")
            << "<font color=#0000ee>2.25</font>" + head + "3.00</td>" << false << 0.f;
        QTest::newRow("no tag after the figure") << head + "<font color=#0000ee>2.25" << false << 0.f;
        QTest::newRow("empty figure") << head + "<font color=#0000ee></font>" << false << 0.f;
        QTest::newRow("not a number") << head + "<font color=#0000ee>N/A</font>" << false << 0.f;
        QTest::newRow("past character 32767")
            << QByteArray(40000, ' ') + head + "<font color=#0000ee>4.75</font>" << true << 4.75f;
        QTest::newRow("empty page") << QByteArray() << false << 0.f;
        // Ratings run from 0 to 5: anything else keeps the old rating.
        QTest::newRow("0") << head + "<font color=#0000ee>0</font>" << true << 0.f;
        QTest::newRow("5") << head + "<font color=#0000ee>5.00</font>" << true << 5.f;
        QTest::newRow("over 5") << head + "<font color=#0000ee>5.01</font>" << false << 0.f;
        QTest::newRow("negative") << head + "<font color=#0000ee>-1</font>" << false << 0.f;
        QTest::newRow("1e30") << head + "<font color=#0000ee>1e30</font>" << false << 0.f;
        QTest::newRow("past a Single: 1e39") << head + "<font color=#0000ee>1e39</font>" << false << 0.f;
    }
    void recommendation()
    {
        QFETCH(QByteArray, page);
        QFETCH(bool, found);
        QFETCH(float, value);
        const std::optional<float> r = QuotePage::Recommendation(page);
        QCOMPARE(r.has_value(), found);
        if (found)
            QCOMPARE(*r, value);
    }
};

TW_TEST(tst_quotepage)
#include "tst_quotepage.moc"
