// Market list downloaders of the Update run and the weekly advice fetch.
#include "shell/frmMain.h"

#include "collect/SheetCache.h"
#include "collect/StockJobs.h"
#include "collect/UpdateJobs.h"
#include "core/AppFolder.h"
#include "core/Hosts.h"
#include "platform/Winsock.h"

using StockJobs::FetchMarketPage;

void frmMain::UpdateBigMovers(int16_t report, const QString &key, int16_t data, const QString &title)
{
    try {
        const QString date = UpdateJobs::MoversDate();
        const QString file = SheetCache::MarketList(key);
        if (AbortFlag == -1)
            return;
        setWindowTitle(BaseCaption + QStringLiteral("   Updating ") + title);
        DownloadURL(file,
                    Hosts::Url(QStringLiteral("ChartingSite"),
                               QStringLiteral("/reports/bigmovers.asp?date=") + date + QStringLiteral("&data=")
                                   + QString::number(data) + QStringLiteral("&start=0&report=") + QString::number(report)
                                   + QStringLiteral("&report_country_code=us")),
                    BaseCaption + QStringLiteral("    Updating ") + title);
    } catch (...) {
    }
}

void frmMain::UpdateScreener(int16_t screen, const QString &key, int16_t exchange, const QString &title)
{
    try {
        const QString file = SheetCache::MarketList(key);
        if (AbortFlag == -1)
            return;
        setWindowTitle(BaseCaption + QStringLiteral("   Updating ") + title);
        DownloadURL(file,
                    Hosts::Url(QStringLiteral("ChartingSite"), QStringLiteral("/markets/screener.asp?exchange=")
                                                                   + QString::number(exchange) + QStringLiteral("&screen=")
                                                                   + QString::number(screen)),
                    BaseCaption + QStringLiteral("    Updating ") + title);
    } catch (...) {
    }
}

void frmMain::UpdateSurp()
{
    FetchMarketPage(*this, "ResearchSurprisesSite", QStringLiteral("/cgi-bin/25_surp"), QStringLiteral("25_surp.Sh"),
                    QStringLiteral("    Updating Top 25 Daily Earnings Surprises"));
}

// The transfer control needs the scheme; the pages are the same.
QString frmMain::UpdateWinners()
{
    FetchMarketPage(*this, "BrokerSite", QStringLiteral("/dljd/mwwinners.htm"), QStringLiteral("mwwinners.Sh"),
                    QStringLiteral("    Updating Top Winners"));
    return QString();
}

void frmMain::UpdateLosers()
{
    FetchMarketPage(*this, "BrokerSite", QStringLiteral("/dljd/mwlosers.htm"), QStringLiteral("mwlosers.Sh"),
                    QStringLiteral("   Updating Lossers"), 2500);
}

void frmMain::UpdateUpDown()
{
    struct Page {
        const char *path, *file, *status;
    };
    static const Page pages[3] = {
        {"/c/u.html", "Upgrade.sh", "Getting Upgrades"},
        {"/c/d.html", "Downgrades.sh", "Getting Upgrades/Downgrades"},
        {"/c/i.html", "Coverage.sh", "Getting New Coverage"},
    };
    if (AbortFlag == -1)
        return;
    for (const Page &p : pages) {
        if (AbortFlag == -1)
            return;
        // A page that failed does not cost the pages after it.
        try {
            const QString file = SheetCache::DataSheet(QLatin1String(p.file));
            SocketFetch(QStringLiteral("BusinessNewsPortal"), QLatin1String(p.path), file, QLatin1String(p.status), 1000);
        } catch (...) {
        }
    }
}

void frmMain::UpdateAdvise()
{
    try {
        Winsock1->Close();
        SocketBusy = 0;
        WinsockWait();
        // Returns at once: the tip is written when the site closes the
        // connection, while the run goes on (the finish waits for it).
        StartSocketFetch(QStringLiteral("AdviceHost"), QStringLiteral("/zandor/tip.txt"), AppFolder + QStringLiteral("/Tip.Sh"),
                         QStringLiteral("Updating Tickerwatch Advice"));
    } catch (...) {
    }
}
