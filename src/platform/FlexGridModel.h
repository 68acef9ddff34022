#pragma once
// The cell store behind FlexGrid: texts and looks of a Rows x Cols table,
// row heights, column widths and column alignments, and the moves that carry
// them together (row insert, sort, column move). While the grid does not
// redraw, changes are only recorded; turning notifications back on tells the
// views once, with one reset.
#include <QAbstractTableModel>
#include <QHash>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

struct FlexCellLook {
    static constexpr uint32_t NoColor = 0xFFFFFFFFu; // the grid's own colour
    uint32_t backColor = NoColor;
    uint32_t foreColor = NoColor;
    float fontWidth = 0; // average character width in points; 0 = the font's own
    QPixmap picture;
    int8_t alignment = -1; // -1: the column's
    int8_t pictureAlignment = -1;
    int8_t textStyle = 0;
    bool bold = false;
    bool underline = false;

    bool operator==(const FlexCellLook &o) const;
};
size_t qHash(const FlexCellLook &look, size_t seed = 0);

class FlexGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FlexGridModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    bool Has(int row, int col) const { return row >= 0 && row < rows_ && col >= 0 && col < cols_; }
    void SetRows(int rows);
    void SetCols(int cols);

    // Empty outside the table.
    const QString &Text(int row, int col) const;
    void SetText(int row, int col, const QString &text);
    const FlexCellLook &Look(int row, int col) const;
    void SetLook(int row, int col, const FlexCellLook &look);

    // A new row at `at` (0..Rows) holding parts[i] in column i.
    void InsertRow(int at, const QStringList &parts);
    // Every text and look goes; sizes and alignments stay.
    void ClearCells();
    // Rows first to last (inclusive) ordered by column key; the rest stay
    // put. Cells that show a figure (Figure::Of: "14 7/8", "-0.50%",
    // "$1,200", "980,000") compare as numbers, other cells as texts without
    // regard to case, and numbers come before texts; descending is the exact
    // reverse. Equal keys keep their order. Whole rows move, looks and
    // heights included.
    void SortRows(int first, int last, int key, bool descending);
    // Column `from` goes to position `to`; the columns between shift by one.
    void MoveCol(int from, int to);

    // Pixels; -1 stands for the grid's default.
    int RowHeightPx(int row) const { return rowHeights_[size_t(row)]; }
    void SetRowHeightPx(int row, int px) { rowHeights_[size_t(row)] = px; }
    // A row's own value, never shown; it moves with its row.
    const QString &RowData(int row) const;
    void SetRowData(int row, const QString &data) { rowData_[size_t(row)] = data; }
    int ColWidthPx(int col) const { return colWidths_[size_t(col)]; }
    void SetColWidthPx(int col, int px) { colWidths_[size_t(col)] = px; }
    // The per cent of the grid's width a column was given; -1: a width of
    // its own. It moves with its column.
    double ColPercent(int col) const { return colPercents_[size_t(col)]; }
    void SetColPercent(int col, double percent) { colPercents_[size_t(col)] = percent; }
    int ColAlignment(int col) const { return colAlignments_[size_t(col)]; }
    void SetColAlignment(int col, int alignment) { colAlignments_[size_t(col)] = alignment; }

    bool Live() const { return live_; }
    // Off: changes reach no view. On: one reset (or one change over the
    // whole table when the shape stayed) covers everything done meanwhile.
    void SetLive(bool on);

private:
    size_t At(int row, int col) const { return size_t(row) * size_t(cols_) + size_t(col); }
    uint32_t Intern(const FlexCellLook &look);
    void Changed(int row, int col);
    void Restructured();

    int rows_ = 0;
    int cols_ = 0;
    std::vector<QString> texts_;
    std::vector<uint32_t> lookIds_; // index into looks_, 0 = plain
    std::vector<FlexCellLook> looks_;
    QHash<FlexCellLook, uint32_t> lookIndex_;
    std::vector<int> rowHeights_;
    std::vector<QString> rowData_;
    std::vector<int> colWidths_;
    std::vector<double> colPercents_;
    std::vector<int> colAlignments_;

    bool live_ = true;
    int shownRows_ = 0; // what the views were last told
    int shownCols_ = 0;
    bool structureDirty_ = false;
    bool dataDirty_ = false;
};
