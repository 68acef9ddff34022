#include "shell/frmMain.h"

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
