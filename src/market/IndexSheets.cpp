// The index tables: the US indices, drawn from US.dat (which the US market
// page fills after each fetch), and the world markets page in four regional
// sections. Both scroll to a section title from the tree.
#include "market/MarketFrame.h"
#include "market/MarketReaders.h"

#include "collect/SheetCache.h"
#include "collect/StockJobs.h"
#include "core/CellText.h"
#include "core/Hosts.h"
#include "core/LinkColumns.h"
#include "core/MainView.h"
#include "core/Misc.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/FlexGrid.h"
#include "sheets/SheetState.h"
#include "sheets/Utilities.h"

#include <QFileInfo>

using namespace SheetFrame;

namespace MarketReaders {

namespace {
constexpr uint32_t PaleYellow = 0xE8FFFF;
} // namespace

const std::array<IndexRow, 44> &USIndexRows()
{
    static const std::array<IndexRow, 44> rows{{
        {"Dow Jones Averages", nullptr},
        {"30 Industrials", "^DJI"},
        {"20 Transportation", "^DJT"},
        {"15 Utilities", "^DJU"},
        {"65 Composite", "^DJA"},
        {"New York Stock Exchange", nullptr},
        {"Volume in 000's", "^TV.N"},
        {"Composite", "^NYA"},
        {"Tick", "^TIC.N"},
        {"ARMS", "^STI.N"},
        {"Nasdaq", nullptr},
        {"Composite", "^IXIC"},
        {"Volume in 000's", "^TV.O"},
        {"National Market Composite", "^IXQ"},
        {"Nasdaq 100", "^NDX"},
        {"Standard and Poor's", nullptr},
        {"500 Index", "^SPC"},
        {"100 Index", "^OEX"},
        {"400 MidCap", "^MID"},
        {"600 SmallCap", "^SML"},
        {"Other U.S. Indices", nullptr},
        {"AMEX Composite", "^XAX"},
        {"AMEX Internet", "^IIX"},
        {"AMEX Networking", "^NWX"},
        {"Indi 500", "^NDI"},
        {"Major Market", "^XMI"},
        {"Pacific Exchange Technology", "^PSE"},
        {"Philadelphia Semiconductor", "^SOXX"},
        {"Russell 1000", "^RUI"},
        {"Russell 2000", "^RUT"},
        {"Russell 3000", "^RUA"},
        {"TSC Internet", "^DOT"},
        {"Value Line", "^VLIC"},
        {"Wilshire 5000", "^WIL5"},
        {"Treasury Securities (yield x10)", nullptr},
        {"30-Year Bond", "^TYX"},
        {"10-Year Note", "^TNX"},
        {"5-Year Note", "^FVX"},
        {"13-Week Bill", "^IRX"},
        {"Commodities", nullptr},
        {"Dow Jones Spot", "^DJS"},
        {"Dow Jones Futures", "^DJC"},
        {"Goldman Sachs Commodity", "^GNX"},
        {"Philadelphia Gold & Silver", "^XAU"},
    }};
    return rows;
}

void ReadUSMarket(const std::array<MarketIndexRecord, Stock::USMarketSlots> &records, SheetTable &t)
{
    t.SetUp(2, 9);
    t.gridLines = 0;
    t.backColor = PaleYellow;
    t.headers = {"", "Name", "Symbol", "Time", "Last Trade", "Change", "% Change", "More Information"};
    size_t k = 0;
    for (const IndexRow &row : USIndexRows()) {
        if (!row.symbol) {
            t.AddItem(QByteArray("\t") + row.label);
            continue;
        }
        const MarketIndexRecord &rec = records[k++];
        const QString quote =
            Hosts::Url(QStringLiteral("QuotePortal"), QStringLiteral("/q?s=") + QLatin1String(row.symbol) + QStringLiteral("&d=t"));
        t.AddItem(QByteArray("\t") + row.label + '\t' + row.symbol + '\t' + rec.TradeTime + '\t' + rec.LastTrade + '\t'
                  + rec.Change + '\t' + rec.PercentChange + '\t' + rec.MoreInfo + '\t' + quote.toLatin1());
    }
    t.SetRowHeight(1, 0);
    t.alignments = {0, 0, 4, 4, 7, 7, 7, 7};
    ChangePictures(t, 2, 5);
    const LinkColumns::View &links = LinkColumns::Of(u"US");
    for (int r = 2; r < t.Rows(); ++r) {
        if (!USIndexRows()[size_t(r - 2)].symbol) {
            CellLook &title = t.Look(r, 1);
            title.bold = true;
            title.alignment = 1;
            t.SetRowHeight(r, 2);
            for (int c = 0; c <= 7; ++c)
                t.Look(r, c).backColor = White;
        }
        LinkLooks(t, r, links);
    }
    t.SetRowHeight(0, 1);
    t.widths = {4, 30, 9, 10, 12, 10, 12, 20, 0};
}

namespace {

// The cleaned texts of a page row's "<TD" .. "</TD>" cells.
QList<QByteArray> IndexCells(QByteArrayView row)
{
    QList<QByteArray> cells;
    for (qsizetype from = 0;;) {
        const qsizetype start = row.indexOf("<TD", from);
        const qsizetype end = start < 0 ? -1 : row.indexOf("</TD>", start);
        if (end < 0)
            return cells;
        QByteArray text = row.sliced(start, end - start).toByteArray();
        cells.append(Misc::CleanHTML(text, false, false, false));
        from = end;
    }
}

} // namespace

int ParseUS(const QByteArray &cached, std::array<MarketIndexRecord, Stock::USMarketSlots> &records)
{
    QByteArray page = cached;
    page.replace("\r", "");
    page.replace("\n", "");
    // Page rows, each from one "<TR" to the next.
    QList<QList<QByteArray>> rows;
    for (qsizetype at = 0; at < page.size();) {
        qsizetype next = page.indexOf("<TR", at + 1);
        if (next < 0)
            next = page.size();
        rows.append(IndexCells(QByteArrayView(page).sliced(at, next - at)));
        at = next;
    }
    // Two groups share the labels "Composite" and "Volume in 000's": a
    // record takes its figures only from the row that holds its label and,
    // in the next cell, its own symbol.
    int found = 0;
    size_t k = 0;
    for (const IndexRow &index : USIndexRows()) {
        if (!index.symbol)
            continue;
        MarketIndexRecord &rec = records[k++];
        for (const QList<QByteArray> &cells : std::as_const(rows)) {
            qsizetype i = 0;
            while (i + 5 < cells.size()
                   && !(CellText::TrimNoBreak(cells[i]) == index.label && CellText::TrimNoBreak(cells[i + 1]) == index.symbol))
                ++i;
            if (i + 5 >= cells.size())
                continue;
            rec.TradeTime = cells[i + 2];
            rec.LastTrade = cells[i + 3];
            rec.Change = cells[i + 4];
            rec.PercentChange = cells[i + 5];
            ++found;
            break;
        }
    }
    return found;
}

void ReadWorldMarkets(QByteArray &page, SheetTable &t)
{
    Misc::FixTags(page, true, true, true, true);
    page.replace('\t', ' ');

    struct Section {
        const char *marker, *title;
    };
    static const Section sections[4] = {
        {"Americas", "Americas"}, {"Asia", "Asia/Pacific"}, {"Europe", "Europe"}, {"Africa", "Africa/Middle East"}};
    qsizetype starts[5];
    starts[0] = Need(page.indexOf(sections[0].marker));
    for (int s = 1; s < 4; ++s)
        starts[s] = Need(page.indexOf(sections[s].marker, starts[s - 1]));
    starts[4] = Need(page.indexOf("</table>", starts[3]));

    t.SetUp(3, 12);
    t.gridLines = 0;
    t.backColor = PaleYellow;
    t.SetRowHeight(0, 1);
    const auto title = [&t](int row, const char *text) {
        t.SetText(row, 1, text);
        t.Look(row, 1).bold = true;
        for (int c = 0; c < 12; ++c)
            t.Look(row, c).backColor = White;
        t.SetRowHeight(row, 2);
    };
    int r = 2;
    title(1, sections[0].title);
    for (int s = 0; s < 4; ++s) {
        if (s > 0)
            title(r - 1, sections[s].title);
        const QByteArrayView section = QByteArrayView(page).sliced(starts[s], starts[s + 1] - starts[s]);
        ForEachBetween(section, "<tr", "</tr>", [&](QByteArrayView pageRow) {
            int c = 1;
            ForEachCell(SplitLastCell(pageRow, ","), [&](QByteArray cell) { t.PlaceCell(r, c++, CellText::Of(cell)); });
            ++r;
            t.AddRow();
        }, LeftOpen::EndsWalk);
    }

    for (int c = 0; c <= 8; ++c)
        t.Look(0, c).alignment = 4;
    ChangePictures(t, 2, 6);
    const LinkColumns::View &links = LinkColumns::Of(u"WM");
    for (int row = 2; row < t.Rows(); ++row)
        LinkLooks(t, row, links);
    t.topRow = 1;
    t.SetRowHeight(2, 1);
    t.SetRowHeight(t.Rows() - 1, 0);
    t.SetRowHeight(t.Rows() - 2, 0);
    t.alignments = {4, 1, 1, 1, 4, 7, 7, 7};
    t.widths = {4, 20, 10, 10, 9, 12, 12, 12, 10};
    t.headers = {"", "Name", "", "Symbol", "Date", "Last Trade", "Change", "% Change", "More Info"};
}

void FG_USMarket(MainView &main)
{
    // Without the file the view on show stays what it was.
    if (!QFileInfo(Stock::USFile()).isFile()) {
        SheetFrame::ShowGridMessage(main, QStringLiteral("Tickerwatch do not have US market information"));
        ZoomMode = 0;
        return;
    }
    Stock::ReadUS();
    Fill(main, {QStringLiteral("US"), QString(),
                [](QByteArray &, const QByteArray &, SheetTable &t) { MarketReaders::ReadUSMarket(USMarket, t); },
                MarketFrame::Messages("Tickerwatch do not have US market information", std::nullopt),
                Source::OwnData});
}

void ScrollToSection(FlexGrid *fg, const QString &title)
{
    if (!fg)
        return;
    for (int i = 0; i < fg->Rows(); ++i) {
        if (fg->TextMatrix(i, 1) == title) {
            Utilities::Skip([&] { fg->SetTopRow(i); });
            return;
        }
    }
}

void Parse_US()
{
    const QString page = SheetCache::DataSheet(QStringLiteral("US.Sh"));
    if (page.isEmpty() || !QFileInfo(page).isFile())
        return;
    // Reading creates a missing US.dat; a page without one label must not.
    std::array<MarketIndexRecord, Stock::USMarketSlots> records{};
    if (QFileInfo(Stock::USFile()).isFile()) {
        Stock::ReadUS();
        records = USMarket;
    }
    if (MarketReaders::ParseUS(Misc::ReadFile(page), records) == 0)
        return;
    USMarket = records;
    Stock::SaveUS();
}

void UpdateUSMarket(MainView &main)
{
    if (main.AbortFlag == -1)
        return;
    try {
        if (!main.DownloadURL(SheetCache::DataSheet(QStringLiteral("US.Sh")), Hosts::Url(QStringLiteral("QuotePortal"), QStringLiteral("/m1?u")),
                              main.BaseCaption + QStringLiteral("    Updating U.S. Market Data"), 1000))
            return;
        Parse_US();
        if (CurrentView == QLatin1String("US"))
            FG_USMarket(main);
    } catch (...) {
    }
}

void FG_WMarket(MainView &main)
{
    Fill(main, {QStringLiteral("WM"), SheetCache::DataSheet(QStringLiteral("Market.Sh")),
                [](QByteArray &page, const QByteArray &, SheetTable &t) { MarketReaders::ReadWorldMarkets(page, t); },
                MarketFrame::Messages("No Data were found", QByteArray())});
}

void UpdateWMarket(MainView &main)
{
    StockJobs::FetchMarketPage(main, "QuotePortal", QStringLiteral("/m2?u"), QStringLiteral("Market.Sh"),
                               QStringLiteral("    Updating International Market Data"), 1000);
}

} // namespace MarketReaders
