#include "shell/GRP.h"

// The window comes with its own work; until then there is nothing to show.
void GRP::ShowModeless() {}
