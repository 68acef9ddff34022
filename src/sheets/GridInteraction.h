#pragma once
// What the data grids do under the mouse and the keyboard, shared by the
// main window's grid and the Zoom window's: sorting by a double-click,
// header colours, the hand over link columns, the column drag, select all
// and copy. Each window keeps its own drag state; the sort order is one for
// every grid.
#include <QString>
#include <cstdint>

class FlexGrid;

namespace GridInteraction {

// 1 (ascending) or 2 (descending) once a grid was sorted; 0 before.
extern int16_t SortOrder;

// The views whose grids sort on a double-click.
bool Sortable(const QString &view);
// Flips SortOrder and sorts the grid by its current column (the one just
// double-clicked).
void Sort(FlexGrid *grid);

// Header colours of a mouse-down: the column under the pointer blue, every
// other header black; the current row stays.
void MarkHeader(FlexGrid *grid);

// The hand over the view's link columns, the default pointer elsewhere.
void SetPointer(FlexGrid *grid, const QString &view);
// A click on a grid showing view: a link cell's page goes to the desktop
// (no online check, as the grids always did), the income and balance sheets
// mark the clicked cell red; the hourglass shows meanwhile.
void ClickLink(FlexGrid *grid, const QString &view);

// The column drag of one window.
struct Drag {
    int16_t armed = 0;  // -1 from a mouse-down on a movable header until mouse-up
    int16_t col = 0;    // -1 once armed; then the column dragged, kept after the drop
    int16_t startX = 0; // where the mouse went down, in whole twips
    int16_t startY = 0;

    // A movable header cell: row 0, not column 0 of a grid with one fixed column.
    static bool Movable(const FlexGrid *grid);
    // Mouse-down on a header cell: armed (true) or not.
    bool Arm(const FlexGrid *grid, float x, float y);
    // Mouse-move: begins the grid's drag when the left button alone moved
    // 50 twips (across plus down) or more over the header row.
    bool Begin(FlexGrid *grid, int button, float x, float y);
    // Drop: moves the dragged column to the column under the pointer.
    // Answers whether a column moved. The drag ends either way.
    bool Drop(FlexGrid *grid);
};

// Ctrl+A: every cell, headers and hidden columns included. Ctrl+C: the
// selection's text on the clipboard.
void SelectAll(FlexGrid *grid);
void Copy(const FlexGrid *grid);
// The grid's keys: Ctrl+C copies, Ctrl+A selects all.
void KeyDown(FlexGrid *grid, int keyCode, int shift);

} // namespace GridInteraction
