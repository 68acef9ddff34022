// What the broker research site says about the stock on show: its splits
// ("Split", "_sp.Sh"), upgrades ("UPH", "_uph.Sh"), downgrades ("DNH",
// "_dnh.Sh"), broker reports ("BRP", "_brp.Sh") and momentum rating ("NMR",
// "_mr.Sh"). The four row sheets cut their table between their own markers
// and add each table row as one grid row under the headers and the title.
#include "sheets/SheetFrame.h"
#include "sheets/SheetReaders.h"

#include "core/CellText.h"
#include "core/MainView.h"
#include "core/Misc.h"
#include "core/ViewState.h"
#include "platform/FlexGrid.h"
#include "platform/Vb.h"
#include "sheets/SheetState.h"

using namespace SheetFrame;

namespace {

// The momentum page's first value says there is no rating.
constexpr int NoRating = 1000;

// From the "</tr>" that closes the row of the start marker up to, not
// including, the first end after it.
QByteArray RowCut(const QByteArray &page, const char *start, const char *end)
{
    const qsizetype m = Need(page.indexOf(start));
    const qsizetype r = Need(page.indexOf("</tr>", m + 1));
    const qsizetype e = Need(page.indexOf(end, r));
    return page.mid(r, e - r);
}

// Each table row of the cut as one grid row at the end, its cells in order.
void AddRows(SheetTable &t, const QByteArray &cut, bool emptyRows)
{
    ForEachRow(cut, [&](QByteArrayView row) {
        const QByteArray line = RowLine(row);
        if (emptyRows || !line.isEmpty())
            t.AddItem(line);
    });
}

// The title in (1, 0): the symbol, a line break and the sheet's words.
void Title(SheetTable &t, const char *words)
{
    t.SetText(1, 0, CurrentSymbol + "\r\n" + words);
    CellLook &l = t.Look(1, 0);
    l.backColor = White;
    l.bold = true;
}

void HeadsCentredTop(SheetTable &t)
{
    for (int c = 0; c < t.Cols(); ++c)
        t.Look(0, c).alignment = FlexGrid::flexAlignCenterTop;
}

// Upgrades and downgrades: one form, told apart by their words.
void ReadChanges(QByteArray &page, const QByteArray &name, SheetTable &t, const char *none, bool th, const char *title,
                 QList<double> widths)
{
    if (page.contains(none))
        throw VbError::InvalidCall();
    Misc::FixTags(page, true, true, true, th);
    page.replace('\t', ' ');
    DropLinkWords(page);
    const QByteArray cut = RowCut(page, "begin splits", "</table");
    t.SetUp(2, 3);
    AddRows(t, cut, true);
    t.SetRowHeight(0, 1);
    for (int r = 1; r < t.Rows(); ++r)
        t.SetRowHeight(r, 2);
    Title(t, title);
    t.headers = {"Date", "Broker", "Comments on " + name};
    t.widths = widths;
    t.alignments = {4, 1, 1};
}

void ReadUPH(QByteArray &page, const QByteArray &name, SheetTable &t)
{
    ReadChanges(page, name, t, "No upgrades were found", true, "Upgrades", {14, 18, 65});
}

void ReadDNH(QByteArray &page, const QByteArray &name, SheetTable &t)
{
    ReadChanges(page, name, t, "No downgrades were found", false, "Downgrades", {15, 15, 65});
}

void ReadBRP(QByteArray &page, const QByteArray &name, SheetTable &t)
{
    page.replace('\t', ' ');
    Misc::FixTags(page, true, true, true, true);
    DropLinkWords(page);
    const QByteArray cut = RowCut(page, "begin reports", "</table");
    t.SetUp(2, 3);
    t.SetRowHeight(0, 1);
    t.SetRowHeight(1, 1);
    AddRows(t, cut, true);
    HeadsCentredTop(t);
    // The table's last row is its footer.
    t.SetRowHeight(t.Rows() - 1, 0);
    Title(t, "Broker Reports");
    t.headers = {"Date", "Broker", "Comments on " + name};
    t.alignments = {4, 1, 1};
    t.widths = {12, 20, 65};
}

void ReadSplit(QByteArray &page, const QByteArray &, SheetTable &t)
{
    Misc::FixTags(page, true, true, true, true);
    const QByteArray cut = RowCut(page, "begin splits", "end splits");
    t.SetUp(2, 6);
    AddRows(t, cut, false);
    HeadsCentredTop(t);
    Title(t, "Splits History");
    t.SetRowHeight(0, 1);
    t.SetRowHeight(1, 2);
    t.headers = {"Type", "Amount", "Ex-Date", "Pay-Date", "Rec-Date", "An-Date"};
    t.alignments = {4, 4, 4, 4, 4, 4};
    t.widths = {17, 17, 16, 16, 16, 16};
}

const char *const kMomentumLabels[] = {"Rank:", "Momentum Rating:", "Buys:", "Holds:", "Sells:"};

const QByteArray kMomentumExplanation =
    "\r\nThe premise behind the Momentum Ratings is simple: the more analysts cover a stock within the past 90 "
    "days, the more clients follow their recommendations, and the more clients there are in a stock, the more "
    "money drives its advance."
    "\r\n\r\nTwo analysts rating a stock a buy are far less bullish than 15 analysts doing so, because there is "
    "much less money, and so much less momentum, behind the issue."
    "\r\nAfter reviewing the broker reports of more than 4,000 stocks, we hold that any stock with a score of 20 "
    "or higher deserves a closer look."
    "\r\n\r\nAll ratings are built from the broker reports of the last 90 days, because older reports carry much "
    "less weight (they create less momentum) than those of the last three months. So the buys, sells and holds "
    "of a rating are only the most current reports on the stock, not all of them."
    "\r\n\r\nThe rank is the company's place among the approximately 4,000 companies that have brokerage reports "
    "in the database.";

void ReadNMR(QByteArray &page, const QByteArray &name, SheetTable &t)
{
    Misc::FixTags(page, true, true, true, true);
    page.replace('\t', ' ');
    DropLinkWords(page);
    const QByteArray cut = CutBetween(page, "Sells", "</table");
    t.SetUp(7, 1);
    for (int r = 1; r <= 5; ++r) {
        CellLook &l = t.Look(r, 0);
        l.alignment = FlexGrid::flexAlignLeftTop;
        l.backColor = White;
    }
    qsizetype from = 0;
    for (int i = 0; i < 5; ++i) {
        const qsizetype c1 = Need(cut.indexOf("<td", from));
        from = Need(cut.indexOf("</td>", c1));
        QByteArray cell = cut.mid(c1, from - c1);
        const QByteArray text = CellText::Of(cell);
        t.SetText(i + 1, 0, QByteArray(kMomentumLabels[i]) + ' ' + text);
        if (i == 0 && text.startsWith("No"))
            throw VbError(NoRating, QStringLiteral("No rating"));
    }
    CellLook &note = t.Look(6, 0);
    note.alignment = FlexGrid::flexAlignLeftTop;
    note.foreColor = 0x808080;
    note.backColor = White;
    t.SetText(6, 0, kMomentumExplanation);
    for (int r = 0; r <= 5; ++r)
        t.SetRowHeight(r, 1);
    t.SetRowHeight(6, 30);
    CellLook &head = t.Look(0, 0);
    head.bold = true;
    head.textStyle = FlexGrid::flexTextRaisedLight;
    head.alignment = FlexGrid::flexAlignCenterCenter;
    t.SetText(0, 0, name + " Momentum Rating");
    t.topRow = 1;
    t.widths = {97};
}

// name (symbol)
QByteArray Named(const QByteArray &name) { return name + " (" + CurrentSymbol + ")"; }

} // namespace

