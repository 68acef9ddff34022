#include "shell/frmMain.h"

// Splitters between the tree, the symbol bar and the grid.
void frmMain::WireSplitters() {}
void frmMain::picSplit2_MouseDown(int, int, float, float) {}
void frmMain::picSplit2_MouseMove(int, int, float, float) {}
void frmMain::picSplit2_MouseUp(int, int, float, float) {}
void frmMain::picSplit2_DblClick() {}
void frmMain::Splitter_MouseDown(int, int, float, float) {}
void frmMain::Splitter_MouseMove(int, int, float, float) {}
void frmMain::Splitter_MouseUp(int, int, float, float) {}
void frmMain::Splitter_DblClick() {}
void frmMain::StatusBar1_MouseMove(int, int, float, float) {}
