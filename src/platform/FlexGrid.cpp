#include "platform/FlexGrid.h"

#include "platform/FlexGridDelegate.h"
#include "platform/Twips.h"
#include "platform/Vb.h"
#include "platform/VbColor.h"
#include "platform/VbInput.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>

namespace {

// The grey the control shows beyond its last row and column.
constexpr uint32_t BackColorBkg = 0x808080u;
constexpr int MaxSectionPx = 1048575; // the header views' own limit

VbError InvalidValue()
{
    return VbError(380, QStringLiteral("Invalid property value"));
}

} // namespace

// Paints the fixed rows and columns in their frozen place over the
// scrolling table. The table view underneath still holds every cell, fixed
// ones too, so the pane is only a picture; the mouse goes through it.
class FlexGridFrozenPane : public QWidget {
public:
    explicit FlexGridFrozenPane(FlexGrid *grid) : QWidget(grid), grid_(grid)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        FlexGrid &g = *grid_;
        const int fixedRows = std::min(g.fixedRows_, g.Rows());
        const int fixedCols = std::min(g.fixedCols_, g.Cols());
        if (fixedRows == 0 && fixedCols == 0)
            return;
        QPainter p(this);
        QStyleOptionViewItem option;
        g.initViewItemOption(&option);
        const auto paintCell = [&](int r, int c) {
            const QRect cell = g.CellRect(r, c);
            if (cell.isEmpty() || !cell.intersects(event->rect()))
                return;
            option.rect = cell;
            p.save();
            g.delegate_->paint(&p, option, g.model_->index(r, c));
            p.restore();
        };
        const int fh = g.FixedHeight();
        const int fw = g.FixedWidth();
        // The rows that scroll beside the fixed columns, and the columns that
        // scroll under the fixed rows; the corner last, over both.
        if (fixedCols > 0 && g.Rows() > fixedRows) {
            p.setClipRect(QRect(0, fh, fw, height() - fh));
            const int first = std::max(fixedRows, g.RowAtContent(fh + g.verticalOffset()));
            for (int r = first; r < g.Rows() && g.ViewTop(r) < height(); ++r)
                for (int c = 0; c < fixedCols; ++c)
                    paintCell(r, c);
        }
        if (fixedRows > 0 && g.Cols() > fixedCols) {
            p.setClipRect(QRect(fw, 0, width() - fw, fh));
            const int first = std::max(fixedCols, g.ColAtContent(fw + g.horizontalOffset()));
            for (int c = first; c < g.Cols() && g.ViewLeft(c) < width(); ++c)
                for (int r = 0; r < fixedRows; ++r)
                    paintCell(r, c);
        }
        p.setClipRect(QRect(0, 0, fw, fh));
        for (int r = 0; r < fixedRows; ++r)
            for (int c = 0; c < fixedCols; ++c)
                paintCell(r, c);
    }

private:
    FlexGrid *grid_;
};

FlexGrid::FlexGrid(QWidget *parent)
    : QTableView(parent), model_(new FlexGridModel(this)), delegate_(new FlexGridDelegate(this)),
      frozen_(nullptr), backColor_(VbColor::Window)
{
    setProperty("vbType", QStringLiteral("MSFlexGrid"));
    model_->SetRows(2);
    model_->SetCols(2);
    setModel(model_);
    setItemDelegate(delegate_);
    for (QHeaderView *h : {horizontalHeader(), verticalHeader()}) {
        h->hide();
        h->setSectionResizeMode(QHeaderView::Fixed);
        h->setMinimumSectionSize(1);
    }
    setShowGrid(false);
    setWordWrap(true);
    setCornerButtonEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setAutoScroll(false);
    setDragEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Right-button presses reach MouseDown; the owner opens its own menus.
    setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setMouseTracking(true);
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Base, VbColor::ToQColor(BackColorBkg));
    viewport()->setPalette(pal);

    frozen_ = new FlexGridFrozenPane(this);
    frozen_->setGeometry(viewport()->geometry());
    frozen_->raise();

    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        ++resets_;
        ApplySizes();
        SyncSelection();
    });
    const auto refreshFrozen = [this] {
        if (redraw_)
            frozen_->update();
    };
    connect(model_, &QAbstractItemModel::dataChanged, frozen_, refreshFrozen);
    connect(model_, &QAbstractItemModel::rowsInserted, frozen_, refreshFrozen);
    connect(model_, &QAbstractItemModel::rowsRemoved, frozen_, refreshFrozen);
    connect(model_, &QAbstractItemModel::columnsInserted, frozen_, refreshFrozen);
    connect(model_, &QAbstractItemModel::columnsRemoved, frozen_, refreshFrozen);

    UpdateDefaults();
    SyncSelection();
}

