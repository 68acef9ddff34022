#pragma once
// A control's place and size in twips, as the program's figures are kept.
// Reading converts the pixel geometry; writing rounds to whole pixels.
#include <QWidget>

#include "platform/Twips.h"

namespace Geometry {

inline double Left(const QWidget *w) { return Twips::FromPixels(w->x()); }
inline double Top(const QWidget *w) { return Twips::FromPixels(w->y()); }
inline double Width(const QWidget *w) { return Twips::FromPixels(w->isWindow() ? w->frameGeometry().width() : w->width()); }
inline double Height(const QWidget *w) { return Twips::FromPixels(w->isWindow() ? w->frameGeometry().height() : w->height()); }
// Inner area (ScaleWidth/ScaleHeight) in twips.
inline double ScaleWidth(const QWidget *w) { return Twips::FromPixels(w->width()); }
inline double ScaleHeight(const QWidget *w) { return Twips::FromPixels(w->height()); }

// Places a window in the middle of the primary screen.
void CenterOnScreen(QWidget *w);
// Moves a window, frame included, inside the available area of the screen
// it is on (the primary screen when it is on none), after the program's own
// placing rule has put it somewhere; a window larger than the area keeps its
// top-left corner on screen. Other windows are left alone.
void KeepOnScreen(QWidget *w);

void Move(QWidget *w, double left, double top, double width, double height);
void SetLeft(QWidget *w, double left);
void SetTop(QWidget *w, double top);
void SetWidth(QWidget *w, double width);
void SetHeight(QWidget *w, double height);

} // namespace Geometry
