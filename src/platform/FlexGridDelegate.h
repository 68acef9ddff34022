#pragma once
// Draws one FlexGrid cell in its look: background, picture, text with its
// alignment, font and style, grid lines, selection and focus. The grid's
// table view and its frozen part both paint through it, so every cell stays
// an item of the view that screen readers can read.
#include <QStyledItemDelegate>

class FlexGrid;

class FlexGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit FlexGridDelegate(FlexGrid *grid);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // Counts cells painted; tests read it to see that a grid drew nothing.
    static long long PaintedCells();

private:
    void PaintLines(QPainter *painter, const QRect &rect, int style, bool fixed) const;
    FlexGrid *grid_;
};