FlexGrid::~FlexGrid() = default;

// --- errors -------------------------------------------------------------

void FlexGrid::ThrowRow()
{
    throw VbError(381, QStringLiteral("Invalid Row value"));
}

void FlexGrid::ThrowCol()
{
    throw VbError(381, QStringLiteral("Invalid Column value"));
}

void FlexGrid::CheckCell(int row, int col) const
{
    if (row < 0 || row >= Rows())
        ThrowRow();
    if (col < 0 || col >= Cols())
        ThrowCol();
}

// --- shape --------------------------------------------------------------

void FlexGrid::SetRows(int rows)
{
    if (rows < 0)
        ThrowRow();
    if (rows == Rows())
        return;
    fixedRows_ = std::min(fixedRows_, rows);
    model_->SetRows(rows);
    InvalidateGeometry();
    ClampSelection();
    SyncSelection();
}

void FlexGrid::SetCols(int cols)
{
    if (cols < 0)
        ThrowCol();
    if (cols == Cols())
        return;
    fixedCols_ = std::min(fixedCols_, cols);
    model_->SetCols(cols);
    InvalidateGeometry();
    ClampSelection();
    SyncSelection();
}

void FlexGrid::SetFixedRows(int rows)
{
    if (rows < 0 || rows > Rows())
        ThrowRow();
    fixedRows_ = rows;
    Repaint();
}

void FlexGrid::SetFixedCols(int cols)
{
    if (cols < 0 || cols > Cols())
        ThrowCol();
    fixedCols_ = cols;
    Repaint();
}

void FlexGrid::ClampSelection()
{
    const int lastRow = std::max(0, Rows() - 1);
    const int lastCol = std::max(0, Cols() - 1);
    row_ = std::min(row_, lastRow);
    rowSel_ = std::min(rowSel_, lastRow);
    col_ = std::min(col_, lastCol);
    colSel_ = std::min(colSel_, lastCol);
}

// --- texts --------------------------------------------------------------

void FlexGrid::SetTextMatrix(int row, int col, const QString &text)
{
    CheckCell(row, col);
    model_->SetText(row, col, text);
}

QString FlexGrid::TextArray(int index) const
{
    if (index < 0 || Cols() == 0)
        return QString();
    return TextMatrix(index / Cols(), index % Cols());
}

void FlexGrid::SetTextArray(int index, const QString &text)
{
    if (index < 0 || Cols() == 0)
        ThrowRow();
    SetTextMatrix(index / Cols(), index % Cols(), text);
}

void FlexGrid::AddItem(const QString &item)
{
    AddItem(item, Rows());
}

void FlexGrid::AddItem(const QString &item, int index)
{
    if (index < 0 || index > Rows())
        ThrowRow();
    model_->InsertRow(index, item.split(u'\t'));
    InvalidateGeometry();
}

void FlexGrid::Clear()
{
    model_->ClearCells();
}

void FlexGrid::SetRowData(int row, const QString &data)
{
    if (row < 0 || row >= Rows())
        ThrowRow();
    model_->SetRowData(row, data);
}

QString FlexGrid::Clip() const
{
    if (Rows() == 0 || Cols() == 0)
        return QString();
    const int r0 = std::min(row_, rowSel_), r1 = std::max(row_, rowSel_);
    const int c0 = std::min(col_, colSel_), c1 = std::max(col_, colSel_);
    QString out;
    for (int r = r0; r <= r1; ++r) {
        if (r > r0)
            out += u'\r';
        for (int c = c0; c <= c1; ++c) {
            if (c > c0)
                out += u'\t';
            out += model_->Text(r, c);
        }
    }
    return out;
}

// --- sizes and positions ------------------------------------------------

int FlexGrid::RowPx(int row) const
{
    const int px = model_->RowHeightPx(row);
    return px < 0 ? defaultRowPx_ : px;
}

int FlexGrid::ColPx(int col) const
{
    const int px = model_->ColWidthPx(col);
    return px < 0 ? defaultColPx_ : px;
}

void FlexGrid::BuildGeometry() const
{
    if (geometryValid_)
        return;
    rowTops_.assign(size_t(Rows()) + 1, 0);
    for (int r = 0; r < Rows(); ++r)
        rowTops_[size_t(r) + 1] = rowTops_[size_t(r)] + RowPx(r);
    colLefts_.assign(size_t(Cols()) + 1, 0);
    for (int c = 0; c < Cols(); ++c)
        colLefts_[size_t(c) + 1] = colLefts_[size_t(c)] + ColPx(c);
    geometryValid_ = true;
}

