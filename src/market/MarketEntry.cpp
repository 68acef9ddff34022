#include "shell/frmMain.h"

// Market-wide lists: built with the market sheets.
void frmMain::FG_Surp() {}
void frmMain::FG_WinLos(const QString &) {}
void frmMain::FG_BR(const QString &) {}
void frmMain::FG_Upgrade() {}
void frmMain::FG_Downgrade() {}
void frmMain::FG_Coverage() {}
