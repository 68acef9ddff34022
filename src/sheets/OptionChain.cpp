// The option chain of the stock on show, from its option quote table
// "_op.Sh": the calls ("Call"), the puts ("Put") and both side by side
// ("Options"). The table is comma-separated text, fourteen fields a line,
// calls then puts of one line; the page is read as stored, so a last line
// without its line break is not read.
#include "sheets/SheetFrame.h"
#include "sheets/SheetReaders.h"

#include "core/LinkColumns.h"
#include "core/MainView.h"
#include "core/ViewState.h"
#include "platform/FlexGrid.h"
#include "platform/Vb.h"

#include <algorithm>

using namespace SheetFrame;

namespace {

constexpr int kCallFields = 7;

// Index of the n-th comma of line (n from 1), -1 when it has fewer.
qsizetype NthComma(const QByteArray &line, int n)
{
    qsizetype at = -1;
    for (int i = 0; i < n; ++i) {
        at = line.indexOf(',', at + 1);
        if (at < 0)
            return -1;
    }
    return at;
}

// What each sheet keeps of a line and how it lays the grid out.
struct Chain {
    const char *view;  // CurrentView
    const char *title; // after the symbol
    int cols;
    int titleCol;
    QList<QByteArray> headers;
    QList<double> widths;
    QList<int> alignments;
    // Both halves side by side: a row's option codes on a second line, and
    // rows that no sort moves.
    bool both;
    // The part of a line the row shows, fields still comma-separated;
    // none when the line has too few fields.
    std::optional<QByteArray> (*keep)(const QByteArray &line);
};

// Fields 1 to 8, the eighth finding no column.
std::optional<QByteArray> KeepCalls(const QByteArray &line)
{
    const qsizetype at = NthComma(line, kCallFields + 1);
    if (at < 0)
        return std::nullopt;
    return line.left(at + 1);
}

// Fields 8 to the end.
std::optional<QByteArray> KeepPuts(const QByteArray &line)
{
    const qsizetype at = NthComma(line, kCallFields);
    if (at < 0)
        return std::nullopt;
    return line.mid(at + 1);
}

// All fourteen fields.
std::optional<QByteArray> KeepBoth(const QByteArray &line)
{
    const qsizetype at = NthComma(line, 2 * kCallFields);
    if (at < 0)
        return std::nullopt;
    return line.left(at + 1);
}

const QList<QByteArray> kHalf{"Last Sale", "Net", "Bid", "Ask", "Vol", "Open Int"};

const Chain kCalls{"Call", "Calls", 7, 0, QList<QByteArray>{"Calls"} + kHalf, {27, 12, 9, 12, 12, 12, 12},
                   {1, 7, 7, 7, 7, 7, 7}, false, KeepCalls};
const Chain kPuts{"Put", "Puts", 7, 0, QList<QByteArray>{"Puts"} + kHalf, {24, 12, 12, 12, 12, 12, 12},
                  {1, 7, 7, 7, 7, 7, 7}, false, KeepPuts};
const Chain kOptions{"Options",
                     "Options",
                     15,
                     1,
                     QList<QByteArray>{"", "Calls"} + kHalf + QList<QByteArray>{"Puts"} + kHalf,
                     {2, 12, 8, 8, 8, 8, 8, 8, 12, 8, 8, 8, 8, 8, 8},
                     {1, 1, 7, 4, 7, 7, 7, 7, 1, 7, 4, 7, 7, 7, 7},
                     true,
                     KeepBoth};

void ReadChain(const Chain &ch, const QByteArray &page, SheetTable &t)
{
    // A page stored empty says no more than a missing one.
    if (page.isEmpty())
        throw VbError::FileNotFound();

    // The data begins on the line after the column headers' "Open Int",
    // found as the first "Int" after the first "Puts".
    const qsizetype puts = page.indexOf("Puts");
    const qsizetype in = page.indexOf("Int", puts + 1);
    const QByteArrayView body = in < 0 ? QByteArrayView(page) : QByteArrayView(page).sliced(in + 1);

    t.SetUp(3, ch.cols);
    t.SetRowHeight(0, 1);
    t.SetRowHeight(1, 2);
    t.SetRowHeight(2, 0);
    t.widths = ch.widths;
    t.headers = ch.headers;
    t.alignments = ch.alignments;

    // A line runs from its leading line break up to the next one; text
    // after the last line break is no line.
    for (qsizetype s = body.indexOf("\r\n"); s >= 0;) {
        const qsizetype e = body.indexOf("\r\n", s + 1);
        if (e < 0)
            break;
        std::optional<QByteArray> kept = ch.keep(body.sliced(s, e - s).toByteArray());
        s = e;
        if (!kept)
            continue;
        QByteArray &row = *kept;
        row.replace(',', '\t');
        row.replace("\r\n", " ");
        if (ch.both) {
            // Column 0 stays empty.
            row.prepend('\t');
            row.replace("(", "\r\n(");
        }
        t.AddItem(row);
        // A row is as tall as its cell of the most lines, so a description
        // shows its option code below it.
        int lines = 1;
        for (const QByteArray &cell : row.split('\t'))
            lines = std::max(lines, int(cell.count("\r\n")) + 1);
        if (lines > 1)
            t.SetRowHeight(t.Rows() - 1, lines);
    }

    for (int c = 0; c < ch.cols; ++c)
        t.Look(0, c).alignment = FlexGrid::flexAlignCenterCenter;
    const LinkColumns::View &links = LinkColumns::Of(QString::fromLatin1(ch.view));
    for (int r = 2; r < t.Rows(); ++r)
        LinkLooks(t, r, links);
    t.SetText(1, ch.titleCol, CurrentSymbol + ' ' + ch.title);
    CellLook &title = t.Look(1, ch.titleCol);
    title.bold = true;
    title.textStyle = FlexGrid::flexTextRaisedLight;
    title.backColor = White;
    if (!ch.both) {
        // Only the option rows move in a sort: not the title or the hidden row.
        t.sortFirst = 3;
        t.sortLast = t.Rows() - 1;
    }
}

// The no-data message stands for every failure before the sheet is laid
// out; after that the sheet keeps what it read.
std::optional<QByteArray> ChainMessage(int number, const QByteArray &)
{
    if (number == PageMissing)
        return QByteArray("Data is not available, connect to Internet, and update again .");
    return std::nullopt;
}

void FillChain(MainView &main, const Chain &ch, SheetFrame::Reader read)
{
    Fill(main, {QString::fromLatin1(ch.view), StockPage("_op.Sh"), std::move(read), ChainMessage});
}

} // namespace

namespace SheetReaders {

void ReadCall(QByteArray &page, const QByteArray &, SheetTable &t) { ReadChain(kCalls, page, t); }
void ReadPut(QByteArray &page, const QByteArray &, SheetTable &t) { ReadChain(kPuts, page, t); }
void ReadOptions(QByteArray &page, const QByteArray &, SheetTable &t) { ReadChain(kOptions, page, t); }

void FG_Call(MainView &main) { FillChain(main, kCalls, SheetReaders::ReadCall); }
void FG_Put(MainView &main) { FillChain(main, kPuts, SheetReaders::ReadPut); }
void FG_Options(MainView &main) { FillChain(main, kOptions, SheetReaders::ReadOptions); }

} // namespace SheetReaders
