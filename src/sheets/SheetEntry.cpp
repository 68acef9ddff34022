#include "shell/frmMain.h"

// Per-stock sheets, the Zoom window and the column layout: built with the sheets.
void frmMain::FG_Profile() {}
void frmMain::FG_ER() {}
void frmMain::FG_EG() {}
void frmMain::FG_EH() {}
void frmMain::FG_Call() {}
void frmMain::FG_Put() {}
void frmMain::FG_BRP() {}
void frmMain::FG_DNH() {}
void frmMain::FG_UPH() {}
void frmMain::FG_NMR() {}
void frmMain::FG_Split() {}
void frmMain::FG_SI() {}
void frmMain::FG_Options() {}

// Per-stock page downloaders of the Update run: built with the sheets.
void frmMain::UpdateSplit() {}
void frmMain::UpdateUPH() {}
void frmMain::UpdateDNH() {}
void frmMain::UpdateNMR() {}
void frmMain::UpdateBRP() {}
void frmMain::UpdateProfile() {}
void frmMain::UpdateSI() {}
