#include "collect/StockPageJobs.h"

#include "collect/Headlines.h"
#include "collect/SheetCache.h"
#include "collect/StockJobs.h"
#include "core/Hosts.h"
#include "core/MainView.h"
#include "core/Misc.h"
#include "core/Stock.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>

namespace StockPageJobs {

using StockJobs::FetchInetPage;
using StockJobs::FetchSocketPages;
using StockJobs::ForEachStock;

namespace {

QString Sym(const QByteArray &symbol) { return QString::fromLatin1(symbol); }
// {l}: the symbol's first letter in lower case.
QString Initial(const QByteArray &symbol) { return SheetCache::ForUrl(symbol.left(1).toLower()); }

} // namespace

void UpdateIT(MainView &m)
{
    FetchSocketPages(m, {.site = "BusinessNewsPortal",
                         .path = [](const QByteArray &s) {
                             return QStringLiteral("/t/") + Initial(s) + u'/' + SheetCache::ForUrl(s)
                                    + QStringLiteral(".html");
                         },
                         .suffix = "_it.Sh",
                         .status = [](const QByteArray &s) {
                             return QStringLiteral("Updating ") + Sym(s) + QStringLiteral(" Insider Trades");
                         },
                         .minimum = 2500});
}

void UpdateEE(MainView &m)
{
    FetchSocketPages(m, {.site = "BusinessNewsPortal",
                         .path = [](const QByteArray &s) {
                             return QStringLiteral("/z/a/") + Initial(s) + u'/' + SheetCache::ForUrl(s)
                                    + QStringLiteral(".html");
                         },
                         .suffix = "_ee.Sh",
                         .status = [](const QByteArray &s) {
                             return QStringLiteral("Updating ") + Sym(s)
                                    + QStringLiteral(" Earnings Estimates & Recommendations");
                         },
                         .minimum = 2500});
}

void UpdateOptions(MainView &m)
{
    FetchSocketPages(m, {.site = "OptionsExchangeSite",
                         .path = [](const QByteArray &s) {
                             return QStringLiteral("/QuoteTable.dat?TICKER=") + SheetCache::ForUrl(s.toUpper());
                         },
                         .suffix = "_op.Sh",
                         .status = [](const QByteArray &s) {
                             return QStringLiteral("Getting ") + Sym(s) + QStringLiteral(" Call/Put Options");
                         },
                         .minimum = 1000});
}

void UpdateAnnual(MainView &m, const QString &kind, const QString &suffix)
{
    try {
        const QString type = kind == QLatin1String("ABS") ? QStringLiteral("8") : QStringLiteral("10");
        ForEachStock(m, [&](const QByteArray &symbol) {
            if (!SheetCache::UsableSymbol(symbol))
                return true;
            const QString status = m.BaseCaption + QStringLiteral("    Getting ") + Sym(symbol) + suffix;
            m.setWindowTitle(status);
            if (m.AbortFlag == -1) {
                m.setWindowTitle(m.BaseCaption);
                return false;
            }
            FetchInetPage(m, "ResearchSite",
                          QStringLiteral("/cgi-bin/AW/ZREPORT/DoInquiry?ticker=") + SheetCache::ForUrl(symbol)
                              + QStringLiteral("&type=") + type,
                          SheetCache::DataSheet(Sym(symbol) + u'_' + kind + QStringLiteral(".Sh")), status, 1000);
            return true;
        });
        if (m.SingleStockMode != -1 || m.AbortFlag == -1)
            m.setWindowTitle(m.BaseCaption);
    } catch (...) {
        m.setWindowTitle(m.BaseCaption);
    }
}

void UpdateQR(MainView &m)
{
    try {
        ForEachStock(m, [&m](const QByteArray &symbol) {
            if (!SheetCache::UsableSymbol(symbol))
                return true;
            const QString file = SheetCache::DataSheet(Sym(symbol) + QStringLiteral("_qr.Sh"));
            m.DownloadURL(file,
                          Hosts::Url(QStringLiteral("FilingsSite"),
                                     QStringLiteral("/brand/yahoo/search/?sym=") + SheetCache::ForUrl(symbol)),
                          m.BaseCaption + QStringLiteral("    Getting ") + Sym(symbol)
                              + QStringLiteral(" Quarterly Report. "),
                          1000);
            Misc::DoEvents();
            return true;
        });
    } catch (...) {
    }
}

void UpdateNews(MainView &m)
{
    try {
        ForEachStock(m, [&m](const QByteArray &symbol) {
            if (!SheetCache::UsableSymbol(symbol))
                return true;
            // The fetched page is read only when this fetch stored it, and
            // the stock's headlines are replaced only by a page that gave
            // headlines: a failed fetch keeps the older ones.
            const QString page = SheetCache::News(QStringLiteral("Temp.htm"));
            QFile::remove(page);
            const bool fetched = m.DownloadURL(
                page, Hosts::Url(QStringLiteral("QuotePortal"), QStringLiteral("/q?s=") + SheetCache::ForUrl(symbol)),
                m.BaseCaption + QStringLiteral("    Getting ") + Sym(symbol) + QStringLiteral(" Latest News..."));
            if (fetched) {
                const QString headlines = SheetCache::News(Sym(symbol) + QStringLiteral(".txt"));
                const QString fresh = SheetCache::News(Sym(symbol) + QStringLiteral(".txt.new"));
                QFile::remove(fresh); // the cutter appends
                Headlines::AppendFromPage(page, fresh);
                if (QFileInfo::exists(fresh)) {
                    std::error_code ec;
                    std::filesystem::rename(fresh.toStdString(), headlines.toStdString(), ec);
                    if (ec)
                        QFile::remove(fresh);
                }
            }
            Misc::DoEvents();
            return true;
        });
        if (m.SingleStockMode != -1)
            m.setWindowTitle(m.BaseCaption);
    } catch (...) {
        m.setWindowTitle(m.BaseCaption);
    }
}

} // namespace StockPageJobs
