// A stock's chart, news, ratio-chart and industry-group leaves, clicked on
// screen: the page each opens for the current stock, and what stops it.
#include "../navtree/TreeFixture.h"
#include "common/TestRegistry.h"
#include "core/Hosts.h"
#include "core/ViewState.h"
#include "links/StockPages.h"
#include "navtree/TreeTables.h"
#include "platform/Dialogs.h"
#include "platform/Ras.h"
#include "platform/Shell.h"
#include "queries/Reuters.h"

#include <QApplication>
#include <QSet>
#include <QTest>

using namespace tw::test;

class tst_stockpages : public QObject {
    Q_OBJECT
    TreeFixture f;

    // The leaves of one kind under the stock in slot 0 ("1y0", "Y0", ...).
    static QStringList LeafKeys(NavTree::Kind kind)
    {
        QStringList keys;
        for (const NavTree::StockLeaf &leaf : NavTree::StockLeaves())
            if (leaf.action.kind == kind)
                keys << QLatin1String(leaf.code) + u'0';
        return keys;
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(f.StartTechShown());
    }
    void cleanup() { f.Stop(); }

    // The tree's slots hold ZETA, ACME and F; the pages are those of the
    // current stock, whichever stock's leaf is clicked.
    void leafOpensPage_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("symbol");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("path");
        const QByteArray msft("msft");
        QTest::newRow("1 Year") << "1y0" << QByteArray("MSFT") << "ChartImageHost" << "/c/1y/m/MSFT.gif";
        QTest::newRow("1 Day") << "d0" << QByteArray("MSFT") << "IntradayChartHost" << "/b?s=MSFT";
        QTest::newRow("Interactive Chart") << "ICT0" << QByteArray("MSFT") << "StockPointHost"
                                           << "/quote.asp?Mode=JAVACHART&Symbol=MSFT";
        QTest::newRow("another stock's leaf") << "1y1" << QByteArray("MSFT") << "ChartImageHost" << "/c/1y/m/MSFT.gif";
        QTest::newRow("another stock's interactive chart") << "ICT2" << QByteArray("MSFT") << "StockPointHost"
                                                           << "/quote.asp?Mode=JAVACHART&Symbol=MSFT";
        QTest::newRow("vs SP 500, dotted symbol") << "sp0" << QByteArray("brk.a") << "ChartImageHost"
                                                  << "/c/mys/b/brk.a.gif";
        QTest::newRow("1 Year, one letter") << "1y0" << QByteArray("F") << "ChartImageHost" << "/c/1y/f/F.gif";
        QTest::newRow("MorningStar") << "Mr0" << msft << "MorningStarNewsHost" << "/StockQT/NV_News/_MSFT.msshtml";
        QTest::newRow("Yahoo News") << "Y0" << msft << "BizNewsHost" << "/n/m/msft.html";
        QTest::newRow("Yahoo News, one letter") << "Y0" << QByteArray("F") << "BizNewsHost" << "/n/f/F.html";
        QTest::newRow("Microsoft Investor") << "M0" << msft << "InvestorNewsHost" << "/news/pressrel.asp?Symbol=msft";
        QTest::newRow("Money Central") << "Mn0" << msft << "InvestorNewsHost" << "/news/pressrel.asp?Symbol=msft";
        QTest::newRow("QuoteCentral.com") << "Q0" << msft << "QuoteCentralHost"
                                          << "/fq/quotecom/headlines?mode?symbols=msft&mode=NewsHeadlines";
        QTest::newRow("MoneyPlanner.com") << "Qu0" << msft << "MoneyPlannerHost" << "/investments/news/?symbol=MSFT";
        QTest::newRow("News Alert") << "NA0" << msft << "NewsAlertHost" << "/free/digest?Symbol=msft#news";
        QTest::newRow("news, symbol encoded") << "Y0" << QByteArray("a+b c") << "BizNewsHost"
                                              << "/n/a/a%2Bb%20c.html";
        QTest::newRow("chart, symbol encoded") << "d0" << QByteArray("b&b") << "IntradayChartHost" << "/b?s=b%26b";
        QTest::newRow("Interest Coverage Ratio") << "IC0" << QByteArray("ABC") << "RatioChartHost"
                                                 << "/home/wchart/chart.html?id=00019590&symbol=ABC&field=icoverage";
        QTest::newRow("Revenues") << "Revenues0" << QByteArray("ABC") << "RatioChartHost"
                                  << "/home/wchart/chart.html?id=00019590&symbol=ABC&field=Revenues Selected";
        QTest::newRow("Current Assets, two letters") << "Casset0" << QByteArray("ab") << "RatioChartHost"
                                                     << "/home/wchart/chart.html?id=00019590&symbol=ab&field=currassets";
        QTest::newRow("Graph, no symbol") << "IG_G0" << QByteArray() << "TechGraphHost"
                                          << "/wsc/Industry_Group_Analysis.html?Symbol=&Button=GRAPH";
        QTest::newRow("Composite Ranks") << "IG_C0" << QByteArray("abc") << "TechGraphHost"
                                         << "/wsc/Industry_Group_Analysis.html?Symbol=ABC&Button=RANKINGS";
        QTest::newRow("Insider Trading, another stock") << "IG_IT1" << QByteArray("abc") << "TechGraphHost"
                                                        << "/wsc/Industry_Group_Analysis.html?Symbol=ABC&Button=INSIDERS";
    }
    void leafOpensPage()
    {
        QFETCH(QString, key);
        QFETCH(QByteArray, symbol);
        QFETCH(QString, host);
        QFETCH(QString, path);
        CurrentSymbol = symbol;
        f.ClickOnScreen(key);
        QCOMPARE(Shell::Opened(), QStringList{Hosts::Url(host, path)});
        QVERIFY(Shell::Opened()[0].startsWith(QLatin1String("http://") + Hosts::Host(host) + u'/'));
        QVERIFY(Dialogs::Log().isEmpty());
        // The clicked leaf's stock does not become the current one.
        QCOMPARE(CurrentSymbol, symbol);
        QVERIFY(!QApplication::overrideCursor());
    }

    // Each leaf opens one page of its own (only the two captions of the
    // investor site share one), and nothing outside the tables opens.
    void everyLeafOpensItsOwnPage()
    {
        CurrentSymbol = "ZETA";
        QStringList keys;
        for (NavTree::Kind kind : {NavTree::Kind::Chart, NavTree::Kind::News, NavTree::Kind::Ratio,
                                   NavTree::Kind::Industry})
            keys << LeafKeys(kind);
        keys.removeOne(QStringLiteral("RM0")); // the headlines dialog
        QCOMPARE(keys.size(), 8 + 14 + 21 + 8);
        QSet<QString> addresses;
        for (const QString &key : keys) {
            Shell::Reset();
            f.ClickOnScreen(key);
            QCOMPARE(Shell::Opened().size(), 1);
            const QString address = Shell::Opened()[0];
            QVERIFY2(address.contains(QLatin1String("ZETA")) || address.contains(QLatin1String("/z/")),
                     qPrintable(key));
            addresses << address;
        }
        QCOMPARE(addresses.size(), keys.size() - 1);
        QVERIFY(Dialogs::Log().isEmpty());

        for (int n : {-1, 9, 32767})
            QVERIFY(StockPages::Chart(n, "ZETA").isEmpty());
        for (int n : {-1, StockPages::HeadlinesSource, 15})
            QVERIFY(StockPages::News(n, "ZETA").isEmpty());
        for (int n : {-1, 8})
            QVERIFY(StockPages::IndustryGroup(n, "ZETA").isEmpty());
        // The longest period has no leaf, but its page is there.
        QCOMPARE(StockPages::Chart(5, "ZETA"), Hosts::Url(QStringLiteral("ChartImageHost"), QStringLiteral("/c/my/z/ZETA.gif")));
        // A field outside the table asks for none.
        for (int n : {-1, 21})
            QCOMPARE(StockPages::Ratio(n, "ABC"),
                     Hosts::Url(QStringLiteral("RatioChartHost"), QStringLiteral("/home/wchart/chart.html?id=00019590&symbol=ABC&field=")));
    }

    // Without a stock (a ratio chart: without two letters of one) a box says
    // so and nothing opens.
    void noStock_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("symbol");
        QTest::addColumn<QString>("message");
        QTest::newRow("chart") << "3m0" << QByteArray() << "Select any stock graph.";
        QTest::newRow("interactive chart") << "ICT1" << QByteArray() << "Select any stock graph.";
        QTest::newRow("news") << "BL0" << QByteArray() << "Select any stock.";
        QTest::newRow("headlines dialog") << "RM0" << QByteArray() << "Select any stock.";
        QTest::newRow("ratio chart, no symbol") << "eps0" << QByteArray() << "Select Some Stock Symbol.";
        for (const QString &key : LeafKeys(NavTree::Kind::Ratio))
            QTest::newRow(qPrintable(QStringLiteral("ratio chart, F, ") + key)) << key << QByteArray("F")
                                                                                << "Select Some Stock Symbol.";
    }
    void noStock()
    {
        QFETCH(QString, key);
        QFETCH(QByteArray, symbol);
        QFETCH(QString, message);
        CurrentSymbol = symbol;
        f.ClickOnScreen(key);
        QVERIFY(Shell::Opened().isEmpty());
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].text, message);
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("No stock symbol selected"));
        QCOMPARE(Dialogs::Log()[0].flags, int(Dialogs::vbOKOnly | Dialogs::vbInformation));
        QVERIFY(!Reuters::Loaded());
        QVERIFY(!QApplication::overrideCursor());
    }

    // Dial prompting on and no connection: the connection question alone,
    // also where the symbol would have been refused, and nothing opens.
    void offline_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("symbol");
        QTest::addColumn<int>("answer");
        QTest::newRow("ratio chart, F") << "pe0" << QByteArray("F") << int(Dialogs::vbNo);
        QTest::newRow("ratio chart, dial") << "returnEq0" << QByteArray("ABC") << int(Dialogs::vbYes);
        QTest::newRow("chart") << "5y0" << QByteArray("ABC") << int(Dialogs::vbNo);
        QTest::newRow("news") << "MF0" << QByteArray("ABC") << int(Dialogs::vbNo);
        QTest::newRow("industry group, no symbol") << "IG_S0" << QByteArray() << int(Dialogs::vbNo);
    }
    void offline()
    {
        QFETCH(QString, key);
        QFETCH(QByteArray, symbol);
        QFETCH(int, answer);
        CurrentSymbol = symbol;
        f.env->Set(QStringLiteral("Prompt"), QStringLiteral("1"));
        Ras::SetActive(0);
        Dialogs::QueueAnswer(answer);
        f.ClickOnScreen(key);
        QVERIFY(Shell::Opened().isEmpty());
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Not Connected"));
        QVERIFY(!QApplication::overrideCursor());

        // Connected again: the same click opens its page without a question.
        Dialogs::Log().clear();
        Ras::SetActive(1);
        f.ClickOnScreen(key);
        QCOMPARE(Shell::Opened().size(), symbol == "F" ? 0 : 1);
        QCOMPARE(Dialogs::Log().size(), symbol == "F" ? 1 : 0);
    }
};

TW_TEST(tst_stockpages)
#include "tst_stockpages.moc"
