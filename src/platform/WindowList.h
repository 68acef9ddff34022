#pragma once
// The program's windows in the order they were made. Qt's list of top-level
// widgets has no defined order, and the window arrangement takes its left
// edges from the window made just before; so every window is noted here the
// moment it is created (no window has to register itself).
#include <QList>

class QWidget;

namespace WindowList {

// Every existing window, oldest first; menus and tool tips are no windows.
QList<QWidget *> Windows();

} // namespace WindowList
