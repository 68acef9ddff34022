// The Update run's page jobs as the main window's members (collect/), and
// the weekly advice fetch, which starts the window's own socket fetch.
#include "shell/frmMain.h"

#include "collect/MarketListJobs.h"
#include "collect/StockPageJobs.h"
#include "core/AppFolder.h"
#include "platform/Winsock.h"

void frmMain::setWindowTitle(const QString &title) { QWidget::setWindowTitle(title); }

void frmMain::UpdateIT() { StockPageJobs::UpdateIT(*this); }
void frmMain::UpdateEE() { StockPageJobs::UpdateEE(*this); }
void frmMain::UpdateOptions() { StockPageJobs::UpdateOptions(*this); }
void frmMain::UpdateAnnual(const QString &kind, const QString &suffix)
{
    StockPageJobs::UpdateAnnual(*this, kind, suffix);
}
void frmMain::UpdateQR() { StockPageJobs::UpdateQR(*this); }
void frmMain::UpdateNews() { StockPageJobs::UpdateNews(*this); }

void frmMain::UpdateBigMovers(int16_t report, const QString &key, int16_t data, const QString &title)
{
    MarketListJobs::UpdateBigMovers(*this, report, key, data, title);
}
void frmMain::UpdateScreener(int16_t screen, const QString &key, int16_t exchange, const QString &title)
{
    MarketListJobs::UpdateScreener(*this, screen, key, exchange, title);
}
void frmMain::UpdateSurp() { MarketListJobs::UpdateSurp(*this); }
QString frmMain::UpdateWinners()
{
    MarketListJobs::UpdateWinners(*this);
    return QString();
}
void frmMain::UpdateLosers() { MarketListJobs::UpdateLosers(*this); }
void frmMain::UpdateUpDown() { MarketListJobs::UpdateUpDown(*this); }

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
