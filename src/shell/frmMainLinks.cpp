// The news link as the main window's member (links/LinkEntry.h); the tree
// calls the link functions directly.
#include "shell/frmMain.h"

#include "links/LinkEntry.h"

void frmMain::OpenNewsLink(int16_t n) { LinkEntry::OpenNewsLink(*this, n); }
