#include "sheets/GridInteraction.h"

#include "core/Misc.h"
#include "links/GridLinkColumns.h"
#include "platform/FlexGrid.h"
#include "platform/Hourglass.h"
#include "platform/Vb.h"

#include <QClipboard>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace GridInteraction {

int16_t SortOrder = 0;

bool Sortable(const QString &view)
{
    static const char *const views[] = {"Current", "SUP", "QR", "IT", "BR", "Upgrade", "Downgrade", "Coverage", "Call", "Put"};
    for (const char *v : views)
        if (view == QLatin1String(v))
            return true;
    return false;
}

void Sort(FlexGrid *grid)
{
    SortOrder = SortOrder == 1 ? 2 : 1;
    try {
        grid->SetSort(SortOrder == 1 ? FlexGrid::flexSortGenericAscending : FlexGrid::flexSortGenericDescending);
    } catch (const VbError &) {
    }
}

void MarkHeader(FlexGrid *grid)
{
    if (grid->Rows() == 0 || grid->Cols() == 0)
        return;
    const int row = grid->Row();
    grid->SetRedraw(false);
    for (int c = 0; c < grid->Cols(); ++c)
        grid->SetCellForeColor(0, c, 0);
    const int col = grid->MouseCol();
    if (col >= 0 && col < grid->Cols()) {
        grid->SetCellForeColor(0, col, 0xFF0000);
        grid->SetCol(col);
    }
    grid->SetRow(row);
    grid->SetRedraw(true);
}

void SetPointer(FlexGrid *grid, const QString &view)
{
    const bool hand = GridLinkColumns::IsLinkColumn(view, grid->MouseCol());
    if (hand && grid->MousePointer() != FlexGrid::flexCustom) {
        grid->SetMouseIcon(QCursor(Qt::PointingHandCursor));
        grid->SetMousePointer(FlexGrid::flexCustom);
    } else if (!hand && grid->MousePointer() != FlexGrid::flexDefault) {
        grid->SetMousePointer(FlexGrid::flexDefault);
    }
}

void ClickLink(FlexGrid *grid, const QString &view)
{
    const Hourglass hourglass;
    if (GridLinkColumns::MarksClickedCell(view)) {
        Vb::Skip([grid] { grid->SetCellForeColor(0x0000FF); });
        return;
    }
    const QString address = GridLinkColumns::Address(view, grid->RowSel(), grid->Col(),
                                                     [grid](int r, int c) { return grid->TextMatrix(r, c); });
    if (address.size() >= 2)
        Misc::OpenAddress(address);
}

bool Drag::Movable(const FlexGrid *grid)
{
    return grid->MouseRow() == 0 && grid->MouseCol() >= 0 && !(grid->MouseCol() == 0 && grid->FixedCols() == 1);
}

bool Drag::Arm(const FlexGrid *grid, float x, float y)
{
    if (!Movable(grid))
        return false;
    startX = int16_t(std::lround(std::clamp<double>(x, -32768, 32767)));
    startY = int16_t(std::lround(std::clamp<double>(y, -32768, 32767)));
    col = -1;
    armed = -1;
    return true;
}

bool Drag::Begin(FlexGrid *grid, int button, float x, float y)
{
    if (armed == 0 || button != 1 || col != -1 || grid->MouseRow() != 0)
        return false;
    if (std::abs(startX - double(x)) + std::abs(startY - double(y)) < 50)
        return false;
    col = int16_t(grid->MouseCol());
    grid->Drag(FlexGrid::vbBeginDrag);
    return true;
}

bool Drag::Drop(FlexGrid *grid)
{
    // Only a drag of this grid's own header is dropped, once.
    const int from = col;
    col = -1;
    if (from < 0 || !Movable(grid))
        return false;
    try {
        grid->SetRedraw(false);
        const int to = grid->MouseCol();
        grid->SetColPosition(from, to);
        // Placed by hand, the column keeps its width while the grid resizes.
        grid->SetColWidth(to, grid->ColWidth(to));
        grid->SetRedraw(true);
        return true;
    } catch (const VbError &) {
        grid->SetRedraw(true);
        return false;
    }
}

void SelectAll(FlexGrid *grid)
{
    if (grid->Rows() == 0 || grid->Cols() == 0)
        return;
    grid->SetCol(0);
    grid->SetRow(0);
    grid->SetRowSel(grid->Rows() - 1);
    grid->SetColSel(grid->Cols() - 1);
}

void Copy(const FlexGrid *grid)
{
    if (QClipboard *clip = QGuiApplication::clipboard())
        clip->setText(grid->Clip());
}

void KeyDown(FlexGrid *grid, int keyCode, int shift)
{
    constexpr int CtrlMask = 2;
    if (!(shift & CtrlMask))
        return;
    if (keyCode == 'C')
        Copy(grid);
    else if (keyCode == 'A')
        SelectAll(grid);
}

} // namespace GridInteraction
