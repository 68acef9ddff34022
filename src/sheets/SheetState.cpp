#include "sheets/SheetState.h"

QString CurrentView;
int16_t ZoomMode = 0;
FlexGrid *TargetGrid = nullptr;
