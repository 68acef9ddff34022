#include "collect/StockJobs.h"

#include "collect/SheetCache.h"
#include "core/Hosts.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/Dialogs.h"
#include "platform/Vb.h"
#include "platform/Winsock.h"
#include "core/MainView.h"

#include <QFile>
#include <QFileInfo>

namespace StockJobs {

namespace {

// After a fetch that took any whole answer: one under the minimum is the
// site's "no data" page, and the stock then has no page at all. True when a
// page stays.
bool KeepWhole(bool stored, const QString &file, qint64 minimum)
{
    if (stored && QFileInfo(file).size() < minimum) {
        QFile::remove(file);
        return false;
    }
    return stored;
}

} // namespace

void ForEachStock(const MainView &m, const std::function<bool(const QByteArray &)> &turn)
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

void FetchSocketPages(MainView &m, const SocketPage &p)
{
    try {
        m.Winsock1->Close();
        m.SocketBusy = 0;
        ForEachStock(m, [&m, &p](const QByteArray &symbol) {
            if (!SheetCache::UsableSymbol(symbol))
                return true;
            const QString file = SheetCache::DataSheet(QString::fromLatin1(symbol) + QLatin1String(p.suffix));
            if (p.shortAnswer == ShortAnswer::IsNoData)
                KeepWhole(m.SocketFetch(QLatin1String(p.site), p.path(symbol), file, p.status(symbol), 0), file, p.minimum);
            else
                m.SocketFetch(QLatin1String(p.site), p.path(symbol), file, p.status(symbol), p.minimum);
            return true;
        });
    } catch (const VbError &e) {
        if (p.failure == Failure::Told)
            Dialogs::MsgBox(e.description + u'\t' + QString::number(double(e.number)), Dialogs::vbOKOnly);
    } catch (...) {
        // a failing step ends the job
    }
}

bool FetchInetPage(MainView &m, const char *site, const QString &path, const QString &file, const QString &status,
                   qint64 minimum, ShortAnswer shortAnswer)
{
    const QString url = Hosts::Url(QLatin1String(site), path);
    if (shortAnswer == ShortAnswer::IsNoData)
        return KeepWhole(m.DownloadURL(file, url, status, 0), file, minimum);
    return m.DownloadURL(file, url, status, minimum);
}

void FetchMarketPage(MainView &m, const char *site, const QString &path, const QString &name, const QString &status,
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
