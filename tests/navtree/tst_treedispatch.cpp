#include "TreeFixture.h"
#include "common/TestRegistry.h"
#include "core/ViewState.h"
#include "market/MarketReaders.h"
#include "navtree/TreeDispatch.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "sheets/SheetReaders.h"

#include <QApplication>
#include <QTest>

using NavTree::Call;
using NavTree::Kind;
using Calls = QList<Call>;
Q_DECLARE_METATYPE(Calls)

namespace {
Call Do(Kind kind, int n = 0, const QString &text = {}, const QString &title = {})
{
    return {kind, int16_t(n), nullptr, text, title};
}
Call Fill(Kind kind, NavTree::Filler fill, const QString &title = {}) { return {kind, 0, fill, {}, title}; }

QString Describe(const Calls &calls)
{
    QStringList out;
    for (const Call &c : calls)
        out << QStringLiteral("%1/%2/%3/%4/%5")
                   .arg(int(c.kind))
                   .arg(c.n)
                   .arg(c.fill ? QStringLiteral("fill") : QStringLiteral("-"), c.text, c.title);
    return out.join(QStringLiteral(", "));
}
} // namespace

// Which call a click on each kind of node makes, and which the arrow keys
// make when they reach it: one row per rule of the dispatcher, read back
// through its recorder while the calls run as usual.
class tst_treedispatch : public QObject {
    Q_OBJECT
    tw::test::TreeFixture f;
    Calls calls;

    // The node of the test row, with the row's sheet on show.
    TreeNode *RowNode()
    {
        QFETCH(QString, key);
        QFETCH(QString, view);
        CurrentView = view;
        TreeNode *node = f.Node(key);
        if (!node)
            qWarning("no node %s", qPrintable(key));
        return node;
    }

    void VerifyCalls(const Calls &expected) const
    {
        QVERIFY2(calls == expected, qPrintable(Describe(calls) + QStringLiteral("  expected  ") + Describe(expected)));
    }

private Q_SLOTS:
    void init()
    {
        f.StartTech();
        calls.clear();
        NavTree::SetCallRecorder([this](const Call &c) { calls.append(c); });
    }
    void cleanup()
    {
        NavTree::SetCallRecorder(nullptr);
        f.Stop();
    }

