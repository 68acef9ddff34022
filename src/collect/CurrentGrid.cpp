#include "shell/frmMain.h"

void frmMain::FG_Current() {}
