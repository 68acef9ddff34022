#include "shell/frmMain.h"

// The holdings of one symbol, opened from the tree: built with the portfolio.
void frmMain::FG_Portfolio_Selected(const QByteArray &) {}
