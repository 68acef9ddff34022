#include "navtree/TreeEntry.h"

#include "core/MainView.h"
#include "core/Stock.h"
#include "navtree/TreeTables.h"
#include "platform/Text.h"
#include "platform/TreeView.h"
#include "platform/Vb.h"
#include "portfolio/PortSymbols.h"

#include <algorithm>
#include <vector>

using namespace NavTree;

namespace {

QString Latin(const char *text) { return QString::fromLatin1(text); }

// Each node on its own: one that cannot be added is left out and the build
// goes on with the next.
void AddNode(TreeView *tree, const QString &parent, const QString &key, const QString &caption, int image)
{
    try {
        tree->Add(parent, TreeView::tvwChild, key, caption, image);
    } catch (const VbError &) {
    }
}

void AddNodes(TreeView *tree, std::span<const FixedNode> nodes)
{
    for (const FixedNode &n : nodes)
        AddNode(tree, n.parent ? Latin(n.parent) : QString(), Latin(n.key), Latin(n.caption), n.image);
}


// A stock's subtree with its keys' codes converted once.
struct LeafKeys {
    QString parentCode; // empty: the stock node
    QString code;
    QString caption;
    int image;
};

const std::vector<LeafKeys> &StockLeafKeys()
{
    static const std::vector<LeafKeys> keys = [] {
        std::vector<LeafKeys> out;
        for (const StockLeaf &leaf : StockLeaves())
            out.push_back({leaf.parentCode ? Latin(leaf.parentCode) : QString(), Latin(leaf.code),
                           Latin(leaf.caption), leaf.image});
        return out;
    }();
    return keys;
}

void AddStock(TreeView *tree, int slot, const QByteArray &symbol)
{
    const QString n = QString::number(slot);
    const QString id = QStringLiteral("ID") + n;
    AddNode(tree, QStringLiteral("All"), id, Text::FromCp1252(symbol), StockImage);
    for (const LeafKeys &leaf : StockLeafKeys())
        AddNode(tree, leaf.parentCode.isEmpty() ? id : leaf.parentCode + n, leaf.code + n, leaf.caption, leaf.image);
}

} // namespace

void NavTree::InitTree(MainView &main, const QString &setName)
{
    TreeView *tree = main.TreeView1;
    // The nodes go, and with them whatever node was last clicked.
    main.LastNodeIndex = 0;
    Vb::Skip([tree] { tree->Clear(); });
    // Painted once, with all nodes, whatever fails on the way.
    struct Lock {
        TreeView *tree;
        explicit Lock(TreeView *t) : tree(t) { tree->setUpdatesEnabled(false); }
        ~Lock() { tree->setUpdatesEnabled(true); }
    } lock(tree);

    AddNode(tree, QString(), QStringLiteral("All"), QStringLiteral("Stocks-") + setName, StocksRootImage);
    AddNodes(tree, HeadNodes());

    PortSymbols.fill(QByteArray());
    for (int i = 0; i < 100; ++i) {
        const QByteArray &s = Portfolio[size_t(i)].Symbol;
        if (Stock::IsFreeSlot(s) || std::find(PortSymbols.begin(), PortSymbols.end(), s) != PortSymbols.end())
            continue;
        AddPortSymbol(s);
        AddNode(tree, QStringLiteral("PortDetail"), QStringLiteral("TID") + QString::number(i), Text::FromCp1252(s),
                PortSymbolImage);
    }
    AddNodes(tree, PortfolioTail());

    // A branch that fails ends at the failing node; the build goes on.
    Vb::Skip([tree] { AddMessageBoardTree(tree); });
    Vb::Skip([tree] { AddWebLinksTree(tree); });
    AddNodes(tree, RadioNodes());
    AddNodes(tree, TvNodes());

    const int last = std::min<int>(StockCount, Stock::StockSlots - 1);
    for (int i = 0; i <= last; ++i)
        if (!Stock::IsFreeSlot(Stocks[size_t(i)].Symbol))
            AddStock(tree, i, Stocks[size_t(i)].Symbol);
}

void NavTree::AddMessageBoardTree(TreeView *tree)
{
    tree->Add(QString(), TreeView::tvwLast, QStringLiteral("MB"), QStringLiteral("Message Board"), BoardImage);
    tree->Add(QStringLiteral("MB"), TreeView::tvwChild, QStringLiteral("MBY"), QStringLiteral("Yahoo!"), BoardImage);
    for (const Sector &sector : Sectors()) {
        const QString key = Latin(sector.key);
        tree->Add(QStringLiteral("MBY"), TreeView::tvwChild, key, Latin(sector.caption), BoardImage);
        for (const char *industry : sector.industries)
            tree->Add(key, TreeView::tvwChild, IndustryKey(Latin(industry)), Latin(industry), BoardImage);
    }
}

void NavTree::AddWebLinksTree(TreeView *tree)
{
    for (const WebGroup &group : WebGroups()) {
        const QString key = Latin(group.key);
        tree->Add(QString(), TreeView::tvwLast, key, Latin(group.caption), group.image);
        for (size_t i = 0; i < group.sites.size(); ++i)
            tree->Add(key, TreeView::tvwChild, key + QString::number(i + 1), Latin(group.sites[i]), group.image);
    }
}

void NavTree::CollapseStocks(TreeView *tree)
{
    const int n = tree->Count();
    for (int i = 1; i <= n; ++i)
        if (TreeNode *node = tree->Node(i); node && node->Image() == StockImage)
            node->SetExpanded(false);
}

void NavTree::CollapseAll(TreeView *tree)
{
    const int n = tree->Count();
    for (int i = 1; i <= n; ++i)
        if (TreeNode *node = tree->Node(i))
            node->SetExpanded(false);
}