int FlexGrid::RowTop(int row) const
{
    BuildGeometry();
    return rowTops_[size_t(std::clamp(row, 0, Rows()))];
}

int FlexGrid::ColLeft(int col) const
{
    BuildGeometry();
    return colLefts_[size_t(std::clamp(col, 0, Cols()))];
}

namespace {

// The section that covers position pos of a run of starts (starts.back() is
// the total length); -1 outside. Among zero-size sections at the same place
// the visible one after them wins.
int SectionAt(const std::vector<int> &starts, int pos)
{
    if (pos < 0 || pos >= starts.back())
        return -1;
    return int(std::upper_bound(starts.begin(), starts.end(), pos) - starts.begin()) - 1;
}

} // namespace

int FlexGrid::RowAtContent(int y) const
{
    BuildGeometry();
    return SectionAt(rowTops_, y);
}

int FlexGrid::ColAtContent(int x) const
{
    BuildGeometry();
    return SectionAt(colLefts_, x);
}

int FlexGrid::RowAtViewport(int y) const
{
    return y < FixedHeight() ? RowAtContent(y) : RowAtContent(y + verticalOffset());
}

int FlexGrid::ColAtViewport(int x) const
{
    return x < FixedWidth() ? ColAtContent(x) : ColAtContent(x + horizontalOffset());
}

int FlexGrid::ViewLeft(int col) const
{
    return ColLeft(col) - (col < fixedCols_ ? 0 : horizontalOffset());
}

int FlexGrid::ViewTop(int row) const
{
    return RowTop(row) - (row < fixedRows_ ? 0 : verticalOffset());
}

QRect FlexGrid::CellRect(int row, int col) const
{
    return QRect(ViewLeft(col), ViewTop(row), ColPx(col), RowPx(row));
}

namespace {

// Stored pixels for a size given in twips; -1 stays the default.
int StoredPixels(int twips)
{
    if (twips < -1)
        throw InvalidValue();
    return twips == -1 ? -1 : std::min(Twips::ToPixels(twips), MaxSectionPx);
}

} // namespace

int FlexGrid::ColWidth(int col) const
{
    if (col < 0 || col >= Cols())
        return 0;
    return int(Twips::FromPixels(ColPx(col)));
}

void FlexGrid::StoreColWidth(int col, int twips)
{
    if (col < 0 || col >= Cols())
        ThrowCol();
    model_->SetColWidthPx(col, StoredPixels(twips));
    InvalidateGeometry();
    if (redraw_) {
        ApplySection(horizontalHeader(), col, ColPx(col));
        Repaint();
    }
}

void FlexGrid::SetColWidth(int col, int twips)
{
    StoreColWidth(col, twips);
    model_->SetColPercent(col, -1);
}

int FlexGrid::PercentTwips(double percent, int gridWidth)
{
    return Twips::ScreenInt(percent * gridWidth / 100.0);
}

void FlexGrid::SetColWidthPercent(int col, double percent)
{
    StoreColWidth(col, PercentTwips(percent, Width()));
    model_->SetColPercent(col, percent);
}

void FlexGrid::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    if (!colsFollowWidth_ || event->oldSize().width() == event->size().width())
        return;
    for (int c = 0; c < Cols(); ++c)
        if (const double percent = model_->ColPercent(c); percent >= 0)
            model_->SetColWidthPx(c, StoredPixels(PercentTwips(percent, Width())));
    InvalidateGeometry();
    ApplyColWidths();
}

int FlexGrid::RowHeight(int row) const
{
    if (row < 0 || row >= Rows())
        return 0;
    return int(Twips::FromPixels(RowPx(row)));
}

void FlexGrid::SetRowHeight(int row, int twips)
{
    if (row < 0 || row >= Rows())
        ThrowRow();
    model_->SetRowHeightPx(row, StoredPixels(twips));
    InvalidateGeometry();
    if (redraw_) {
        ApplySection(verticalHeader(), row, RowPx(row));
        Repaint();
    }
}

int FlexGrid::ColPos(int col) const
{
    if (col < 0 || col >= Cols())
        return 0;
    return int(Twips::FromPixels(ViewLeft(col) + viewport()->x()));
}

int FlexGrid::Width() const
{
    return int(Twips::FromPixels(width()));
}

int FlexGrid::TopRow() const
{
    if (!redraw_ && pendingTopRow_ >= 0)
        return pendingTopRow_;
    if (Rows() <= fixedRows_)
        return std::max(0, std::min(fixedRows_, Rows() - 1));
    // The first row starting at the top of the scrolling part (a hidden row
    // there counts), else the row cut by it.
    BuildGeometry();
    const int y = verticalOffset() + FixedHeight();
    const auto begin = rowTops_.begin() + fixedRows_;
    const auto end = rowTops_.begin() + Rows();
    const auto it = std::lower_bound(begin, end, y);
    int r = int(it - rowTops_.begin());
    if (it == end || *it != y)
        --r;
    return std::clamp(r, fixedRows_, Rows() - 1);
}

