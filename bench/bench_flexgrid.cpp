// How long the grid takes to receive a big sheet: 10 000 rows of 20 columns
// written with Redraw off, then shown with Redraw on.
#include "Bench.h"
#include "platform/FlexGrid.h"

#include <QApplication>
#include <algorithm>
#include <vector>

namespace {

constexpr int DataRows = 10000;
constexpr int Columns = 20;

std::vector<QString> CellTexts()
{
    std::vector<QString> texts;
    texts.reserve(size_t(DataRows) * Columns);
    for (int r = 0; r < DataRows; ++r)
        for (int c = 0; c < Columns; ++c)
            texts.push_back(c == 0 ? QStringLiteral("Company %1 Inc.").arg(r) : QString::number(r * 0.37 + c, 'f', 2));
    return texts;
}

void Settle(FlexGrid &grid)
{
    grid.repaint();
    QApplication::processEvents();
}

} // namespace

TW_BENCH(flexgrid)
{
    const std::vector<QString> texts = CellTexts();
    FlexGrid grid;
    grid.resize(900, 600);
    grid.show();
    QApplication::processEvents();

    // The filler's way: one empty row added per table row, cells by TextMatrix.
    const double growing = bench::medianMs(7, [&] {
        grid.SetRedraw(false);
        grid.Clear();
        grid.SetRows(1);
        grid.SetCols(Columns);
        for (int r = 0; r < DataRows; ++r) {
            grid.SetRows(grid.Rows() + 1);
            for (int c = 0; c < Columns; ++c)
                grid.SetTextMatrix(r + 1, c, texts[size_t(r) * Columns + size_t(c)]);
            grid.SetRowHeight(r + 1, 255);
        }
        grid.SetRedraw(true);
    });
    bench::report(QStringLiteral("flexgrid_fill_textmatrix_10000x20"), growing, QStringLiteral("ms"));

    // The quote list's way: one tab-separated row per AddItem.
    std::vector<QString> lines;
    for (int r = 0; r < DataRows; ++r) {
        QStringList parts;
        for (int c = 0; c < Columns; ++c)
            parts << texts[size_t(r) * Columns + size_t(c)];
        lines.push_back(parts.join(u'\t'));
    }
    const double added = bench::medianMs(7, [&] {
        grid.SetRedraw(false);
        grid.Clear();
        grid.SetRows(1);
        grid.SetCols(Columns);
        for (const QString &line : lines)
            grid.AddItem(line);
        for (int r = 1; r < grid.Rows(); r += 2)
            grid.SetCellBackColor(r, 4, 0xC0FFFF);
        grid.SetRedraw(true);
    });
    bench::report(QStringLiteral("flexgrid_fill_additem_10000x20"), added, QStringLiteral("ms"));

    const double painted = bench::medianMs(7, [&] { Settle(grid); });
    bench::report(QStringLiteral("flexgrid_paint_visible"), painted, QStringLiteral("ms"));

    int order = 1;
    const double sorted = bench::medianMs(7, [&] {
        grid.SetCol(3);
        grid.SetSort(order);
        order = 3 - order;
    });
    bench::report(QStringLiteral("flexgrid_sort_10000"), sorted, QStringLiteral("ms"));

    // Prices as the quote list shows them (fractions, signed per cents), and
    // as a yardstick from the same run the plain text sort of that column's
    // cells, so the figure reads the same on a busy or an idle machine.
    std::vector<QString> prices;
    for (int r = 0; r < DataRows; ++r) {
        const int n = (r * 7919) % DataRows;
        prices.push_back(r % 2 ? QStringLiteral("%1 %2/8").arg(n / 50).arg(n % 8)
                               : QStringLiteral("%1%2%").arg(n % 3 ? u'+' : u'-').arg(n / 100.0, 0, 'f', 2));
    }
    grid.SetRedraw(false);
    for (int r = 0; r < DataRows; ++r)
        grid.SetTextMatrix(r + 1, 2, prices[size_t(r)]);
    grid.SetRedraw(true);
    const double priceSort = bench::medianMs(7, [&] {
        grid.SetCol(2);
        grid.SetSort(order);
        order = 3 - order;
    });
    const double textSort = bench::medianMs(7, [&] {
        std::vector<QString> texts = prices;
        std::stable_sort(texts.begin(), texts.end(), [](const QString &a, const QString &b) {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        });
    });
    bench::report(QStringLiteral("flexgrid_sort_prices_10000"), priceSort, QStringLiteral("ms"));
    bench::report(QStringLiteral("flexgrid_sort_plain_texts_10000"), textSort, QStringLiteral("ms"));
    bench::report(QStringLiteral("flexgrid_sort_prices_ratio"), priceSort / textSort, QStringLiteral("x"));
}
