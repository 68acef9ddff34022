#pragma once
// The main window with the "Tech" set open: ZETA, ACME and F, and a
// portfolio whose slots 0 to 5 hold ZETA, ACME, ZETA, (empty), IBMX, ACME.
#include "../shell/MainFixture.h"
#include "../shell/MouseEvents.h"
#include "core/Stock.h"
#include "platform/TreeView.h"

#include <QApplication>
#include <QLabel>
#include <QStringList>
#include <QTest>

namespace tw::test {

class TreeFixture : public MainFixture {
public:
    TreeView *tree = nullptr;

    void StartTech()
    {
        Start();
        tree = main->TreeView1;
        SetStocks({{"ZETA", "Zeta Corp"}, {"ACME", "Acme Inc"}, {"F", "F"}});
        const QByteArray portfolio[6] = {"ZETA", "ACME", "ZETA", "", "IBMX", "ACME"};
        for (int i = 0; i < 6; ++i) {
            Portfolio[size_t(i)].Symbol = portfolio[i];
            Portfolio[size_t(i)].Action = portfolio[i].isEmpty() ? QByteArray() : QByteArray("Buy");
        }
        Build(QStringLiteral("Tech"));
    }
    // The same with the window on show, for clicks on the screen.
    bool StartTechShown()
    {
        StartTech();
        return Show(QSize(1000, 800));
    }

    static void SetStocks(const QList<QPair<QByteArray, QByteArray>> &stocks)
    {
        Stocks.fill({});
        for (int i = 0; i < stocks.size(); ++i) {
            Stocks[size_t(i)].Symbol = stocks[i].first;
            Stocks[size_t(i)].Name = stocks[i].second;
        }
        StockCount = int16_t(stocks.size());
    }

    // The set's name goes to the "Groups" panel first, as opening a set does.
    void Build(const QString &setName)
    {
        main->Panel1[1]->setText(setName);
        main->initTree();
    }

    TreeNode *Node(const QString &key) const { return tree->Find(key); }

    QStringList RootKeys() const
    {
        QStringList keys;
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            keys << static_cast<TreeNode *>(tree->topLevelItem(i))->Key();
        return keys;
    }

    QStringList ChildKeys(const QString &key) const
    {
        QStringList keys;
        if (TreeNode *n = Node(key))
            for (TreeNode *c = n->Child(); c; c = c->Next())
                keys << c->Key();
        return keys;
    }

    // The picture the node shows now (its open picture while it is open).
    int Shown(const TreeNode *node) const
    {
        const QIcon icon = qvariant_cast<QIcon>(node->data(0, Qt::DecorationRole));
        for (int i = 1; i <= tree->Images().Count(); ++i)
            if (tree->Images().Icon(i).cacheKey() == icon.cacheKey())
                return i;
        return 0;
    }

    void Click(const QString &key) { main->TreeView1_NodeClick(Node(key)); }

    // Every window on show, popup menus aside: a node that opens a window
    // adds one.
    static QList<QWidget *> Windows()
    {
        QList<QWidget *> shown;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowType() != Qt::Popup)
                shown << w;
        return shown;
    }

    // A mouse click where the node shows, its branch opened first.
    void ClickOnScreen(const QString &key)
    {
        TreeNode *node = Node(key);
        QVERIFY2(node, qPrintable(key));
        for (TreeNode *p = node->Parent(); p; p = p->Parent())
            p->setExpanded(true);
        tree->scrollToItem(node);
        tw::test::Click(tree->viewport(), tree->visualItemRect(node).center());
    }
};

} // namespace tw::test
