#include "shell/frmMain.h"

// News ticker menu: built with the news ticker.
void frmMain::mnuTicker_Click(int) {}

// Cuts a fetched quote page into a stock's headline file: built with the
// news ticker. Writes nothing until then.
void frmMain::ParseNewsHeadlines(const QByteArray &, const QString &, const QString &) {}
