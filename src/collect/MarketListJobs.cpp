#include "collect/MarketListJobs.h"

#include "collect/SheetCache.h"
#include "collect/StockJobs.h"
#include "collect/UpdateJobs.h"
#include "core/Hosts.h"
#include "core/MainView.h"

namespace MarketListJobs {

using StockJobs::FetchMarketPage;

namespace {

// One list of the exchange grid into its cache file, the title naming it
// meanwhile; nothing after a stop.
void FetchList(MainView &m, const QString &key, const QString &title, const QString &address)
{
    const QString file = SheetCache::MarketList(key);
    if (m.AbortFlag == -1)
        return;
    m.setWindowTitle(m.BaseCaption + QStringLiteral("   Updating ") + title);
    m.DownloadURL(file, address, m.BaseCaption + QStringLiteral("    Updating ") + title);
}

} // namespace

void UpdateBigMovers(MainView &m, int16_t report, const QString &key, int16_t data, const QString &title)
{
    try {
        FetchList(m, key, title,
                  Hosts::Url(QStringLiteral("ChartingSite"),
                             QStringLiteral("/reports/bigmovers.asp?date=") + UpdateJobs::MoversDate()
                                 + QStringLiteral("&data=") + QString::number(data) + QStringLiteral("&start=0&report=")
                                 + QString::number(report) + QStringLiteral("&report_country_code=us")));
    } catch (...) {
    }
}

void UpdateScreener(MainView &m, int16_t screen, const QString &key, int16_t exchange, const QString &title)
{
    try {
        FetchList(m, key, title,
                  Hosts::Url(QStringLiteral("ChartingSite"), QStringLiteral("/markets/screener.asp?exchange=")
                                                                 + QString::number(exchange)
                                                                 + QStringLiteral("&screen=") + QString::number(screen)));
    } catch (...) {
    }
}

void UpdateSurp(MainView &m)
{
    FetchMarketPage(m, "ResearchSurprisesSite", QStringLiteral("/cgi-bin/25_surp"), QStringLiteral("25_surp.Sh"),
                    QStringLiteral("    Updating Top 25 Daily Earnings Surprises"));
}

// The transfer control needs the scheme; the pages are the same.
void UpdateWinners(MainView &m)
{
    FetchMarketPage(m, "BrokerSite", QStringLiteral("/dljd/mwwinners.htm"), QStringLiteral("mwwinners.Sh"),
                    QStringLiteral("    Updating Top Winners"));
}

void UpdateLosers(MainView &m)
{
    FetchMarketPage(m, "BrokerSite", QStringLiteral("/dljd/mwlosers.htm"), QStringLiteral("mwlosers.Sh"),
                    QStringLiteral("   Updating Lossers"), 2500);
}

void UpdateUpDown(MainView &m)
{
    struct Page {
        const char *path, *file, *status;
    };
    static const Page pages[3] = {
        {"/c/u.html", "Upgrade.sh", "Getting Upgrades"},
        {"/c/d.html", "Downgrades.sh", "Getting Upgrades/Downgrades"},
        {"/c/i.html", "Coverage.sh", "Getting New Coverage"},
    };
    if (m.AbortFlag == -1)
        return;
    for (const Page &p : pages) {
        if (m.AbortFlag == -1)
            return;
        // A page that failed does not cost the pages after it.
        try {
            const QString file = SheetCache::DataSheet(QLatin1String(p.file));
            m.SocketFetch(QStringLiteral("BusinessNewsPortal"), QLatin1String(p.path), file, QLatin1String(p.status),
                          1000);
        } catch (...) {
        }
    }
}

} // namespace MarketListJobs
