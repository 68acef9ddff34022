#include "shell/frmMain.h"

// Fast update, the prices grid and the quote jobs of the run: built with the
// quote parsers.
void frmMain::FastUpdate() {}
void frmMain::FG_Current() {}
void frmMain::UpdateRec() {}
void frmMain::UpdatePrices() {}
