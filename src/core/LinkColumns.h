#pragma once
// Which columns of each grid view are links: the one table behind both the
// look of a link cell and the click on it. The readers draw a view's link
// cells from it (sheets, market lists), and the grid's click and hand
// pointer read it through GridLinkColumns, which adds the page each link
// opens. So a cell looks like a link exactly where a click opens a page,
// save where a view's row below says otherwise.
//
// It lives in core, below both the readers' folders (sheets, market) and
// the click's (links), so no reader reaches into links for it.
//
// Rows are the readers' business: which data rows hold a link (rows with an
// address, rows a page filled) is decided where the row is read. The table
// says only whether a column's link can be missing from some rows.
#include <QList>
#include <QStringView>
#include <optional>

namespace LinkColumns {

// Grid columns: the single ones listed and, when `from` is set, that column
// and every later one.
struct Columns {
    static constexpr int None = -1;
    QList<int> each = {};
    int from = None;
    bool Holds(int col) const;
};

enum class Look {
    Underlined, // blue and underlined
    BlueText,   // blue, not underlined
};

enum class Rows {
    Every,       // every data row of a link column holds a link
    WithAddress, // only rows the reader kept an address for: the others look plain and open nothing
};

struct View {
    const char *code;    // CurrentView (ZoomView in a Zoom window)
    bool family = false; // code is how every code of a family of views begins
    // A click opens the row's page and the hand shows over these columns.
    Columns links = {};
    // The columns drawn as links, where they are not the link columns.
    std::optional<Columns> drawn = std::nullopt;
    Look look = Look::Underlined;
    Rows rows = Rows::Every;

    const Columns &Drawn() const { return drawn ? *drawn : links; }
};

// The row of a view; a view the table does not name has no link columns.
const View &Of(QStringView view);

} // namespace LinkColumns
