#include "shell/frmMain.h"

// Per-stock sheets, the Zoom window and the column layout: built with the sheets.
void frmMain::FG_ER() {}
void frmMain::FG_EG() {}
void frmMain::FG_EH() {}
void frmMain::FG_Call() {}
void frmMain::FG_Put() {}
void frmMain::FG_Options() {}
