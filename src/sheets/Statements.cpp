// The annual statements of the stock on show: balance sheet ("ABS") and
// income statement ("AIS"), one six-column table each from the pages the
// Update run keeps as "_ABS.Sh" and "_AIS.Sh".
#include "sheets/SheetFrame.h"
#include "sheets/SheetReaders.h"

#include "core/CellText.h"
#include "core/MainView.h"
#include "core/Misc.h"
#include "platform/FlexGrid.h"

#include <algorithm>
#include <initializer_list>

using namespace SheetFrame;

namespace {

constexpr int Cols = 6;
const QList<double> kWidths{31, 13, 13, 13, 13, 13};
// Labels left, figures right; the income statement's last column too, so it
// never keeps the alignment of the sheet shown before.
const QList<int> kAlignments{1, 7, 7, 7, 7, 7};

bool In(int row, std::initializer_list<int> rows) { return std::find(rows.begin(), rows.end(), row) != rows.end(); }

void Bold(CellLook &l) { l.bold = true; }

void Total(CellLook &l)
{
    l.bold = true;
    l.backColor = TotalBand;
    l.foreColor = Red;
}

// The placement both statements share: each cell of a table row goes to the
// next column of the grid row, and the sixth cell of a table row (j = 5)
// closes the grid row, so a short table row runs on with the next one.
// The cells of a table row after its sixth are dropped and take no column;
// so is a cell that a continued row pushes past the last column.
// before(text) runs for every cell: it may put the title row in or move j
// on; look(l) gives a cell that was placed its look.
struct Walker {
    SheetTable &t;
    int r = 0, c = 0, j = 0;

    template<class Before, class Look>
    void Walk(const QByteArray &cut, Before before, Look look)
    {
        ForEachRow(cut, [&](QByteArrayView row) {
            j = 0;
            ForEachCell(row, [&](QByteArray cell) {
                const QByteArray text = CellText::Of(cell);
                before(text);
                if (j >= Cols)
                    return;
                if (t.PlaceCell(r, c, text))
                    look(t.Look(r, c));
                if (j == Cols - 1) {
                    ++r;
                    c = -1;
                    t.AddRow();
                }
                ++c;
                ++j;
            });
        });
    }
};

// Title row 1, put in as the first statement line comes.
void Title(SheetTable &t, const char *title)
{
    t.SetText(1, 0, title);
    t.SetRowHeight(1, 1);
    CellLook &l = t.Look(1, 0);
    l.alignment = 1;
    l.bold = true;
    l.textStyle = FlexGrid::flexTextRaisedLight;
}

} // namespace

namespace SheetReaders {

void ReadAIS(QByteArray &page, const QByteArray &name, SheetTable &t)
{
    Misc::FixTags(page, true, true, true, true);
    page.replace('\t', ' ');
    page.replace("ii", "");
    QByteArray cut = CutTable(page, Need(page.indexOf("Annual Income Statement")));
    // A data cell spanning five columns becomes four empty cells and itself,
    // so that its row still gives six; a spanning header cell stays one.
    cut.replace("<th colspan=5>", "<th>");
    cut.replace(" colspan=5>", "></td><td></td><td></td><td></td><td>");

    t.SetUp(2, Cols);
    Walker w{t};
    w.Walk(
        cut,
        [&](const QByteArray &) {
            if (w.j < Cols && w.r == 1) {
                w.r = 2;
                Title(t, "Annual Income Statement");
                t.Look(1, 0).backColor = White;
            }
        },
        [&](CellLook &l) {
            if (In(w.r, {4, 6, 9, 14, 22}))
                Bold(l);
            else if (In(w.r, {16, 20, 24}))
                Total(l);
            else if (In(w.r, {17, 21})) {
                t.SetRowHeight(w.r, 2);
                l.backColor = White;
                l.bold = true;
                l.underline = true;
                l.alignment = 2;
            }
        });

    t.alignments = kAlignments;
    for (int c = 0; c < Cols; ++c)
        t.Look(0, c).alignment = 4;
    t.topRow = 1;
    t.SetText(0, 0, name);
    t.SetRowHeight(0, 1);
    t.SetRowHeight(1, 2);
    t.SetRowHeight(t.Rows() - 1, 0);
    t.widths = kWidths;
}

void ReadABS(QByteArray &page, const QByteArray &name, SheetTable &t)
{
    Misc::FixTags(page, true, true, true, true);
    page.replace('\t', ' ');
    page.replace("</font></font>", "</font>");
    page.replace("ii", "");
    // The page names the sheet once in its title and again over the table.
    qsizetype a = Need(page.indexOf("Annual Balance Sheet"));
    if (const qsizetype again = page.indexOf("Annual Balance Sheet", a + 1); again >= 0)
        a = again;
    const QByteArray cut = CutTable(page, a);

    t.SetUp(3, Cols);
    t.SetRowHeight(0, 1);
    Walker w{t};
    w.Walk(
        cut,
        [&](const QByteArray &text) {
            if (w.r == 1) {
                w.r = 2;
                Title(t, "Annual Balance Sheet");
            }
            // A section heading closes its grid row after the cell that follows it.
            if (text == "Assets" || text == "Liabilities & Shareholder's Equity" || text == "Shareholders' Equity")
                w.j = Cols - 2;
        },
        [](CellLook &) {});

    for (int i = 0; i < t.Rows(); ++i) {
        if (In(i, {2, 16, 33})) {
            CellLook &l = t.Look(i, 0);
            l.alignment = 2;
            l.foreColor = Black;
            l.fontWidth = 4;
            l.textStyle = FlexGrid::flexTextInsetLight;
            l.bold = true;
            l.backColor = White;
            t.SetRowHeight(i, 2);
        } else if (In(i, {8, 24, 41})) {
            for (int c = 0; c < Cols; ++c)
                Bold(t.Look(i, c));
        } else if (In(i, {15, 32})) {
            for (int c = 0; c < Cols; ++c)
                Total(t.Look(i, c));
        }
    }

    t.topRow = 1;
    t.SetText(0, 0, name);
    t.SetRowHeight(t.Rows() - 1, 0);
    t.SetRowHeight(t.Rows() - 2, 0);
    t.alignments = kAlignments;
    t.widths = kWidths;
}

void FG_AIS(MainView &main)
{
    Fill(main, {QStringLiteral("AIS"), StockPage("_Ais.Sh"), ReadAIS,
                [](int number, const QByteArray &name) -> std::optional<QByteArray> {
                    if (number == PageMissing)
                        return NoDataMessage(name);
                    return "The " + name + "\" annual income statement data is bad, connect to the Internet, "
                                           "and update again .";
                }});
}

void FG_ABS(MainView &main)
{
    Fill(main, {QStringLiteral("ABS"), StockPage("_Abs.Sh"), ReadABS, UsualMessages(std::nullopt)});
}

} // namespace SheetReaders
