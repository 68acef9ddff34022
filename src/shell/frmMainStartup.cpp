#include "shell/frmMain.h"

#include "core/frmSplash.h"

// The window's own start-up is built with the main window; until then it
// only takes over from the splash.
void frmMain::LoadData()
{
    frmSplash::UnloadSplash();
}
