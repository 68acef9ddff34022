#pragma once
// The page a grid's link cell opens. Which columns are links is the table of
// core/LinkColumns, which the readers draw link cells from; the click on a
// link cell (main grid and Zoom window) and the hand pointer over link
// columns read it here, so the hand shows exactly where a click opens
// something.
//
// Rows 0 and 1 are title and header; a click opens something only from row
// 2 on, while the hand shows over every row of a link column. Values taken
// from cells go into addresses percent-encoded; link paths a sheet keeps
// are joined as they stand; a whole address kept in a cell opens only when
// it is a web or mail address.
#include <QString>
#include <functional>

namespace GridLinkColumns {

// The view's link columns hold col (the hand shows over it).
bool IsLinkColumn(const QString &view, int col);

// The views whose click turns the clicked cell red and opens nothing.
bool MarksClickedCell(const QString &view);

// The address a click on (row, col) of a grid showing view opens, "" for
// none. cell(r, c) reads the grid's text.
using CellText = std::function<QString(int row, int col)>;
QString Address(const QString &view, int row, int col, const CellText &cell);

} // namespace GridLinkColumns
