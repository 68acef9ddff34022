#include "TreeFixture.h"
#include "common/TestRegistry.h"
#include "core/Settings.h"
#include "navtree/TreeIcons.h"
#include "navtree/TreeTables.h"
#include "portfolio/PortSymbols.h"

#include <QAction>
#include <QTest>

// The whole tree as opening a set builds it: roots, the stock subtrees, the
// portfolio symbols, the fixed branches and their pictures.
class tst_treebuild : public QObject {
    Q_OBJECT
    tw::test::TreeFixture f;

private Q_SLOTS:
    void init() { f.StartTech(); }
    void cleanup() { f.Stop(); }

    void techSet()
    {
        QCOMPARE(f.RootKeys(),
                 QStringList({"All", "Market", "Trans", "MB", "NewsLink", "Newsfeeds", "BusinessNews",
                              "InternationalNews", "Magazines", "TechnologyMagazines", "OnlineMagazines",
                              "FinancialMarkets", "OnlineInvestor", "Banking", "Statistics", "BusinessLinks",
                              "IPOResearch", "Radio", "TV"}));
        QCOMPARE(f.Node("All")->Text(), QStringLiteral("Stocks-Tech"));
        QCOMPARE(f.Node("All")->Image(), 14);
        // 470 fixed nodes, one per distinct portfolio symbol, 79 per stock.
        QCOMPARE(f.tree->Count(), 470 + 3 + 3 * 79);
        for (int i = 1; i <= f.tree->Count(); ++i)
            QVERIFY2(!f.tree->Node(i)->Expanded(), qPrintable(f.tree->Node(i)->Key()));

        QCOMPARE(f.ChildKeys("All"), QStringList({"ID0", "ID1", "ID2"}));
        QCOMPARE(f.Node("ID2")->Text(), QStringLiteral("F"));
        QCOMPARE(f.ChildKeys("PortDetail"), QStringList({"TID0", "TID1", "TID4"}));
        QCOMPARE(f.Node("TID4")->Text(), QStringLiteral("IBMX"));
        QCOMPARE(f.Node("TID4")->Image(), 22);
        QCOMPARE(QList<QByteArray>(PortSymbols.begin(), PortSymbols.begin() + 4),
                 QList<QByteArray>({"ZETA", "ACME", "IBMX", ""}));
        QCOMPARE(f.ChildKeys("Trans"), QStringList({"PortLog", "PortDetail", "PortOp"}));

        // Keys differing in case only are two nodes; the blank is kept.
        QCOMPARE(f.Node("SP2")->Text(), QStringLiteral("StockPoint"));
        QCOMPARE(f.Node("sp2")->Text(), QStringLiteral("vs SP 500"));
        QCOMPARE(f.Node("SI2")->Text(), QStringLiteral("Short Interest "));
    }

    // Table B: the order below a stock and the pictures of its nodes.
    void stockSubtree()
    {
        QCOMPARE(f.ChildKeys("ID1"),
                 QStringList({"AR1", "News1", "C1", "G1", "TG1", "ICT1", "ABS1", "AIS1", "EG1", "EH1", "ER1",
                              "EC1", "IT1", "QR1", "SPL1", "UP1", "DN1", "BR1", "NMR1", "Calls1", "Puts1",
                              "Options1", "SI1", "MB1", "IG1"}));
        QCOMPARE(f.ChildKeys("C1"), QStringList({"d1", "3m1", "1y1", "2y1", "5y1", "ma1", "sp1"}));
        QCOMPARE(f.ChildKeys("MB1"), QStringList({"MB_S1", "MB_Y1"}));
        QCOMPARE(f.ChildKeys("News1").size(), 15);
        QCOMPARE(f.ChildKeys("G1").size(), 21);
        QCOMPARE(f.Node("IT1")->Text(), QStringLiteral("Insider Trade"));
        // The stock node is followed at once by its 78 descendants.
        QCOMPARE(f.Node("IG_C1")->Index() - f.Node("ID1")->Index(), 78);

        const QList<QPair<const char *, int>> pictures = {
            {"ID1", 1},   {"AR1", 9},   {"News1", 4}, {"RM1", 4},   {"C1", 5},     {"d1", 5},
            {"G1", 6},    {"SO1", 6},   {"TG1", 26},  {"ICT1", 29}, {"ABS1", 3},   {"SI1", 3},
            {"MB1", 24},  {"MB_Y1", 24}, {"IG1", 17}, {"IG_G1", 5}, {"IG_C1", 16}, {"Market", 8},
            {"Cons", 17}, {"ConQ", 17}, {"pg", 3},    {"OptSum", 7}, {"ipo_MB", 24}, {"Trans", 13},
            {"PortLog", 16}, {"PortDetail", 15}, {"PortOp", 11}, {"PortClear", 11}, {"MB", 31},
            {"Conglomerates", 31}, {"NewsLink", 4}, {"OnlineMagazines10", 4}, {"FinancialMarkets", 30},
            {"IPOResearch16", 30}, {"Radio", 28}, {"RadioWall", 28}, {"TV", 27}, {"WetherHouston", 27},
        };
        for (const auto &[key, picture] : pictures)
            QVERIFY2(f.Node(key) && f.Node(key)->Image() == picture, key);
    }

