// The analyst action lists of the day: upgrades, downgrades and coverage
// initiated, each one table of a page fetched by the up- and downgrade job.
#include "market/MarketFrame.h"
#include "market/MarketReaders.h"

#include "collect/SheetCache.h"
#include "core/CellText.h"
#include "core/LinkColumns.h"
#include "core/MainView.h"
#include "core/Misc.h"

using namespace SheetFrame;

namespace MarketReaders {

const ActionList &Profile(Action action)
{
    static const ActionList lists[3] = {
        {"Upgrade", "Upgrade.Sh", "<b>Upgrades</b>", true, false, "Upgrades",
         "Tickerwatch do not have additional information for Upgardes"},
        {"Downgrade", "Downgrades.Sh", "<b>Downgrades</b>", false, false, "Downgrades",
         "Tickerwatch do not have additional information for Downgrades"},
        {"Coverage", "Coverage.Sh", "Coverage</b>", false, true, "Coverage Initiated",
         "Tickerwatch do not have additional information for Coverage Initiated"},
    };
    return lists[int(action)];
}

void ReadActions(Action action, QByteArray &page, SheetTable &t)
{
    const ActionList &l = Profile(action);
    if (l.coverage)
        Misc::ReplaceInTags(page, {{"HTML", "html"}, {"Html", "html"}});
    // Header cells become ordinary cells, so the head row is walked too.
    Misc::ReplaceInTags(page, {{"TH", "td"}, {"Th", "td"}});
    Misc::FixTags(page, true, true, true, true);
    page.replace("&#187;", "");
    if (l.coverage)
        page = CutBetween(page, "<html>", "</html>");
    page.replace("\t", "");

    qsizetype from = 0;
    if (const qsizetype d = page.indexOf(l.heading); d >= 0)
        from = d + 1;
    else if (l.headingNeeded)
        Need(d);
    const QByteArray block = CutTable(page, from);

    const int cols = l.coverage ? 5 : 6;
    const LinkColumns::View &links = LinkColumns::Of(QString::fromLatin1(l.view));
    t.SetUp(1, cols);
    int r = 0;
    ForEachRow(block, [&](QByteArrayView row) {
        int c = 0;
        ForEachCell(row, [&](QByteArray cell) {
            if (t.PlaceCell(r, c, CellText::Of(cell)) && r >= 1)
                LinkLook(t, r, c, links);
            ++c;
        });
        ++r;
        t.AddRow();
    });

    t.alignments = QList<int>(cols, 1);
    for (int c = 0; c < cols; ++c)
        t.Look(0, c).alignment = 4;
    t.topRow = 1;
    t.SetText(1, 0, l.title);
    CellLook &title = t.Look(1, 0);
    title.bold = true;
    title.backColor = White;
    t.SetRowHeight(0, 2);
    t.SetRowHeight(1, 2);
    t.SetRowHeight(t.Rows() - 1, 0);
    t.sortFirst = 2; // the actions, between the title row and the hidden last row
    t.sortLast = t.Rows() - 2;
    t.widths = l.coverage ? QList<double>{25, 12, 27, 20, 12} : QList<double>{25, 12, 25, 12, 12, 10};
}

} // namespace MarketReaders

namespace {

void FillActions(MainView &main, MarketReaders::Action action)
{
    const MarketReaders::ActionList &l = MarketReaders::Profile(action);
    Fill(main, {QString::fromLatin1(l.view), SheetCache::DataSheet(QLatin1String(l.file)),
                [action](QByteArray &page, const QByteArray &, SheetTable &t) { MarketReaders::ReadActions(action, page, t); },
                MarketFrame::Messages(l.message, QByteArray())});
}

} // namespace

namespace MarketReaders {

void FG_Upgrade(MainView &main) { FillActions(main, MarketReaders::Action::Upgrades); }
void FG_Downgrade(MainView &main) { FillActions(main, MarketReaders::Action::Downgrades); }
void FG_Coverage(MainView &main) { FillActions(main, MarketReaders::Action::Coverage); }

} // namespace MarketReaders
