#include "core/ViewState.h"

QString CurrentView;
QByteArray CurrentSymbol;
RegVariant FractionsMode;
RegVariant VolumeMode;
int16_t AutoUpdateMinutes = 0;
