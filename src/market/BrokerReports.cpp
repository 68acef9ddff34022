// One cached page of the day's broker reports holds two lists: today's
// reports (mode 0) and a news service's analyst recommendations (mode 1).
#include "market/MarketFrame.h"
#include "market/MarketReaders.h"

#include "collect/SheetCache.h"
#include "core/LinkColumns.h"
#include "core/MainView.h"
#include "core/Misc.h"

using namespace SheetFrame;

namespace MarketReaders {

void ReadBrokerReports(int mode, QByteArray &page, SheetTable &t)
{
    const char *marker = mode == 0 ? "/Breadcrumb" : mode == 1 ? "START BLOOMBERG NEWS" : "";
    const QByteArray title = mode == 0 ? "Today's Broker Reports" : mode == 1 ? "Bloomberg Analysts Recommendations" : "";

    Misc::FixTags(page, true, true, true, true);
    // Whole-page removals: numbers lose their separators, the report table
    // its link labels.
    DropLinkWords(page);
    page.replace("\t", "");
    page.replace("&#039", "'");
    page.replace("&#096", "'");

    // Mode 0 starts after the first row of the table behind the marker's;
    // a page without the marker, after the first row of its first table.
    qsizetype c = page.indexOf(marker);
    if (mode == 0) {
        c = c >= 0 ? page.indexOf("</table>", c + 1) : page.indexOf("<table");
        c = page.indexOf("</tr>", Need(c) + 1);
    }
    const qsizetype end = Need(page.indexOf("</table>", Need(c)));
    const QByteArray block = page.mid(c, end - c);

    t.SetUp(2, 4);
    ForEachRow(block, [&](QByteArrayView row) { t.AddItem(RowLine(row, true)); });

    for (int col = 0; col < 4; ++col)
        t.Look(0, col).alignment = 3;
    t.Look(1, 1).bold = true;
    t.Look(1, 1).backColor = White;
    t.SetRowHeight(0, 1);
    if (mode == 1) {
        t.headers = {"Date", "Symbol", "News", "Source"};
        t.alignments = {1, 1, 1, 1};
        t.widths = {12, 12, 72, 0};
        // Colours 0 stand for the grid's own: the emptied cell looks plain.
        t.SetText(1, 1, "");
        t.Look(1, 1) = CellLook{};
        t.Look(1, 1).alignment = 0;
        t.SetText(1, 0, "");
        for (int col : {0, 2}) {
            CellLook &look = t.Look(1, col);
            look.bold = true;
            look.foreColor = Black;
            look.backColor = White;
        }
        t.SetText(1, 2, title);
        t.SetRowHeight(1, 1);
    } else if (mode == 0) {
        t.headers = {"Ticker", "Company", "Broker", "Report"};
        t.alignments = {1, 1, 1, 1};
        t.widths = {12, 20, 20, 43};
        for (int r = 1; r < t.Rows(); ++r)
            t.SetRowHeight(r, 2);
        t.SetText(1, 1, title);
        t.SetText(1, 0, "");
        t.Look(1, 0).foreColor = Black;
        t.Look(1, 0).backColor = White;
    }
    const LinkColumns::View &links = LinkColumns::Of(BrokerReportsView(mode));
    for (int r = 2; r < t.Rows(); ++r)
        LinkLooks(t, r, links);
    t.topRow = 1;
}

QString BrokerReportsView(int mode) { return QStringLiteral("M_BRP") + QString::number(mode); }

void FG_M_BRP(MainView &main, int16_t mode)
{
    Fill(main, {MarketReaders::BrokerReportsView(mode), SheetCache::DataSheet(QStringLiteral("M_BRP.Sh")),
                [mode](QByteArray &page, const QByteArray &, SheetTable &t) { MarketReaders::ReadBrokerReports(mode, page, t); },
                MarketFrame::Messages("Data is not available, connect to Internet, and update again .", std::nullopt),
                Source::Page, Zooming::MainGrid});
}

void Update_M_BRP(MainView &main)
{
    if (main.AbortFlag == -1)
        return;
    try {
        main.SocketFetch(QStringLiteral("BrokerReportSite"), QStringLiteral("/reports/reports-today.asp"),
                    SheetCache::DataSheet(QStringLiteral("M_BRP.Sh")),
                    QStringLiteral("Updating Today's Broker Reports / Bloomberg Analysts Recommendations"), 1000);
    } catch (...) {
    }
}

} // namespace MarketReaders
