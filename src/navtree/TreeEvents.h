#pragma once
// The tree's other events: opening a stock node, keys and the tool tip.
#include <QByteArray>

class MainView;
class TreeNode;

namespace NavTree {

void Expand(MainView &main, TreeNode *node);
void KeyDown(MainView &main, int keyCode);
// The current stock's profile on one line, for the tree's tool tip.
QByteArray GetProfileText();

} // namespace NavTree
