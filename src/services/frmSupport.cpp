#include "services/frmSupport.h"

// The support window comes with its own work; until then there is nothing to show.
frmSupport *frmSupport::Load() { return nullptr; }
