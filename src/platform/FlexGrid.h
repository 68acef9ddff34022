#pragma once
// The one grid of every table in the program. Rows and columns count from 0;
// the first FixedRows rows and FixedCols columns stay in place while the rest
// scrolls, in their own button-grey look. Measures are twips, colours
// 0x00BBGGRR or system colour numbers (VbColor.h).
//
// Like the control it stands in for, a grid has a current cell (Row, Col)
// and a selection reaching to (RowSel, ColSel); the Cell... properties read
// and write the current cell, and the same properties taken with a row and a
// column reach any cell directly. Reading outside the grid gives "" (or 0);
// writing outside it throws VbError 381, which fillers' failure paths catch.
//
// With Redraw off the grid records changes and neither repaints nor lays
// itself out; turning Redraw on shows everything at once.
#include "platform/FlexGridModel.h"

#include <QCursor>
#include <QPixmap>
#include <QTableView>
#include <cstdint>
#include <vector>

class FlexGridDelegate;
class QHeaderView;
class FlexGridFrozenPane;

class FlexGrid : public QTableView {
    Q_OBJECT
public:
    enum Alignment : int {
        flexAlignLeftTop = 0,
        flexAlignLeftCenter = 1,
        flexAlignLeftBottom = 2,
        flexAlignCenterTop = 3,
        flexAlignCenterCenter = 4,
        flexAlignCenterBottom = 5,
        flexAlignRightTop = 6,
        flexAlignRightCenter = 7,
        flexAlignRightBottom = 8,
        flexAlignGeneral = 9, // texts left, numbers right
    };
    enum TextStyle : int { flexTextFlat = 0, flexTextRaised = 1, flexTextInset = 2, flexTextRaisedLight = 3, flexTextInsetLight = 4 };
    enum GridLineStyle : int { flexGridNone = 0, flexGridFlat = 1, flexGridInset = 2, flexGridRaised = 3 };
    enum SortCode : int { flexSortNone = 0, flexSortGenericAscending = 1, flexSortGenericDescending = 2 };
    enum DragAction : int { vbCancel = 0, vbBeginDrag = 1, vbEndDrag = 2 };
    enum DragState : int { vbEnter = 0, vbLeave = 1, vbOver = 2 };
    enum MousePointerCode : int { flexDefault = 0, flexArrow = 1, flexCross = 2, flexIBeam = 3, flexSizeAll = 5,
                                  flexSizeNESW = 6, flexSizeNS = 7, flexSizeNWSE = 8, flexSizeEW = 9, flexUpArrow = 10,
                                  flexHourglass = 11, flexNoDrop = 12, flexArrowHourGlass = 13, flexArrowQuestion = 14,
                                  flexSizeAll2 = 15, flexCustom = 99 };

    explicit FlexGrid(QWidget *parent = nullptr);
    ~FlexGrid() override;

