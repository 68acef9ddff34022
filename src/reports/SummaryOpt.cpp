#include "reports/SummaryOpt.h"

// The options window comes with its own work; until then there is nothing to
// show.
SummaryOpt *SummaryOpt::Load() { return nullptr; }
