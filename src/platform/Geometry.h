#pragma once
// A control's place and size in twips, as the program's figures are kept.
// Reading converts the pixel geometry; writing rounds to whole pixels.
//
// A window's place and size are its frame's, as the program's figures mean
// them. Under a window manager the frame exists only once the window is
// shown and framed; until then a window is measured and placed by the frame
// the last framed window got, and placed again once its own is known.
#include <QMargins>
#include <QWidget>

#include <functional>

#include "platform/Twips.h"

namespace Geometry {

// The frame round a window's inner area: its own once the desktop has
// framed it, before that the one the last framed window got (a desktop
// frames its windows alike); none for a window the desktop leaves bare.
QMargins FrameMargins(const QWidget *w);

// A window's outer rectangle in pixels, frame included, where it is or will
// open. A window laid out by its layout but not yet shown nor sized has
// only a stand-in size (100 x 30 pixels with an owner); it is given the
// size it would show at first, so that a window placed by its width is
// placed by the right one, and is not squeezed to that stand-in when it is
// moved.
QRect Outer(const QWidget *w);
// Moves a window so that its frame's top-left corner is at `at`; a control
// simply to `at`.
void MoveFrame(QWidget *w, const QPoint &at);
// The free area (less panels and docks) of the screen a window is on, the
// primary screen's when it is on none.
QRect FreeArea(const QWidget *w);
// Runs `then` with the window once the desktop has shown it framed (or
// bare), at once when it already is.
void WhenFramed(QWidget *w, std::function<void(QWidget *)> then);

inline double Left(const QWidget *w) { return Twips::FromPixels(w->isWindow() ? Outer(w).x() : w->x()); }
inline double Top(const QWidget *w) { return Twips::FromPixels(w->isWindow() ? Outer(w).y() : w->y()); }
inline double Width(const QWidget *w) { return Twips::FromPixels(w->isWindow() ? Outer(w).width() : w->width()); }
inline double Height(const QWidget *w) { return Twips::FromPixels(w->isWindow() ? Outer(w).height() : w->height()); }
// Inner area (ScaleWidth/ScaleHeight) in twips.
inline double ScaleWidth(const QWidget *w) { return Twips::FromPixels(w->width()); }
inline double ScaleHeight(const QWidget *w) { return Twips::FromPixels(w->height()); }

// Where a window's frame corner goes for the window, frame included, to
// lie in the middle of around.
QPoint Centred(const QWidget *w, const QRect &around);
// Places a window, frame included, in the middle of around.
void CenterOn(QWidget *w, const QRect &around);
// Places a window in the middle of the primary screen.
void CenterOnScreen(QWidget *w);
// Moves a window's frame corner to at, or as near it as keeps the whole
// frame inside the free area of the screen there (the primary screen when
// it is on none). A window larger than the area is made smaller as far as
// its least size lets it; one still larger keeps its frame's top-left
// corner, and so its title bar, on the screen. Other widgets are left alone.
void PlaceOnScreen(QWidget *w, const QPoint &at);
// The same where the program's own placing rule has put the window, now
// and again once it is framed.
void KeepOnScreen(QWidget *w);

void Move(QWidget *w, double left, double top, double width, double height);
void SetLeft(QWidget *w, double left);
void SetTop(QWidget *w, double top);
void SetWidth(QWidget *w, double width);
void SetHeight(QWidget *w, double height);

} // namespace Geometry
