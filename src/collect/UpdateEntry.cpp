#include "shell/frmMain.h"

// Update run, fast update and the prices grid: built with the update run.
void frmMain::RunUpdate() {}
void frmMain::StopUpdate() {}
void frmMain::FastUpdate() {}
void frmMain::FG_Current() {}
