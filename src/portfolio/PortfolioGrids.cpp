#include "shell/frmMain.h"

// Holdings and transaction-log grids: built with the portfolio windows.
void frmMain::FG_Portfolio_All() {}
void frmMain::FG_PortfolioLog() {}
