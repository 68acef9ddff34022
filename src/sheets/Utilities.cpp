#include "sheets/Utilities.h"

#include "platform/FlexGrid.h"
#include "platform/Vb.h"

namespace Utilities {

namespace {

bool Inside(const FlexGrid *grid, int row, int col)
{
    return row >= 0 && row < grid->Rows() && col >= 0 && col < grid->Cols();
}

} // namespace

void SetColWidth(FlexGrid *grid, const QList<double> &percents)
{
    if (!grid)
        return;
    for (qsizetype i = 0; i < percents.size(); ++i)
        Skip([&] { grid->SetColWidthPercent(int(i), percents[i]); });
}

void SetColAlignment(FlexGrid *grid, const QList<int> &alignments)
{
    if (!grid)
        return;
    for (qsizetype i = 0; i < alignments.size(); ++i)
        Skip([&] { grid->SetColAlignment(int(i), alignments[i]); });
}

void SetColAlignment2(FlexGrid *grid, const QList<int> &alignments) { SetColAlignment(grid, alignments); }

void SetHeaders(FlexGrid *grid, const QStringList &texts)
{
    if (!grid)
        return;
    for (qsizetype i = 0; i < texts.size(); ++i)
        Skip([&] { grid->SetTextArray(int(i), texts[i]); });
}

void SetCell(FlexGrid *grid, int16_t row, int16_t col, const QString &text, int16_t alignment, bool bold,
             int /*reserved*/, uint32_t foreColor, uint32_t backColor)
{
    if (!grid)
        return;
    Skip([&] { grid->SetCol(col); });
    Skip([&] { grid->SetRow(row); });
    // A cell outside the grid gets nothing, rather than its look landing on
    // whichever cell happened to be current.
    if (!Inside(grid, row, col))
        return;
    Skip([&] { grid->SetTextMatrix(row, col, text); });
    Skip([&] { grid->SetCellAlignment(row, col, alignment); });
    Skip([&] { grid->SetCellBackColor(row, col, backColor); });
    Skip([&] { grid->SetCellFontBold(row, col, bold); });
    Skip([&] { grid->SetCellFontUnderline(row, col, false); });
    Skip([&] { grid->SetCellForeColor(row, col, foreColor); });
}

void MarkRows(FlexGrid *grid, int16_t firstRow, int16_t lastRow, int16_t col)
{
    if (!grid)
        return;
    Skip([&] { grid->SetCol(col); });
    for (int row = firstRow; row <= lastRow; ++row) {
        Skip([&] { grid->SetRow(row); });
        if (!Inside(grid, row, col))
            continue;
        Skip([&] { grid->SetCellFontUnderline(row, col, true); });
        Skip([&] { grid->SetCellForeColor(row, col, 0xFF0000); });
    }
}

} // namespace Utilities
