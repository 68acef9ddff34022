#pragma once
// Driving the newsgroup window in tests: opening it, clicking its label
// buttons and grid rows with real mouse events, reading its grids.
#include "../shell/MouseEvents.h"
#include "platform/FlexGrid.h"
#include "services/News.h"

#include <QLabel>
#include <QTest>

namespace tw::test {

inline News *OpenNews()
{
    News *w = News::Load();
    w->show();
    w->activateWindow();
    return QTest::qWaitForWindowActive(w) ? w : nullptr;
}

inline void ClickLabel(QWidget *label) { QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center()); }

inline void ClickRow(FlexGrid *g, int row, int col = 1)
{
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, CellCenter(g, row, col));
}

inline void DoubleClickRow(FlexGrid *g, int row, int col = 1)
{
    const QPoint at = CellCenter(g, row, col);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(g->viewport(), Qt::LeftButton, {}, at);
}

// Column col of every row below the header.
inline QStringList Column(const FlexGrid *g, int col, int firstRow = 1)
{
    QStringList out;
    for (int r = firstRow; r < g->Rows(); ++r)
        out << g->TextMatrix(r, col);
    return out;
}

inline QString StatusOf(const News *w) { return w->StatusPanel->text(); }

} // namespace tw::test
