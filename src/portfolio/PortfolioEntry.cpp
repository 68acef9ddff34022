#include "shell/frmMain.h"

// Portfolio grids and the stock and edit popups: built with the portfolio.
void frmMain::FG_Portfolio_All() {}
void frmMain::FG_PortfolioLog() {}
void frmMain::mnuTrees_Click() {}
void frmMain::mnuEdit_Click(int) {}
