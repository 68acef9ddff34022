#include "sheets/SheetState.h"

QString CurrentView;
int16_t ZoomMode = 0;
QPointer<FlexGrid> TargetGrid;
