#include "shell/frmMain.h"

// Market-wide lists: built with the market sheets.
void frmMain::FG_Surp() {}
void frmMain::FG_WinLos(const QString &) {}
void frmMain::FG_BR(const QString &) {}
void frmMain::FG_Upgrade() {}
void frmMain::FG_Downgrade() {}
void frmMain::FG_Coverage() {}

// Market page downloaders of the Update run: built with the market sheets.
void frmMain::UpdateUSMarket() {}
void frmMain::UpdateWMarket() {}
void frmMain::Update_IPO_Last() {}
void frmMain::Update_IPO_News() {}
void frmMain::Update_IPO_Gain() {}
void frmMain::Update_IPO_Loss() {}
void frmMain::Update_IPO_Reg() {}
void frmMain::Update_IPO_Price() {}
void frmMain::Update_IPO_With() {}
void frmMain::Update_OptSum() {}
void frmMain::UpdateFunds(const QString &) {}
void frmMain::UpdateSplitsCalendar(int16_t) {}
void frmMain::Update_M_BRP() {}
