#pragma once
// Greys out the main window while the exit question is open: the window
// shows a still copy of itself with every other pixel black, and its grids,
// trees, frames and picture boxes stop drawing until the question is answered.
#include <QImage>

class QWidget;

namespace DimScreen {

// Dims the main window, whichever window is passed; nothing when the main
// window is not loaded or is dimmed already.
void DimForm(QWidget *form);
// Undoes the dimming; on a window that is not dimmed it still lets the
// frozen controls draw again and redraws the window.
void ResetScreen();

// The dimmed look of an image: black wherever the 8 x 8 checker pattern has
// a clear bit, the image elsewhere.
QImage DimImage(const QImage &image);

} // namespace DimScreen
