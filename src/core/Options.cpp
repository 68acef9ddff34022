#include "core/Options.h"

// The window's pages come with their own work; until then there is nothing
// to show.
Options *Options::Load() { return nullptr; }
