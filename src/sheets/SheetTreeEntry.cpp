#include "shell/frmMain.h"

// The consensus trend sheet the tree opens: built with the earnings sheets.
void frmMain::FG_EC() {}
