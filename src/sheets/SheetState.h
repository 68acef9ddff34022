#pragma once
#include <QString>
#include <cstdint>

class FlexGrid;

// The view code of the grid on show ("Current", "ABS", "IT", "Port", ...).
extern QString CurrentView;
// -1 while a filler draws into the Zoom window's grid, else 0.
extern int16_t ZoomMode;
// The grid a filler draws into.
extern FlexGrid *TargetGrid;