void FlexGrid::SetTopRow(int row)
{
    if (row < 0 || row >= Rows())
        ThrowRow();
    row = std::max(row, fixedRows_);
    if (!redraw_) {
        pendingTopRow_ = row;
        return;
    }
    updateGeometries();
    verticalScrollBar()->setValue(RowTop(row) - FixedHeight());
}

// --- current cell and selection -----------------------------------------

void FlexGrid::SetRow(int row)
{
    if (row < 0 || row >= Rows())
        ThrowRow();
    row_ = rowSel_ = row;
    SyncSelection();
}

void FlexGrid::SetCol(int col)
{
    if (col < 0 || col >= Cols())
        ThrowCol();
    col_ = colSel_ = col;
    SyncSelection();
}

void FlexGrid::SetRowSel(int row)
{
    if (row < 0 || row >= Rows())
        ThrowRow();
    rowSel_ = row;
    SyncSelection();
}

void FlexGrid::SetColSel(int col)
{
    if (col < 0 || col >= Cols())
        ThrowCol();
    colSel_ = col;
    SyncSelection();
}

void FlexGrid::selectAll()
{
    row_ = col_ = 0;
    rowSel_ = std::max(0, Rows() - 1);
    colSel_ = std::max(0, Cols() - 1);
    SyncSelection();
}

bool FlexGrid::Highlighted(int row, int col) const
{
    if (row == row_ && col == col_)
        return false; // the current cell shows its focus frame instead
    return row >= std::min(row_, rowSel_) && row <= std::max(row_, rowSel_) && col >= std::min(col_, colSel_)
        && col <= std::max(col_, colSel_);
}

void FlexGrid::SyncSelection()
{
    // The view's selection mirrors ours so that screen readers follow the
    // current cell; painting reads ours.
    if (!redraw_)
        return;
    QItemSelectionModel *sm = selectionModel();
    if (Rows() == 0 || Cols() == 0 || model_->rowCount() != Rows() || model_->columnCount() != Cols()) {
        sm->clear();
    } else {
        sm->setCurrentIndex(model_->index(row_, col_), QItemSelectionModel::NoUpdate);
        const QModelIndex a = model_->index(std::min(row_, rowSel_), std::min(col_, colSel_));
        const QModelIndex b = model_->index(std::max(row_, rowSel_), std::max(col_, colSel_));
        sm->select(QItemSelection(a, b), QItemSelectionModel::ClearAndSelect);
    }
    Repaint();
}

// --- grid look ----------------------------------------------------------

void FlexGrid::Repaint()
{
    if (!redraw_)
        return;
    viewport()->update();
    frozen_->update();
}

void FlexGrid::SetBackColor(uint32_t color)
{
    backColor_ = color;
    Repaint();
}

void FlexGrid::SetGridLines(int style)
{
    if (style < flexGridNone || style > flexGridRaised)
        throw InvalidValue();
    gridLines_ = style;
    Repaint();
}

int FlexGrid::ColAlignment(int col) const
{
    return col >= 0 && col < Cols() ? model_->ColAlignment(col) : 0;
}

void FlexGrid::SetColAlignment(int col, int alignment)
{
    if (col < 0 || col >= Cols())
        ThrowCol();
    if (alignment < flexAlignLeftTop || alignment > flexAlignGeneral)
        throw InvalidValue();
    model_->SetColAlignment(col, alignment);
    Repaint();
}

// --- cell looks ---------------------------------------------------------

template<class Edit>
void FlexGrid::EditLook(int row, int col, Edit edit)
{
    CheckCell(row, col);
    FlexCellLook look = model_->Look(row, col);
    edit(look);
    model_->SetLook(row, col, look);
}

uint32_t FlexGrid::CellBackColor(int row, int col) const
{
    if (!model_->Has(row, col))
        return 0;
    const uint32_t own = model_->Look(row, col).backColor;
    return own != FlexCellLook::NoColor ? own : IsFixed(row, col) ? VbColor::ButtonFace : backColor_;
}

void FlexGrid::SetCellBackColor(int row, int col, uint32_t color)
{
    EditLook(row, col, [&](FlexCellLook &l) { l.backColor = color; });
}

