#pragma once
// Grid formatting shared by nearly every grid of the program: column widths
// as percentages of the grid, column alignments, header texts, one cell's
// text and look, and the link look of a run of cells. None of them raises: a
// step that the grid refuses (an entry beyond the last column, a cell outside
// the grid) is skipped and the next one runs.
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "platform/Vb.h"

class FlexGrid;

namespace Utilities {

// Runs one formatting step; a step the grid refuses is skipped.
template<class Step>
void Skip(Step step)
{
    try {
        step();
    } catch (const VbError &) {
    }
}

// Column i gets percents[i] per cent of the grid's outer width, and keeps
// that share when the grid follows its width (the main grid does).
void SetColWidth(FlexGrid *grid, const QList<double> &percents);
// Column i gets alignment code alignments[i].
void SetColAlignment(FlexGrid *grid, const QList<int> &alignments);
// The same routine under the name some grids call it by.
void SetColAlignment2(FlexGrid *grid, const QList<int> &alignments);
// Text i goes to cell number i counted row by row from (0, 0): row 0 while
// i is below the column count, then on into row 1.
void SetHeaders(FlexGrid *grid, const QStringList &texts);
// Text and look of cell (row, col), which becomes the current cell;
// `reserved` is not read.
void SetCell(FlexGrid *grid, int16_t row, int16_t col, const QString &text, int16_t alignment, bool bold,
             int reserved, uint32_t foreColor, uint32_t backColor);
// Blue underlined link look for rows firstRow..lastRow of column col; the
// texts stay.
void MarkRows(FlexGrid *grid, int16_t firstRow, int16_t lastRow, int16_t col);

} // namespace Utilities
