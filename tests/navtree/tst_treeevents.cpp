#include "../shell/MouseEvents.h"
#include "TreeFixture.h"
#include "common/TestRegistry.h"
#include "core/AppFolder.h"
#include "core/ViewState.h"
#include "platform/Dialogs.h"
#include "platform/FlexGrid.h"
#include "platform/Shell.h"
#include "queries/TechGraph.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

using tw::test::SendMouse;

// Opening and closing nodes, keys, the right-click menu and the tool tip.
class tst_treeevents : public QObject {
    Q_OBJECT
    tw::test::TreeFixture f;

    QList<bool> MenuItems() const
    {
        QList<bool> visible;
        for (QAction *a : f.main->mnuTree)
            visible << a->isVisible();
        return visible;
    }

    // A press of the right button in the tree below its nodes, as the
    // desktop sends it; the tree is made taller than its closed branches.
    void RightClick()
    {
        QVERIFY(f.main->isVisible() || f.Show(QSize(1000, 800)));
        QTreeWidgetItem *last = f.tree->topLevelItem(f.tree->topLevelItemCount() - 1);
        const QPoint below(5, f.tree->visualItemRect(last).bottom() + 5);
        f.tree->resize(f.tree->width(), below.y() + 100);
        QVERIFY(f.tree->viewport()->rect().contains(below));
        QCOMPARE(f.tree->itemAt(below), nullptr);
        SendMouse(f.tree->viewport(), QEvent::MouseButtonPress, Qt::RightButton, below);
    }

    static void WriteProfile(const QString &name, const QByteArray &page)
    {
        tw::test::TestEnv::WriteAll(AppFolder + QStringLiteral("/Cache/DataSheet/") + name, page);
    }

