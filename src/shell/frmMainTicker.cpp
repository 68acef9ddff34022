#include "shell/frmMain.h"

// News ticker menu: built with the news ticker.
void frmMain::mnuTicker_Click(int) {}
