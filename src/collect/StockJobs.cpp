#include "collect/StockJobs.h"

#include "collect/SheetCache.h"
#include "core/Hosts.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/Dialogs.h"
#include "platform/Vb.h"
#include "platform/Winsock.h"
#include "shell/frmMain.h"

namespace StockJobs {

void ForEachStock(const frmMain &m, const std::function<bool(const QByteArray &)> &turn)
{
    if (m.SingleStockMode == -1) {
        turn(CurrentSymbol);
        return;
    }
    for (int i = 0; i < StockCount && i < Stock::StockSlots; ++i) {
        if (m.AbortFlag == -1)
            return;
        if (!turn(Stocks[size_t(i)].Symbol))
            return;
    }
}

void FetchSocketPages(frmMain &m, const SocketPage &p)
{
    try {
        m.Winsock1->Close();
        m.SocketBusy = 0;
        ForEachStock(m, [&m, &p](const QByteArray &symbol) {
            if (Stock::IsFreeSlot(symbol) || !SheetCache::UsableSymbol(symbol))
                return true;
            const QString file = SheetCache::DataSheet(QString::fromLatin1(symbol) + QLatin1String(p.suffix));
            m.SocketFetch(QLatin1String(p.site), p.path(symbol), file, p.status(symbol), p.minimum);
            return true;
        });
    } catch (const VbError &e) {
        if (p.tellFailure)
            Dialogs::MsgBox(e.description + u'\t' + QString::number(double(e.number)), Dialogs::vbOKOnly);
    } catch (...) {
        // a failing step ends the job
    }
}

bool FetchInetPage(frmMain &m, const char *site, const QString &path, const QString &file, const QString &status,
                   qint64 minimum)
{
    return m.DownloadURL(file, Hosts::Url(QLatin1String(site), path), status, minimum);
}

void FetchMarketPage(frmMain &m, const char *site, const QString &path, const QString &name, const QString &status,
                     qint64 minimum)
{
    try {
        if (m.AbortFlag == -1)
            return;
        const QString file = SheetCache::DataSheet(name);
        m.DownloadURL(file, Hosts::Url(QLatin1String(site), path), m.BaseCaption + status, minimum);
    } catch (...) {
    }
}

} // namespace StockJobs