    // --- shape ---
    int Rows() const { return model_->Rows(); }
    void SetRows(int rows); // growing appends empty rows, shrinking drops the last
    int Cols() const { return model_->Cols(); }
    void SetCols(int cols);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int rows);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int cols);

    // --- texts ---
    QString TextMatrix(int row, int col) const { return model_->Text(row, col); }
    void SetTextMatrix(int row, int col, const QString &text);
    // Cell number index counted row by row from (0, 0).
    QString TextArray(int index) const;
    void SetTextArray(int index, const QString &text);
    // The current cell's text.
    QString Text() const { return TextMatrix(row_, col_); }
    void SetText(const QString &text) { SetTextMatrix(row_, col_, text); }
    // A new row at the end, or at row `index` (0..Rows); tab-separated parts
    // fill columns 0, 1, ...; parts beyond the last column are dropped.
    void AddItem(const QString &item);
    void AddItem(const QString &item, int index);
    // Empties every cell's text and look and every row's data; sizes,
    // alignments and the number of rows and columns stay.
    void Clear();
    // A value kept with a row, never shown, that moves with the row when the
    // grid is sorted: what a row stands for. "" outside the grid; writing
    // outside it throws as a cell does.
    QString RowData(int row) const { return model_->RowData(row); }
    void SetRowData(int row, const QString &data);
    // The selection's texts: a tab between cells, a carriage return between
    // rows, nothing after the last row; hidden cells included.
    QString Clip() const;

    // --- sizes and positions, in twips ---
    // Width 0 hides a column, height 0 a row; -1 sets the default again.
    int ColWidth(int col) const;
    // A width of the column's own, kept whatever the grid's width.
    void SetColWidth(int col, int twips);
    // The column's share of the grid: percent x Width / 100, to the nearest
    // twip (halves to the even one). With SetColsFollowWidth on, every change
    // of the grid's width gives the column its share again.
    void SetColWidthPercent(int col, double percent);
    static int PercentTwips(double percent, int gridWidth);
    // Off (the default), column widths stay as set while the grid resizes.
    void SetColsFollowWidth(bool on) { colsFollowWidth_ = on; }
    int RowHeight(int row) const;
    void SetRowHeight(int row, int twips);
    // Left edge of the column measured from the grid's left edge as it is
    // scrolled now (fixed columns never move).
    int ColPos(int col) const;
    // The control's outer width.
    int Width() const;
    // The first scrollable row at the top of the scrolling part.
    int TopRow() const;
    void SetTopRow(int row);
    // The cell under the mouse at its last event over the grid; -1 when the
    // mouse was not over a row (or column).
    int MouseRow() const { return mouseRow_; }
    int MouseCol() const { return mouseCol_; }

    // --- current cell and selection ---
    // Setting Row (Col) also sets RowSel (ColSel): the selection becomes the
    // current cell; set RowSel/ColSel afterwards to select a block.
    int Row() const { return row_; }
    void SetRow(int row);
    int Col() const { return col_; }
    void SetCol(int col);
    int RowSel() const { return rowSel_; }
    void SetRowSel(int row);
    int ColSel() const { return colSel_; }
    void SetColSel(int col);
    // Every cell, fixed ones included: current cell (0, 0), selection to the
    // last row and column.
    void selectAll() override;

    // --- grid look ---
    uint32_t BackColor() const { return backColor_; }
    void SetBackColor(uint32_t color);
    int GridLines() const { return gridLines_; }
    void SetGridLines(int style);
    int ColAlignment(int col) const;
    void SetColAlignment(int col, int alignment);

    // --- look of the current cell ---
    uint32_t CellBackColor() const { return CellBackColor(row_, col_); }
    void SetCellBackColor(uint32_t color) { SetCellBackColor(row_, col_, color); }
    uint32_t CellForeColor() const { return CellForeColor(row_, col_); }
    void SetCellForeColor(uint32_t color) { SetCellForeColor(row_, col_, color); }
    bool CellFontBold() const { return CellFontBold(row_, col_); }
    void SetCellFontBold(bool on) { SetCellFontBold(row_, col_, on); }
    bool CellFontUnderline() const { return CellFontUnderline(row_, col_); }
    void SetCellFontUnderline(bool on) { SetCellFontUnderline(row_, col_, on); }
    float CellFontWidth() const { return CellFontWidth(row_, col_); }
    void SetCellFontWidth(float points) { SetCellFontWidth(row_, col_, points); }
    int CellTextStyle() const { return CellTextStyle(row_, col_); }
    void SetCellTextStyle(int style) { SetCellTextStyle(row_, col_, style); }
    int CellAlignment() const { return CellAlignment(row_, col_); }
    void SetCellAlignment(int alignment) { SetCellAlignment(row_, col_, alignment); }
    QPixmap CellPicture() const { return CellPicture(row_, col_); }
    void SetCellPicture(const QPixmap &picture) { SetCellPicture(row_, col_, picture); }
    int CellPictureAlignment() const { return CellPictureAlignment(row_, col_); }
    void SetCellPictureAlignment(int alignment) { SetCellPictureAlignment(row_, col_, alignment); }

    // --- look of any cell ---
    // Colours read as shown: a cell without its own colour gives the grid's.
    uint32_t CellBackColor(int row, int col) const;
    void SetCellBackColor(int row, int col, uint32_t color);
    uint32_t CellForeColor(int row, int col) const;
    void SetCellForeColor(int row, int col, uint32_t color);
    bool CellFontBold(int row, int col) const { return model_->Look(row, col).bold; }
    void SetCellFontBold(int row, int col, bool on);
    bool CellFontUnderline(int row, int col) const { return model_->Look(row, col).underline; }
    void SetCellFontUnderline(int row, int col, bool on);
    // Average character width in points (a narrower or wider face); 0 = normal.
    float CellFontWidth(int row, int col) const { return model_->Look(row, col).fontWidth; }
    void SetCellFontWidth(int row, int col, float points);
    int CellTextStyle(int row, int col) const { return model_->Look(row, col).textStyle; }
    void SetCellTextStyle(int row, int col, int style);
    // A cell without its own alignment gives its column's.
    int CellAlignment(int row, int col) const;
    void SetCellAlignment(int row, int col, int alignment);
    QPixmap CellPicture(int row, int col) const { return model_->Look(row, col).picture; }
    void SetCellPicture(int row, int col, const QPixmap &picture);
    int CellPictureAlignment(int row, int col) const;
    void SetCellPictureAlignment(int row, int col, int alignment);

    // --- drawing, sorting, moving ---
    bool Redraw() const { return redraw_; }
    void SetRedraw(bool on);
    // Sorts the sort rows by column Col (flexSort... codes): the rows below
    // the fixed rows, or the range a sheet declared, so its title, spacer and
    // hidden rows stay where they are.
    void SetSort(int code);
    // first..last (inclusive); -1, -1 for every row below the fixed rows.
    // Kept until set again; filling the grid afresh sets it.
    void SetSortRows(int first, int last) { sortFirst_ = first; sortLast_ = last; }
    // Moves column col, with its texts, looks, width and alignment, to
    // position newPos; the columns between shift by one towards the old place.
    void SetColPosition(int col, int newPos);

    // --- mouse ---
    int MousePointer() const { return mousePointer_; }
    void SetMousePointer(int code);
    QCursor MouseIcon() const { return mouseIcon_; }
    void SetMouseIcon(const QCursor &cursor);
    // Pointer shown while the grid is dragged.
    void SetDragIcon(const QCursor &cursor) { dragIcon_ = cursor; hasDragIcon_ = true; }
    // vbBeginDrag starts a manual drag of the grid that lasts until the mouse
    // button is released (DragDrop when over the grid); vbEndDrag drops at
    // once, vbCancel ends it without a drop.
    void Drag(int action = vbBeginDrag);
    bool Dragging() const { return dragging_; }

    // The view's own questions, answered with the fixed part frozen.
    QModelIndex indexAt(const QPoint &pos) const override;
    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

