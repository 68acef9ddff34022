#include "shell/frmMain.h"

// Command bar and picture buttons.
void frmMain::WireCommandBar() {}
void frmMain::Picture1_Click(int) {}
void frmMain::Panel1_Click(int) {}
void frmMain::Panel1_DblClick(int) {}
void frmMain::ResetCommandBar() {}
