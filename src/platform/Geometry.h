#pragma once
// A control's place and size in twips, as the program's figures are kept.
// Reading converts the pixel geometry; writing rounds to whole pixels.
#include <QWidget>

#include "platform/Twips.h"

namespace Geometry {

// A window's outer rectangle in pixels. A window laid out by its layout
// but not yet shown nor sized has only a stand-in size (100 x 30 pixels
// with an owner); it is given the size it would show at first, so that a
// window placed by its width is placed by the right one, and is not
// squeezed to that stand-in when it is moved.
QRect Outer(const QWidget *w);

inline double Left(const QWidget *w) { return Twips::FromPixels(w->x()); }
inline double Top(const QWidget *w) { return Twips::FromPixels(w->y()); }
inline double Width(const QWidget *w) { return Twips::FromPixels(w->isWindow() ? Outer(w).width() : w->width()); }
inline double Height(const QWidget *w) { return Twips::FromPixels(w->isWindow() ? Outer(w).height() : w->height()); }
// Inner area (ScaleWidth/ScaleHeight) in twips.
inline double ScaleWidth(const QWidget *w) { return Twips::FromPixels(w->width()); }
inline double ScaleHeight(const QWidget *w) { return Twips::FromPixels(w->height()); }

// Places a window, frame included, in the middle of around.
void CenterOn(QWidget *w, const QRect &around);
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