Q_SIGNALS:
    void Click();
    void DblClick();
    // Buttons and shift state as VbInput.h describes; x and y in twips from
    // the grid's top-left corner.
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);
    void KeyDown(int keyCode, int shift);
    void DragOver(QWidget *source, float x, float y, int state);
    void DragDrop(QWidget *source, float x, float y);
    // Every drag of the grid ends with this, dropped or not (after DragDrop).
    void DragEnded();

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;
    bool viewportEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class FlexGridDelegate;
    friend class FlexGridFrozenPane;

    [[noreturn]] static void ThrowRow();
    [[noreturn]] static void ThrowCol();
    void CheckCell(int row, int col) const;
    template<class Edit>
    void EditLook(int row, int col, Edit edit);

    // Geometry in pixels of the unscrolled table.
    int DefaultRowPx() const { return defaultRowPx_; }
    int RowPx(int row) const;
    int ColPx(int col) const;
    int RowTop(int row) const; // row == Rows gives the table's height
    int ColLeft(int col) const;
    int FixedHeight() const { return RowTop(fixedRows_); }
    int FixedWidth() const { return ColLeft(fixedCols_); }
    int RowAtContent(int y) const;
    int ColAtContent(int x) const;
    void InvalidateGeometry() { geometryValid_ = false; }
    void BuildGeometry() const;
    // Viewport positions and rectangles as shown, fixed cells in their frozen place.
    int ViewLeft(int col) const;
    int ViewTop(int row) const;
    QRect CellRect(int row, int col) const;
    int RowAtViewport(int y) const;
    int ColAtViewport(int x) const;
    bool Highlighted(int row, int col) const;
    bool IsFixed(int row, int col) const { return row < fixedRows_ || col < fixedCols_; }

    // Bring the views in line with the store after changes made while
    // Redraw was off (or after a reset).
    void ApplySizes();
    void ApplyColWidths();
    void StoreColWidth(int col, int twips);
    // Size 0 hides the section.
    static void ApplySection(QHeaderView *header, int section, int px);
    void SyncSelection();
    void Repaint();
    void ClampSelection();
    void ShowCell(int row, int col);

    void TrackMouse(const QPoint &viewportPos);
    QPointF TwipsOf(const QPoint &viewportPos) const;
    void SelectAt(int row, int col, bool extend);
    void ExtendTo(int row, int col);
    void MoveCurrent(int dRow, int dCol, bool extend, bool page = false);
    void ApplyCursor();
    void EndDrag(bool drop, const QPoint &viewportPos);
    void UpdateDefaults();

    FlexGridModel *model_;
    FlexGridDelegate *delegate_;
    FlexGridFrozenPane *frozen_;

    int fixedRows_ = 1;
    int fixedCols_ = 1;
    int row_ = 1;
    int col_ = 1;
    int rowSel_ = 1;
    int colSel_ = 1;
    bool redraw_ = true;
    int resets_ = 0; // model resets seen
    int pendingTopRow_ = -1;

    uint32_t backColor_;
    int gridLines_ = flexGridFlat;
    int defaultRowPx_ = 16;
    int defaultColPx_ = 64;
    bool colsFollowWidth_ = false;

    mutable bool geometryValid_ = false;
    mutable std::vector<int> rowTops_;
    mutable std::vector<int> colLefts_;

    int mouseRow_ = -1;
    int mouseCol_ = -1;
    enum class Press { None, Cell, ColumnHeader, RowHeader };
    Press press_ = Press::None;
    bool swallowClick_ = false;
    int sortFirst_ = -1, sortLast_ = -1;
    int mousePointer_ = flexDefault;
    QCursor mouseIcon_;
    QCursor dragIcon_;
    bool hasDragIcon_ = false;
    bool dragging_ = false;
    bool dragInside_ = false;
    QPoint lastMousePos_;
};
