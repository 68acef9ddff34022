#pragma once
// What every window gets as it is shown, whoever opens it: its labels and
// entry boxes are made at least as wide as the texts they were filled with
// at the desktop's font (the window grows with them, about its middle, so
// a window placed centred stays centred), and the window opens inside the
// free area of the screen. A window its opener did not place opens centred
// on its owner, else on the main window, else on the screen.
//
// Controls are only ever widened: one that fits keeps its place and size.
class QWidget;

namespace WindowFit {

// The window that windows without an owner or a place are centred on.
void SetMainWindow(QWidget *main);

} // namespace WindowFit
