#include "queries/TechGraph.h"

// The dialog comes with its own work; until then there is nothing to show.
TechGraph *TechGraph::Load() { return nullptr; }
