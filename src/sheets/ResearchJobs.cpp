// Per-stock downloaders of the research pages: splits, upgrades, downgrades,
// momentum rating and broker reports from the broker research site, short
// interest from the exchange site (all over the socket), and the company
// profile over the transfer control. Each is a row over the shared jobs.
#include "sheets/ResearchJobs.h"

#include "collect/SheetCache.h"
#include "collect/StockJobs.h"
#include "core/MainView.h"
#include "core/Misc.h"

using StockJobs::Failure;
using StockJobs::ShortAnswer;
using StockJobs::SocketPage;

namespace {

constexpr qint64 Minimum = 2500;

QString Updating(const QByteArray &symbol, const char *words)
{
    return QStringLiteral("Updating ") + QString::fromLatin1(symbol) + QLatin1String(words);
}

// The research site names the stock in lower case.
QString Lower(const char *path, const QByteArray &symbol)
{
    return QLatin1String(path) + SheetCache::ForUrl(symbol.toLower());
}

// One research page per stock. A whole answer under the minimum is the
// site's "no data for this symbol" page, so the stock's older page goes.
SocketPage Research(const char *site, QString (*path)(const QByteArray &), const char *suffix,
                    QString (*status)(const QByteArray &), Failure failure = Failure::Quiet)
{
    return {.site = site,
            .path = path,
            .suffix = suffix,
            .status = status,
            .minimum = Minimum,
            .failure = failure,
            .shortAnswer = ShortAnswer::IsNoData};
}

} // namespace

namespace ResearchJobs {

void UpdateSplit(MainView &main)
{
    StockJobs::FetchSocketPages(
        main, Research("BrokerReportSite",
                       [](const QByteArray &s) { return Lower("/splits/splits-single-company.asp?symbol=", s); },
                       "_sp.Sh", [](const QByteArray &s) { return Updating(s, " Splits History"); }));
}

void UpdateUPH(MainView &main)
{
    StockJobs::FetchSocketPages(
        main, Research("BrokerReportSite",
                       [](const QByteArray &s) { return Lower("/upgrades-single-company.asp?symbol=", s); },
                       "_uph.Sh", [](const QByteArray &s) { return Updating(s, " Upgrades History"); }));
}

void UpdateDNH(MainView &main)
{
    StockJobs::FetchSocketPages(
        main, Research("BrokerReportSite",
                       [](const QByteArray &s) { return Lower("/downgrades-single-company.asp?symbol=", s); },
                       "_dnh.Sh", [](const QByteArray &s) { return Updating(s, " Downgrades History"); }));
}

void UpdateNMR(MainView &main)
{
    StockJobs::FetchSocketPages(
        main, Research("BrokerReportSite",
                       [](const QByteArray &s) { return Lower("/momentum-rating-single-company.asp?symbol=", s); },
                       "_mr.Sh", [](const QByteArray &s) { return Updating(s, " Momentum Rating"); }));
}

void UpdateBRP(MainView &main)
{
    StockJobs::FetchSocketPages(
        main, Research("BrokerReportSite",
                       [](const QByteArray &s) { return Lower("/reports-single-company.asp?symbol=", s); },
                       "_brp.Sh", [](const QByteArray &s) { return Updating(s, " Broker Reports"); }));
}

void UpdateSI(MainView &main)
{
    StockJobs::FetchSocketPages(main, Research("ExchangeSite",
                                               [](const QByteArray &s) {
                                                   const QString sym = SheetCache::ForUrl(s.toUpper());
                                                   return QStringLiteral("/asp/quotes_full.asp?kind=shortint&symbol=")
                                                          + sym + QStringLiteral("%60&selected=") + sym
                                                          + QStringLiteral("%60");
                                               },
                                               "_SI.Sh",
                                               [](const QByteArray &s) { return Updating(s, " Short Interest "); },
                                               Failure::Told));
}

void UpdateProfile(MainView &main)
{
    try {
        StockJobs::ForEachStock(main, [&main](const QByteArray &symbol) {
            if (!SheetCache::UsableSymbol(symbol))
                return true;
            StockJobs::FetchInetPage(main, "ProfileSite",
                                    QStringLiteral("/cgi-bin/brand_newsalert_mlist.cgi?symbol=")
                                        + SheetCache::ForUrl(symbol.toUpper()),
                                    SheetCache::DataSheet(QString::fromLatin1(symbol) + QStringLiteral("_P.Sh")),
                                    main.BaseCaption + QStringLiteral("    ") + Updating(symbol, " Profile"), Minimum,
                                    ShortAnswer::IsNoData);
            Misc::DoEvents();
            return true;
        });
    } catch (...) {
        // a failing step ends the job
    }
}

} // namespace ResearchJobs
