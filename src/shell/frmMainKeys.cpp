#include "shell/frmMain.h"

// Keyboard shortcuts of the main window.
void frmMain::WireKeys() {}
void frmMain::Form_KeyDown(int, int) {}
