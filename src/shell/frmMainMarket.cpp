// The main window's entry points into the market lists (market/): each
// hands the window to the filler or job of the same name.
#include "shell/frmMain.h"

#include "market/MarketReaders.h"

void frmMain::FG_Upgrade() { MarketReaders::FG_Upgrade(*this); }
void frmMain::FG_Downgrade() { MarketReaders::FG_Downgrade(*this); }
void frmMain::FG_Coverage() { MarketReaders::FG_Coverage(*this); }
void frmMain::FG_Surp() { MarketReaders::FG_Surp(*this); }
void frmMain::FG_WinLos(const QString &file) { MarketReaders::FG_WinLos(*this, file); }
void frmMain::FG_BR(const QString &file) { MarketReaders::FG_BR(*this, file); }
void frmMain::FG_M_BRP(int16_t mode) { MarketReaders::FG_M_BRP(*this, mode); }
void frmMain::Update_M_BRP() { MarketReaders::Update_M_BRP(*this); }
void frmMain::FG_Funds(const QString &key) { MarketReaders::FG_Funds(*this, key); }
void frmMain::UpdateFunds(const QString &key) { MarketReaders::UpdateFunds(*this, key); }

void frmMain::FG_IPO_Reg() { MarketReaders::FG_IPO_Reg(*this); }
void frmMain::FG_IPO_Price() { MarketReaders::FG_IPO_Price(*this); }
void frmMain::FG_IPO_Gain() { MarketReaders::FG_IPO_Gain(*this); }
void frmMain::FG_IPO_Loss() { MarketReaders::FG_IPO_Loss(*this); }
void frmMain::FG_IPO_With() { MarketReaders::FG_IPO_With(*this); }
void frmMain::FG_IPO_Last() { MarketReaders::FG_IPO_Last(*this); }
void frmMain::FG_IPO_News() { MarketReaders::FG_IPO_News(*this); }
void frmMain::Update_IPO_Last() { MarketReaders::Update_IPO_Last(*this); }
void frmMain::Update_IPO_News() { MarketReaders::Update_IPO_News(*this); }
void frmMain::Update_IPO_Gain() { MarketReaders::Update_IPO_Gain(*this); }
void frmMain::Update_IPO_Loss() { MarketReaders::Update_IPO_Loss(*this); }
void frmMain::Update_IPO_Reg() { MarketReaders::Update_IPO_Reg(*this); }
void frmMain::Update_IPO_Price() { MarketReaders::Update_IPO_Price(*this); }
void frmMain::Update_IPO_With() { MarketReaders::Update_IPO_With(*this); }

void frmMain::FG_USMarket() { MarketReaders::FG_USMarket(*this); }
void frmMain::Parse_US() { MarketReaders::Parse_US(); }
void frmMain::UpdateUSMarket() { MarketReaders::UpdateUSMarket(*this); }
void frmMain::FG_WMarket() { MarketReaders::FG_WMarket(*this); }
void frmMain::UpdateWMarket() { MarketReaders::UpdateWMarket(*this); }

void frmMain::FG_OptSum(int16_t mode) { MarketReaders::FG_OptSum(*this, mode); }
void frmMain::Update_OptSum() { MarketReaders::Update_OptSum(*this); }
void frmMain::FG_SplitsCalendar(int16_t mode) { MarketReaders::FG_SplitsCalendar(*this, mode); }
void frmMain::UpdateSplitsCalendar(int16_t mode) { MarketReaders::UpdateSplitsCalendar(*this, mode); }
