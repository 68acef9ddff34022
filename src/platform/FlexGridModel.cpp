#include "platform/FlexGridModel.h"

#include "platform/Figure.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace {

constexpr int GeneralAlignment = 9;

const QString &EmptyText()
{
    static const QString empty;
    return empty;
}

struct SortKey {
    bool isNumber = false;
    double number = 0;
    QString text;
};

SortKey KeyOf(const QString &text)
{
    SortKey k;
    if (const std::optional<double> v = Figure::Of(text)) {
        k.isNumber = true;
        k.number = *v;
    } else {
        k.text = text;
    }
    return k;
}

// A strict order: the generic rule pairs numbers with numbers and texts with
// texts; a number meeting a text goes first so the order stays transitive.
bool KeyLess(const SortKey &a, const SortKey &b)
{
    if (a.isNumber != b.isNumber)
        return a.isNumber;
    if (a.isNumber)
        return a.number < b.number;
    return QString::compare(a.text, b.text, Qt::CaseInsensitive) < 0;
}

template<class T>
void Permute(std::vector<T> &rowsOfValues, const std::vector<int> &order, size_t first, size_t width)
{
    std::vector<T> moved;
    moved.reserve(order.size() * width);
    for (int src : order)
        for (size_t i = 0; i < width; ++i)
            moved.push_back(std::move(rowsOfValues[size_t(src) * width + i]));
    std::move(moved.begin(), moved.end(), rowsOfValues.begin() + std::ptrdiff_t(first * width));
}

} // namespace

bool FlexCellLook::operator==(const FlexCellLook &o) const
{
    return backColor == o.backColor && foreColor == o.foreColor && fontWidth == o.fontWidth
        && picture.cacheKey() == o.picture.cacheKey() && alignment == o.alignment
        && pictureAlignment == o.pictureAlignment && textStyle == o.textStyle && bold == o.bold
        && underline == o.underline;
}

size_t qHash(const FlexCellLook &l, size_t seed)
{
    return qHashMulti(seed, l.backColor, l.foreColor, l.fontWidth, l.picture.cacheKey(), l.alignment,
                      l.pictureAlignment, l.textStyle, l.bold, l.underline);
}

FlexGridModel::FlexGridModel(QObject *parent) : QAbstractTableModel(parent)
{
    looks_.emplace_back();
    lookIndex_.insert(looks_[0], 0);
}

int FlexGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : shownRows_;
}

int FlexGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : shownCols_;
}

QVariant FlexGridModel::data(const QModelIndex &index, int role) const
{
    // While notifications are off the views may still ask about the shape
    // they were last told; cells that are gone read empty.
    if (role != Qt::DisplayRole || !index.isValid() || !Has(index.row(), index.column()))
        return QVariant();
    return Text(index.row(), index.column());
}

const QString &FlexGridModel::Text(int row, int col) const
{
    return Has(row, col) ? texts_[At(row, col)] : EmptyText();
}

void FlexGridModel::SetText(int row, int col, const QString &text)
{
    texts_[At(row, col)] = text;
    Changed(row, col);
}

const FlexCellLook &FlexGridModel::Look(int row, int col) const
{
    return Has(row, col) ? looks_[lookIds_[At(row, col)]] : looks_[0];
}

void FlexGridModel::SetLook(int row, int col, const FlexCellLook &look)
{
    lookIds_[At(row, col)] = Intern(look);
    Changed(row, col);
}

uint32_t FlexGridModel::Intern(const FlexCellLook &look)
{
    const auto it = lookIndex_.constFind(look);
    if (it != lookIndex_.cend())
        return it.value();
    const auto id = uint32_t(looks_.size());
    looks_.push_back(look);
    lookIndex_.insert(look, id);
    return id;
}

void FlexGridModel::Changed(int row, int col)
{
    if (live_) {
        const QModelIndex i = index(row, col);
        Q_EMIT dataChanged(i, i);
    } else {
        dataDirty_ = true;
    }
}

void FlexGridModel::Restructured()
{
    if (live_) {
        beginResetModel();
        shownRows_ = rows_;
        shownCols_ = cols_;
        endResetModel();
    } else {
        structureDirty_ = true;
    }
}

const QString &FlexGridModel::RowData(int row) const
{
    static const QString none;
    return row >= 0 && row < rows_ ? rowData_[size_t(row)] : none;
}

void FlexGridModel::SetRows(int rows)
{
    if (rows == rows_)
        return;
    const int old = rows_;
    if (live_) {
        if (rows > old)
            beginInsertRows(QModelIndex(), old, rows - 1);
        else
            beginRemoveRows(QModelIndex(), rows, old - 1);
    }
    rows_ = rows;
    texts_.resize(size_t(rows) * size_t(cols_));
    lookIds_.resize(texts_.size(), 0);
    rowHeights_.resize(size_t(rows), -1);
    rowData_.resize(size_t(rows));
    if (live_) {
        shownRows_ = rows;
        if (rows > old)
            endInsertRows();
        else
            endRemoveRows();
    } else {
        structureDirty_ = true;
    }
}

