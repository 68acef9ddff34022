#pragma once
// Program-wide settings the main window reads at start-up and the Options
// window refreshes; the grids and the update timer read them.
#include "core/RegVariant.h"

#include <cstdint>

// Automatic update interval in minutes, 0 = manual.
extern int16_t AutoUpdateMinutes;
// The "Fractions" and "Volume" settings as read, not converted: a missing
// value stays empty, which the readers treat like 0.
extern RegVariant FractionsMode;
extern RegVariant VolumeMode;
