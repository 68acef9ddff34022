#include "sheets/SheetState.h"

int16_t ZoomMode = 0;
QPointer<FlexGrid> TargetGrid;
