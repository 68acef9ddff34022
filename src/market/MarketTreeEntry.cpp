#include "shell/frmMain.h"

// Market lists the tree opens: built with the market sheets.
void frmMain::FG_OptSum(int16_t) {}
void frmMain::FG_IPO_Reg() {}
void frmMain::FG_IPO_Price() {}
void frmMain::FG_IPO_Loss() {}
void frmMain::FG_IPO_Gain() {}
void frmMain::FG_IPO_With() {}
void frmMain::FG_IPO_News() {}
void frmMain::FG_IPO_Last() {}
void frmMain::FG_SplitsCalendar(int16_t) {}
void frmMain::FG_USMarket() {}
void frmMain::FG_WMarket() {}
void frmMain::ScrollToSection(const QString &) {}
void frmMain::FG_Funds(const QString &) {}
