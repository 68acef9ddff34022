#pragma once
// The sheet filler frame. A sheet is read, then drawn: a reader turns the
// bytes of one cached page into a SheetTable (shape, texts, looks, sizes),
// and Fill puts that table into the grid the sheet goes to, or the sheet's
// message into the main grid when reading failed. Every data sheet and every
// market list goes through Fill, so the order of the steps, the zoom
// hand-over and the one failure path live here and nowhere else.
//
// A filler is then a few lines:
//   void FG_XY(MainView &main)
//   {
//       SheetFrame::Fill(main, {QStringLiteral("XY"), SheetFrame::StockPage("_xy.Sh"), ReadXY,
//                               SheetFrame::UsualMessages(std::nullopt)});
//   }
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class FlexGrid;
class QWidget;
class MainView;
namespace LinkColumns {
struct View;
}

namespace SheetFrame {

// Error numbers of a failed read; they choose the sheet's message.
constexpr int PageMissing = 53;   // no cache file
constexpr int MarkerMissing = 5;  // an anchor, a table or a closing tag is not there
constexpr int CellOutside = 381;  // a cell beyond the grid, as the grid itself raises

// Colours of the sheets (0x00BBGGRR).
constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t TotalBand = 0xEFEDD1; // pale band of total rows
constexpr uint32_t Red = 0x0000FF;
constexpr uint32_t Black = 0x000000;
constexpr uint32_t LinkBlue = 0xFF0000;

// The look of one cell: only what a sheet sets differs from a fresh cell.
struct CellLook {
    static constexpr uint32_t NoColor = 0xFFFFFFFFu; // the grid's own colour
    int alignment = -1;                              // -1: the column's
    int textStyle = 0;
    bool bold = false;
    bool underline = false;
    uint32_t foreColor = NoColor;
    uint32_t backColor = NoColor;
    float fontWidth = 0; // average character width in points; 0: the font's own
    QByteArray picture;         // the program's picture of that name ("UP"); "" for none
    int pictureAlignment = -1;  // -1: the grid's
    bool operator==(const CellLook &) const = default;
};

// What a sheet draws: the grid's shape after set-up, each cell's text (page
// bytes) and look, row heights in multiples of BaseRowHeight, and the closing
// steps. A look holds only what the sheet sets; everything else is a fresh
// cell's. Nothing here touches a grid.
class SheetTable {
public:
    // Grid set-up: rows x cols empty cells. A table never set up draws nothing.
    void SetUp(int rows, int cols);
    bool IsSetUp() const { return setUp_; }
    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    // One empty row at the end.
    void AddRow();
    // One row at the end holding line's tab-separated texts from column 0
    // on, as the grid's AddItem does: texts beyond the last column are
    // dropped, an empty line gives an empty row.
    void AddItem(const QByteArray &line);

    // A cell outside the table raises CellOutside, as a grid does.
    void SetText(int row, int col, const QByteArray &text);
    // A page cell at a reader's running column: a page row wider than the
    // table never ends a fill, so a cell past the last column is dropped and
    // the answer is false (the caller then gives it no look). A row beyond
    // the table still raises, as SetText does.
    bool PlaceCell(int row, int col, const QByteArray &text);
    CellLook &Look(int row, int col);
    QByteArray Text(int row, int col) const;
    CellLook LookOf(int row, int col) const;

    // 0 hides the row; rows without a height of their own get the default.
    void SetRowHeight(int row, int multiple);
    int RowHeight(int row) const { return row >= 0 && row < rows_ ? heights_[size_t(row)] : -1; }
    // What a row stands for (the grid's row data, never shown): it goes
    // with the row when the grid is sorted.
    void SetRowData(int row, const QByteArray &data);
    QByteArray RowData(int row) const { return row >= 0 && row < rows_ ? rowData_[size_t(row)] : QByteArray(); }

    // The grid's own look.
    uint32_t backColor = White;
    int gridLines = 1; // FlexGrid::GridLineStyle

    // The rows a sort may reorder (a sortable sheet's data rows); the
    // title, spacer and hidden rows around them stay put. -1: not sortable
    // beyond the grid's own rule (every row below the fixed ones).
    int sortFirst = -1;
    int sortLast = -1;