uint32_t FlexGrid::CellForeColor(int row, int col) const
{
    if (!model_->Has(row, col))
        return 0;
    const uint32_t own = model_->Look(row, col).foreColor;
    return own != FlexCellLook::NoColor ? own : IsFixed(row, col) ? VbColor::ButtonText : VbColor::WindowText;
}

void FlexGrid::SetCellForeColor(int row, int col, uint32_t color)
{
    EditLook(row, col, [&](FlexCellLook &l) { l.foreColor = color; });
}

void FlexGrid::SetCellFontBold(int row, int col, bool on)
{
    EditLook(row, col, [&](FlexCellLook &l) { l.bold = on; });
}

void FlexGrid::SetCellFontUnderline(int row, int col, bool on)
{
    EditLook(row, col, [&](FlexCellLook &l) { l.underline = on; });
}

void FlexGrid::SetCellFontWidth(int row, int col, float points)
{
    if (points < 0)
        throw InvalidValue();
    EditLook(row, col, [&](FlexCellLook &l) { l.fontWidth = points; });
}

void FlexGrid::SetCellTextStyle(int row, int col, int style)
{
    if (style < flexTextFlat || style > flexTextInsetLight)
        throw InvalidValue();
    EditLook(row, col, [&](FlexCellLook &l) { l.textStyle = int8_t(style); });
}

int FlexGrid::CellAlignment(int row, int col) const
{
    if (!model_->Has(row, col))
        return 0;
    const int own = model_->Look(row, col).alignment;
    return own >= 0 ? own : model_->ColAlignment(col);
}

void FlexGrid::SetCellAlignment(int row, int col, int alignment)
{
    if (alignment < flexAlignLeftTop || alignment > flexAlignGeneral)
        throw InvalidValue();
    EditLook(row, col, [&](FlexCellLook &l) { l.alignment = int8_t(alignment); });
}

void FlexGrid::SetCellPicture(int row, int col, const QPixmap &picture)
{
    EditLook(row, col, [&](FlexCellLook &l) { l.picture = picture; });
}

int FlexGrid::CellPictureAlignment(int row, int col) const
{
    if (!model_->Has(row, col))
        return 0;
    const int own = model_->Look(row, col).pictureAlignment;
    return own >= 0 ? own : int(flexAlignLeftCenter);
}

void FlexGrid::SetCellPictureAlignment(int row, int col, int alignment)
{
    if (alignment < flexAlignLeftTop || alignment > flexAlignRightBottom)
        throw InvalidValue();
    EditLook(row, col, [&](FlexCellLook &l) { l.pictureAlignment = int8_t(alignment); });
}

// --- drawing, sorting, moving -------------------------------------------

void FlexGrid::SetRedraw(bool on)
{
    if (on == redraw_)
        return;
    redraw_ = on;
    if (!on) {
        model_->SetLive(false);
        setUpdatesEnabled(false);
        return;
    }
    const int resets = resets_;
    model_->SetLive(true);
    if (resets_ == resets) { // a reset has laid out sizes and selection already
        ApplySizes();
        SyncSelection();
    }
    if (pendingTopRow_ >= 0) {
        const int top = std::min(pendingTopRow_, Rows() - 1);
        pendingTopRow_ = -1;
        if (top >= 0)
            SetTopRow(top);
    }
    setUpdatesEnabled(true);
}

void FlexGrid::ApplySection(QHeaderView *header, int section, int px)
{
    if (section >= header->count())
        return;
    if (px == 0) {
        if (!header->isSectionHidden(section))
            header->hideSection(section);
        return;
    }
    if (header->isSectionHidden(section))
        header->showSection(section);
    if (header->sectionSize(section) != px)
        header->resizeSection(section, px);
}

void FlexGrid::ApplySizes()
{
    if (!redraw_)
        return;
    verticalHeader()->setDefaultSectionSize(defaultRowPx_);
    horizontalHeader()->setDefaultSectionSize(defaultColPx_);
    for (int r = 0; r < Rows(); ++r)
        ApplySection(verticalHeader(), r, RowPx(r));
    ApplyColWidths();
}

void FlexGrid::ApplyColWidths()
{
    if (!redraw_)
        return;
    for (int c = 0; c < Cols(); ++c)
        ApplySection(horizontalHeader(), c, ColPx(c));
    updateGeometries();
    Repaint();
}

void FlexGrid::SetSort(int code)
{
    if (code == flexSortNone)
        return;
    if (code != flexSortGenericAscending && code != flexSortGenericDescending)
        throw InvalidValue();
    if (col_ >= Cols())
        return;
    const int first = sortFirst_ >= 0 ? sortFirst_ : fixedRows_;
    const int last = sortFirst_ >= 0 ? sortLast_ : Rows() - 1;
    model_->SortRows(first, last, col_, code == flexSortGenericDescending);
    InvalidateGeometry();
}

