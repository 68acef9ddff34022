#pragma once
// Per-stock page downloaders of the Update run: one page per stock of the
// open set (or of the current stock alone) into the page cache. The main
// window's Update* members of the same names call these.
#include <QString>

class MainView;

namespace StockPageJobs {

void UpdateIT(MainView &m);
void UpdateEE(MainView &m);
void UpdateOptions(MainView &m);
// kind "ABS" or "AIS"; suffix ends the caption of each stock's fetch.
void UpdateAnnual(MainView &m, const QString &kind, const QString &suffix);
void UpdateQR(MainView &m);
// Each stock's quote page, its headlines cut into the stock's headline file.
void UpdateNews(MainView &m);

} // namespace StockPageJobs