    // Closing steps, each done only when given.
    int topRow = -1;
    QList<int> alignments;     // Utilities::SetColAlignment
    QList<double> widths;      // Utilities::SetColWidth, per cent of the grid
    QList<QByteArray> headers; // Utilities::SetHeaders

private:
    size_t At(int row, int col) const;
    struct Cell {
        QByteArray text;
        CellLook look;
    };
    int rows_ = 0;
    int cols_ = 0;
    bool setUp_ = false;
    std::vector<Cell> cells_;
    std::vector<int> heights_;
    std::vector<QByteArray> rowData_;
};

// Turns the page into the table; raises VbError on failure, leaving in the
// table what was made up to then. name is the stock's display name.
using Reader = std::function<void(QByteArray &page, const QByteArray &name, SheetTable &sheet)>;
// The message for a failure's error number, or none.
using Messages = std::function<std::optional<QByteArray>(int number, const QByteArray &name)>;

// How a sheet takes part in the zoom hand-over.
enum class Zooming {
    // A zoom request draws into a new Zoom window's grid, else the main
    // grid; the grid drawn into becomes TargetGrid and the request ends.
    Zooms,
    // Always the main grid, which becomes TargetGrid; a zoom request ends
    // unanswered.
    MainGrid,
    // No part in it: the main grid, ZoomMode neither read nor ended and
    // TargetGrid not set, so a Zoom window open meanwhile stays the target.
    Ignored,
};

// What a sheet is read from: its cache page, or the program's own data (no
// page is read and the reader gets an empty one).
enum class Source { Page, OwnData };

struct Sheet {
    QString view; // CurrentView from the first step on
    QString page; // the cache file; empty when there can be none
    Reader read;
    Messages message;
    Source source = Source::Page;
    Zooming zooming = Zooming::Zooms;
};

// The fill: hourglass and view code; the target grid (a new Zoom window's
// on a zoom request, else the main grid); page read whole, no yield; the
// table drawn, or on failure the sheet's message in the main grid. When the
// sheet names no message for a failure before its set-up, its message for a
// missing page stands in (else the no-data message), so the main grid never
// shows another sheet's rows under this view; after the set-up, no message
// leaves the part read so far drawn.
// A zoom request ends with this call, drawn or not, unless the sheet
// ignores zooming.
void Fill(MainView &main, const Sheet &sheet);

// One centred line in the main grid in place of a sheet.
void ShowGridMessage(MainView &main, const QString &message);

// Puts a table into a grid in one go, redraw off meanwhile.
void Draw(FlexGrid *grid, const SheetTable &table, int baseRowHeight);

// A zoom request draws into the grid of a new window, made loaded and hidden
// by the Zoom window's code, shown once the sheet is drawn and discarded when
// it fails. Without a maker a zoom request draws into the main grid.
struct ZoomTarget {
    QWidget *window = nullptr;
    FlexGrid *grid = nullptr;
};
void SetZoomMaker(std::function<ZoomTarget()> maker);

// CurrentSymbol's page in the cache with this suffix; empty when the symbol
// may not become a file name.
QString StockPage(const char *suffix);

// "Tickerwatch do not have additional information for " and the name.
QByteArray NoDataMessage(const QByteArray &name);
// The no-data message for a missing page or marker, `other` for the rest.
Messages UsualMessages(std::optional<QByteArray> other);

// --- reading helpers: exact, full-width searches over page bytes ---
// pos when the marker was found, else raises MarkerMissing.
qsizetype Need(qsizetype pos);
// Frame cut: from the first "<table" at or after `from` up to, not including,
// the first "</table>" after it.
QByteArray CutTable(const QByteArray &page, qsizetype from);
// From the first `anchor` up to, not including, the first `end` after it.
QByteArray CutBetween(const QByteArray &page, const char *anchor, const char *end);
// Each piece of text from an `open` tag up to, not including, the first
// `close` after it, in order; the search goes on from that `close`. A piece
// without its close raises MarkerMissing, or ends the walk quietly for the
// lists whose rows may stay open.
enum class LeftOpen { Fails, EndsWalk };
template<class Each>
void ForEachBetween(QByteArrayView text, const char *open, const char *close, Each each,
                    LeftOpen leftOpen = LeftOpen::Fails)
{
    for (qsizetype from = 0;;) {
        const qsizetype start = text.indexOf(open, from);
        if (start < 0)
            return;
        from = text.indexOf(close, start);
        if (from < 0 && leftOpen == LeftOpen::EndsWalk)
            return;
        Need(from);
        each(text.sliced(start, from - start));
    }
}
// The walk over a table: each "<tr" .. "</tr>" row, each "<td" .. "</td>"
// cell of a row (header cells are never read).
template<class Each>
void ForEachRow(QByteArrayView table, Each each)
{
    ForEachBetween(table, "<tr", "</tr>", each);
}
template<class Each>
void ForEachCell(QByteArrayView row, Each each)
{
    ForEachBetween(row, "<td", "</td>", [&each](QByteArrayView cell) { each(cell.toByteArray()); });
}
// A page row as AddItem takes it: each cell's text followed by a Tab;
// empty texts left out when asked.
QByteArray RowLine(QByteArrayView row, bool skipEmpty = false);
// The broker research pages' link words that are no data go where they
// stand as words ("Newstar" keeps its letters); every blank entity and
// every comma goes.
void DropLinkWords(QByteArray &page);
// The blue underlined look of a link cell.
void LinkLook(CellLook &look);
// The view's link look on cell (row, col) when the view draws that column
// as a link (core/LinkColumns), so what looks like a link is what the
// click table says; other cells keep their look.
void LinkLook(SheetTable &t, int row, int col, const LinkColumns::View &view);
// The same for every column of one row. A view whose links stand only in
// rows with an address (LinkColumns::Rows::WithAddress) draws none in a row
// without one.
void LinkLooks(SheetTable &t, int row, const LinkColumns::View &view, bool hasAddress = true);
// The change arrows of a list: from row `first` on, the picture "DN" in
// column 0 of a row whose text in changeCol begins with "-", "UP" for "+",
// centred; any other text gets none.
void ChangePictures(SheetTable &t, int first, int changeCol);
// The change colours of a column: from row `first` on, red text for "-",
// blue for "+"; any other text keeps its colour.
void ChangeColors(SheetTable &t, int first, int col);
// The address of the text's first anchor: its href value alone, in double,
// single or no quotes, whatever other attributes stand around it; empty when
// the text has no anchor with an address.
QByteArray LinkAddress(QByteArrayView text);

} // namespace SheetFrame
