#pragma once
// Display and timer choices the main window reads at start-up and the Options
// window changes; the grids and the update timer read them.
#include "core/RegVariant.h"

#include <cstdint>

// "Fractions" and "Volume" as read, not converted: missing stays empty, which
// readers take as 0.
extern RegVariant FractionsMode;
extern RegVariant VolumeMode;
// Minutes between automatic updates; 0 = manual.
extern int16_t AutoUpdateMinutes;
