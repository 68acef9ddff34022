#pragma once
// What the page jobs of the Update run share: the walk over the stocks a
// per-stock job covers, one page per stock over the socket or the transfer
// control, and one whole-market page. Every job of the run is a row over
// these, so the stop test, the symbol check and the size rule live here.
#include <QByteArray>
#include <QString>
#include <functional>

class MainView;

namespace StockJobs {

// The stocks a per-stock job covers: CurrentSymbol alone in single-stock
// mode, else the open set in order, ending at a stop. turn answers false to
// end the job.
void ForEachStock(const MainView &m, const std::function<bool(const QByteArray &)> &turn);

// What a whole answer under a job's minimum is.
enum class ShortAnswer {
    KeepsOlderPage, // not a page: the older page stays as it was
    IsNoData,       // the site's "no data for this symbol" page: the older page goes too
};
// Whether a failure that ends a job is shown to the user first.
enum class Failure { Quiet, Told };

// One page per stock over the socket: a row of a socket job.
struct SocketPage {
    const char *site;
    QString (*path)(const QByteArray &symbol); // path and query, the symbol encoded with SheetCache::ForUrl
    const char *suffix;                        // cache file: the symbol as stored and this
    QString (*status)(const QByteArray &symbol);
    qint64 minimum;
    Failure failure = Failure::Quiet;
    ShortAnswer shortAnswer = ShortAnswer::KeepsOlderPage;
};
// Each stock's page in turn; a failing step ends the job, the run goes on.
void FetchSocketPages(MainView &m, const SocketPage &p);

// One page over the transfer control, kept only when it is a page of at
// least minimum bytes; true when it was stored. A stock whose page could not
// be fetched leaves the next ones to go on.
bool FetchInetPage(MainView &m, const char *site, const QString &path, const QString &file, const QString &status,
                   qint64 minimum, ShortAnswer shortAnswer = ShortAnswer::KeepsOlderPage);

// A whole-market page over the transfer control; nothing after a stop.
void FetchMarketPage(MainView &m, const char *site, const QString &path, const QString &name, const QString &status,
                     qint64 minimum = 0);

} // namespace StockJobs
