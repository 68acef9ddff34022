// What the services' windows take from the shell's windows.
#include "shell/frmMain.h"

#include "services/frmAdviser.h"
#include "shell/Options.h"

void frmMain::WireServices()
{
    frmAdviser::SetOptionsBox([]() -> QCheckBox * {
        Options *options = Options::Instance();
        return options ? options->chkUpdate[19] : nullptr;
    });
}