    // The window on show with the focus in the grid, then F5 as the user
    // presses it: the tree has the focus.
    void FocusTreeByF5()
    {
        f.main->show();
        QApplication::setActiveWindow(f.main);
        QVERIFY(QTest::qWaitForWindowActive(f.main));
        f.main->FG->setFocus();
        QTRY_VERIFY(f.main->FG->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
        QTRY_VERIFY(f.tree->hasFocus());
    }


private Q_SLOTS:
    void init() { f.StartTech(); }
    void cleanup() { f.Stop(); }

    // An open stock shows the open book; the picture number stays 1.
    void expandPictures()
    {
        TreeNode *stock = f.Node("ID0");
        QCOMPARE(f.Shown(stock), 1);
        stock->SetExpanded(true);
        QCOMPARE(f.Shown(stock), 2);
        QCOMPARE(stock->Image(), 1);
        QCOMPARE(f.main->LastNodeIndex, int16_t(stock->Index()));
        stock->SetExpanded(false);
        QCOMPARE(f.Shown(stock), 1);

        TreeNode *market = f.Node("Market");
        market->SetExpanded(true);
        QCOMPARE(f.Shown(market), 8);
        QCOMPARE(market->ExpandedImage(), 0);
        QCOMPARE(f.main->LastNodeIndex, int16_t(market->Index()));
    }

    // The symbol bar's collapse closes stock nodes only; "Collapse All"
    // closes every node.
    void collapsing()
    {
        for (const char *key : {"Market", "Cons", "ID0", "ID2", "News0", "Radio", "NewsLink"})
            f.Node(key)->SetExpanded(true);
        f.main->CollapseStocks();
        QVERIFY(!f.Node("ID0")->Expanded());
        QVERIFY(!f.Node("ID2")->Expanded());
        for (const char *key : {"Market", "Cons", "News0", "Radio", "NewsLink"})
            QVERIFY2(f.Node(key)->Expanded(), key);

        f.main->CollapseAll();
        for (int i = 1; i <= f.tree->Count(); ++i)
            QVERIFY(!f.tree->Node(i)->Expanded());
    }

    // The menu's "&Collapse All" closes every node.
    void collapseAllFromTheMenu()
    {
        for (const char *key : {"Market", "ID0", "ID2", "News0"})
            f.Node(key)->SetExpanded(true);
        RightClick();
        QCOMPARE(f.main->mnuTree[0]->text(), QStringLiteral("&Collapse All"));
        f.main->mnuTree[0]->trigger();
        for (int i = 1; i <= f.tree->Count(); ++i)
            QVERIFY2(!f.tree->Node(i)->Expanded(), qPrintable(f.tree->Node(i)->Key()));
    }

    // A right click beside the nodes: the menu is about the node last
    // clicked or opened; after a rebuild there is none, so only "&Collapse
    // All" shows.
    void rightClickMenu_data()
    {
        QTest::addColumn<QString>("clicked"); // "" none
        QTest::addColumn<bool>("rebuild");
        QTest::addColumn<bool>("stockItems");
        QTest::newRow("nothing clicked") << "" << false << false;
        QTest::newRow("stock") << "ID1" << false << true;
        QTest::newRow("stock leaf") << "IT1" << false << false;
        QTest::newRow("market") << "Market" << false << false;
        QTest::newRow("stock, then rebuild") << "ID1" << true << false;
    }
    void rightClickMenu()
    {
        QFETCH(QString, clicked);
        QFETCH(bool, rebuild);
        QFETCH(bool, stockItems);
        if (!clicked.isEmpty())
            f.Click(clicked);
        if (rebuild)
            f.Build(QStringLiteral("Tech"));
        for (QAction *a : f.main->mnuTree)
            a->setVisible(false);

        RightClick();
        QCOMPARE(f.PopupNames(), QStringList({"mnuTrees"}));
        QList<bool> expected{true};
        for (int i = 1; i < 12; ++i)
            expected << stockItems;
        QCOMPARE(MenuItems(), expected);

        SendMouse(f.tree->viewport(), QEvent::MouseButtonPress, Qt::LeftButton, QPointF(5, 5));
        QCOMPARE(f.popups.size(), 1);
    }

    // A right click is about the node under the pointer, whatever was
    // clicked before: the tree's menu opens with that node's commands, and
    // they act on it. Opening the menu opens no window of the node's own.
    void rightClickMenuOfThePointedNode_data()
    {
        QTest::addColumn<QString>("clicked"); // left-clicked first; "" none
        QTest::addColumn<QString>("pointed");
        QTest::addColumn<QByteArray>("symbol"); // current once the menu is open
        QTest::addColumn<bool>("stockItems");
        QTest::newRow("stock after another stock") << "ID0" << "ID1" << QByteArray("ACME") << true;
        QTest::newRow("one-letter stock, nothing clicked") << "" << "ID2" << QByteArray("F") << true;
        QTest::newRow("market after a stock") << "ID0" << "Market" << QByteArray("ZETA") << false;
        QTest::newRow("technical graphs after a stock") << "ID1" << "TG0" << QByteArray("ACME") << false;
    }
    void rightClickMenuOfThePointedNode()
    {
        QFETCH(QString, clicked);
        QFETCH(QString, pointed);
        QFETCH(QByteArray, symbol);
        QFETCH(bool, stockItems);
        QVERIFY(f.Show(QSize(1000, 800)));
        frmMain::SetPopupHook(nullptr); // the real menu
        if (!clicked.isEmpty())
            f.ClickOnScreen(clicked);
        const QList<QWidget *> windows = f.Windows();

        TreeNode *node = f.Node(pointed);
        f.tree->scrollToItem(node);
        for (TreeNode *p = node->Parent(); p; p = p->Parent())
            p->setExpanded(true);
        QTest::mouseClick(f.tree->viewport(), Qt::RightButton, {}, f.tree->visualItemRect(node).center());
        QTRY_COMPARE(QApplication::activePopupWidget(), f.main->mnuTrees);

        QCOMPARE(f.tree->SelectedItem(), node);
        QCOMPARE(CurrentSymbol, symbol);
        QCOMPARE(f.Windows(), windows);
        QStringList offered;
        for (QAction *a : f.main->mnuTrees->actions())
            if (a->isVisible() && !a->isSeparator())
                offered << a->text();
        QCOMPARE(offered, stockItems ? QStringList({"&Collapse All", "&Buy", "&Sell", "S&plit", "&Delete",
                                                    "Empty S&tock Cache", "&Update Selected Stock", "&Properties"})
                                     : QStringList({"&Collapse All"}));
        if (!stockItems) {
            QTest::keyClick(f.main->mnuTrees, Qt::Key_Escape);
            QTRY_VERIFY(!QApplication::activePopupWidget());
            return;
        }
        // Delete, by its letter, asks about the stock pointed at.
        Dialogs::QueueAnswer(Dialogs::vbNo);
        QTest::keyClick(f.main->mnuTrees, Qt::Key_D);
        QTRY_COMPARE(Dialogs::Log().size(), 1);
        const QByteArray name = Stock::CurrentStockName();
        QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("Do you want to remove %1 (%2)?")
                                             .arg(QString::fromLatin1(name), QString::fromLatin1(symbol)));
        QCOMPARE(StockCount, int16_t(3));
    }