    void nodeToCall_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("view"); // the sheet on show before the click
        QTest::addColumn<Calls>("expected");
        QTest::addColumn<bool>("opens"); // a window, a message or a page, not the grid
        const QString abs = QStringLiteral("ABS");
        QTest::newRow("portfolio symbol")
            << "TID0" << abs << Calls{Do(Kind::PortSymbol, 0, QStringLiteral("ZETA"))} << false;
        QTest::newRow("stock, a sheet on show")
            << "ID1" << abs << Calls{Fill(Kind::Call, &NavTree::FG_Current)} << false;
        QTest::newRow("stock, profile on show")
            << "ID1" << "Profile" << Calls{Fill(Kind::Call, &SheetReaders::FG_Profile)} << false;
        QTest::newRow("stock, quote list on show") << "ID1" << "Current" << Calls{} << false;
        QTest::newRow("stocks root") << "All" << abs << Calls{Fill(Kind::Call, &NavTree::FG_Current)} << false;
        QTest::newRow("quiet root") << "Market" << abs << Calls{} << false;
        QTest::newRow("conglomerates board")
            << "Conglomerates" << abs << Calls{Do(Kind::SectorBoard, 0, QStringLiteral("Conglomerates"),
                                                  QStringLiteral("Conglomerates"))} << true;
        QTest::newRow("industry board")
            << "Chemical_Manufacturing" << abs
            << Calls{Do(Kind::SectorBoard, 0, QStringLiteral("Basic_Materials"), QStringLiteral("Chemical_Manufacturing"))}
            << true;
        QTest::newRow("stock leaf: sheet") << "ABS1" << abs << Calls{Fill(Kind::Sheet, &SheetReaders::FG_ABS)} << false;
        QTest::newRow("stock leaf: chart window") << "C1" << abs << Calls{Do(Kind::ChartForm)} << true;
        QTest::newRow("stock leaf: chart") << "d1" << abs << Calls{Do(Kind::Chart, 0)} << true;
        QTest::newRow("stock leaf: technical graphs") << "TG1" << abs << Calls{Do(Kind::TechForm)} << true;
        QTest::newRow("stock leaf: interactive chart") << "ICT1" << abs << Calls{Do(Kind::Chart, 8)} << true;
        QTest::newRow("stock leaf: news") << "RM1" << abs << Calls{Do(Kind::News, 14)} << true;
        QTest::newRow("stock leaf: ratio") << "PB1" << abs << Calls{Do(Kind::Ratio, 14)} << true;
        QTest::newRow("stock leaf: board") << "MB_Y1" << abs << Calls{Do(Kind::Board, 1)} << true;
        QTest::newRow("stock leaf: industry") << "IG_C1" << abs << Calls{Do(Kind::Industry, 7)} << true;
        QTest::newRow("consultation") << "pg" << abs << Calls{Do(Kind::Consult, 4)} << false;
        QTest::newRow("most active screen")
            << "brdt" << abs
            << Calls{Do(Kind::MostActive, 0, QStringLiteral("BrDT_Q.Sh"), QStringLiteral("Most Active By Volume Traded"))}
            << false;
        QTest::newRow("options summary") << "OptSum_G" << abs << Calls{Do(Kind::OptSum, 1)} << false;
        QTest::newRow("splits calendar") << "SP_W" << abs << Calls{Do(Kind::Splits, 1)} << false;
        QTest::newRow("broker reports") << "M_BRP_t" << abs << Calls{Do(Kind::BrokerList, 0)} << false;
        QTest::newRow("ipo grid") << "ipo_last" << abs << Calls{Fill(Kind::Call, &MarketReaders::FG_IPO_Last)} << false;
        QTest::newRow("index page") << "US" << abs << Calls{Fill(Kind::Index, &MarketReaders::FG_USMarket)} << false;
        QTest::newRow("index section")
            << "US_NQ" << abs << Calls{Fill(Kind::Index, &MarketReaders::FG_USMarket, QStringLiteral("Nasdaq"))} << false;
        QTest::newRow("fund list")
            << "F_Growth" << abs << Calls{Do(Kind::Fund, 0, QStringLiteral("F_Growth"))} << false;
        QTest::newRow("video") << "TVB_B" << abs << Calls{Do(Kind::Video, 1)} << true;
        QTest::newRow("radio") << "RadioI" << abs << Calls{Do(Kind::Radio, 12)} << true;
        QTest::newRow("clear portfolio") << "PortClear" << abs << Calls{Do(Kind::PortClear)} << true;
        QTest::newRow("web directory")
            << "Newsfeeds2" << abs << Calls{Do(Kind::Web, 0, QStringLiteral("Newsfeeds2"))} << true;
    }
    void nodeToCall()
    {
        QFETCH(Calls, expected);
        TreeNode *node = RowNode();
        QVERIFY(node);
        Dialogs::QueueAnswer(Dialogs::vbNo); // the portfolio question, if asked
        f.main->TreeView1_NodeClick(node);
        VerifyCalls(expected);
    }

    // The same nodes reached by the arrow keys: what draws in the grid
    // draws as on a click; a window, a message or a page waits for a click.
    void moveToCall_data() { nodeToCall_data(); }
    void moveToCall()
    {
        QFETCH(Calls, expected);
        QFETCH(bool, opens);
        TreeNode *node = RowNode();
        QVERIFY(node);
        QVERIFY(f.Show(QSize(1000, 800)));
        for (TreeNode *p = node->Parent(); p; p = p->Parent())
            p->SetExpanded(true);
        const QList<QWidget *> windows = f.Windows();
        // The keyboard comes from the node beside it, put there by the program.
        QTreeWidgetItem *above = f.tree->itemAbove(node);
        f.tree->setCurrentItem(above ? above : f.tree->itemBelow(node));
        QApplication::setActiveWindow(f.main);
        f.tree->setFocus();
        QTRY_VERIFY(f.tree->hasFocus());
        Dialogs::QueueAnswer(Dialogs::vbNo);
        QTest::keyClick(QApplication::focusWidget(), above ? Qt::Key_Down : Qt::Key_Up);

        QCOMPARE(f.tree->currentItem(), node);
        QCOMPARE(f.main->LastNodeIndex, int16_t(node->Index()));
        VerifyCalls(opens ? Calls{} : expected);
        if (opens) {
            QCOMPARE(Dialogs::Log().size(), 0);
            QCOMPARE(Shell::Opened(), QStringList());
            QCOMPARE(f.Windows(), windows);
        }
    }
};

TW_TEST(tst_treedispatch)
#include "tst_treedispatch.moc"