void FlexGrid::SetColPosition(int col, int newPos)
{
    if (col < 0 || col >= Cols() || newPos < 0 || newPos >= Cols())
        ThrowCol();
    model_->MoveCol(col, newPos);
    InvalidateGeometry();
}

void FlexGrid::UpdateDefaults()
{
    // A one-line row fits the font with a little air, as the control's did.
    defaultRowPx_ = QFontMetrics(font()).height() + 3;
    verticalScrollBar()->setSingleStep(defaultRowPx_);
    horizontalScrollBar()->setSingleStep(defaultColPx_ / 2);
    InvalidateGeometry();
    ApplySizes();
    Repaint();
}

// --- view plumbing ------------------------------------------------------

QModelIndex FlexGrid::indexAt(const QPoint &pos) const
{
    const int r = RowAtViewport(pos.y());
    const int c = ColAtViewport(pos.x());
    if (r < 0 || c < 0)
        return QModelIndex();
    return model_->index(r, c);
}

QRect FlexGrid::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || !model_->Has(index.row(), index.column()))
        return QRect();
    return CellRect(index.row(), index.column());
}

void FlexGrid::scrollTo(const QModelIndex &index, ScrollHint)
{
    if (index.isValid())
        ShowCell(index.row(), index.column());
}

QModelIndex FlexGrid::moveCursor(CursorAction, Qt::KeyboardModifiers)
{
    // Keys move the current cell in keyPressEvent; the view itself never does.
    return QModelIndex();
}

void FlexGrid::ShowCell(int row, int col)
{
    if (!redraw_)
        return;
    if (row >= fixedRows_ && row < Rows()) {
        const int top = RowTop(row), fh = FixedHeight();
        int v = verticalOffset();
        if (top - v < fh)
            v = top - fh;
        else if (top + RowPx(row) - v > viewport()->height())
            v = std::min(top + RowPx(row) - viewport()->height(), top - fh);
        verticalScrollBar()->setValue(v);
    }
    if (col >= fixedCols_ && col < Cols()) {
        const int left = ColLeft(col), fw = FixedWidth();
        int h = horizontalOffset();
        if (left - h < fw)
            h = left - fw;
        else if (left + ColPx(col) - h > viewport()->width())
            h = std::min(left + ColPx(col) - viewport()->width(), left - fw);
        horizontalScrollBar()->setValue(h);
    }
}

void FlexGrid::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    if (redraw_)
        frozen_->update();
}

void FlexGrid::updateGeometries()
{
    QTableView::updateGeometries();
    if (frozen_ && frozen_->geometry() != viewport()->geometry())
        frozen_->setGeometry(viewport()->geometry());
}

bool FlexGrid::viewportEvent(QEvent *event)
{
    // Scroll bars coming and going resize the viewport; the frozen pane
    // covers exactly the same area.
    if (frozen_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        frozen_->setGeometry(viewport()->geometry());
    return QTableView::viewportEvent(event);
}

void FlexGrid::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    Repaint();
}

void FlexGrid::focusOutEvent(QFocusEvent *event)
{
    QTableView::focusOutEvent(event);
    Repaint();
}

void FlexGrid::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        UpdateDefaults();
    else if (event->type() == QEvent::PaletteChange)
        Repaint();
}

// --- mouse --------------------------------------------------------------

QPointF FlexGrid::TwipsOf(const QPoint &viewportPos) const
{
    const QPoint p = viewportPos + viewport()->pos();
    return QPointF(Twips::FromPixels(p.x()), Twips::FromPixels(p.y()));
}

void FlexGrid::TrackMouse(const QPoint &viewportPos)
{
    lastMousePos_ = viewportPos;
    mouseRow_ = RowAtViewport(viewportPos.y());
    mouseCol_ = ColAtViewport(viewportPos.x());
}

void FlexGrid::SelectAt(int row, int col, bool extend)
{
    press_ = Press::None;
    if (row < 0 || col < 0)
        return;
    const bool inFixedRow = row < fixedRows_;
    const bool inFixedCol = col < fixedCols_;
    if (inFixedRow && inFixedCol)
        return;
    if (inFixedRow) {
        // A fixed row's cell takes the whole column below it.
        if (Rows() <= fixedRows_)
            return;
        if (!extend) {
            col_ = col;
            row_ = fixedRows_;
        }
        colSel_ = col;
        rowSel_ = Rows() - 1;
        press_ = Press::ColumnHeader;
    } else if (inFixedCol) {
        if (Cols() <= fixedCols_)
            return;
        if (!extend) {
            row_ = row;
            col_ = fixedCols_;
        }
        rowSel_ = row;
        colSel_ = Cols() - 1;
        press_ = Press::RowHeader;
    } else {
        if (!extend) {
            row_ = row;
            col_ = col;
        }
        rowSel_ = row;
        colSel_ = col;
        press_ = Press::Cell;
        ShowCell(row, col);
    }
    SyncSelection();
}