    // After a click on a closed stock node any key opens it; P goes on to
    // the stock's profile leaf. Other nodes, open stocks and a rebuilt tree
    // are left alone.
    void keys()
    {
        f.Click(QStringLiteral("ID1"));
        QTest::keyClick(f.tree, Qt::Key_Down);
        QVERIFY(f.Node("ID1")->Expanded());
        QCOMPARE(f.Shown(f.Node("ID1")), 2);

        f.Click(QStringLiteral("ID0"));
        f.tree->SetSelectedItem(f.Node("ID0"));
        QTest::keyClick(f.tree, Qt::Key_P);
        QVERIFY(f.Node("ID0")->Expanded());
        QTRY_COMPARE(f.tree->SelectedItem(), f.Node("AR0"));

        // Right on the clicked stock opens it once, as the tree's own Right
        // does, and stays on it instead of stepping into it.
        f.Node("All")->SetExpanded(true);
        f.Click(QStringLiteral("ID2"));
        f.tree->SetSelectedItem(f.Node("ID2"));
        QTest::keyClick(f.tree, Qt::Key_Right);
        QVERIFY(f.Node("ID2")->Expanded());
        QCOMPARE(f.tree->currentItem(), f.Node("ID2"));

        f.Click(QStringLiteral("Market"));
        QTest::keyClick(f.tree, Qt::Key_X);
        QVERIFY(!f.Node("Market")->Expanded());

        f.Click(QStringLiteral("ID2"));
        f.Build(QStringLiteral("Tech"));
        QTest::keyClick(f.tree, Qt::Key_Right);
        for (int i = 1; i <= f.tree->Count(); ++i)
            QVERIFY(!f.tree->Node(i)->Expanded());
    }

    // A user without a mouse: F5 reaches the tree, the arrows walk to a
    // stock's "Annual Balance Sheet" and the sheet shows in the grid.
    void keyboardAloneOpensASheet()
    {
        WriteProfile(QStringLiteral("ACME_ABS.Sh"),
                     tw::test::TestEnv::ReadAll(QStringLiteral(TW_TESTDATA "/sheets/fixtures/ZETA_ABS.Sh")));
        FocusTreeByF5();

        TreeNode *target = nullptr;
        for (TreeNode *c = f.Node("ID1")->Child(); c && !target; c = c->Next())
            if (c->Text() == QLatin1String("Annual Balance Sheet"))
                target = c;
        QVERIFY(target);
        auto leadsTo = [target](const QTreeWidgetItem *n) {
            for (const QTreeWidgetItem *p = target->parent(); p; p = p->parent())
                if (p == n)
                    return true;
            return false;
        };
        for (int i = 0; i < 300 && f.tree->currentItem() != target; ++i) {
            QTreeWidgetItem *at = f.tree->currentItem();
            const bool open = at && leadsTo(at) && !at->isExpanded();
            QTest::keyClick(f.tree, open ? Qt::Key_Right : Qt::Key_Down);
        }
        QCOMPARE(f.tree->currentItem(), target);
        QCOMPARE(CurrentView, QStringLiteral("ABS"));
        QCOMPARE(CurrentSymbol, QByteArray("ACME"));
        QCOMPARE(f.main->FG->Cols(), 6);
        QVERIFY(f.main->FG->Rows() > 40);
    }

