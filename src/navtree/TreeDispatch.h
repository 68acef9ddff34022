#pragma once
// What a click on a tree node made the dispatcher do. Every call the
// dispatcher makes for a rule is reported here first, then made as usual,
// so a test can read back which rule a node reached without standing in
// for any of the callees.
#include "navtree/TreeTables.h"

#include <QString>
#include <functional>

class MainView;
class TreeNode;

namespace NavTree {

struct Call {
    Kind kind = Kind::None;
    int16_t n = 0;
    Filler fill = nullptr; // the filler a Sheet, Call or Index runs
    QString text;          // the screen page of MostActive, the fund's key, the symbol, the board folder
    QString title;         // MostActive's and Index's title, the board's key
    bool operator==(const Call &) const = default;
};

// The filler of the stocks root and the stock nodes: the Current grid as the
// window shows it (its menu tick and column layout are the shell's), so it
// asks the window.
void FG_Current(MainView &main);

// nullptr stops the reporting.
void SetCallRecorder(std::function<void(const Call &)> recorder);

// A click on the node (opening) or the selection moving onto it.
void RunNodeRules(MainView &main, TreeNode *node, bool opening);

} // namespace NavTree