namespace SheetReaders {

void FG_Split(MainView &main)
{
    Fill(main, {QStringLiteral("Split"), StockPage("_sp.Sh"), ReadSplit,
                [](int number, const QByteArray &) -> std::optional<QByteArray> {
                    if (number == PageMissing || number == MarkerMissing)
                        return "No splits were found for the symbol you requested, " + CurrentSymbol;
                    return std::nullopt;
                }});
}

void FG_UPH(MainView &main)
{
    Fill(main, {QStringLiteral("UPH"), StockPage("_uph.Sh"), ReadUPH,
                [](int number, const QByteArray &name) -> std::optional<QByteArray> {
                    if (number == PageMissing || number == MarkerMissing)
                        return "No upgrades were found for the symbol you requested, " + Named(name);
                    return std::nullopt;
                }});
}

void FG_DNH(MainView &main)
{
    Fill(main, {QStringLiteral("DNH"), StockPage("_dnh.Sh"), ReadDNH,
                [](int, const QByteArray &name) -> std::optional<QByteArray> {
                    return "No downgrads were found for the symbol you requested, " + Named(name);
                },
                Source::Page, Zooming::MainGrid});
}

void FG_BRP(MainView &main)
{
    Fill(main, {QStringLiteral("BRP"), StockPage("_brp.Sh"), ReadBRP,
                [](int number, const QByteArray &name) -> std::optional<QByteArray> {
                    if (number == PageMissing)
                        return "No data for the stock you requested, " + Named(name) + "\r\nPlease update again.";
                    if (number == MarkerMissing)
                        return "No broker reports were found for the symbol you requested, " + Named(name);
                    return std::nullopt;
                }});
}

void FG_NMR(MainView &main)
{
    if (CurrentSymbol.isEmpty()) {
        // Nothing to show: the grid stays as it was.
        CurrentView = QStringLiteral("NMR");
        ZoomMode = 0;
        return;
    }
    Fill(main, {QStringLiteral("NMR"), StockPage("_mr.Sh"), ReadNMR,
                [](int number, const QByteArray &name) -> std::optional<QByteArray> {
                    if (number == NoRating)
                        return "Tickerwatch did not find momentum ratings data for " + CurrentSymbol;
                    return "No data for the stock you requested, " + Named(name);
                }});
}

} // namespace SheetReaders