    // Arrows only move: from the stocks root down a stock to its "Annual
    // Balance Sheet" the sheet shows, and the chart and graph windows and
    // the browser stay shut on the way; Enter opens the node it rests on.
    void arrowsOpenNothingEnterDoes()
    {
        WriteProfile(QStringLiteral("ZETA_ABS.Sh"),
                     tw::test::TestEnv::ReadAll(QStringLiteral(TW_TESTDATA "/sheets/fixtures/ZETA_ABS.Sh")));
        FocusTreeByF5();
        const QList<QWidget *> windows = f.Windows();
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Right})
            QTest::keyClick(QApplication::focusWidget(), key);
        for (int i = 0; i < 7; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);

        QCOMPARE(f.tree->currentItem(), f.Node("ABS0"));
        QCOMPARE(CurrentView, QStringLiteral("ABS"));
        QCOMPARE(CurrentSymbol, QByteArray("ZETA"));
        QCOMPARE(f.main->FG->Cols(), 6);
        QCOMPARE(f.Windows(), windows);
        QCOMPARE(Shell::Opened(), QStringList());
        QVERIFY(f.tree->hasFocus());

        QTest::keyClick(f.tree, Qt::Key_Up);
        QTest::keyClick(f.tree, Qt::Key_Up);
        QCOMPARE(f.tree->currentItem(), f.Node("TG0"));
        QCOMPARE(f.Windows(), windows);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(TechGraph::Loaded() && TechGraph::Loaded()->isVisible());
    }

    // Moving over the tree stops the symbol bar's scrolling and shows the
    // current stock's profile, read anew each time.
    void toolTip()
    {
        WriteProfile(QStringLiteral("acme_p.sh"), "HTTP/1.0 200 OK\r\n\r\n<p>x</p><hr>\r\n<b>Acme Inc.</b> makes\r\nanvils &amp; "
                                                  "rockets.<hr><p>footer</p>");
        CurrentSymbol = "ACME";
        f.main->TmrNav->start();
        SendMouse(f.tree->viewport(), QEvent::MouseMove, Qt::NoButton, QPointF(8, 8));
        QVERIFY(!f.main->TmrNav->isActive());
        QCOMPARE(f.tree->ToolTipText(), QStringLiteral("Acme Inc. makesanvils & rockets."));

        WriteProfile(QStringLiteral("acme_p.sh"), "<hr>Newer<hr>");
        f.main->TreeView1_MouseMove(0, 0, 0, 0);
        QCOMPARE(f.tree->ToolTipText(), QStringLiteral("Newer"));

        CurrentSymbol = "ZETA"; // no page
        f.main->TreeView1_MouseMove(0, 0, 0, 0);
        QCOMPARE(f.tree->ToolTipText(), QString());

        CurrentSymbol.clear();
        QCOMPARE(f.main->GetProfileText(), QByteArray());
        // Never a path out of the cache.
        WriteProfile(QStringLiteral("../x_P.Sh"), "<hr>Outside<hr>");
        CurrentSymbol = "../x";
        QCOMPARE(f.main->GetProfileText(), QByteArray());
    }
};

TW_TEST(tst_treeevents)
#include "tst_treeevents.moc"
