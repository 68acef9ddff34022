#pragma once
// Building and folding the navigation tree.
#include <QString>

class MainView;
class TreeView;

namespace NavTree {

// Builds the whole tree anew; setName heads the stocks root.
void InitTree(MainView &main, const QString &setName);
void AddMessageBoardTree(TreeView *tree);
void AddWebLinksTree(TreeView *tree);
void CollapseStocks(TreeView *tree);
void CollapseAll(TreeView *tree);

} // namespace NavTree
