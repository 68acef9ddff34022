#include "queries/BigChart.h"

// The dialog comes with its own work; until then there is nothing to show.
BigChart *BigChart::Load() { return nullptr; }
