#include "shell/frmMain.h"

// Navigation tree: built with the tree.
void frmMain::initTree() {}
void frmMain::CollapseStocks() {}
