#include "shell/ShellState.h"

RegVariant FractionsMode;
RegVariant VolumeMode;
int16_t AutoUpdateMinutes = 0;
