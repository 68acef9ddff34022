// The tree's leaves that open outside pages: the message-board branch, a
// stock's boards, the web directory and the television and radio streams,
// clicked on screen.
#include "../navtree/TreeFixture.h"
#include "HostAddresses.h"
#include "collect/UpdateJobs.h"
#include "common/TestRegistry.h"
#include "core/ViewState.h"
#include "links/Boards.h"
#include "links/Streams.h"
#include "links/WebDirectory.h"
#include "navtree/TreeTables.h"
#include "platform/Dialogs.h"
#include "platform/Ras.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QSet>
#include <QTest>

using namespace tw::test;

namespace {

const QString Sectors = QStringLiteral("{MessageBoardHost}/yahoo/Business___Finance/Investments/Sectors/");

} // namespace

class tst_linkleaves : public QObject {
    Q_OBJECT
    TreeFixture f;

    // The one address a click opened, "" when it opened none.
    QString Opened(const QString &key)
    {
        Shell::Reset();
        f.ClickOnScreen(key);
        const QStringList opened = Shell::Opened();
        Shell::Reset();
        [&] { QVERIFY2(opened.size() <= 1, qPrintable(key)); }();
        return opened.value(0);
    }

    QList<TreeNode *> Below(const QString &key) const
    {
        QList<TreeNode *> nodes;
        const std::function<void(TreeNode *)> walk = [&](TreeNode *n) {
            for (TreeNode *c = n->Child(); c; c = c->Next()) {
                nodes << c;
                walk(c);
            }
        };
        if (TreeNode *n = f.Node(key))
            walk(n);
        return nodes;
    }

    // Every leaf of the fixed branches that starts entry n of the kind.
    static QMap<int, QString> StreamKeys(NavTree::Kind kind)
    {
        QMap<int, QString> keys;
        for (auto table : {NavTree::RadioNodes(), NavTree::TvNodes()})
            for (const NavTree::FixedNode &node : table)
                if (node.action.kind == kind)
                    keys.insert(node.action.n, QLatin1String(node.key));
        return keys;
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(f.StartTechShown());
        CurrentSymbol = "abc";
        UpdateJobs::SetClock([] { return QDate(2000, 3, 1); });
    }
    void cleanup()
    {
        UpdateJobs::SetClock(nullptr);
        f.Stop();
    }

    // --- message boards ---

    void boardBranchOnceAfterRebuilds()
    {
        f.Build(QStringLiteral("Tech"));
        const QList<TreeNode *> nodes = QList<TreeNode *>{f.Node(QStringLiteral("MB"))} + Below(QStringLiteral("MB"));
        QCOMPARE(nodes.size(), 113);
        for (TreeNode *n : nodes)
            QCOMPARE(n->Image(), int(NavTree::BoardImage));
        QCOMPARE(f.RootKeys().count(QStringLiteral("MB")), 1);
    }

