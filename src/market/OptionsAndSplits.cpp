// Two market sheets that always draw into the main grid: the option market
// summary (three top-ten tables of one page) and the five splits calendars
// (one page each, fetched over the socket).
#include "market/MarketFrame.h"
#include "market/MarketReaders.h"

#include "collect/SheetCache.h"
#include "collect/StockJobs.h"
#include "core/LinkColumns.h"
#include "core/MainView.h"
#include "core/Misc.h"

using namespace SheetFrame;

namespace MarketReaders {

void ReadOptionSummary(int mode, QByteArray &page, SheetTable &t)
{
    struct Table {
        const char *marker, *title, *header;
    };
    static const Table tables[3] = {
        {"Leaders", "Top 10 Option Volume Leaders", "Pct Change"},
        {"Gainers", "Top 10 Option Percentage Gainers", "Pct Gain"},
        {"Losers", "Top 10 Option Percentage Losers", "Pct Loss"},
    };
    if (mode < 0 || mode > 2)
        Need(-1);
    const Table &table = tables[mode];
    Misc::FixTags(page, true, true, true, true);
    const QByteArray block = CutBetween(page, table.marker, "</table>");

    t.SetUp(1, 5);
    ForEachRow(block, [&](QByteArrayView row) { t.AddItem(RowLine(row)); });

    t.alignments = {1, 7, 7, 7, 7};
    for (int c = 0; c < 5; ++c)
        t.Look(0, c).alignment = 4;
    for (int c : {2, 3})
        ChangeColors(t, 2, c);
    t.topRow = 1;
    t.SetText(1, 0, table.title);
    t.Look(1, 0).bold = true;
    t.SetRowHeight(0, 1);
    t.SetRowHeight(1, 2);
    t.widths = {24, 18, 18, 18, 18};
    t.headers = {"Symbol", "Last", "Change", table.header, "Volume"};
}

const SplitsList *FindSplitsList(int mode)
{
    static const SplitsList lists[5] = {
        {"FMS_Today.Sh", "Amount", "Today's Splits", "/splits/splits-today.asp", "Updating Today's Splits"},
        {"FMS_Week.Sh", "Pay-date", "This Week Splits", "/splits/splits-thisweek.asp", "Updating This Week Splits"},
        {"FMS_Next.Sh", "Pay-date", "Next Week's Splits", "/splits/splits-nextweek.asp", "Updating Next Week's Splits"},
        {"FMS_Rec.Sh", "Pay-date", "Recently Announced Splits", "/splits/splits-recent.asp",
         "Updating Recently Announced Splits"},
        {"FMS_Tech.Sh", "Tech Stocks with The Most Splits", "Top Tech Splits", "/mostsplits.asp", "Updating Top Tech Splits"},
    };
    return mode >= 0 && mode < 5 ? &lists[mode] : nullptr;
}

void ReadSplits(int mode, QByteArray &page, SheetTable &t)
{
    const SplitsList *list = FindSplitsList(mode);
    if (!list)
        Need(-1);
    Misc::FixTags(page, true, true, true, true);
    // Figures lose their separators, link cells their words.
    DropLinkWords(page);
    page.replace("\t", "");
    const QByteArray block = CutBetween(page, list->marker, "</table>");

    t.SetUp(2, 7);
    ForEachRow(block, [&](QByteArrayView row) { t.AddItem(RowLine(row, true)); });

    for (int c = 0; c < 7; ++c)
        t.Look(0, c).alignment = 3;
    t.SetText(1, 1, list->title);
    t.Look(1, 1).bold = true;
    t.Look(1, 1).backColor = White;
    t.SetRowHeight(0, 1);
    t.SetRowHeight(1, 2);
    t.SetText(1, 0, "");
    CellLook &first = t.Look(1, 0);
    first = CellLook{};
    first.alignment = 0;
    first.foreColor = Black;
    first.backColor = White;

    if (mode <= 2) {
        t.headers = {"Ticker", "Company", "Amount", "Ex-Date", "Pay Date"};
        t.alignments = {1, 1, 4, 4, 4};
        t.widths = {15, 36, 15, 15, 15, 0, 0};
    } else if (mode == 3) {
        t.headers = {"Symbol", "Company Name", "Amount", "Announce Date", "Ex Date", "Pay Date"};
        t.alignments = {1, 1, 4, 4};
        t.widths = {15, 36, 15, 15, 15, 0, 0};
        t.SetText(1, 1, "");
        t.Look(1, 1) = CellLook{};
        t.SetText(1, 0, list->title);
        t.Look(1, 0).bold = true;
        t.Look(1, 0).backColor = White;
    } else {
        t.headers = {"Ticker", "Company", "Amount"};
        t.alignments = {1, 4, 4};
        t.widths = {38, 29, 29, 0, 0, 0, 0};
    }
    const LinkColumns::View &links = LinkColumns::Of(SplitsView(mode));
    for (int r = 2; r < t.Rows(); ++r)
        LinkLooks(t, r, links);
    t.topRow = 1;
}

QString SplitsView(int mode) { return QStringLiteral("FMS") + QString::number(mode); }

void FG_OptSum(MainView &main, int16_t mode)
{
    Fill(main, {QStringLiteral("OptSum"), SheetCache::DataSheet(QStringLiteral("OptSum.Sh")),
                [mode](QByteArray &page, const QByteArray &, SheetTable &t) { MarketReaders::ReadOptionSummary(mode, page, t); },
                MarketFrame::Messages("Tickerwatch do not have Options market informain.", std::nullopt),
                Source::Page, Zooming::MainGrid});
}

void Update_OptSum(MainView &main)
{
    // No minimum: whatever the host answers stays.
    StockJobs::FetchMarketPage(main, "MarketDataSite",
                               QStringLiteral("/cgi-bin/htx.exe/dbcfiles/optiont.html?SOURCE=blq/ASK"),
                               QStringLiteral("OptSum.Sh"), QStringLiteral("    Updating Options Market Summary"));
}

void FG_SplitsCalendar(MainView &main, int16_t mode)
{
    const MarketReaders::SplitsList *list = MarketReaders::FindSplitsList(mode);
    Fill(main, {MarketReaders::SplitsView(mode),
                list ? SheetCache::DataSheet(QLatin1String(list->file)) : QString(),
                [mode](QByteArray &page, const QByteArray &, SheetTable &t) { MarketReaders::ReadSplits(mode, page, t); },
                MarketFrame::Messages("Data is not available, connect to Internet, and update again .", std::nullopt),
                Source::Page, Zooming::MainGrid});
}

void UpdateSplitsCalendar(MainView &main, int16_t mode)
{
    const MarketReaders::SplitsList *list = MarketReaders::FindSplitsList(mode);
    if (!list || main.AbortFlag == -1)
        return;
    // The top tech splits come from a host of their own. The socket is
    // waited for, never closed under an earlier transfer.
    try {
        main.SocketFetch(QLatin1String(mode == 4 ? "TechSplitsSite" : "BrokerReportSite"), QLatin1String(list->page),
                    SheetCache::DataSheet(QLatin1String(list->file)), QLatin1String(list->progress), 2500);
    } catch (...) {
    }
}

} // namespace MarketReaders