    // Branch sizes the other parts of the program count on.
    void fixedBranches()
    {
        auto size = [this](const QString &key) {
            int n = 0;
            QList<TreeNode *> todo{f.Node(key)};
            while (!todo.isEmpty()) {
                TreeNode *node = todo.takeLast();
                ++n;
                for (TreeNode *c = node->Child(); c; c = c->Next())
                    todo << c;
            }
            return n;
        };
        QCOMPARE(size("Market"), 106);
        QCOMPARE(size("MB"), 113);
        QCOMPARE(size("Radio"), 44);
        QCOMPARE(size("TV"), 37);
        const int sites[13] = {12, 9, 13, 12, 24, 11, 10, 10, 8, 10, 10, 6, 16};
        int web = 0;
        for (int g = 0; g < 13; ++g) {
            const QString key = f.RootKeys()[4 + g];
            QCOMPARE(f.ChildKeys(key).size(), sites[g]);
            QCOMPARE(f.ChildKeys(key).last(), key + QString::number(sites[g]));
            web += size(key);
        }
        QCOMPARE(web, 164);
        QVERIFY(!f.Node("FinancialMarkets11"));

        // Industry keys: every character that is no letter or digit becomes "_".
        QCOMPARE(f.Node("Chemicals___Plastics_and_Rubber")->Parent()->Key(), QStringLiteral("MBY_Basic"));
        QCOMPARE(f.Node("S_Ls_Savings_Banks")->Text(), QStringLiteral("S&Ls/Savings Banks"));
        QCOMPARE(f.Node("Beverages__Alcoholic_")->Parent()->Key(), QStringLiteral("MBY_NonCy"));
        QCOMPARE(f.ChildKeys("MBY").size(), 12);
        QCOMPARE(f.ChildKeys("Conglomerates").size(), 0);
        QCOMPARE(f.ChildKeys("MBY_Services").size(), 25);
    }

    void emptyAndFullSets()
    {
        f.SetStocks({});
        for (auto &t : Portfolio)
            t = {};
        f.Build(QStringLiteral("Empty"));
        QCOMPARE(f.tree->Count(), 470);
        QCOMPARE(f.Node("All")->Children(), 0);
        QCOMPARE(f.Node("PortDetail")->Children(), 0);

        // Slots are read up to 200 whatever the count claims.
        Stocks.fill({});
        for (int i = 0; i < Stock::StockSlots; ++i)
            Stocks[size_t(i)].Symbol = "S" + QByteArray::number(i);
        StockCount = 300;
        f.Build(QStringLiteral("Full"));
        QCOMPARE(f.tree->Count(), 470 + 201 * 79);
        QVERIFY(f.Node("IG_C200"));
        QVERIFY(!f.Node("ID201"));
    }

    // Gaps in the set are skipped; a symbol twice gives two stocks; a
    // one-letter portfolio symbol gets its node, a blank one none.
    void slotsAndDuplicates()
    {
        f.SetStocks({{"DUP", ""}, {"", ""}, {"DUP", ""}});
        for (auto &t : Portfolio)
            t = {};
        Portfolio[0].Symbol = "X";
        Portfolio[3].Symbol = " ";
        Portfolio[7].Symbol = "XY";
        f.Build(QStringLiteral("Tech"));
        QCOMPARE(f.ChildKeys("All"), QStringList({"ID0", "ID2"}));
        QCOMPARE(f.Node("IT2")->Parent()->Key(), QStringLiteral("ID2"));
        QCOMPARE(f.ChildKeys("PortDetail"), QStringList({"TID0", "TID7"}));
    }

    // A rebuild gives the same tree, closed again, and forgets the node last
    // clicked.
    void rebuild()
    {
        QStringList before;
        for (int i = 1; i <= f.tree->Count(); ++i)
            before << f.tree->Node(i)->Key() + u'|' + f.tree->Node(i)->Text();
        f.Node("ID0")->SetExpanded(true);
        f.Node("Market")->SetExpanded(true);
        f.Click(QStringLiteral("ID0"));
        QVERIFY(f.main->LastNodeIndex > 0);

        f.Build(QStringLiteral("Tech"));
        QStringList after;
        for (int i = 1; i <= f.tree->Count(); ++i) {
            after << f.tree->Node(i)->Key() + u'|' + f.tree->Node(i)->Text();
            QVERIFY(!f.tree->Node(i)->Expanded());
            QCOMPARE(f.tree->Node(i)->ExpandedImage(), 0);
        }
        QCOMPARE(after, before);
        QCOMPARE(f.main->LastNodeIndex, int16_t(0));
    }

    // Opening a set from the set menu names the stocks root after it.
    void setMenuBuildsTree()
    {
        Settings::SetGroup(QStringLiteral("Group3"), QStringLiteral("Energy"));
        f.main->LoadSets();
        f.main->mnuSet_Click(3);
        QCOMPARE(f.Node("All")->Text(), QStringLiteral("Stocks-Energy"));
        QCOMPARE(f.Node("All")->Children(), 0); // set 3 has no file yet
    }

    // 31 pictures of 16 by 16, the first eleven keyed, none alike.
    void pictures()
    {
        const ImageList &images = f.tree->Images();
        QCOMPARE(images.Count(), 31);
        QCOMPARE(images.IndexOf(QStringLiteral("book")), 1);
        QCOMPARE(images.IndexOf(QStringLiteral("doc")), 11);
        QSet<QByteArray> distinct;
        for (int i = 1; i <= 31; ++i) {
            const QImage img = images.Picture(i).toImage();
            QCOMPARE(img.size(), QSize(16, 16));
            distinct.insert(QByteArray(reinterpret_cast<const char *>(img.constBits()), img.sizeInBytes()));
        }
        QCOMPARE(distinct.size(), 31);
    }
};

TW_TEST(tst_treebuild)
#include "tst_treebuild.moc"
