#pragma once
// Market list downloaders of the Update run: the movers and screener lists
// of the exchange grid and the whole-market pages. The main window's Update*
// members of the same names call these.
#include <QString>
#include <cstdint>

class MainView;

namespace MarketListJobs {

// One movers list (UpdateJobs::Movers) for the trading date.
void UpdateBigMovers(MainView &m, int16_t report, const QString &key, int16_t data, const QString &title);
// One screener list (UpdateJobs::Screener).
void UpdateScreener(MainView &m, int16_t screen, const QString &key, int16_t exchange, const QString &title);
void UpdateSurp(MainView &m);
void UpdateWinners(MainView &m);
void UpdateLosers(MainView &m);
// The upgrades, downgrades and new coverage pages over the socket.
void UpdateUpDown(MainView &m);

} // namespace MarketListJobs
