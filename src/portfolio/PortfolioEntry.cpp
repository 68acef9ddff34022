#include "shell/frmMain.h"

// Portfolio grids and the stock and edit popups: built with the portfolio.
void frmMain::FG_Portfolio_All() {}
void frmMain::FG_PortfolioLog() {}
void frmMain::mnuTrees_Click() {}
// The grid's edit menu. Copy and Select All act on the main grid; the
// portfolio commands come with the portfolio grids.
void frmMain::mnuEdit_Click(int index)
{
    if (index == 0)
        CopyCells();
    else if (index == 2)
        SelectAllCells();
}
