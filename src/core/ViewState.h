#pragma once
// What the main window shows and how: the view and the stock on show, the
// display choices the grids read and the update interval. Program-wide, so
// the records, the sheets and the windows all read the one copy.
#include "core/RegVariant.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

// The view code of the grid on show ("Current", "ABS", "IT", "Port", ...).
extern QString CurrentView;
// The ticker symbol of the stock on show, set by a click on a stock in the
// tree or the symbol bar.
extern QByteArray CurrentSymbol;
// "Fractions" and "Volume" as read, not converted: missing stays empty, which
// readers take as 0.
extern RegVariant FractionsMode;
extern RegVariant VolumeMode;
// Minutes between automatic updates; 0 = manual.
extern int16_t AutoUpdateMinutes;
