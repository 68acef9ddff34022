#pragma once
#include <QString>
#include <QStringList>

// The per-user data folder: sets, portfolio, cache, reports and the error log
// live below it. Set once at start-up (tests: one per case).
extern QString AppFolder;

namespace AppPaths {
// $XDG_DATA_HOME/Zandor/Tickerwatch
QString DefaultAppFolder();

// The page cache under AppFolder: the folders start-up makes, parents before
// their children, and the three the Options window can empty.
QStringList CacheFolders();
QString DataSheetFolder(); // AppFolder + "/Cache/DataSheet"
QString NewsFolder();      // AppFolder + "/Cache/News"
QString ReportsFolder();   // AppFolder + "/Cache/Reports"

// Removes what an interrupted save of the program's own files left behind:
// the named temporary of a whole-file save ("Set3.dat.aB3xYz", the settings
// store's "Tickerwatch.reg.Qw12Er"), a cache page written beside its old
// copy (".part") and a headline file being cut (".txt.new"). Anything else
// in those folders, the user's own files included, stays. Run once the
// program holds its single-instance lock, so no save is under way.
void RemoveLeftovers(const QString &settingsFile);
} // namespace AppPaths
