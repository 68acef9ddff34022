#include "common/TestRegistry.h"
#include "market/MarketReaders.h"
#include "navtree/TreeTables.h"
#include "sheets/SheetReaders.h"

#include <QTest>
#include <algorithm>

using NavTree::Action;
using NavTree::Kind;

Q_DECLARE_METATYPE(NavTree::Kind)

// What a click on each kind of node is to do, read from the same tables the
// tree is built from.
class tst_treerules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keyRules_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");

        QTest::newRow("sup") << "sup" << Kind::Consult << 1 << "";
        QTest::newRow("lmm after ci") << "lmm" << Kind::Consult << 28 << "";
        QTest::newRow("lmm_N") << "lmm_N" << Kind::Consult << 29 << "";
        QTest::newRow("lmm_A") << "lmm_A" << Kind::Consult << 30 << "";
        QTest::newRow("pg_N") << "pg_N" << Kind::Consult << 14 << "";
        QTest::newRow("mas_A") << "mas_A" << Kind::Consult << 27 << "";
        QTest::newRow("brdt has no suffix") << "brdt" << Kind::MostActive << 0 << "BrDT_Q.Sh";
        QTest::newRow("brpd_A") << "brpd_A" << Kind::MostActive << 0 << "BrPD_A.Sh";
        QTest::newRow("OptSum_L") << "OptSum_L" << Kind::OptSum << 2 << "";
        QTest::newRow("ipo_MB") << "ipo_MB" << Kind::Board << 2 << "";
        QTest::newRow("SP_C") << "SP_C" << Kind::Splits << 4 << "";
        QTest::newRow("AR_B") << "AR_B" << Kind::BrokerList << 1 << "";
        QTest::newRow("US_TS") << "US_TS" << Kind::Index << 0 << "";
        QTest::newRow("F_Janus") << "F_Janus" << Kind::Fund << 0 << "";
        QTest::newRow("PortClear") << "PortClear" << Kind::PortClear << 0 << "";
        QTest::newRow("TVZD last stream") << "TVZD" << Kind::Video << 32 << "";
        QTest::newRow("WetherHouston") << "WetherHouston" << Kind::Video << 31 << "";
        QTest::newRow("RI_Reg") << "RI_Reg" << Kind::Radio << 5 << "";
        QTest::newRow("CNN") << "CNN" << Kind::Radio << 21 << "";
        QTest::newRow("CNNElectronic") << "CNNElectronic" << Kind::Radio << 38 << "";
        QTest::newRow("RadioWall") << "RadioWall" << Kind::Radio << 39 << "";
        QTest::newRow("site") << "FinancialMarkets10" << Kind::Web << 0 << "";
        QTest::newRow("no such site") << "FinancialMarkets11" << Kind::None << 0 << "";
        QTest::newRow("group root") << "NewsLink" << Kind::None << 0 << "";
        QTest::newRow("fund group") << "F_Fam" << Kind::None << 0 << "";
        QTest::newRow("stocks root") << "All" << Kind::None << 0 << "";
        QTest::newRow("stock node") << "ID0" << Kind::None << 0 << "";
        QTest::newRow("case matters") << "Up" << Kind::None << 0 << "";
    }
    void keyRules()
    {
        QFETCH(QString, key);
        QFETCH(Kind, kind);
        QFETCH(int, n);
        QFETCH(QString, text);
        const Action a = NavTree::KeyAction(key);
        QCOMPARE(a.kind, kind);
        QCOMPARE(int(a.n), n);
        if (!text.isEmpty())
            QCOMPARE(QString::fromLatin1(a.text), text);
    }

    void indexTitles()
    {
        QVERIFY(NavTree::KeyAction(QStringLiteral("US")).fill == &MarketReaders::FG_USMarket);
        QVERIFY(!NavTree::KeyAction(QStringLiteral("US")).title);
        QCOMPARE(NavTree::KeyAction(QStringLiteral("US_TS")).title, "Treasury Securities (yield x10)");
        QVERIFY(NavTree::KeyAction(QStringLiteral("mkt_ME")).fill == &MarketReaders::FG_WMarket);
        QCOMPARE(NavTree::KeyAction(QStringLiteral("mkt_ME")).title, "Africa/Middle East");
        QCOMPARE(NavTree::KeyAction(QStringLiteral("brpu_N")).title, "Most Active By Price Up");
    }

    void captionRules_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("n");

        QTest::newRow("trailing blank") << "Short Interest " << Kind::Sheet << 0;
        QTest::newRow("without the blank") << "Short Interest" << Kind::None << 0;
        QTest::newRow("Charts") << "Charts" << Kind::ChartForm << 0;
        QTest::newRow("Technical Graphs") << "Technical Graphs" << Kind::TechForm << 0;
        QTest::newRow("vs SP 500") << "vs SP 500" << Kind::Chart << 7;
        QTest::newRow("Interactive Chart") << "Interactive Chart" << Kind::Chart << 8;
        QTest::newRow("Max has no leaf") << "Max" << Kind::None << 0;
        QTest::newRow("Yahoo News") << "Yahoo News" << Kind::News << 0;
        QTest::newRow("Reuters") << "Reuters - MoneyNet" << Kind::News << 14;
        QTest::newRow("Shares Out") << "Shares Out" << Kind::Ratio << 20;
        QTest::newRow("StockTalk") << "StockTalk" << Kind::Board << 0;
        QTest::newRow("Composite Ranks") << "Composite Ranks" << Kind::Industry << 7;
        QTest::newRow("group") << "Ratios Graphs" << Kind::None << 0;
    }
    void captionRules()
    {
        QFETCH(QString, caption);
        QFETCH(Kind, kind);
        QFETCH(int, n);
        const Action a = NavTree::CaptionAction(caption);
        QCOMPARE(a.kind, kind);
        QCOMPARE(int(a.n), n);
    }

    void sheetFillers()
    {
        QVERIFY(NavTree::CaptionAction(QStringLiteral("Insider Trade")).fill == &SheetReaders::FG_IT);
        QVERIFY(NavTree::CaptionAction(QStringLiteral("Broker Reports")).fill == &SheetReaders::FG_BRP);
        QVERIFY(NavTree::CaptionAction(QStringLiteral("Consensus EPS Trend")).fill == &SheetReaders::FG_EC);
        QVERIFY(NavTree::CaptionAction(QStringLiteral("Short Interest ")).fill == &SheetReaders::FG_SI);
    }

    // Every stream, list and launcher number is reached exactly once.
    void numbersCovered()
    {
        auto numbers = [](Kind kind, bool byCaption) {
            QList<int> seen;
            auto note = [&](const Action &a) {
                if (a.kind == kind)
                    seen << a.n;
            };
            if (byCaption) {
                for (const NavTree::StockLeaf &leaf : NavTree::StockLeaves())
                    note(NavTree::CaptionAction(QString::fromLatin1(leaf.caption)));
            } else {
                for (auto table : {NavTree::HeadNodes(), NavTree::PortfolioTail(), NavTree::RadioNodes(),
                                   NavTree::TvNodes()})
                    for (const NavTree::FixedNode &node : table)
                        note(NavTree::KeyAction(QString::fromLatin1(node.key)));
            }
            std::sort(seen.begin(), seen.end());
            return seen;
        };
        auto range = [](int from, int to, QList<int> except = {}) {
            QList<int> out;
            for (int i = from; i <= to; ++i)
                if (!except.contains(i))
                    out << i;
            return out;
        };
        QCOMPARE(numbers(Kind::Radio, false), range(0, 39));
        QCOMPARE(numbers(Kind::Video, false), range(0, 32));
        QCOMPARE(numbers(Kind::Consult, false), range(1, 30));
        QCOMPARE(numbers(Kind::News, true), range(0, 14));
        QCOMPARE(numbers(Kind::Ratio, true), range(0, 20));
        QCOMPARE(numbers(Kind::Chart, true), range(0, 8, {5}));
        QCOMPARE(numbers(Kind::Industry, true), range(0, 7));
    }

    void sectorFolders_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("folder");
        QTest::newRow("Basic") << "Basic" << "Basic_Materials";
        QTest::newRow("Capital") << "Capital" << "Capital_Goods";
        QTest::newRow("Consumer") << "Consumer" << "Consumer_Cyclical";
        QTest::newRow("NonCy") << "NonCy" << "Consumer_Non_Cyclical";
        QTest::newRow("other") << "Energy" << "Energy";
    }
    void sectorFolders()
    {
        QFETCH(QString, suffix);
        QFETCH(QString, folder);
        QCOMPARE(NavTree::SectorFolder(suffix), folder);
    }

    // The tool tip's text: one line from the first "hr" to the next "<hr".
    void profileTip_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("tip");
        QTest::newRow("between rules") << QByteArray("<html><hr>\r\nAcme makes  anvils.\r\n<hr>rest") << QByteArray("Acme makes  anvils.");
        QTest::newRow("lines run together") << QByteArray("x<hr>Acme\r\nmakes\nanvils\r<hr>") << QByteArray("Acmemakesanvils");
        QTest::newRow("full stops stay") << QByteArray("<hr>Acme Inc. makes tools. <hr>") << QByteArray("Acme Inc. makes tools.");
        QTest::newRow("tabs stay") << QByteArray("<hr>\tAcme\t<hr>") << QByteArray("\tAcme\t");
        QTest::newRow("tags and amp") << QByteArray("<hr><b>A&amp;B</b> Co<hr>") << QByteArray("A&B Co");
        QTest::newRow("first hr in a word") << QByteArray("<p>three</p><p>Acme</p><hr>") << QByteArray("Acme");
        QTest::newRow("no hr") << QByteArray("<p>Acme</p>") << QByteArray();
        QTest::newRow("no closing rule") << QByteArray("<hr>Acme") << QByteArray();
        QTest::newRow("empty") << QByteArray() << QByteArray();
    }
    void profileTip()
    {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, tip);
        QCOMPARE(NavTree::ProfileTip(page), tip);
    }
};

TW_TEST(tst_treerules)
#include "tst_treerules.moc"