void FlexGrid::ExtendTo(int row, int col)
{
    // Beyond the last cell the selection reaches the last one; over the
    // fixed part it stops at the first scrolling one.
    if (row < 0)
        row = lastMousePos_.y() < FixedHeight() ? fixedRows_ : Rows() - 1;
    if (col < 0)
        col = lastMousePos_.x() < FixedWidth() ? fixedCols_ : Cols() - 1;
    row = std::clamp(row, fixedRows_, std::max(fixedRows_, Rows() - 1));
    col = std::clamp(col, fixedCols_, std::max(fixedCols_, Cols() - 1));
    const int oldRow = rowSel_, oldCol = colSel_;
    if (press_ == Press::Cell || press_ == Press::RowHeader)
        rowSel_ = row;
    if (press_ == Press::Cell || press_ == Press::ColumnHeader)
        colSel_ = col;
    if (rowSel_ != oldRow || colSel_ != oldCol)
        SyncSelection();
}

void FlexGrid::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    TrackMouse(pos);
    setFocus(Qt::MouseFocusReason);
    if (dragging_) {
        // A drag begun without a held button ends at the next click.
        EndDrag(true, pos);
        return;
    }
    if (event->button() == Qt::LeftButton)
        SelectAt(mouseRow_, mouseCol_, event->modifiers() & Qt::ShiftModifier);
    const QPointF t = TwipsOf(pos);
    Q_EMIT MouseDown(VbInput::Buttons(event->button()), VbInput::Shift(event->modifiers()), float(t.x()), float(t.y()));
}

void FlexGrid::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    TrackMouse(pos);
    const QPointF t = TwipsOf(pos);
    if (dragging_) {
        const bool inside = rect().contains(pos + viewport()->pos());
        if (inside) {
            const int state = dragInside_ ? vbOver : vbEnter;
            dragInside_ = true;
            Q_EMIT DragOver(this, float(t.x()), float(t.y()), state);
        } else if (dragInside_) {
            dragInside_ = false;
            Q_EMIT DragOver(this, float(t.x()), float(t.y()), vbLeave);
        }
        return;
    }
    Q_EMIT MouseMove(VbInput::Buttons(event->buttons()), VbInput::Shift(event->modifiers()), float(t.x()), float(t.y()));
    if (!dragging_ && (event->buttons() & Qt::LeftButton) && press_ != Press::None)
        ExtendTo(mouseRow_, mouseCol_);
}

void FlexGrid::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    TrackMouse(pos);
    press_ = Press::None;
    if (dragging_) {
        // The release ends the drag with a drop, and is no click.
        EndDrag(true, pos);
        swallowClick_ = false;
        return;
    }
    const QPointF t = TwipsOf(pos);
    Q_EMIT MouseUp(VbInput::Buttons(event->button()), VbInput::Shift(event->modifiers()), float(t.x()), float(t.y()));
    if (event->button() == Qt::LeftButton) {
        if (swallowClick_)
            swallowClick_ = false;
        else
            Q_EMIT Click();
    }
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || dragging_) {
        mousePressEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    TrackMouse(pos);
    SelectAt(mouseRow_, mouseCol_, event->modifiers() & Qt::ShiftModifier);
    // The release that follows gives MouseUp but no second Click.
    swallowClick_ = true;
    Q_EMIT DblClick();
}

void FlexGrid::SetMousePointer(int code)
{
    const bool known = (code >= flexDefault && code <= flexSizeAll2 && code != 4) || code == flexCustom;
    if (!known)
        throw InvalidValue();
    mousePointer_ = code;
    ApplyCursor();
}

void FlexGrid::SetMouseIcon(const QCursor &cursor)
{
    mouseIcon_ = cursor;
    ApplyCursor();
}

