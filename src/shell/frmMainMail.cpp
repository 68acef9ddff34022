#include "shell/frmMain.h"

// Mail commands of the Start menu.
void frmMain::mnuEmail_Click(int) {}
