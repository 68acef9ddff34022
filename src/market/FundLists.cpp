// The 22 fund lists: seven of the largest funds by kind and fifteen fund
// families, one page each of the fund data host, keyed by the list's key
// (view code and cache file name alike).
#include "market/MarketFrame.h"
#include "market/MarketReaders.h"

#include "collect/SheetCache.h"
#include "collect/StockJobs.h"
#include "core/LinkColumns.h"
#include "core/MainView.h"
#include "core/Misc.h"

using namespace SheetFrame;

namespace MarketReaders {

const std::array<FundList, 22> &FundLists()
{
    static const std::array<FundList, 22> lists{{
        {"F_Conv", "Largest Convertible Bond Funds", "convbndt.html", "Date"},
        {"F_Growth", "Largest Growth Funds", "agggrot.html", "Date"},
        {"F_Equity", "Largest Equity Funds", "mut10t.html", "Date"},
        {"F_Yield", "Largest High-Yield Bond Funds", "hiyldt.html", "Date"},
        {"F_LMM", "Largest Money Market Funds", "mon11t.html", "Last"},
        {"F_Inter", "Largest International Funds", "intert.html", "Date"},
        {"F_Precious", "Largest Precious Metals Funds", "premetlt.html", "Date"},
        {"F_Smith", "Smith Barney Mutual and Money Market Funds", "sbmmt.html", "Date"},
        {"F_AIM", "AIM Mutual and Money Market Funds", "aimmmt.html", "Date"},
        {"F_Benham", "Benham Mutual and Money Market Funds", "benmmt.html", "Date"},
        {"F_Dean", "Dean Witter Mutual and Money Market Funds", "dwmmt.html", "Date"},
        {"F_Franklin", "Franklin/Templeton Mutual and Money Market Funds", "frtmmt.html", "Date"},
        {"F_Fidelity", "Fidelity Mutual and Money Market Funds", "fidmmt.html", "Date"},
        {"F_Merrill", "Merrill Lynch Mutual and Money Market Funds", "mlmmt.html", "Date"},
        {"F_Janus", "Janus Mutual and Money Funds", "janmmt.html", "Date"},
        {"F_Putnam", "Putnam Mutual and Money Market Funds", "putmmt.html", "Date"},
        {"F_Scudder", "Scudder Mutual and Money Market Funds", "scdmmt.html", "Date"},
        {"F_Stagecoach", "Stagecoach Mutual and Money Market Funds", "Ssgcmmt.htmls", "Date"},
        {"F_Strong", "Strong Mutual and Money Market Funds", "strmmt.html", "Date"},
        {"F_T", "T. Rowe Price Mutual and Money Market Funds", "trpmmt.html", "Date"},
        {"F_Twentieth", "Twentieth Century Mutual and Money Market Funds", "twcmmt.html", "Date"},
        {"F_Vanguard", "Vanguard Mutual and Money Market Funds", "vanmmt.html", "Date"},
    }};
    return lists;
}

const FundList *FindFundList(const QString &key)
{
    for (const FundList &l : FundLists())
        if (key == QLatin1String(l.key))
            return &l;
    return nullptr;
}

void ReadFunds(const FundList &list, QByteArray &page, SheetTable &t)
{
    Misc::FixTags(page, true, true, true, true);
    page.replace("&nbsp;", "");
    const QByteArray block = CutBetween(page, list.marker, "</table>");

    t.SetUp(2, 5);
    ForEachRow(block, [&](QByteArrayView row) { t.AddItem(RowLine(row)); });

    t.alignments = {1, 1, 7, 7, 4};
    for (int c = 0; c < 5; ++c)
        t.Look(0, c).alignment = 4;
    const LinkColumns::View &links = LinkColumns::Of(QString::fromLatin1(list.key));
    for (int r = 2; r < t.Rows(); ++r)
        LinkLooks(t, r, links);
    ChangeColors(t, 2, 3);
    t.SetRowHeight(1, 2);
    t.SetText(1, 1, list.title);
    t.Look(1, 1).bold = true;
    t.topRow = 1;
    t.widths = {12, 48, 12, 12, 12};
    t.headers = {"Symbol", "Company Name", "Last", "Change", "Date"};
}

void FG_Funds(MainView &main, const QString &key)
{
    const MarketReaders::FundList *list = MarketReaders::FindFundList(key);
    const QByteArray title = list ? QByteArray(list->title) : QByteArray();
    Fill(main, {key, list ? SheetCache::DataSheet(key + QStringLiteral(".Sh")) : QString(),
                [list](QByteArray &page, const QByteArray &, SheetTable &t) {
                    MarketReaders::ReadFunds(*list, page, t);
                },
                MarketFrame::Messages("Tickerwatch do not have " + title + " informain.", std::nullopt)});
}

void UpdateFunds(MainView &main, const QString &key)
{
    const MarketReaders::FundList *list = MarketReaders::FindFundList(key);
    if (!list)
        return;
    // No minimum: whatever the host answers stays.
    StockJobs::FetchMarketPage(main, "MarketDataSite",
                               QStringLiteral("/cgi-bin/htx.exe/dbcfiles/") + QLatin1String(list->page)
                                  + QStringLiteral("?SOURCE=blq/ASK"),
                               key + QStringLiteral(".Sh"), QStringLiteral("    Updating ") + QLatin1String(list->title));
}

} // namespace MarketReaders
