#pragma once
#include "platform/FlexGrid.h"

#include <QPointer>
#include <cstdint>

// -1 while a filler draws into the Zoom window's grid, else 0.
extern int16_t ZoomMode;
// The grid a filler draws into. Held weakly: a Zoom window closed after its
// fill leaves it empty rather than pointing at a deleted grid.
extern QPointer<FlexGrid> TargetGrid;