void FlexGridModel::SetCols(int cols)
{
    if (cols == cols_)
        return;
    const int old = cols_;
    if (live_) {
        if (cols > old)
            beginInsertColumns(QModelIndex(), old, cols - 1);
        else
            beginRemoveColumns(QModelIndex(), cols, old - 1);
    }
    std::vector<QString> texts(size_t(rows_) * size_t(cols));
    std::vector<uint32_t> ids(texts.size(), 0);
    const int keep = std::min(old, cols);
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < keep; ++c) {
            texts[size_t(r) * size_t(cols) + size_t(c)] = std::move(texts_[At(r, c)]);
            ids[size_t(r) * size_t(cols) + size_t(c)] = lookIds_[At(r, c)];
        }
    texts_ = std::move(texts);
    lookIds_ = std::move(ids);
    cols_ = cols;
    colWidths_.resize(size_t(cols), -1);
    colPercents_.resize(size_t(cols), -1);
    colAlignments_.resize(size_t(cols), GeneralAlignment);
    if (live_) {
        shownCols_ = cols;
        if (cols > old)
            endInsertColumns();
        else
            endRemoveColumns();
    } else {
        structureDirty_ = true;
    }
}

void FlexGridModel::InsertRow(int at, const QStringList &parts)
{
    if (live_)
        beginInsertRows(QModelIndex(), at, at);
    const auto pos = std::ptrdiff_t(At(at, 0));
    texts_.insert(texts_.begin() + pos, size_t(cols_), QString());
    lookIds_.insert(lookIds_.begin() + pos, size_t(cols_), 0u);
    rowHeights_.insert(rowHeights_.begin() + at, -1);
    rowData_.insert(rowData_.begin() + at, QString());
    ++rows_;
    const int n = std::min(int(parts.size()), cols_);
    for (int c = 0; c < n; ++c)
        texts_[At(at, c)] = parts[c];
    if (live_) {
        shownRows_ = rows_;
        endInsertRows();
    } else {
        structureDirty_ = true;
    }
}

void FlexGridModel::ClearCells()
{
    std::fill(texts_.begin(), texts_.end(), QString());
    std::fill(lookIds_.begin(), lookIds_.end(), 0u);
    std::fill(rowData_.begin(), rowData_.end(), QString());
    looks_.resize(1);
    lookIndex_.clear();
    lookIndex_.insert(looks_[0], 0);
    if (live_) {
        if (rows_ > 0 && cols_ > 0)
            Q_EMIT dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
    } else {
        dataDirty_ = true;
    }
}

void FlexGridModel::SortRows(int first, int last, int key, bool descending)
{
    last = std::min(last, rows_ - 1);
    if (first < 0 || first >= last || key < 0 || key >= cols_)
        return;
    std::vector<SortKey> keys;
    keys.reserve(size_t(last - first + 1));
    for (int r = first; r <= last; ++r)
        keys.push_back(KeyOf(texts_[At(r, key)]));
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return descending ? KeyLess(keys[size_t(b)], keys[size_t(a)]) : KeyLess(keys[size_t(a)], keys[size_t(b)]);
    });
    for (int &o : order)
        o += first;
    Permute(texts_, order, size_t(first), size_t(cols_));
    Permute(lookIds_, order, size_t(first), size_t(cols_));
    Permute(rowHeights_, order, size_t(first), 1);
    Permute(rowData_, order, size_t(first), 1);
    Restructured();
}

void FlexGridModel::MoveCol(int from, int to)
{
    if (from == to)
        return;
    const auto rotate = [&](auto begin) {
        if (from < to)
            std::rotate(begin + from, begin + from + 1, begin + to + 1);
        else
            std::rotate(begin + to, begin + from, begin + from + 1);
    };
    for (int r = 0; r < rows_; ++r) {
        rotate(texts_.begin() + std::ptrdiff_t(At(r, 0)));
        rotate(lookIds_.begin() + std::ptrdiff_t(At(r, 0)));
    }
    rotate(colWidths_.begin());
    rotate(colPercents_.begin());
    rotate(colAlignments_.begin());
    Restructured();
}

void FlexGridModel::SetLive(bool on)
{
    if (on == live_)
        return;
    live_ = on;
    if (!on)
        return;
    if (structureDirty_) {
        beginResetModel();
        shownRows_ = rows_;
        shownCols_ = cols_;
        endResetModel();
    } else if (dataDirty_ && rows_ > 0 && cols_ > 0) {
        Q_EMIT dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
    }
    structureDirty_ = dataDirty_ = false;
}
