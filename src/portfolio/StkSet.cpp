#include "portfolio/StkSet.h"

// The editor comes with its own work; until then there is nothing to show.
StkSet *StkSet::Load() { return nullptr; }
