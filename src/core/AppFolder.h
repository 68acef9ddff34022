#pragma once
#include <QString>

// The per-user data folder: sets, portfolio, cache, reports and the error log
// live below it. Set once at start-up (tests: one per case).
extern QString AppFolder;

namespace AppPaths {
// $XDG_DATA_HOME/Zandor/Tickerwatch
QString DefaultAppFolder();
} // namespace AppPaths
