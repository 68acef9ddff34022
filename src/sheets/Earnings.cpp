// The four earnings sheets of the stock on show, all cut from its earnings
// page "_ee.Sh": growth ("EG"), history ("EH"), estimates ("ER") and the
// consensus EPS trend ("EC"). They stay out of the zoom hand-over and always
// draw into the main grid. A value cell of the page may hold several values
// split by "<br>"; the values fill the grid column by column.
#include "sheets/SheetFrame.h"
#include "sheets/SheetReaders.h"

#include "core/CellText.h"
#include "core/MainView.h"
#include "core/Misc.h"
#include "core/ViewState.h"
#include "platform/FlexGrid.h"

using namespace SheetFrame;

namespace {

// What tells the four sheets apart.
struct Earnings {
    const char *title;  // the title line under the symbol
    int rows, cols;
    const char *anchor; // the table's heading
    bool bracketDown;   // a header's "(" starts a second line
    // The label table's marker, searched from the page's start; none: the
    // first values of the value row are the labels.
    const char *labels;
    int valueHeight; // rows that get values, in base rows; 0: only row 1, once
    QList<double> widths;
    // Only "TR" tags lower-cased, "Tr" kept, as the trend's sheet has it.
    bool keepTr = false;
};

const Earnings kEG{"Earnings Growth", 4, 7, "Earnings Growth", true, nullptr, 2, {20, 15, 15, 12, 12, 12, 12}};
const Earnings kEH{"Earnings History", 5, 6, "Earnings History", false, nullptr, 1, {22, 15, 15, 15, 15, 15}};
const Earnings kER{"Earnings Estimates", 7, 5, "Earnings Estimates &amp;", true, "Earnings Estimates<br>", 1,
                   {28, 17, 17, 17, 17}};
const Earnings kEC{"Consensus EPS Trend", 6, 5, "Earnings Estimates &amp;", true, "Consensus EPS Trend", 0,
                   {28, 17, 17, 17, 17}, true};

// From `from`, the text between the next `open` and the `close` after it;
// `end` is left at that close.
QByteArray Part(const QByteArray &page, qsizetype from, const char *open, const char *close, qsizetype &end)
{
    const qsizetype s = Need(page.indexOf(open, from));
    end = Need(page.indexOf(close, s));
    return page.mid(s, end - s);
}

void ReadEarnings(const Earnings &e, QByteArray &page, SheetTable &t)
{
    page.replace('\t', ' ');
    page.replace('\n', ' ');
    if (e.keepTr) {
        Misc::ReplaceInTags(page, {{"TR", "tr"}});
        Misc::FixTags(page, true, true, false, true);
    } else {
        Misc::FixTags(page, true, true, true, true);
    }

    const qsizetype anchor = Need(page.indexOf(e.anchor));
    qsizetype end = 0;
    QByteArray heads, labels, values;
    if (!e.labels) {
        heads = Part(page, anchor, "<tr>", "</tr>", end);
        values = Part(page, end, "<tr>", "</tr>", end);
    } else {
        // The estimates' header row runs on to the label table's cell, so
        // it is cut up to the first "<table" after it.
        heads = Part(page, anchor, "<tr>", "<table", end);
        labels = Part(page, Need(page.indexOf(e.labels)), "<table", "</table>", end);
        values = Part(page, end, "</td>", "</tr>", end);
    }
    if (e.bracketDown)
        heads.replace("(", "\r\n(");
    // Each value in a cell of its own; the empty cells between take no place.
    values.replace("<br>", "</td><td></td><td>");

    t.SetUp(e.rows, e.cols);
    int c = 1;
    ForEachBetween(heads, "<th", "</th>", [&](QByteArrayView cell) {
        const QByteArray text = CellText::Of(cell.toByteArray(), CellText::Blanks::Keep);
        if (!text.isEmpty())
            t.PlaceCell(0, c++, text);
    });
    int r = 1;
    ForEachBetween(labels, "<tr", "</tr>", [&](QByteArrayView row) {
        const QByteArray text = CellText::Of(row.toByteArray(), CellText::Blanks::Keep);
        if (!text.isEmpty())
            t.SetText(r++, 0, text);
    });
    const int perColumn = e.rows - 1;
    const int firstCol = e.labels ? 1 : 0;
    int n = 0;
    ForEachBetween(values, "<td", "</td>", [&](QByteArrayView cell) {
        const QByteArray text = CellText::Of(cell.toByteArray(), CellText::Blanks::Keep);
        if (text.isEmpty())
            return;
        const int row = 1 + n % perColumn, col = firstCol + n / perColumn;
        ++n;
        if (!t.PlaceCell(row, col, text))
            return;
        t.Look(row, col).alignment = col == 0 ? FlexGrid::flexAlignLeftTop : FlexGrid::flexAlignRightCenter;
        if (e.valueHeight)
            t.SetRowHeight(row, e.valueHeight);
    });
    if (!e.valueHeight)
        t.SetRowHeight(1, 1);

    // Labels left-top by column; the estimates' too, so that column never
    // keeps the alignment of the sheet shown before.
    if (e.labels)
        t.alignments = {FlexGrid::flexAlignLeftTop};
    t.SetRowHeight(0, 2);
    for (int col = 0; col < e.cols; ++col)
        t.Look(0, col).alignment = FlexGrid::flexAlignCenterTop;
    t.SetText(0, 0, CurrentSymbol + "\r\n" + e.title);
    CellLook &title = t.Look(0, 0);
    title.bold = true;
    title.textStyle = FlexGrid::flexTextRaisedLight;
    t.widths = e.widths;
}

void FillEarnings(MainView &main, const char *view, SheetFrame::Reader read)
{
    Fill(main, {QString::fromLatin1(view), StockPage("_ee.Sh"), std::move(read), UsualMessages(""), Source::Page,
                Zooming::Ignored});
}

} // namespace

namespace SheetReaders {

void ReadEG(QByteArray &page, const QByteArray &, SheetTable &t) { ReadEarnings(kEG, page, t); }
void ReadEH(QByteArray &page, const QByteArray &, SheetTable &t) { ReadEarnings(kEH, page, t); }
void ReadER(QByteArray &page, const QByteArray &, SheetTable &t) { ReadEarnings(kER, page, t); }
void ReadEC(QByteArray &page, const QByteArray &, SheetTable &t) { ReadEarnings(kEC, page, t); }

void FG_EG(MainView &main) { FillEarnings(main, "EG", SheetReaders::ReadEG); }
void FG_EH(MainView &main) { FillEarnings(main, "EH", SheetReaders::ReadEH); }
void FG_ER(MainView &main) { FillEarnings(main, "ER", SheetReaders::ReadER); }
void FG_EC(MainView &main) { FillEarnings(main, "EC", SheetReaders::ReadEC); }

} // namespace SheetReaders