    void sectorBoards_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("address"); // empty: nothing opens
        QTest::newRow("S&Ls") << "S_Ls_Savings_Banks" << Sectors + "Financial/S_Ls_Savings_Banks/index.html";
        QTest::newRow("Crops") << "Crops" << Sectors + "Consumer_Non_Cyclical/Crops/index.html";
        QTest::newRow("Mobile Homes") << "Mobile_Homes_and_RVs" << Sectors + "Capital_Goods/Mobile_Homes_and_RVs/index.html";
        QTest::newRow("Insurance") << "Insurance__Accident_and_Health_"
                                   << Sectors + "Financial/Insurance__Accident_and_Health_/index.html";
        QTest::newRow("Conglomerates") << "Conglomerates" << Sectors + "Conglomerates/Conglomerates/index.html";
        QTest::newRow("Coal") << "Coal" << Sectors + "Energy/Coal/index.html";
        QTest::newRow("Chemical") << "Chemical_Manufacturing" << Sectors + "Basic_Materials/Chemical_Manufacturing/index.html";
        QTest::newRow("Message Board") << "MB" << "";
        QTest::newRow("Yahoo!") << "MBY" << "";
        QTest::newRow("Services") << "MBY_Services" << "";
    }
    void sectorBoards()
    {
        QFETCH(QString, key);
        QFETCH(QString, address);
        f.ClickOnScreen(key);
        QCOMPARE(Shell::Opened(), address.isEmpty() ? QStringList{} : QStringList{Expand(address)});
        QVERIFY(Dialogs::Log().isEmpty());
        QVERIFY(!QApplication::overrideCursor());
    }

    // Every industry leaf opens the board of its own key under its sector.
    void everyIndustryOpensItsBoard()
    {
        QSet<QString> seen;
        for (TreeNode *n : Below(QStringLiteral("MBY"))) {
            // Sector nodes are no boards, except Conglomerates, its own leaf.
            const bool conglomerates = n->Key() == QLatin1String("Conglomerates");
            if (n->Parent()->Key() == QLatin1String("MBY") && !conglomerates)
                continue;
            const QString folder = conglomerates ? n->Key() : NavTree::SectorFolder(n->Parent()->Key().mid(4));
            const QString address = Opened(n->Key());
            QCOMPARE(address, Expand(Sectors + folder + u'/' + n->Key() + QStringLiteral("/index.html")));
            seen << address;
        }
        QCOMPARE(seen.size(), 100);
    }

    void stockBoards_data()
    {
        QTest::addColumn<QByteArray>("symbol");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("address");
        QTest::newRow("discussion search") << QByteArray("abc") << "MB_S0"
                                           << "{DiscussionSearchHost}/~wsapi/investor/search?s=ABC&domain=Titles";
        QTest::newRow("board") << QByteArray("abc") << "MB_Y1" << "{MessageBoardHost}/?action=q&board=ABC";
        QTest::newRow("new issues") << QByteArray("abc") << "ipo_MB"
                                    << "{MessageBoardHost}/bbs?action=topics&board=yahoo.a2.0b.8516425&type=r";
        QTest::newRow("symbol encoded") << QByteArray("b&b c") << "MB_Y0" << "{MessageBoardHost}/?action=q&board=B%26B%20C";
        QTest::newRow("dotted symbol kept") << QByteArray("brk.a") << "MB_S0"
                                            << "{DiscussionSearchHost}/~wsapi/investor/search?s=BRK.A&domain=Titles";
        for (const char *key : {"MB_S0", "MB_Y0", "ipo_MB"})
            QTest::newRow(qPrintable(QStringLiteral("no symbol, ") + QLatin1String(key))) << QByteArray() << key << "";
    }
    void stockBoards()
    {
        QFETCH(QByteArray, symbol);
        QFETCH(QString, key);
        QFETCH(QString, address);
        CurrentSymbol = symbol;
        f.ClickOnScreen(key);
        QCOMPARE(Shell::Opened(), address.isEmpty() ? QStringList{} : QStringList{Expand(address)});
        QCOMPARE(CurrentSymbol, symbol);
        QVERIFY(Boards::Stock(3, "ABC").isEmpty());
        QVERIFY(Boards::Stock(-1, "ABC").isEmpty());
    }

    // --- web directory ---

    void directoryBranch()
    {
        const QStringList roots = f.RootKeys();
        const QStringList groups{"NewsLink",          "Newsfeeds",          "BusinessNews",   "InternationalNews",
                                 "Magazines",         "TechnologyMagazines", "OnlineMagazines", "FinancialMarkets",
                                 "OnlineInvestor",    "Banking",            "Statistics",     "BusinessLinks",
                                 "IPOResearch"};
        const qsizetype mb = roots.indexOf(QStringLiteral("MB"));
        QVERIFY(mb >= 0);
        QCOMPARE(roots.mid(mb + 1, groups.size() + 1), groups + QStringList{QStringLiteral("Radio")});
        const QList<int> sizes{12, 9, 13, 12, 24, 11, 10, 10, 8, 10, 10, 6, 16};
        for (int g = 0; g < groups.size(); ++g)
            QCOMPARE(f.ChildKeys(groups[g]).size(), sizes[g]);
        QCOMPARE(f.Node(QStringLiteral("NewsLink1"))->Image(), 4);
        QCOMPARE(f.Node(QStringLiteral("IPOResearch16"))->Image(), 30);
    }

    void sites_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("address");
        QTest::newRow("NewsLink1") << "NewsLink1" << "{BostonGlobeSite}/globe";
        QTest::newRow("InternationalNews3") << "InternationalNews3" << "{LondonTimesSite}/news/pages/Times/frontpage.html?999";
        QTest::newRow("IPOResearch6") << "IPOResearch6" << "{MicrosoftInvestorSite}/home.asp?beenthere=1&";
        QTest::newRow("Newsfeeds2 home page") << "Newsfeeds2" << "{BloombergSite}/";
        QTest::newRow("group") << "Banking" << "";
    }
    void sites()
    {
        QFETCH(QString, key);
        QFETCH(QString, address);
        CurrentSymbol = "ZETA";
        f.ClickOnScreen(key);
        // Only the site's page: a site named like a news source is no
        // stock's news leaf.
        QCOMPARE(Shell::Opened(), address.isEmpty() ? QStringList{} : QStringList{Expand(address)});
        QCOMPARE(CurrentSymbol, QByteArray("ZETA"));
        QVERIFY(Dialogs::Log().isEmpty());
    }

    // Each site leaf opens its own page, and the directory has a page for no
    // key the tree lacks.
    void everySiteOpensItsOwnPage()
    {
        QStringList treeKeys;
        for (const NavTree::WebGroup &g : NavTree::WebGroups())
            treeKeys << f.ChildKeys(QLatin1String(g.key));
        QCOMPARE(WebDirectory::Keys(), treeKeys);
        QSet<QString> addresses;
        for (const QString &key : treeKeys) {
            const QString address = Opened(key);
            QVERIFY2(address.startsWith(QLatin1String("http://")), qPrintable(key));
            QCOMPARE(address, WebDirectory::Page(key));
            addresses << address;
        }
        QCOMPARE(addresses.size(), 151);
        for (const char *key : {"NewsLink0", "NewsLink13", "NewsLink01", "Newsfeeds", "IPOResearch17", "Radio1"})
            QVERIFY2(WebDirectory::Page(QLatin1String(key)).isEmpty(), key);
    }

    // --- streams ---

    void streams_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("address");
        QTest::newRow("weather") << "WetherChicago" << "{BroadcastPortalHost}/television/weatherama/chicago.ram";
        QTest::newRow("rtsp") << "TVZD" << "rtsp://[ZdTvHost]/zd/zdtv/g2demand/zdtvnews/mon_netnews.rm";
        QTest::newRow("pnm") << "RadioCnet" << "pnm://[CnetRadioHost]/live.rm";
        QTest::newRow("entry 38") << "CNNElectronic" << "{BroadcastPortalHost}/cnn/audioselect/playground.rpm";
        QTest::newRow("entry 39") << "RadioWall" << "{BroadcastPortalHost}/business/nasdaq/nasdaq.ram";
        QTest::newRow("presenter, entry 6") << "RI_Hartley" << "{AbsBroadcastsHost}/afund.ram";
        QTest::newRow("presenter, entry 9") << "RI_Alvarez" << "{AbsBroadcastsHost}/macro.ram";
        QTest::newRow("fixed query") << "TVABC"
                                     << "{StreamingDemoHost}/smildemohurl.ram?file=channels/abcnews/start.smi&programs=52&tcode=52";
        QTest::newRow("branch") << "RadioCNN" << "";
    }
    void streams()
    {
        QFETCH(QString, key);
        QFETCH(QString, address);
        f.ClickOnScreen(key);
        QCOMPARE(Shell::Opened(), address.isEmpty() ? QStringList{} : QStringList{Expand(address)});
        QVERIFY(!QApplication::overrideCursor());
    }

    void datedRadio_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("us"); // "-": no value
        QTest::addColumn<QString>("file");
        QTest::newRow("US zone") << QDate(2000, 3, 1) << "1" << "radio_000301.rm";
        QTest::newRow("not US: the day before, in its month") << QDate(2000, 3, 1) << "0" << "radio_000229.rm";
        QTest::newRow("no setting") << QDate(2000, 3, 1) << "-" << "radio_000229.rm";
        QTest::newRow("the day before, in its year") << QDate(2001, 1, 5) << "0" << "radio_010104.rm";
        QTest::newRow("new year's day") << QDate(2001, 1, 1) << "0" << "radio_001231.rm";
    }
    void datedRadio()
    {
        QFETCH(QDate, today);
        QFETCH(QString, us);
        QFETCH(QString, file);
        UpdateJobs::SetClock([today] { return today; });
        if (us != QLatin1String("-"))
            f.env->Set(QStringLiteral("US"), us);
        f.ClickOnScreen(QStringLiteral("RadioZD"));
        QCOMPARE(Shell::Opened(),
                 QStringList{Expand(QStringLiteral("pnm://[ZdNetRadioHost]/basic/providers/zdtvradio/") + file)});
    }

    // Every stream entry has its leaf and every leaf its own address; numbers
    // outside the tables open nothing.
    void everyStreamHasItsLeaf_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("entries");
        QTest::newRow("television") << int(NavTree::Kind::Video) << 33;
        QTest::newRow("radio") << int(NavTree::Kind::Radio) << 40;
    }
    void everyStreamHasItsLeaf()
    {
        QFETCH(int, kind);
        QFETCH(int, entries);
        const bool video = kind == int(NavTree::Kind::Video);
        const QMap<int, QString> keys = StreamKeys(NavTree::Kind(kind));
        QCOMPARE(keys.size(), entries);
        QCOMPARE(keys.firstKey(), 0);
        QCOMPARE(keys.lastKey(), entries - 1);
        QSet<QString> addresses;
        for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
            const QString address = Opened(it.value());
            QCOMPARE(address, video ? Streams::Video(it.key()) : Streams::Radio(it.key(), QStringLiteral("000229")));
            QVERIFY2(!address.isEmpty(), qPrintable(it.value()));
            addresses << address;
        }
        QCOMPARE(addresses.size(), entries);
        for (int n : {-1, entries, 32767})
            QVERIFY(video ? Streams::Video(n).isEmpty() : Streams::Radio(n, QStringLiteral("000301")).isEmpty());
    }

    // --- offline ---

    // Dial prompting on and no connection: one question per click, whatever
    // the answer nothing opens.
    void offlineAsksOnce_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("symbol");
        const QByteArray abc("abc");
        QTest::newRow("site, no") << "NewsLink1" << int(Dialogs::vbNo) << abc;
        QTest::newRow("site, dial") << "NewsLink1" << int(Dialogs::vbYes) << abc;
        QTest::newRow("sector board") << "Coal" << int(Dialogs::vbNo) << abc;
        QTest::newRow("stock board, dial") << "MB_Y0" << int(Dialogs::vbYes) << abc;
        QTest::newRow("new-issues board") << "ipo_MB" << int(Dialogs::vbNo) << abc;
        // The check comes before the symbol is looked at.
        QTest::newRow("board without a symbol") << "MB_S0" << int(Dialogs::vbNo) << QByteArray();
        QTest::newRow("pnm stream") << "RadioCnet" << int(Dialogs::vbNo) << abc;
        QTest::newRow("rtsp stream, dial") << "TVZD" << int(Dialogs::vbYes) << abc;
    }
    void offlineAsksOnce()
    {
        QFETCH(QString, key);
        QFETCH(int, answer);
        QFETCH(QByteArray, symbol);
        CurrentSymbol = symbol;
        f.env->Set(QStringLiteral("Prompt"), QStringLiteral("1"));
        Ras::SetActive(0);
        Dialogs::QueueAnswer(answer);
        f.ClickOnScreen(key);
        QVERIFY(Shell::Opened().isEmpty());
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Not Connected"));
        QVERIFY(!QApplication::overrideCursor());
    }
};

TW_TEST(tst_linkleaves)
#include "tst_linkleaves.moc"
