#include "queries/Scr.h"

// The screener comes with its own work; until then there is nothing to show.
Scr *Scr::Load() { return nullptr; }
