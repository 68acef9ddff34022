#include "core/AppState.h"

int16_t AutoUpdateMinutes = 0;
RegVariant FractionsMode;
RegVariant VolumeMode;
