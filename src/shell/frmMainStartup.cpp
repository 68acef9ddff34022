#include "shell/frmMain.h"

// Start-up, activation, resizing and shut-down of the main window.
void frmMain::WireStartup() {}
void frmMain::Form_Load() { LoadData(); }
#include "core/frmSplash.h"
void frmMain::LoadData() { frmSplash::UnloadSplash(); }
void frmMain::Form_Activate() {}
void frmMain::Form_Resize() {}
void frmMain::Form_MouseMove(int, int, float, float) {}
void frmMain::ExitProgram() {}
void frmMain::ConfirmExit() {}
