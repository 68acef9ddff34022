#include "shell/frmMain.h"

// Mailing the error log comes with the mail client's own work; until then
// nothing is sent.
void frmMain::SendErrorLog() {}
