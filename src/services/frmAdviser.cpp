#include "services/frmAdviser.h"

// The tip window comes with its own work; until then there is nothing to show.
frmAdviser *frmAdviser::Load() { return nullptr; }
