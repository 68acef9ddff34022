#include "shell/frmMain.h"

// Symbol bar and recommendation strip.
void frmMain::WireSymbolBar() {}
void frmMain::LoadPrices() {}
void frmMain::ShowRec() {}
void frmMain::ClearRecStrip() {}
void frmMain::SelectSymbol(QByteArray &) {}
void frmMain::ScrollRecStrip(bool) {}
void frmMain::img_Click(int) {}
void frmMain::lblSbl_Click(int) {}
void frmMain::img_DblClick(int) {}
void frmMain::TmrNav_Timer() {}
