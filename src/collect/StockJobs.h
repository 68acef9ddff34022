#pragma once
// What the page jobs of the Update run share: the walk over the stocks a
// per-stock job covers, one page per stock over the socket or the transfer
// control, and one whole-market page. Every job of the run is a row over
// these, so the stop test, the symbol check and the size rule live here.
#include <QByteArray>
#include <QString>
#include <functional>

class frmMain;

namespace StockJobs {

// The stocks a per-stock job covers: CurrentSymbol alone in single-stock
// mode, else the open set in order, ending at a stop. turn answers false to
// end the job.
void ForEachStock(const frmMain &m, const std::function<bool(const QByteArray &)> &turn);

// One page per stock over the socket: a row of a socket job.
struct SocketPage {
    const char *site;
    QString (*path)(const QByteArray &symbol); // path and query, the symbol encoded with SheetCache::ForUrl
    const char *suffix;                        // cache file: the symbol as stored and this
    QString (*status)(const QByteArray &symbol);
    qint64 minimum;
    bool tellFailure = false; // a failure of the job is shown before it ends
    // A whole answer under minimum is the site's "no data for this symbol"
    // page: the older page goes too. Else such an answer keeps the older page.
    bool shortIsNoData = false;
};
// Each stock's page in turn; a failing step ends the job, the run goes on.
void FetchSocketPages(frmMain &m, const SocketPage &p);

// One page over the transfer control, kept only when it is a page of at
// least minimum bytes; true when it was stored. A stock whose page could not
// be fetched leaves the next ones to go on. shortIsNoData as for SocketPage.
bool FetchInetPage(frmMain &m, const char *site, const QString &path, const QString &file, const QString &status,
                   qint64 minimum, bool shortIsNoData = false);

// A whole-market page over the transfer control; nothing after a stop.
void FetchMarketPage(frmMain &m, const char *site, const QString &path, const QString &name, const QString &status,
                     qint64 minimum = 0);

} // namespace StockJobs
