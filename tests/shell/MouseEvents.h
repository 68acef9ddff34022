#pragma once
// Mouse events delivered straight to a control, as the desktop sends them,
// also to a window that is not on show; clicks on a grid's cells.
#include "platform/FlexGrid.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace tw::test {

inline void SendMouse(QWidget *w, QEvent::Type type, Qt::MouseButton button, QPointF at = QPointF(3, 3))
{
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease || (type == QEvent::MouseMove && button == Qt::NoButton) ? Qt::NoButton
                                                                                                  : Qt::MouseButtons(button);
    QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

// The desktop's order: press, release, double click, release.
inline void DoubleClick(QWidget *w, QPointF at = QPointF(3, 3))
{
    SendMouse(w, QEvent::MouseButtonPress, Qt::LeftButton, at);
    SendMouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, at);
    SendMouse(w, QEvent::MouseButtonDblClick, Qt::LeftButton, at);
    SendMouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, at);
}

// A left click, press and release, at one place.
inline void Click(QWidget *w, QPointF at)
{
    SendMouse(w, QEvent::MouseButtonPress, Qt::LeftButton, at);
    SendMouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, at);
}

// A cell off the screen has no place to click: it is scrolled into view.
inline QPoint CellCenter(FlexGrid *g, int row, int col)
{
    g->scrollTo(g->model()->index(row, col));
    return g->visualRect(g->model()->index(row, col)).center();
}

inline void ClickCell(FlexGrid *g, int row, int col) { Click(g->viewport(), CellCenter(g, row, col)); }

} // namespace tw::test