void FlexGrid::ApplyCursor()
{
    QWidget *v = viewport();
    if (dragging_) {
        v->setCursor(hasDragIcon_ ? dragIcon_ : QCursor(Qt::DragMoveCursor));
        return;
    }
    switch (mousePointer_) {
    case flexArrow: v->setCursor(Qt::ArrowCursor); break;
    case flexCross: v->setCursor(Qt::CrossCursor); break;
    case flexIBeam: v->setCursor(Qt::IBeamCursor); break;
    case flexSizeAll: case flexSizeAll2: v->setCursor(Qt::SizeAllCursor); break;
    case flexSizeNESW: v->setCursor(Qt::SizeBDiagCursor); break;
    case flexSizeNS: v->setCursor(Qt::SizeVerCursor); break;
    case flexSizeNWSE: v->setCursor(Qt::SizeFDiagCursor); break;
    case flexSizeEW: v->setCursor(Qt::SizeHorCursor); break;
    case flexUpArrow: v->setCursor(Qt::UpArrowCursor); break;
    case flexHourglass: v->setCursor(Qt::WaitCursor); break;
    case flexNoDrop: v->setCursor(Qt::ForbiddenCursor); break;
    case flexArrowHourGlass: v->setCursor(Qt::BusyCursor); break;
    case flexArrowQuestion: v->setCursor(Qt::WhatsThisCursor); break;
    case flexCustom: v->setCursor(mouseIcon_); break;
    default: v->unsetCursor(); break;
    }
}

void FlexGrid::Drag(int action)
{
    switch (action) {
    case vbBeginDrag:
        if (!dragging_) {
            dragging_ = true;
            dragInside_ = false;
            ApplyCursor();
        }
        break;
    case vbEndDrag:
        if (dragging_)
            EndDrag(true, lastMousePos_);
        break;
    case vbCancel:
        if (dragging_)
            EndDrag(false, lastMousePos_);
        break;
    default:
        throw InvalidValue();
    }
}

void FlexGrid::EndDrag(bool drop, const QPoint &viewportPos)
{
    dragging_ = false;
    dragInside_ = false;
    ApplyCursor();
    if (drop && rect().contains(viewportPos + viewport()->pos())) {
        const QPointF t = TwipsOf(viewportPos);
        Q_EMIT DragDrop(this, float(t.x()), float(t.y()));
    }
    Q_EMIT DragEnded();
}

// --- keys ---------------------------------------------------------------

void FlexGrid::keyPressEvent(QKeyEvent *event)
{
    Q_EMIT KeyDown(VbInput::KeyCode(event), VbInput::Shift(event->modifiers()));
    // Copy and select-all belong to the owner's KeyDown handler.
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)) {
        event->accept();
        return;
    }
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Up: MoveCurrent(-1, 0, extend); break;
    case Qt::Key_Down: MoveCurrent(1, 0, extend); break;
    case Qt::Key_Left: MoveCurrent(0, -1, extend); break;
    case Qt::Key_Right: MoveCurrent(0, 1, extend); break;
    case Qt::Key_PageUp: MoveCurrent(-1, 0, extend, true); break;
    case Qt::Key_PageDown: MoveCurrent(1, 0, extend, true); break;
    case Qt::Key_Home: MoveCurrent(ctrl ? -Rows() : 0, -Cols(), extend); break;
    case Qt::Key_End: MoveCurrent(ctrl ? Rows() : 0, Cols(), extend); break;
    default: event->ignore(); return;
    }
    event->accept();
}

namespace {

// Steps `delta` visible places from `from` within first..count-1, skipping
// sections of size 0; stops at the ends.
template<class SizeOf>
int Step(int from, int delta, int first, int count, SizeOf sizeOf)
{
    int at = std::max(from, first - 1);
    const int dir = delta < 0 ? -1 : 1;
    for (int n = std::abs(delta); n > 0; --n) {
        int k = at + dir;
        while (k >= first && k < count && sizeOf(k) == 0)
            k += dir;
        if (k < first || k >= count)
            break;
        at = k;
    }
    if (at < first) {
        // Started in the fixed part and could not move down: the first
        // visible scrolling place, if any.
        int k = first;
        while (k < count && sizeOf(k) == 0)
            ++k;
        return k < count ? k : from;
    }
    return at;
}

} // namespace

void FlexGrid::MoveCurrent(int dRow, int dCol, bool extend, bool page)
{
    if (Rows() <= fixedRows_ || Cols() <= fixedCols_)
        return;
    if (page)
        dRow *= std::max(1, (viewport()->height() - FixedHeight()) / std::max(1, defaultRowPx_));
    int r = extend ? rowSel_ : row_;
    int c = extend ? colSel_ : col_;
    if (dRow != 0 || r < fixedRows_)
        r = Step(r, dRow, fixedRows_, Rows(), [this](int i) { return RowPx(i); });
    if (dCol != 0 || c < fixedCols_)
        c = Step(c, dCol, fixedCols_, Cols(), [this](int i) { return ColPx(i); });
    if (extend) {
        rowSel_ = r;
        colSel_ = c;
    } else {
        row_ = rowSel_ = r;
        col_ = colSel_ = c;
    }
    SyncSelection();
    ShowCell(r, c);
}
